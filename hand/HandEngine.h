// One hand of the game and the game around it, as rules without windows:
// the bet, the deal, the discards and the player's draw, the house's draw,
// the reveal and the settlement, New Game and bankruptcy. Each step checks
// that it comes in its phase (a step out of turn changes nothing and returns
// nothing) and returns what the table must show or say. The table animates
// the steps; the simulator plays them back to back.
#pragma once

#include "cards/Cards.h"
#include "hand/BetRules.h"
#include "hand/DrawRules.h"
#include "hand/GameState.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

enum class HandPhase {
  Closed,            // before the welcome is accepted
  Betting,           // betting is open
  BetPlaced,         // the bet accepted, the cards not dealt yet
  Dealing,           // the cards dealt, being laid out
  ChoosingDiscards,  // the player marks cards
  PlayerDrawing,     // the player's new cards being turned up
  HouseDrawing,      // the house has drawn; its new cards being laid face down
  Revealing,         // the house's hand face up, the showdown due
  Bankrupt,          // the bank is empty; only New Game goes on
};

struct DealResult {
  bool firstDealOfGame = false;  // the deck picture leaves the table
};

struct DrawResult {
  DrawVerdict verdict = DrawVerdict::Allowed;
  std::optional<TableMessage> refusal;  // set unless the draw is allowed
  int cardsDrawn = 0;
};

struct HouseDrawResult {
  int cardsDrawn = 0;     // what the house announces
  bool showsAce = false;  // a four-card draw shows the kept ace in place 0
};

struct SettlementResult {
  RankOrder outcome = RankOrder::Equal;  // of the player's hand (first) against the house's
  // The categories of the final hands, which the table names (a high card
  // goes unnamed).
  std::int32_t playerCategory = HighCard;
  std::int32_t dealerCategory = HighCard;
  bool bankrupt = false;
};

class HandEngine {
 public:
  explicit HandEngine(GameState& state) : state_(state) {}
  HandEngine(const HandEngine&) = delete;
  HandEngine& operator=(const HandEngine&) = delete;

  HandPhase Phase() const { return phase_; }
  bool BettingOpen() const { return phase_ == HandPhase::Betting; }

  // The welcome accepted (it set the bank and started the statistics).
  void StartPlay();
  // The deck picture, shown before the first deal of a game: with random
  // backs on it shows a freshly drawn back, which the next deal keeps.
  void ChooseDeckPictureBack(const Clock& clock);

  // The New Bet field after every change.
  BetFieldCheck CheckBetField(std::string_view text) const;
  // The Deal button: accepted in betting only; a refusal leaves everything.
  struct BetVerdict {
    bool accepted = false;
    std::optional<TableMessage> refusal;  // nothing to say out of turn
  };
  BetVerdict AcceptBet(std::string_view text);
  // The cash the tray shows during a hand: the bank less the bet.
  std::int64_t CashBesideBet() const { return std::int64_t{state_.Bank} - state_.LastBet; }

  std::optional<DealResult> Deal(const Clock& clock);
  bool DealShown();
  // The position's new mark (true: marked) while the player chooses.
  std::optional<bool> ToggleDiscard(int position);
  std::optional<DrawResult> Draw();
  std::optional<HouseDrawResult> HouseDraw();
  // True when the revealed house hand holds the king of hearts.
  std::optional<bool> Reveal();
  // Ranks, records the whole hand in the statistics, settles the bank.
  std::optional<SettlementResult> Settle();

  // Abandons any hand in progress (none of it reaches the statistics), then
  // starts over with the starting bank, the statistics kept or cleared.
  void NewGame(bool keepStatistics, const Clock& clock);

 private:
  GameState& state_;
  HandPhase phase_ = HandPhase::Closed;
  // The player's draw of the hand in play, recorded with the showdown so
  // that the statistics never hold a hand only in part.
  int playerDraw_ = 0;
};

}  // namespace velmora
