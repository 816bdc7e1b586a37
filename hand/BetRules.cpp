#include "hand/BetRules.h"

#include "money/BetText.h"

namespace velmora {

std::string_view RefusalCaption(Refusal reason) {
  switch (reason) {
    case Refusal::InvalidBetCharacter:
    case Refusal::FieldOverBank:
      return "Bet Error";
    case Refusal::DrawFive:
    case Refusal::DrawFourWithoutAce:
      return "Illegal Draw";
    case Refusal::LastBetOverBank:
    case Refusal::NoBettingCharacters:
    case Refusal::BetOverBank:
    case Refusal::NothingBet:
      break;
  }
  return "Illegal Bet";
}

std::string_view RefusalText(Refusal reason) {
  switch (reason) {
    case Refusal::InvalidBetCharacter:
      return "Invalid bet charactor!";
    case Refusal::FieldOverBank:
      return "You don't have that much!";
    case Refusal::LastBetOverBank:
      return "Your last bet exceeds your bank account!\n         Decrease your bet..";
    case Refusal::NoBettingCharacters:
      return "No betting charactors!\n      Try again..";
    case Refusal::BetOverBank:
      return "You don't have that much!\n       Try again..";
    case Refusal::DrawFive:
      return "You Can't draw 5!";
    case Refusal::DrawFourWithoutAce:
      return "You can only Draw 4 to an Ace!";
    case Refusal::NothingBet:
      break;
  }
  return "You must bet something..";
}

BetFieldCheck CheckBetField(std::string_view text, std::int32_t bank) {
  if (text.empty()) {
    return {std::nullopt, bank};
  }
  const std::optional<std::int32_t> value = ParseBet(text);
  if (!value) {
    return {TableMessage{Refusal::InvalidBetCharacter}, bank};
  }
  // 64-bit: a negative bet beside a large bank must not wrap.
  const std::int64_t cash = std::int64_t{bank} - *value;
  if (cash < 0) {
    return {TableMessage{Refusal::FieldOverBank}, bank};
  }
  return {std::nullopt, cash};
}

BetCheck CheckBet(std::string_view text, std::int32_t lastBet, std::int32_t bank) {
  const auto refuse = [](Refusal reason) { return BetCheck{TableMessage{reason}, 0}; };
  std::int32_t bet = lastBet;
  if (text.empty()) {
    if (lastBet > bank) {
      return refuse(Refusal::LastBetOverBank);
    }
  } else {
    const std::optional<std::int32_t> value = ParseBet(text);
    if (!value) {
      return refuse(Refusal::NoBettingCharacters);
    }
    if (*value > bank) {
      return refuse(Refusal::BetOverBank);
    }
    if (*value < 1) {
      return refuse(Refusal::NothingBet);
    }
    bet = *value;
  }
  if (bet == 0) {
    return refuse(Refusal::NothingBet);
  }
  return {std::nullopt, bet};
}

}  // namespace velmora
