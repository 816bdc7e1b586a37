// The welcome, logo, bankrupt and deck dialogs driven as a player would.
#include <QTest>

class DialogsBasicTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(DialogsBasicTest)
#include "test_dialogs_basic.moc"
