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

struct WelcomeChoice {
  int bank = 1;  // 0 $100, 1 $1,000, 2 $5,000
  bool sound = true;
  QString name;
};

inline WelcomeChoice WithBank(int bank, bool sound = true) {
  WelcomeChoice choice;
  choice.bank = bank;
  choice.sound = sound;
  return choice;
}

// The hand the table deals first after it was built, at this clock.
struct FirstDeal {
  Hand player{};
  Hand dealer{};
  DeckGrid deck{};
};
FirstDeal SimulateFirstDeal(std::int64_t seconds);
// The dealer's hand after it draws, when the player stands pat.
Hand DealerAfterPat(const FirstDeal& deal, int* drawCount = nullptr);
// The first clock value from 1 on whose first deal satisfies the predicate; 0 if none.
std::int64_t FindSeconds(const std::function<bool(const FirstDeal&)>& predicate);

std::array<QLabel*, 5> PlayerImages(const TMainForm& form);
std::array<QLabel*, 5> DealerImages(const TMainForm& form);
std::array<QLabel*, 5> SlotImages(const TMainForm& form);

// The image id a control shows: a card, the king's second face or a back; 0
// when it is empty, -1 when it is something else.
int ShownId(const QLabel& image);

class Table {
 public:
  explicit Table(bool withSounds = true);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // End of the splash with the welcome dialog filled in and accepted; then
  // the hatch is run open unless asked not to.
  void Start(const WelcomeChoice& choice = {}, bool openHatch = true);
  int RunHatch();  // ticks until the hatch timer stops

  void TypeBet(const QString& text);
  void PressDeal();
  void ClickCard(int position);
  void PressDraw();
  // Runs the handler of the hand's pending timer and returns its timer's
  // name; empty when nothing is pending or `stopAt` would run next.
  std::string Step(const std::string& stopAt = "");
  // Steps until `stopAt` would run next (or nothing is pending). Returns the
  // handlers run with their number of ticks.
  std::map<std::string, int> RunChain(const std::string& stopAt = "");
  // A whole hand: deal, the given discards, draws, reveal and showdown.
  void PlayHand(const QString& bet, const std::vector<int>& discards);
  // A hand played to the reveal, then given these final hands (as if dealt
  // so) for the showdown, which runs unless asked not to.
  void ToShowdown(const QString& bet, const Hand& player, const Hand& dealer, bool settle = true);

  void RemoveSound(const QString& fileName);
  std::vector<std::string> TakeSoundEvents();

  QTemporaryDir folder;
  QString previousFolder;
  FakePlatform platform;
  GameState state;
  std::unique_ptr<ProgramWindows> windows;
  TMainForm* form = nullptr;
};

}  // namespace velmora::testing
