// Which value each of the 89 number lines of a statistics file holds. The
// writer, the reader and the reader's checks all follow this one table.
#pragma once

#include <array>
#include <cstddef>

namespace velmora::statsfile {

enum class Field {
  NameLength,
  HandsPlayed,
  PlayerWins,
  PlayerImprovedCount,
  PlayerBestRankSum,
  DealerImprovedCount,
  BankTotal,
  DealerBestRankSum,
  StartingBankDiv20,
  HighestBankDiv3,
  PlayerCategoryCount,  // indexed 0..9
  DealerCategoryCount,  // indexed 0..9
  PlayerBestRankField,  // indexed 0..6
  DealerBestRankField,  // indexed 0..6
  PlayerDrawCount,      // indexed 0..4
  DealerDrawCount,      // indexed 0..4
  CheckValue,           // indexed 0..4
  PlayerBestCard,       // indexed 0..4
  DealerBestCard,       // indexed 0..4
  SaveTime,             // indexed 0..3
  SaveDate,             // indexed 0..2
  HighestBankMod3,
  BetTotal,
  PlayerBestCardSum,
  HighestBetDiv4,
  HighestBetMod4,
  PlayerLongestStreak,
  DealerBestCardSum,
  DealerLongestStreak,
  BankruptCount,
  StartingBank,
  HighestBank,
  HighestBet,
  StampSum,
};

struct Slot {
  Field field = Field::NameLength;
  std::size_t index = 0;
};

inline constexpr std::size_t NumberLineCount = 89;
using Layout = std::array<Slot, NumberLineCount>;

// Lines 11..76 interleave ten blocks, one per index, each holding the fields
// that still have an element at that index.
constexpr Layout MakeLayout() {
  Layout layout{};
  std::size_t next = 0;
  const auto put = [&](Field field, std::size_t index = 0) { layout[next++] = Slot{field, index}; };
  put(Field::NameLength);
  put(Field::HandsPlayed);
  put(Field::PlayerWins);
  put(Field::PlayerImprovedCount);
  put(Field::PlayerBestRankSum);
  put(Field::DealerImprovedCount);
  put(Field::BankTotal);
  put(Field::DealerBestRankSum);
  put(Field::StartingBankDiv20);
  put(Field::HighestBankDiv3);
  for (std::size_t i = 0; i < 10; ++i) {
    put(Field::PlayerCategoryCount, i);
    put(Field::DealerCategoryCount, i);
    if (i < 7) {
      put(Field::PlayerBestRankField, i);
      put(Field::DealerBestRankField, i);
    }
    if (i < 5) {
      put(Field::PlayerDrawCount, i);
      put(Field::DealerDrawCount, i);
      put(Field::CheckValue, i);
      put(Field::PlayerBestCard, i);
      put(Field::DealerBestCard, i);
    }
    if (i < 4) {
      put(Field::SaveTime, i);
    }
    if (i < 3) {
      put(Field::SaveDate, i);
    }
  }
  put(Field::HighestBankMod3);
  put(Field::BetTotal);
  put(Field::PlayerBestCardSum);
  put(Field::HighestBetDiv4);
  put(Field::HighestBetMod4);
  put(Field::PlayerLongestStreak);
  put(Field::DealerBestCardSum);
  put(Field::DealerLongestStreak);
  put(Field::BankruptCount);
  put(Field::StartingBank);
  put(Field::HighestBank);
  put(Field::HighestBet);
  put(Field::StampSum);
  return layout;
}

inline constexpr Layout LineLayout = MakeLayout();

// The line (from 1) that holds a field; 0 for a slot the layout lacks.
constexpr std::size_t LineOf(Field field, std::size_t index = 0) {
  for (std::size_t i = 0; i < LineLayout.size(); ++i) {
    if (LineLayout[i].field == field && LineLayout[i].index == index) {
      return i + 1;
    }
  }
  return 0;
}

constexpr bool Holds(std::size_t line, Field field, std::size_t index = 0) {
  return LineOf(field, index) == line;
}

static_assert(Holds(17, Field::CheckValue, 0) && Holds(21, Field::SaveDate, 0));
static_assert(Holds(53, Field::SaveTime, 3) && Holds(62, Field::DealerBestCard, 4));
static_assert(Holds(70, Field::DealerBestRankField, 6) && Holds(76, Field::DealerCategoryCount, 9));
static_assert(Holds(77, Field::HighestBankMod3) && Holds(89, Field::StampSum));

}  // namespace velmora::statsfile
