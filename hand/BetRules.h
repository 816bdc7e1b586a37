// The bet: the New Bet field checked at every change, and the checks of the
// Deal button. Each refusal is the message the table shows, word for word.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// A message box with the stop icon and an OK button.
struct TableMessage {
  std::string_view caption;
  std::string_view text;

  bool operator==(const TableMessage&) const = default;
};

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
