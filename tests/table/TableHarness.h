// Drives the real table with all its windows behind a fake platform: a fixed
// clock, scripted message boxes and dialogs, a recording sound output and a
// working directory of its own that holds the sound files.
#pragma once

#include "Cards.h"
#include "FakePlatform.h"
#include "GameState.h"
#include "MainForm.h"
#include "ProgramWindows.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLabel;

namespace velmora::testing {

// The hand the table deals first after it was built, at this clock.
struct FirstDeal {
  Hand player{};
  Hand dealer{};
  DeckGrid deck{};
};
FirstDeal SimulateFirstDeal(std::int64_t seconds);
// How many cards the dealer draws when the player stands pat.
int DealerDrawAfterPat(const FirstDeal& deal);
// The first clock value from 1 on whose first deal satisfies the predicate.
std::int64_t FindSeconds(const std::function<bool(const FirstDeal&)>& predicate);

std::array<QLabel*, 5> PlayerImages(const TMainForm& form);
std::array<QLabel*, 5> DealerImages(const TMainForm& form);
std::array<QLabel*, 5> SlotImages(const TMainForm& form);

// The image id a control shows: a card, the king's second face or a back; 0
// when it is empty, -1 when it is something else.
int ShownId(const QLabel& image);
using Ids = std::vector<int>;
Ids Shown(const std::array<QLabel*, 5>& images);

class Table {
 public:
  explicit Table(bool withSounds = true);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // End of the splash with the welcome dialog accepted (bank 0 $100, 1
  // $1,000, 2 $5,000), then the hatch run open.
  void Start(int bank = 1, bool sound = true);
  int RunHatch();  // ticks until the hatch timer stops

  void TypeBet(const QString& text);
  void PressDeal();
  void ClickCard(int position);
  void PressDraw();
  // Bets and deals to the player's choice of discards.
  void Deal(const QString& bet);
  // Runs the handler of the hand's pending timer and returns its timer's
  // name; empty when nothing is pending or `stopAt` would run next.
  std::string Step(const std::string& stopAt = "");
  // Steps until `stopAt` would run next or nothing is pending; the handlers
  // run with their number of ticks.
  std::map<std::string, int> RunChain(const std::string& stopAt = "");
  // A whole hand: deal, the given discards, draws, reveal and showdown.
  void PlayHand(const QString& bet, const std::vector<int>& discards);
  // A hand played to the reveal, then given these final hands (as if dealt
  // so) for the showdown, which runs unless asked not to.
  void ToShowdown(const QString& bet, const Hand& player, const Hand& dealer, bool settle = true);

  std::vector<std::string> TakeSoundEvents();

  QTemporaryDir folder;
  QString previousFolder;
  FakePlatform platform;
  GameState state;
  std::unique_ptr<ProgramWindows> windows;
  TMainForm* form = nullptr;
};

}  // namespace velmora::testing
