// The simulator's command line, its runs and its JSON report.
#include "advice/DiscardAdvice.h"
#include "cards/CardCodes.h"
#include "tools/sim/SimMain.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/Simulation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <numeric>
#include <ranges>
#include <sstream>

using namespace velmora;
using namespace velmora::sim;

namespace {

struct Run {
  int status = 0;
  std::string out;
  std::string err;

  QJsonObject Json() const {
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
  }
};

// The words of the command line, split at blanks.
Run RunWith(std::string_view line, std::int64_t now = 1700000000) {
  std::vector<std::string_view> words;
  for (const auto word : std::views::split(line, ' ')) {
    words.emplace_back(word.begin(), word.end());
  }
  std::ostringstream out, err;
  const int status = RunSimulator(words, now, out, err);
  return {status, out.str(), err.str()};
}

qint64 Sum(const QJsonValue& value) {
  const QJsonArray array = value.toArray();
  return std::accumulate(
      array.begin(), array.end(), qint64{0},
      [](qint64 sum, const QJsonValue& count) { return sum + count.toInteger(); });
}

}  // namespace

class SimTest : public QObject {
  Q_OBJECT

 private slots:
  void badArgumentsRunNothing() {
    // The last two: samples without advice, and a start whose seconds run out.
    for (const char* line :
         {"--hand 5", "5", "--hands", "--hands 12x", "--start-time=", "--hands 0",
          "--player mirror", "--json=yes", "--player best --samples",
          "--player=best --samples=10000001", "--advise 2C,7S,AH,9H", "--advise 2C,7S,AH,9H,2c",
          "--advise 2C,7S,AH,9H,AC --hands 5", "--samples 100",
          "--start-time 9223372036854775807 --hands 2"}) {
      const Run run = RunWith(line);
      // One line of error, then the usage; nothing simulated, nothing reported.
      QVERIFY2(run.status == 2 && run.out.empty() && run.err.starts_with("velmora-sim: ") &&
                   run.err.substr(run.err.find('\n') + 1) == Usage(),
               line);
    }
  }

  void reportsAddUp() {
    for (const std::string_view player : {"house", "pat"}) {
      const QJsonObject json =
          RunWith("--hands=3000 --start-time -3 --json --player " + std::string(player)).Json();
      QCOMPARE(json.value("start_time").toInteger(), -3);
      QCOMPARE(json.value("player").toString().toStdString(), player);
      QVERIFY(json.value("hands_per_second").toDouble() > 0);
      QCOMPARE(json.value("hands").toInteger(), 3000);
      QCOMPARE(json.value("player_wins").toInteger() + json.value("dealer_wins").toInteger() +
                   json.value("pushes").toInteger(),
               3000);
      for (const char* key :
           {"player_categories", "dealer_categories", "player_draws", "dealer_draws"}) {
        QCOMPARE(Sum(json.value(key)), 3000);
      }
      // Standing pat draws nothing and loses clearly to a house that draws; by
      // the house's rule most hands draw three.
      const QJsonArray draws = json.value("player_draws").toArray();
      const double edge = json.value("house_edge").toDouble();
      const QJsonArray interval = json.value("house_edge_ci95").toArray();
      QVERIFY(interval.at(0).toDouble() < edge && edge < interval.at(1).toDouble());
      QVERIFY(player == "pat" ? draws.at(0).toInteger() == 3000 && interval.at(0).toDouble() > 0.1
                              : draws.at(3).toInteger() > 1500);
    }
    // Without --start-time the clock gives the start; --help runs nothing.
    QCOMPARE(RunWith("--hands 1 --json", 42).Json().value("start_time").toInteger(), 42);
    const Run help = RunWith("--hands 5 --help");
    QVERIFY(help.status == 0 && help.out == Usage());
    // Without --json the same figures come as a table.
    const Run table = RunWith("--hands 10 --start-time 1");
    QVERIFY(table.status == 0 && table.err.empty());
    for (const char* text : {"Player wins", "Dealer wins", "Pushes", "95% confidence interval",
                             "House's edge: ", "Royal Flush", "Cards drawn", "hands per second"}) {
      QVERIFY2(table.out.find(text) != std::string::npos, text);
    }
  }

