// The pot and the bank after a hand. The dealer matches the bet, so the pot is
// twice the bet; a win pays the bet on top of the stake, a loss takes it.
// The bank never passes the largest 32-bit amount: a win that would is capped.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace velmora {

inline constexpr std::int32_t HighestBank = std::numeric_limits<std::int32_t>::max();

std::int64_t PotAmount(std::int32_t lastBet);

std::int32_t BankAfterWin(std::int32_t bank, std::int32_t lastBet);
std::int32_t BankAfterLoss(std::int32_t bank, std::int32_t lastBet);

// "Game Pot:  $" (two blanks) and twice the bet.
std::string PotText(std::int32_t lastBet);
// "Last Bet: $" and the bet.
std::string LastBetText(std::int32_t lastBet);

}  // namespace velmora
