#include "hand/BetRules.h"

#include "money/BetText.h"

namespace velmora {

namespace {

constexpr std::string_view BetError = "Bet Error";
constexpr std::string_view IllegalBet = "Illegal Bet";

}  // namespace

BetFieldCheck CheckBetField(std::string_view text, std::int32_t bank) {
  if (text.empty()) {
    return {std::nullopt, bank};
  }
  const std::optional<std::int32_t> value = ParseBet(text);
  if (!value) {
    return {TableMessage{BetError, "Invalid bet charactor!"}, bank};
  }
  // 64-bit: a negative bet beside a large bank must not wrap.
  const std::int64_t cash = std::int64_t{bank} - *value;
  if (cash < 0) {
    return {TableMessage{BetError, "You don't have that much!"}, bank};
  }
  return {std::nullopt, cash};
}

BetCheck CheckBet(std::string_view text, std::int32_t lastBet, std::int32_t bank) {
  const auto refuse = [](std::string_view message) {
    return BetCheck{TableMessage{IllegalBet, message}, 0};
  };
  std::int32_t bet = lastBet;
  if (text.empty()) {
    if (lastBet > bank) {
      return refuse("Your last bet exceeds your bank account!\n         Decrease your bet..");
    }
  } else {
    const std::optional<std::int32_t> value = ParseBet(text);
    if (!value) {
      return refuse("No betting charactors!\n      Try again..");
    }
    if (*value > bank) {
      return refuse("You don't have that much!\n       Try again..");
    }
    if (*value < 1) {
      return refuse("You must bet something..");
    }
    bet = *value;
  }
  if (bet == 0) {
    return refuse("You must bet something..");
  }
  return {std::nullopt, bet};
}

}  // namespace velmora
