#include "ReferenceEvaluator.h"

namespace velmora::testing {

namespace {

void ReferenceFillKickers(const RankCounts& counts, HandRank& rank, int start) {
  int singles[5] = {0, 0, 0, 0, 0};
  int found = 0;
  for (int i = 0; i < 13; ++i) {
    if (counts[i] == 1 && found < 5) {
      singles[found++] = i;
    }
  }
  for (int k = 0; k < found; ++k) {
    rank.at(start + k) = singles[found - 1 - k];
  }
}

void Grouping(const RankCounts& counts, HandRank& rank) {
  for (int i = 0; i < 13; ++i) {
    if (counts[i] == 2 && rank[0] == 1) {
      rank[0] = 2;
      rank[2] = rank[1];
      rank[1] = i;
      ReferenceFillKickers(counts, rank, 3);
    } else if (counts[i] == 2 && rank[0] == 3) {
      rank[0] = 6;
      rank[2] = i;
    } else if (counts[i] == 2) {
      rank[0] = 1;
      rank[1] = i;
      ReferenceFillKickers(counts, rank, 2);
    } else if (counts[i] == 3 && rank[0] == 1) {
      rank[0] = 6;
      rank[2] = rank[1];
      rank[1] = i;
    } else if (counts[i] == 3) {
      rank[0] = 3;
      rank[1] = i;
      ReferenceFillKickers(counts, rank, 2);
    } else if (counts[i] == 4) {
      rank[0] = 7;
      rank[1] = i;
      ReferenceFillKickers(counts, rank, 2);
    }
  }
}

void FlushTest(const Hand& hand, const RankCounts& counts, HandRank& rank) {
  for (int s = 1; s <= 4; ++s) {
    bool all = true;
    for (int p = 0; p < 5; ++p) {
      if (!(hand[p] > 13 * (s - 1) && hand[p] <= 13 * s)) {
        all = false;
        break;
      }
    }
    if (all) {
      rank[0] = 5;
      rank[6] = s;
      ReferenceFillKickers(counts, rank, 1);
      return;
    }
  }
}

void StraightTest(const RankCounts& counts, HandRank& rank) {
  int s[5] = {0, 0, 0, 0, 0};
  int listed = 0;
  for (int i = 0; i < 13; ++i) {
    if (counts[i] == 1) {
      s[listed++] = i;
    }
  }
  int j = 0;
  while (j < 4 && s[j + 1] == s[j] + 1) {
    ++j;
  }
  const bool wheel = j == 3 && s[3] == 3 && s[4] == 12;
  if (j != 4 && !wheel) {
    return;
  }
  if (rank[0] != 5) {
    rank[0] = 4;
    rank[1] = s[j];
  } else if (rank[1] == 12 && !wheel) {
    rank[0] = 9;
  } else {
    rank[0] = 8;
    if (wheel) {
      rank[1] = 3;
    }
  }
}

}  // namespace

void ReferenceEvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts) {
  for (int f = 0; f < 7; ++f) {
    rank[f] = 0;
  }
  for (int i = 0; i < 13; ++i) {
    counts[i] = 0;
  }
  for (int p = 0; p < 5; ++p) {
    for (int r = 0; r < 13; ++r) {
      if (hand[p] == r + 1 || hand[p] == r + 14 || hand[p] == r + 27 || hand[p] == r + 40) {
        ++counts[r];
      }
    }
  }
  bool grouped = false;
  for (int i = 0; i < 13; ++i) {
    if (counts[i] >= 2) {
      grouped = true;
      break;
    }
  }
  if (grouped) {
    Grouping(counts, rank);
  } else {
    FlushTest(hand, counts, rank);
    StraightTest(counts, rank);
  }
  if (rank[0] == 0) {
    ReferenceFillKickers(counts, rank, 1);
  }
}

}  // namespace velmora::testing
