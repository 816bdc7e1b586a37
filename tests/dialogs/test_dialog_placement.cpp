// Where the dialogs open: centred on the screen by themselves, wherever their
// opener stands, and left where they are when they come back from the task bar.
#include "About.h"
#include "Decks.h"
#include "ExitDlg.h"
#include "FakePlatform.h"
#include "GameState.h"
#include "HelpBox.h"
#include "IntroDlg.h"

#include <QtTest/qtestspontaneevent.h>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTest>

#include <functional>
#include <memory>

using velmora::GameState;
using velmora::testing::FakePlatform;

namespace {

using MakeDialog = std::function<std::unique_ptr<QDialog>(QWidget& opener)>;

QPoint ScreenCentre() {
  return QGuiApplication::primaryScreen()->availableGeometry().center();
}

bool Centred(const QWidget& window) {
  const QPoint offset = window.frameGeometry().center() - ScreenCentre();
  return offset.manhattanLength() <= 1;
}

}  // namespace

Q_DECLARE_METATYPE(MakeDialog)

class DialogPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void opensCentred_data();
  void opensCentred();

 private:
  FakePlatform platform_;
  GameState state_;
};

void DialogPlacementTest::opensCentred_data() {
  QTest::addColumn<MakeDialog>("make");
  QTest::newRow("welcome") << MakeDialog([this](QWidget& opener) {
    return std::make_unique<velmora::TIntroDlg>(platform_, state_, &opener);
  });
  QTest::newRow("decks") << MakeDialog(
      [this](QWidget& opener) { return std::make_unique<velmora::TDecks>(state_, &opener); });
  QTest::newRow("bankrupt") << MakeDialog([this](QWidget& opener) {
    return std::make_unique<velmora::TExitDlg>(platform_, state_, nullptr, &opener);
  });
  QTest::newRow("about") << MakeDialog(
      [](QWidget& opener) { return std::make_unique<velmora::TAbout>(&opener); });
  QTest::newRow("help") << MakeDialog(
      [](QWidget& opener) { return std::make_unique<velmora::THelpBox>(&opener); });
}

void DialogPlacementTest::opensCentred() {
  QFETCH(MakeDialog, make);
  // An opener in the screen's corner: a dialog placed over its parent would
  // open off the centre.
  QWidget opener;
  opener.setGeometry(0, 0, 200, 150);
  opener.show();
  const std::unique_ptr<QDialog> dialog = make(opener);

  dialog->show();
  QVERIFY(Centred(*dialog));

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
  QVERIFY(Centred(*dialog));
}

QTEST_MAIN(DialogPlacementTest)
#include "test_dialog_placement.moc"
