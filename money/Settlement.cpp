#include "money/Settlement.h"

#include <algorithm>

namespace velmora {

namespace {

std::int32_t ClampToBank(std::int64_t amount) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(amount, std::numeric_limits<std::int32_t>::min(), HighestBank));
}

}  // namespace

std::int64_t PotAmount(std::int32_t lastBet) {
  return 2 * std::int64_t{lastBet};
}

std::int32_t BankAfterWin(std::int32_t bank, std::int32_t lastBet) {
  return ClampToBank(std::int64_t{bank} + lastBet);
}

std::int32_t BankAfterLoss(std::int32_t bank, std::int32_t lastBet) {
  return ClampToBank(std::int64_t{bank} - lastBet);
}

std::string PotText(std::int32_t lastBet) {
  return "Game Pot:  $" + std::to_string(PotAmount(lastBet));
}

std::string LastBetText(std::int32_t lastBet) {
  return "Last Bet: $" + std::to_string(lastBet);
}

}  // namespace velmora
