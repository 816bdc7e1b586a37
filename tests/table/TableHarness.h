// Drives the real table with all its windows behind a fake platform: a fixed
// clock, scripted message boxes and dialogs, a recording sound output and a
// working directory of its own that holds the sound files. Its timers fire
// as the event loop fires them, only without the waiting.
#pragma once

#include "app/ProgramWindows.h"
#include "hand/GameState.h"
#include "hand/HandEngine.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "table/MainForm.h"
#include "tests/support/FakePlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora::testing {

// The first clock value from 1 on at which the next hand dealt from `state`,
// the player standing pat, is settled as `wanted` looks for.
std::int64_t SecondsFor(
    const GameState& state,
    const std::function<bool(const SettlementResult&, const GameState&)>& wanted);

std::array<QLabel*, 5> PlayerImages(const TMainForm& form);

// The image id a control shows: a card, the king's second face or a back; 0
// when it is empty, -1 when it is something else.
int ShownId(const QLabel& image);

// What a screen reader says a control is.
QString SpokenName(QWidget* widget);

using Ticks = std::map<const QTimer*, int>;
// Delivers what the event loop delivers when an active timer's time is up.
void Fire(QTimer& timer);

class Table {
 public:
  explicit Table(bool withSounds = true);
  ~Table();

  // End of the splash with the welcome dialog accepted (bank 0 $100, 1
  // $1,000, 2 $5,000), then the hatch run open, or up to `stopAt`.
  void Start(int bank = 1, bool sound = true, const QTimer* stopAt = nullptr);

  void TypeBet(const QString& text) { QTest::keyClicks(form->BetEdit, text); }
  void PressDeal() { QTest::mouseClick(form->Bet, Qt::LeftButton); }
  void PlaceBet(const QString& text) {
    TypeBet(text);
    PressDeal();
  }
  void PressDraw() { QTest::mouseClick(form->Draw, Qt::LeftButton); }
  void ClickCard(int position);
  // Bets and deals to the player's choice of discards.
  void Deal(const QString& bet);
  // The window's timer that fires next; the king's faces, which change
  // beside a hand until it is settled, are left to the tests.
  QTimer* Pending() const;
  // Fires the pending timer unless it is `stopAt`, then calls `afterStep`; returns it.
  QTimer* Step(const QTimer* stopAt = nullptr);
  // Steps until `stopAt` is pending or nothing is; the ticks of each timer.
  Ticks RunChain(const QTimer* stopAt = nullptr);

  std::vector<std::string> TakeSoundEvents() { return std::exchange(platform.sound.events, {}); }

  std::function<void()> afterStep;
  QTemporaryDir folder;
  const QString previousFolder;
  FakePlatform platform;
  GameState state;
  std::unique_ptr<ProgramWindows> windows;
  TMainForm* form = nullptr;
};

}  // namespace velmora::testing
