#include "StatisticsFigures.h"

namespace velmora {

std::uint32_t PercentOfHands(std::uint32_t count, std::uint32_t handsPlayed) {
  if (handsPlayed == 0) {
    return 0;
  }
  return (count * 100u) / handsPlayed;
}

std::uint32_t AverageBet(std::uint32_t betTotal, std::uint32_t handsPlayed) {
  return handsPlayed > 0 ? betTotal / handsPlayed : betTotal;
}

std::uint32_t AverageBank(std::uint32_t bankTotal, std::uint32_t handsPlayed) {
  const std::uint64_t samples = std::uint64_t{handsPlayed} + 1u;
  return static_cast<std::uint32_t>(bankTotal / samples);
}

std::string StreakText(std::uint32_t streak) {
  return std::to_string(streak) + (streak == 1 ? " Hand" : " Hands");
}

namespace {

std::string TwoDigits(std::int32_t value) {
  return (value <= 9 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string SaveTimeText(const std::array<std::int32_t, 4>& saveTime) {
  return std::to_string(saveTime[0]) + ":" + TwoDigits(saveTime[1]) + ":" + TwoDigits(saveTime[2]) +
         (saveTime[3] == 0 ? " AM" : " PM");
}

std::string SaveDateText(const std::array<std::int32_t, 3>& saveDate) {
  return std::to_string(saveDate[0]) + "/" + std::to_string(saveDate[1]) + "/" +
         std::to_string(saveDate[2]);
}

}  // namespace velmora
