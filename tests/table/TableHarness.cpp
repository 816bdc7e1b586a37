#include "tests/table/TableHarness.h"

#include "hand/PatHand.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTimerEvent>

#include <algorithm>

namespace velmora::testing {

std::int64_t SecondsFor(
    const GameState& state,
    const std::function<bool(const SettlementResult&, const GameState&)>& wanted) {
  for (std::int64_t seconds = 1; seconds < 1000000; ++seconds) {
    GameState next = state;
    const std::optional<SettlementResult> settled = PlayPatHand(next, seconds);
    if (settled && wanted(*settled, next)) {
      return seconds;
    }
  }
  qFatal("no clock value deals the hand wanted");
}

std::array<QLabel*, 5> PlayerImages(const TMainForm& form) {
  return {form.PlrCard0, form.PlrCard1, form.PlrCard2, form.PlrCard3, form.PlrCard4};
}

int ShownId(const QLabel& image) {
  const QImage picture = image.pixmap().toImage();
  if (picture.isNull()) {
    return 0;
  }
  // The pictures rendered once: comparing is what the tests do most.
  static const std::map<int, QImage> pictures = [] {
    std::map<int, QImage> all;
    for (int id = 1; id < BackImageId(10); ++id) {
      if (id <= KingOfHeartsAltImageId || id >= BackImageId(0)) {
        all.emplace(id, ImageById(id).toImage());
      }
    }
    return all;
  }();
  for (const auto& [id, shown] : pictures) {
    if (shown == picture) {
      return id;
    }
  }
  return -1;
}

QString SpokenName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

Table::Table(bool withSounds) : previousFolder(QDir::currentPath()) {
  if (withSounds) {
    QDir(folder.path()).mkdir("sounds");
    for (const char* name :
         {"shuffle.wav", "cardflip.wav", "plrwin.wav", "bethatch.wav", "bust.wav"}) {
      // An empty file is enough: the table must find the sounds, not play them.
      QFile file(folder.filePath(QStringLiteral("sounds/") + name));
      if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot create %s", qPrintable(file.fileName()));
      }
    }
  }
  QDir::setCurrent(folder.path());
  windows = std::make_unique<ProgramWindows>(platform, state);
  form = &windows->MainForm();
}

Table::~Table() {
  windows.reset();
  QDir::setCurrent(previousFolder);
}

void Table::Start(int bank, bool sound, const QTimer* stopAt) {
  platform.onModal = [bank, sound](QDialog& dialog) {
    dialog.findChild<QRadioButton*>(QString("RBbank%1").arg(bank))->setChecked(true);
    dialog.findChild<QCheckBox*>("SoundCheck")->setChecked(sound);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
  };
  RunChain(stopAt);
  platform.onModal = nullptr;
}

void Table::ClickCard(int position) {
  QTest::mouseClick(PlayerImages(*form).at(static_cast<std::size_t>(position)), Qt::LeftButton);
}

void Table::Deal(const QString& bet) {
  PlaceBet(bet);
  RunChain();
}

void Fire(QTimer& timer) {
  QTimerEvent event(timer.timerId());
  QCoreApplication::sendEvent(&timer, &event);
}

QTimer* Table::Pending() const {
  const QList<QTimer*> timers = form->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
  const auto pending = std::find_if(timers.begin(), timers.end(), [this](const QTimer* timer) {
    return timer->isActive() && timer != &form->kingOhearts;
  });
  return pending != timers.end() ? *pending : nullptr;
}

QTimer* Table::Step(const QTimer* stopAt) {
  QTimer* timer = Pending();
  if (timer == nullptr || timer == stopAt) {
    return nullptr;
  }
  Fire(*timer);
  if (afterStep) {
    afterStep();
  }
  return timer;
}

Ticks Table::RunChain(const QTimer* stopAt) {
  Ticks ticks;
  for (const QTimer* timer = Step(stopAt); timer != nullptr; timer = Step(stopAt)) {
    ++ticks[timer];
  }
  return ticks;
}

}  // namespace velmora::testing