  // A run may end on the last second an int64 holds and start on the first
  // (one hand more than fits is refused above).
  void runsToTheEdgesOfTime() {
    const std::pair<int, const char*> runs[] = {
        {1, "9223372036854775807"}, {3, "9223372036854775805"}, {2, "-9223372036854775808"}};
    for (const auto& [hands, start] : runs) {
      const std::string line = "--json --hands " + std::to_string(hands) + " --start-time " + start;
      QVERIFY2(RunWith(line).Json().value("hands").toInteger() == hands, line.c_str());
    }
  }

  void sameStartSameResults() {
    const auto withoutTimes = [](const std::string& start, std::int64_t now) {
      QJsonObject json = RunWith("--hands 2000 --json --start-time " + start, now).Json();
      for (const char* key : {"hands_per_second", "processor_seconds", "elapsed_seconds"}) {
        json.remove(key);
      }
      return json;
    };
    const QJsonObject first = withoutTimes("99", 1);
    QVERIFY(first.contains("hands") && withoutTimes("100", 1) != first);
    QCOMPARE(withoutTimes("99", 5), first);  // the clock only supplies the default start
  }

  void bestPlay() {
    // Dealt two aces at the first second, as at the table, the advisor keeps
    // them, as the house's rule does.
    Table table;
    const auto firstSecond = [] { return std::int64_t{1}; };
    const HandResult hand = PlayHand(table, firstSecond, PlayerStrategy::Best, 3000);
    QCOMPARE(hand.playerHand, (Hand{20, 15, 13, 4, 39}));
    QCOMPARE(hand.playerDraw, 3);
    const QJsonObject json = RunWith("--hands=60 --player=best --samples=300 --json").Json();
    QCOMPARE(json.value("player").toString(), "best");
    QCOMPARE(json.value("advice_samples").toInteger(), 300);
    QCOMPARE(Sum(json.value("player_draws")), 60);
  }

  void cardCodes() {
    for (Card card = 5; card <= 52; ++card) {  // beside four cards 1..4
      QCOMPARE(ParseHand(CardCode(card) + " 2H 3H 4H 5H").hand[0], card);
    }
    // Lower case, commas and "10" are taken as well.
    const ParsedHand loose = ParseHand(" ah,10d  9c,ts\tqs ");
    QVERIFY(loose.error.empty());
    QCOMPARE(loose.hand, (Hand{13, 22, 34, 48, 50}));
    // A damaged statistics file may hold numbers that are no card.
    QVERIFY(CardCode(0) == "??" && CardCode(53) == "??");
  }

  void adviceTableAndJson() {
    const Run table = RunWith("--advise 2C,7S,AH,9H,AC --samples 3000");
    QVERIFY(table.status == 0 && table.err.empty());
    for (const char* text :
         {"Hand: 2C 7S AH 9H AC (Deuce of Clubs, Seven of Spades, Ace of Hearts, Nine of Hearts, "
          "Ace of Clubs)",
          "same 3000 deals", " 28  ", "(stand pat)", "\nBest: Discard "}) {
      QVERIFY2(table.out.find(text) != std::string::npos, text);
    }
    // The JSON holds the advisor's own figures, in its order.
    const Hand hand{27, 45, 13, 8, 39};
    const QJsonObject json = RunWith("--advise 2C,7S,AH,9H,AC --samples 3000 --json").Json();
    QVERIFY(json.value("samples").toInteger() == 3000 &&
            json.value("hand").toArray() == (QJsonArray{"2C", "7S", "AH", "9H", "AC"}));
    const QJsonArray choices = json.value("choices").toArray();
    const std::vector<DiscardChoice> advised = AdviseDiscards(hand, {.samples = 3000});
    QCOMPARE(choices.size(), static_cast<qsizetype>(advised.size()));
    for (std::size_t k = 0; k < advised.size(); ++k) {
      const QJsonObject choice = choices.at(static_cast<qsizetype>(k)).toObject();
      QCOMPARE(choice.value("text").toString().toStdString(), DescribeChoice(hand, advised[k]));
      QCOMPARE(choice.value("win").toDouble(), std::round(advised[k].win * 1e6) / 1e6);
    }
    QCOMPARE(choices.at(0).toObject().value("positions").toArray(), (QJsonArray{0, 1, 3}));
    QCOMPARE(choices.at(0).toObject().value("discard").toArray(), (QJsonArray{"2C", "7S", "9H"}));
  }
};

QTEST_APPLESS_MAIN(SimTest)

#include "SimTest.moc"
