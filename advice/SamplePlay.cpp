// A sample ranks some thirty hands, so the work they share is done once: the
// house decides what to keep once per sample, and each draw adds up the rank
// keys of the cards it keeps once per hint; a sample then only adds the keys
// of the cards drawn and looks the sum up. The tests hold every outcome to
// the same order played by the game's own deal, draws and ranking.
#include "advice/SamplePlay.h"

#include "cards/Discards.h"
#include "hand/DrawRules.h"

#include <algorithm>
#include <cassert>

namespace velmora {

SamplePlay::Kept SamplePlay::Keep(const Hand& hand, const DiscardFlags& discards) {
  Kept kept;
  for (std::size_t p = 0; p < hand.size(); ++p) {
    if (discards[p] == 0) {
      kept.cards[static_cast<std::size_t>(kept.count++)] = hand[p];
      kept.ranks += RankKeyOf(hand[p]);
      kept.suits &= SuitBitOf(hand[p]);
    }
  }
  return kept;
}

// A hand of one suit is ranked whole; any other by its ranks alone.
HandValue SamplePlay::ValueAfterDraw(const Kept& kept, const Card* replacements) {
  const int drawn = 5 - kept.count;
  std::uint32_t ranks = kept.ranks;
  unsigned suits = kept.suits;
  for (int i = 0; i < drawn; ++i) {
    ranks += RankKeyOf(replacements[i]);
    suits &= SuitBitOf(replacements[i]);
  }
  if (suits == 0) {
    return ValueOfRanks(ranks);
  }
  Hand hand = kept.cards;
  std::copy(replacements, replacements + drawn, hand.begin() + kept.count);
  return PackHandValue(EvaluateHand(hand));
}

SamplePlay::SamplePlay(const Hand& hand) : dealtValue_(PackHandValue(EvaluateHand(hand))) {
  assert(IsFiveDifferentCards(hand));
  for (unsigned mask = 0; mask < 32; ++mask) {
    Draw draw;
    for (std::size_t p = 0; p < 5; ++p) {
      draw.discards[p] = static_cast<std::int32_t>((mask >> p) & 1u);
    }
    if (CheckDraw(hand, draw.discards) == DrawVerdict::Allowed) {
      draw.kept = Keep(hand, draw.discards);
      drawSizes_[static_cast<std::size_t>(5 - draw.kept.count)] = true;
      draws_.push_back(draw);
    }
  }
}

std::vector<DiscardFlags> SamplePlay::Draws() const {
  std::vector<DiscardFlags> draws;
  for (const Draw& draw : draws_) {
    draws.push_back(draw.discards);
  }
  return draws;
}

void SamplePlay::Play(const UnseenOrder& order, std::vector<RankOrder>& outcomes) const {
  // The house's final hand for every number of cards the player may take
  // before it, since its replacements follow the player's. It decides what
  // to keep from its five alone, so that is decided once.
  const Hand dealt{order[0], order[1], order[2], order[3], order[4]};
  const HandRank dealtRank = EvaluateHand(dealt);
  const HeldRanks held = ChooseHeldRanks(dealtRank);
  std::array<HandValue, 5> house{};
  if (held[0] == -1) {
    house.fill(PackHandValue(dealtRank));
  } else {
    const Kept kept = Keep(dealt, HouseDiscards(dealt, held));
    for (std::size_t drawn = 0; drawn < house.size(); ++drawn) {
      if (drawSizes_[drawn]) {
        house[drawn] = ValueAfterDraw(kept, &order[5 + drawn]);
      }
    }
  }

  outcomes.resize(draws_.size());
  for (std::size_t d = 0; d < draws_.size(); ++d) {
    const Kept& kept = draws_[d].kept;
    const HandValue player = kept.count == 5 ? dealtValue_ : ValueAfterDraw(kept, &order[5]);
    const HandValue against = house[static_cast<std::size_t>(5 - kept.count)];
    outcomes[d] = player > against   ? RankOrder::FirstBetter
                  : player < against ? RankOrder::SecondBetter
                                     : RankOrder::Equal;
  }
}

}  // namespace velmora
