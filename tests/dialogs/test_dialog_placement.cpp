// Where the dialogs open: centred on the screen by themselves, wherever their
// opener stands, and left where they are when they come back from the task bar.
#include "dialogs/About.h"
#include "dialogs/Decks.h"
#include "dialogs/ExitDlg.h"
#include "dialogs/HelpBox.h"
#include "dialogs/IntroDlg.h"
#include "hand/GameState.h"
#include "tests/support/FakePlatform.h"

#include <QtTest/qtestspontaneevent.h>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTest>

#include <memory>

class DialogPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void opensCentred() {
    velmora::testing::FakePlatform platform;
    velmora::GameState state;
    // An opener in the screen's corner: a dialog placed over its parent would
    // open off the centre.
    QWidget opener;
    opener.setGeometry(0, 0, 200, 150);
    opener.show();
    std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<velmora::TIntroDlg>(platform, state, &opener),
        std::make_unique<velmora::TDecks>(state, &opener),
        std::make_unique<velmora::TExitDlg>(platform, state, nullptr, &opener),
        std::make_unique<velmora::TAbout>(&opener),
        std::make_unique<velmora::THelpBox>(&opener),
    };
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (const auto& dialog : dialogs) {
      const QByteArray name = dialog->metaObject()->className();
      const auto centred = [&] {
        return (dialog->frameGeometry().center() - centre).manhattanLength() <= 1;
      };
      dialog->show();
      QVERIFY2(centred(), name);

      // Moved by the player, minimised and restored: it stays where it was put.
      dialog->move(dialog->pos() + QPoint(37, 23));
      const QPoint moved = dialog->pos();
      QShowEvent restored;
      QSpontaneKeyEvent::setSpontaneous(&restored);
      qApp->notify(dialog.get(), &restored);
      QCOMPARE(dialog->pos(), moved);

      // Closed and opened again by the program, it is centred again.
      dialog->hide();
      dialog->show();
      QVERIFY2(centred(), name);
      dialog->hide();
    }
  }
};

QTEST_MAIN(DialogPlacementTest)
#include "test_dialog_placement.moc"
