// The discard advisor: which draws it weighs, how it orders them, that its
// figures repeat, and that each of its samples plays out as the table plays
// the same cards.
#include "advice/DiscardAdvice.h"
#include "advice/SamplePlay.h"
#include "hand/DrawRules.h"
#include "tests/advice/ReferencePlay.h"
#include "tests/support/HandCodes.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <stdexcept>

using namespace velmora;
using velmora::testing::HandOf;

namespace {

const DiscardChoice& StandPat(const std::vector<DiscardChoice>& choices) {
  return *std::ranges::find(choices, DiscardFlags{}, &DiscardChoice::discards);
}

}  // namespace

class DiscardAdviceTest : public QObject {
  Q_OBJECT

 private slots:
  void everyAllowedDrawBestFirst() {
    // 1 + 5 + 10 + 10 draws of up to three cards, and one four-card draw per ace.
    const std::pair<const char*, int> hands[] = {
        {"KC 7S 3H 9H 2C", 26}, {"2C 7S AH 9H AC", 28}, {"AH AD AC AS 2D", 30}};
    for (const auto& [codes, count] : hands) {
      const Hand cards = HandOf(codes);
      const std::vector<DiscardChoice> choices = AdviseDiscards(cards, {.samples = 4000});
      QCOMPARE(static_cast<int>(choices.size()), count);
      std::set<DiscardFlags> seen;
      for (std::size_t k = 0; k < choices.size(); ++k) {
        const DiscardChoice& choice = choices[k];
        QVERIFY(seen.insert(choice.discards).second);
        QVERIFY(CheckDraw(cards, choice.discards) == DrawVerdict::Allowed);
        QVERIFY(choice.win >= 0 && choice.push >= 0 && choice.lose >= 0);
        QVERIFY(std::abs(choice.win + choice.push + choice.lose - 1) < 1e-12);
        if (k == 0) {
          continue;
        }
        // Equal returns: fewer cards drawn first, then the leftmost discards.
        const DiscardChoice& before = choices[k - 1];
        QVERIFY(before.expectedReturn >= choice.expectedReturn);
        const auto order = [](const DiscardChoice& c, const DiscardChoice& other) {
          return std::pair(std::ranges::count(c.discards, 1), other.discards);
        };
        QVERIFY(before.expectedReturn > choice.expectedReturn ||
                order(before, choice) < order(choice, before));
      }
    }
  }

  void sameAnswerEveryTime() {
    const auto advise = [](const char* codes, int threads = 2) {
      return AdviseDiscards(HandOf(codes), {.samples = 6000, .threads = threads});
    };
    const std::vector<DiscardChoice> first = advise("AH AD 7C 4S 2D");
    const auto same = [](const DiscardChoice& a, const DiscardChoice& b) {
      return a.discards == b.discards && a.win == b.win && a.push == b.push && a.lose == b.lose;
    };
    for (const int threads : {1, 3, 0}) {
      QVERIFY2(std::ranges::equal(advise("AH AD 7C 4S 2D", threads), first, same),
               qPrintable(QString::number(threads)));
    }
    // Other cards, other deals: the figures are not simply reused.
    QVERIFY(StandPat(advise("AH AD 7C 4S 3D")).win != StandPat(first).win);
  }

  // Every sample's outcome for every draw is the one the game's own deal,
  // draws and ranking give for the same cards; the hands cover flushes made
  // and missed, four cards to an ace, a pat hand and the house's every rule.
  void eachSamplePlaysAsTheTable() {
    std::mt19937_64 random(7);
    for (const char* codes : {"AH AD 7C 4S 2D", "2H 7H JH 9H KC", "2S 2D AC 9H 5C",
                              "9S TS JS QS 3D", "KH KD KC 4S 4H", "AC 8D 6H 4S 2C"}) {
      const Hand hand = HandOf(codes);
      const SamplePlay play(hand);
      const std::vector<DiscardFlags> draws = play.Draws();
      UnseenOrder order{};
      for (Card card = 1, k = 0; card <= 52; ++card) {
        if (std::ranges::find(hand, card) == hand.end()) {
          order[static_cast<std::size_t>(k++)] = card;
        }
      }
      std::vector<RankOrder> outcomes;
      std::array<int, 3> seen{};
      for (int sample = 0; sample < 4000; ++sample) {
        std::ranges::shuffle(order, random);
        play.Play(order, outcomes);
        QCOMPARE(outcomes.size(), draws.size());
        for (std::size_t d = 0; d < draws.size(); ++d) {
          if (outcomes[d] != reference::PlayAtTheTable(hand, draws[d], order)) {
            QFAIL(qPrintable(QString("%1, drawing %2, sample %3")
                                 .arg(codes)
                                 .arg(QString::fromStdString(DescribeChoice(hand, {draws[d]})))
                                 .arg(sample)));
          }
          ++seen[static_cast<std::size_t>(outcomes[d])];
        }
      }
      // Not a hand whose every draw ends the same way.
      QVERIFY2(std::ranges::count(seen, 0) < 2, codes);
    }
  }

  void descriptions() {
    const Hand hand = HandOf("2C 7S 5C 9H 3C");
    const DiscardChoice two{{0, 0, 1, 0, 1}, 0.472, 0.004, 0.524, -0.052};
    QCOMPARE(
        DescribeChoice(hand, two),
        "Discard Five of Clubs, Three of Clubs \u2014 wins 47.2 %, pushes 0.4 %, loses 52.4 %");
    const DiscardChoice pat{{}, 0.99951, 0.00049, 0, 0.99902};
    QCOMPARE(DescribeChoice(hand, pat), "Stand pat \u2014 wins 100.0 %, pushes 0.0 %, loses 0.0 %");
  }

  void refusesWhatIsNotAHand() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({1, 2, 3, 4, 1}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({0, 2, 3, 4, 5}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({1, 2, 3, 4, 53}));
  }
};

QTEST_APPLESS_MAIN(DiscardAdviceTest)

#include "DiscardAdviceTest.moc"
