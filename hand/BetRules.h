// The bet: the New Bet field checked at every change, and the checks of the
// Deal button. A refusal is a value: the windows say it in the player's
// language, and RefusalCaption/RefusalText give the game's English.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// What a message box with the stop icon and an OK button refuses.
enum class Refusal {
  InvalidBetCharacter,  // the New Bet field
  FieldOverBank,        // the New Bet field
  LastBetOverBank,      // Deal with an empty field
  NoBettingCharacters,  // Deal
  BetOverBank,          // Deal
  NothingBet,           // Deal
  DrawFive,             // Draw
  DrawFourWithoutAce,   // Draw
};

struct TableMessage {
  Refusal reason = Refusal::NothingBet;

  bool operator==(const TableMessage&) const = default;
};

// The English caption and text of the message box, as the game shows them.
std::string_view RefusalCaption(Refusal reason);
std::string_view RefusalText(Refusal reason);

struct BetFieldCheck {
  // Set when the field must be emptied after showing it.
  std::optional<TableMessage> refusal;
  // The cash left on the table beside the bet being composed. A negative
  // bet shows more than the bank until the Deal refuses it.
  std::int64_t tableCash = 0;
};

BetFieldCheck CheckBetField(std::string_view text, std::int32_t bank);

struct BetCheck {
  std::optional<TableMessage> refusal;
  std::int32_t bet = 0;  // the bet to play when there is no refusal
};

// An empty field bets the last bet again.
BetCheck CheckBet(std::string_view text, std::int32_t lastBet, std::int32_t bank);

}  // namespace velmora
