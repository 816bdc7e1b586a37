#include "cards/CardCodes.h"

#include "cards/CardNames.h"

#include <cctype>
#include <optional>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view kRanks = "23456789TJQKA";
// In the order of SuitNumber: hearts, diamonds, clubs, spades.
constexpr std::string_view kSuits = "HDCS";

char Upper(char letter) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

std::optional<Card> CardOfCode(std::string_view code) {
  const bool ten = code.size() == 3 && code.starts_with("10");
  if (code.size() != 2 && !ten) {
    return std::nullopt;
  }
  const auto rank = kRanks.find(ten ? 'T' : Upper(code.front()));
  const auto suit = kSuits.find(Upper(code.back()));
  if (rank == kRanks.npos || suit == kSuits.npos) {
    return std::nullopt;
  }
  return static_cast<Card>(suit * 13 + rank + 1);
}

}  // namespace

std::string CardCode(Card card) {
  if (card < 1 || card > 52) {
    return "??";
  }
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
    parsed.error.append("a hand is five cards, not ")
        .append(std::to_string(codes.size()))
        .append(" (for example \"2C 7S AH 9H AC\")");
    return parsed;
  }
  for (std::size_t p = 0; p < 5; ++p) {
    const std::optional<Card> card = CardOfCode(codes[p]);
    if (!card) {
      parsed.error.append("'").append(codes[p]).append(
          "' is not a card (a rank 2-9, T, J, Q, K or A, then a suit C, D, H or S)");
      return parsed;
    }
    for (std::size_t q = 0; q < p; ++q) {
      if (parsed.hand[q] == *card) {
        parsed.error.append("the ").append(CardName(*card)).append(" is in the hand twice");
        return parsed;
      }
    }
    parsed.hand[p] = *card;
  }
  return parsed;
}

}  // namespace velmora
