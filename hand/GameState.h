// All state of a run of the game, created with the program and kept until it
// ends. The hand engine plays it; the dialogs read and write their settings
// in it directly. No state is created or destroyed per hand. Plain C++: the
// windows convert at their edge.
#pragma once

#include "cards/Cards.h"
#include "stats/GameStatistics.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

struct GameState {
  // Cards (deck, hands, marks) and the generator.
  DeckGrid Deck = InitialDeckGrid();
  DeckPositions Positions = InitialDeckPositions();
  std::int32_t NextCardNumber = 1;
  Hand PlayerHand{};
  Hand DealerHand{};
  DiscardFlags Discards{};
  ReplacedFlags Replaced{};
  RandomSource Random;

  // The hand in play.
  std::int32_t DealStep = 0;
  std::int32_t DealerDrawCount = 0;
  HandRank PlayerDealtRank{};
  HandRank DealerDealtRank{};
  HandRank PlayerFinalRank{};
  HandRank DealerFinalRank{};
  bool FirstDealDone = false;
  bool DealerCardsShown = false;
  bool DealerHasKingOfHearts = false;
  int KingFacePhase = 0;

  // Card backs.
  int DeckBackId = FirstBackId;
  bool RandomizeDeck = false;
  bool DeckJustChosen = false;

  // Money, whole dollars. TableCash is 64-bit so that a bet field holding the
  // most negative 32-bit number shows exactly, without wrapping.
  std::int32_t Bank = 0;
  std::int32_t StartingBank = 0;
  std::int32_t LastBet = 0;
  std::int64_t TableCash = 0;
  std::array<std::int32_t, 5> SlotValue{};
  int HatchPosition = 0;

  // Settings of the run.
  std::string PlayerName;  // UTF-8
  bool SoundOn = false;

  GameStatistics Statistics;
};

}  // namespace velmora
