// What the cash tray shows for an amount of free cash: the bank label and a
// descending staircase of different bills, one per slot, each of which can be
// added to the bet without exceeding the free cash.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

inline constexpr std::array<std::int32_t, 14> BillDenominations{
    500000, 100000, 50000, 20000, 10000, 5000, 1000, 500, 100, 50, 20, 10, 5, 1};

// Denomination shown per slot, index 0 the top slot; 0 is an empty slot.
using SlotValues = std::array<std::int32_t, 5>;

struct TrayBills {
  SlotValues slotValues{};
  // What is left of the free cash once every bill has been taken from it.
  std::int64_t remainder = 0;
};

// Fills the bottom slot first. Each bill but the $1 bill must be strictly
// smaller than the cash still left, so the remainder after it stays above 0.
TrayBills ChooseBills(std::int64_t tableCash);

// "Bank: $" and the amount, or "(Empty)" when nothing is free.
std::string BankLabelText(std::int64_t tableCash);

}  // namespace velmora
