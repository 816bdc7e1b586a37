#include "hand/HandEngine.h"

#include "money/Settlement.h"

#include <array>

namespace velmora {

namespace {}  // namespace

void HandEngine::StartPlay() {
  if (phase_ == HandPhase::Closed) {
    phase_ = HandPhase::Betting;
  }
}

void HandEngine::ChooseDeckPictureBack(const Clock& clock) {
  if (state_.RandomizeDeck) {
    state_.DeckBackId = DrawRandomBackId(state_.Random, clock);
    state_.DeckJustChosen = true;
  }
}

BetFieldCheck HandEngine::CheckBetField(std::string_view text) const {
  return velmora::CheckBetField(text, state_.Bank);
}

HandEngine::BetVerdict HandEngine::AcceptBet(std::string_view text) {
  if (phase_ != HandPhase::Betting) {
    return {};
  }
  const BetCheck check = CheckBet(text, state_.LastBet, state_.Bank);
  if (check.refusal) {
    return {false, check.refusal};
  }
  state_.LastBet = check.bet;
  state_.DealerHasKingOfHearts = false;
  phase_ = HandPhase::BetPlaced;
  return {true, std::nullopt};
}

std::optional<DealResult> HandEngine::Deal(const Clock& clock) {
  if (phase_ != HandPhase::BetPlaced) {
    return std::nullopt;
  }
  DealResult result;
  if (!state_.FirstDealDone) {
    result.firstDealOfGame = true;
    state_.FirstDealDone = true;
  }
  state_.NextCardNumber = 1;
  state_.DealerCardsShown = false;
  state_.Discards = {};
  state_.Replaced = {};
  Shuffle(state_.Deck, state_.Random, clock);
  DealHands(state_.Deck, state_.NextCardNumber, state_.PlayerHand, state_.DealerHand);
  state_.PlayerDealtRank = EvaluateHand(state_.PlayerHand);
  state_.DealerDealtRank = EvaluateHand(state_.DealerHand);
  // A back just drawn for the deck picture is kept for this deal.
  if (state_.RandomizeDeck && !state_.DeckJustChosen) {
    state_.DeckBackId = DrawRandomBackId(state_.Random, clock);
  }
  state_.DeckJustChosen = false;
  playerDraw_ = 0;
  state_.DealerDrawCount = 0;
  phase_ = HandPhase::Dealing;
  return result;
}

bool HandEngine::DealShown() {
  if (phase_ != HandPhase::Dealing) {
    return false;
  }
  phase_ = HandPhase::ChoosingDiscards;
  return true;
}

std::optional<bool> HandEngine::ToggleDiscard(int position) {
  if (phase_ != HandPhase::ChoosingDiscards || position < 0 || position > 4) {
    return std::nullopt;
  }
  std::int32_t& mark = state_.Discards[static_cast<std::size_t>(position)];
  mark = mark == 0 ? 1 : 0;
  return mark == 1;
}

std::optional<DrawResult> HandEngine::Draw() {
  if (phase_ != HandPhase::ChoosingDiscards) {
    return std::nullopt;
  }
  DrawResult result;
  result.verdict = CheckDraw(state_.PlayerHand, state_.Discards);
  switch (result.verdict) {
    case DrawVerdict::FiveCards:
      result.refusal = TableMessage{Refusal::DrawFive};
      return result;
    case DrawVerdict::FourWithoutAce:
      result.refusal = TableMessage{Refusal::DrawFourWithoutAce};
      return result;
    case DrawVerdict::Allowed:
      break;
  }
  result.cardsDrawn = CountMarked(state_.Discards);
  playerDraw_ = result.cardsDrawn;
  ReplaceDiscards(state_.Deck, state_.Positions, state_.NextCardNumber, state_.PlayerHand,
                  state_.Discards, state_.Replaced);
  phase_ = HandPhase::PlayerDrawing;
  return result;
}

std::optional<HouseDrawResult> HandEngine::HouseDraw() {
  if (phase_ != HandPhase::PlayerDrawing) {
    return std::nullopt;
  }
  // The house's hand is still as dealt, so its record is the dealt one.
  RankCounts counts;
  state_.DealerDrawCount = ChooseDealerDraw(state_.Deck, state_.Positions, state_.DealerHand,
                                            counts, state_.DealerDealtRank, state_.NextCardNumber);
  phase_ = HandPhase::HouseDrawing;
  return HouseDrawResult{state_.DealerDrawCount, state_.DealerDrawCount == 4};
}

std::optional<bool> HandEngine::Reveal() {
  if (phase_ != HandPhase::HouseDrawing) {
    return std::nullopt;
  }
  phase_ = HandPhase::Revealing;
  if (HoldsKingOfHearts(state_.DealerHand)) {
    state_.DealerHasKingOfHearts = true;
  }
  return state_.DealerHasKingOfHearts;
}

std::optional<SettlementResult> HandEngine::Settle() {
  if (phase_ != HandPhase::Revealing) {
    return std::nullopt;
  }
  GameStatistics& statistics = state_.Statistics;
  state_.PlayerFinalRank = EvaluateHand(state_.PlayerHand);
  state_.DealerFinalRank = EvaluateHand(state_.DealerHand);
  statistics.RecordPlayerDraw(playerDraw_);
  statistics.RecordDealerDraw(state_.DealerDrawCount);
  statistics.RecordFinalHands(state_.PlayerHand, state_.PlayerFinalRank, state_.PlayerDealtRank,
                              state_.DealerHand, state_.DealerFinalRank, state_.DealerDealtRank);

  SettlementResult result;
  result.outcome = RankOrderOf(state_.PlayerFinalRank, state_.DealerFinalRank);
  if (result.outcome == RankOrder::SecondBetter) {
    state_.Bank = BankAfterLoss(state_.Bank, state_.LastBet);
  } else if (result.outcome == RankOrder::FirstBetter) {
    state_.Bank = BankAfterWin(state_.Bank, state_.LastBet);
  } else {
    // Each side takes back its stake.
  }
  statistics.RecordOutcome(result.outcome, static_cast<std::uint32_t>(state_.Bank));
  statistics.RecordHandTotals(static_cast<std::uint32_t>(state_.LastBet),
                              static_cast<std::uint32_t>(state_.Bank));
  result.playerCategory = state_.PlayerFinalRank[0];
  result.dealerCategory = state_.DealerFinalRank[0];
  result.bankrupt = state_.Bank <= 0;
  phase_ = result.bankrupt ? HandPhase::Bankrupt : HandPhase::Betting;
  return result;
}

void HandEngine::NewGame(bool keepStatistics, const Clock& clock) {
  if (phase_ == HandPhase::Closed) {
    return;
  }
  playerDraw_ = 0;
  state_.DealerDrawCount = 0;
  state_.DealerHasKingOfHearts = false;
  state_.LastBet = 0;
  state_.Bank = state_.StartingBank;
  state_.Statistics.BankruptCount += 1;
  if (!keepStatistics) {
    state_.Statistics.ResetStatistics(static_cast<std::uint32_t>(state_.Bank));
  }
  state_.FirstDealDone = false;
  ChooseDeckPictureBack(clock);
  phase_ = HandPhase::Betting;
}

}  // namespace velmora
