// The figures derived from a statistics record for display: percentages and
// averages truncate, in the record's unsigned 32-bit arithmetic.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

// (count × 100) div hands, or 0 before the first hand.
std::uint32_t PercentOfHands(std::uint32_t count, std::uint32_t handsPlayed);

// BetTotal div hands, or BetTotal itself before the first hand.
std::uint32_t AverageBet(std::uint32_t betTotal, std::uint32_t handsPlayed);

// BankTotal div (hands + 1): the starting bank counts as one sample. The
// divisor is taken without wrapping, so a file claiming 4294967295 hands
// cannot make it zero.
std::uint32_t AverageBank(std::uint32_t bankTotal, std::uint32_t handsPlayed);

// "1 Hand", "0 Hands", "2 Hands".
std::string StreakText(std::uint32_t streak);

// "3:05:07 PM": minutes and seconds padded to two digits.
std::string SaveTimeText(const std::array<std::int32_t, 4>& saveTime);

// "12/31/99", without leading zeros.
std::string SaveDateText(const std::array<std::int32_t, 3>& saveDate);

}  // namespace velmora
