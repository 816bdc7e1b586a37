#include "tools/sim/CardCodes.h"

#include "cards/CardNames.h"

#include <cctype>
#include <optional>
#include <vector>

namespace velmora::sim {

namespace {

constexpr std::string_view kRanks = "23456789TJQKA";
// In the order of SuitNumber: hearts, diamonds, clubs, spades.
constexpr std::string_view kSuits = "HDCS";

char Upper(char letter) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

std::optional<Card> CardOf(std::string_view code) {
  std::string letters(code);
  if (letters.size() == 3 && letters.starts_with("10")) {
    letters = "T" + letters.substr(2);
  }
  if (letters.size() != 2) {
    return std::nullopt;
  }
  const auto rank = kRanks.find(Upper(letters[0]));
  const auto suit = kSuits.find(Upper(letters[1]));
  if (rank == kRanks.npos || suit == kSuits.npos) {
    return std::nullopt;
  }
  return static_cast<Card>(suit * 13 + rank + 1);
}

}  // namespace

std::string CardCode(Card card) {
  return {kRanks[static_cast<std::size_t>(RankIndex(card))],
          kSuits[static_cast<std::size_t>(SuitNumber(card) - 1)]};
}

ParsedHand ParseHand(std::string_view text) {
  std::vector<std::string_view> codes;
  std::size_t start = 0;
  const auto separator = [](char c) { return c == ' ' || c == ',' || c == '\t'; };
  while (start < text.size()) {
    if (separator(text[start])) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < text.size() && !separator(text[end])) {
      ++end;
    }
    codes.push_back(text.substr(start, end - start));
    start = end;
  }

  ParsedHand parsed;
  if (codes.size() != 5) {
    parsed.error = "a hand is five cards, not " + std::to_string(codes.size()) +
                   " (for example \"2C 7S AH 9H AC\")";
    return parsed;
  }
  for (std::size_t p = 0; p < 5; ++p) {
    const std::optional<Card> card = CardOf(codes[p]);
    if (!card) {
      parsed.error = "'" + std::string(codes[p]) +
                     "' is not a card (a rank 2-9, T, J, Q, K or A, then a suit C, D, H or S)";
      return parsed;
    }
    for (std::size_t q = 0; q < p; ++q) {
      if (parsed.hand[q] == *card) {
        parsed.error = "the " + CardName(*card) + " is in the hand twice";
        return parsed;
      }
    }
    parsed.hand[p] = *card;
  }
  return parsed;
}

}  // namespace velmora::sim
