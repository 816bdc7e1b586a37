#include "money/CashTray.h"

namespace velmora {

TrayBills ChooseBills(std::int64_t tableCash) {
  TrayBills result;
  std::int64_t cash = tableCash;
  std::size_t i = 0;  // shared by all slotValues: a denomination is never offered twice
  for (int slot = 4; slot >= 0; --slot) {
    std::int32_t shown = 0;
    while (i < BillDenominations.size()) {
      const std::int64_t d = BillDenominations[i];
      if (i == BillDenominations.size() - 1 && d <= cash) {
        shown = static_cast<std::int32_t>(d);
        cash = 0;  // the $1 bill takes everything left
        break;
      }
      if (d < cash) {
        shown = static_cast<std::int32_t>(d);
        // Taking d as long as it stays strictly below what is left leaves a
        // remainder in 1..d; computed at once rather than by repeated subtraction.
        cash = (cash - 1) % d + 1;
        break;
      }
      ++i;
    }
    result.slotValues[static_cast<std::size_t>(slot)] = shown;
  }
  result.remainder = cash;
  return result;
}

std::string BankLabelText(std::int64_t tableCash) {
  if (tableCash == 0) {
    return "(Empty)";
  }
  return "Bank: $" + std::to_string(tableCash);
}

}  // namespace velmora
