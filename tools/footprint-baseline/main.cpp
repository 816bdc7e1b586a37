// The yardstick of tools/footprint.sh: the least a Qt Widgets program with a
// window like the table's costs. A main window with a menu bar of two menus
// and a client area of the table's size, and nothing else: no pictures, no
// sound, no other windows.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));

  auto* client = new QWidget(&window);
  client->setFixedSize(634, 437);
  window.setCentralWidget(client);

  QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
  game->addAction(QStringLiteral("&New Game"))->setShortcut(Qt::Key_F2);
  game->addSeparator();
  game->addAction(QStringLiteral("&Statistics..."))->setShortcut(Qt::Key_F5);
  game->addSeparator();
  QObject::connect(game->addAction(QStringLiteral("E&xit")), &QAction::triggered, &application,
                   &QApplication::quit);
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&Contents..."));
  help->addAction(QStringLiteral("&About..."));

  window.show();
  return QApplication::exec();
}
