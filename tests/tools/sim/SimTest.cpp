// The simulator's command line, its runs and its JSON report.
#include "CardCodes.h"
#include "DiscardAdvice.h"
#include "SimMain.h"
#include "SimOptions.h"
#include "Simulation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::sim;

namespace {

struct Run {
  int status = 0;
  std::string out;
  std::string err;
};

Run RunWith(const std::vector<std::string_view>& arguments, std::int64_t now = 1700000000) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunSimulator(arguments, now, out, err);
  return {status, out.str(), err.str()};
}

QJsonObject JsonOf(const Run& run) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    qWarning("not a JSON object: %s", run.out.c_str());
    return {};
  }
  return document.object();
}

qint64 Sum(const QJsonValue& array) {
  qint64 sum = 0;
  for (const QJsonValue& value : array.toArray()) {
    sum += value.toInteger();
  }
  return sum;
}

}  // namespace

class SimTest : public QObject {
  Q_OBJECT

 private slots:
  void badArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--hand", "5"};
    QTest::newRow("stray argument") << QStringList{"5"};
    QTest::newRow("missing value") << QStringList{"--hands"};
    QTest::newRow("not a number") << QStringList{"--hands", "many"};
    QTest::newRow("trailing junk") << QStringList{"--hands", "12x"};
    QTest::newRow("empty value") << QStringList{"--start-time="};
    QTest::newRow("no hands") << QStringList{"--hands", "0"};
    QTest::newRow("too many digits") << QStringList{"--hands", "99999999999999999999"};
    QTest::newRow("unknown strategy") << QStringList{"--player", "mirror"};
    QTest::newRow("json with a value") << QStringList{"--json=yes"};
    QTest::newRow("best needs no value") << QStringList{"--player", "best", "--samples"};
    QTest::newRow("too many samples") << QStringList{"--player=best", "--samples=10000001"};
    QTest::newRow("samples without advice") << QStringList{"--samples", "100"};
    QTest::newRow("four cards") << QStringList{"--advise", "2C 7S AH 9H"};
    QTest::newRow("no such rank") << QStringList{"--advise", "2C 7S AH 1H AC"};
    QTest::newRow("a card twice") << QStringList{"--advise", "2C 7S AH 9H 2c"};
    QTest::newRow("advice plays no hands")
        << QStringList{"--advise", "2C 7S AH 9H AC", "--hands", "5"};
    QTest::newRow("seconds run out")
        << QStringList{"--start-time", "9223372036854775807", "--hands", "2"};
  }

  void badArguments() {
    QFETCH(QStringList, arguments);
    std::vector<std::string> storage;
    for (const QString& argument : arguments) {
      storage.push_back(argument.toStdString());
    }
    const Run run = RunWith(std::vector<std::string_view>(storage.begin(), storage.end()));
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.empty());  // nothing simulated, nothing reported
    const auto firstLineEnd = run.err.find('\n');
    QVERIFY(run.err.starts_with("velmora-sim: "));
    QCOMPARE(run.err.substr(firstLineEnd + 1), Usage());
  }

  void optionForms() {
    const std::vector<std::string_view> none;
    QCOMPARE(ParseArguments(none, 42).options.startTime, 42);  // the clock's
    const std::vector<std::string_view> given = {"--hands=7", "--start-time", "-3",
                                                 "--player",  "pat",          "--json"};
    const ParsedArguments parsed = ParseArguments(given, 42);
    QVERIFY(parsed.outcome == ParsedArguments::Outcome::Run);
    QCOMPARE(parsed.options.hands, 7);
    QCOMPARE(parsed.options.startTime, -3);
    QVERIFY(parsed.options.player == PlayerStrategy::Pat);
    QVERIFY(parsed.options.json);

    const Run help = RunWith({"--hands", "5", "--help"});
    QCOMPARE(help.status, 0);
    QCOMPARE(help.out, Usage());
  }

  void reportsAddUp_data() {
    QTest::addColumn<QString>("player");
    QTest::newRow("house") << "house";
    QTest::newRow("pat") << "pat";
  }

  void reportsAddUp() {
    QFETCH(QString, player);
    const std::string strategy = player.toStdString();
    const Run run =
        RunWith({"--hands", "3000", "--start-time", "1234567", "--player", strategy, "--json"});
    QCOMPARE(run.status, 0);
    const QJsonObject json = JsonOf(run);
    QVERIFY(json.value("hands_per_second").toDouble() > 0);
    const qint64 hands = json.value("hands").toInteger();
    QCOMPARE(hands, 3000);
    QCOMPARE(json.value("player_wins").toInteger() + json.value("dealer_wins").toInteger() +
                 json.value("pushes").toInteger(),
             hands);
    for (const char* key : {"player_categories", "dealer_categories"}) {
      QCOMPARE(json.value(key).toArray().size(), 10);
      QCOMPARE(Sum(json.value(key)), hands);
    }
    for (const char* key : {"player_draws", "dealer_draws"}) {
      QCOMPARE(json.value(key).toArray().size(), 5);
      QCOMPARE(Sum(json.value(key)), hands);
    }
    if (strategy == "pat") {
      QCOMPARE(json.value("player_draws").toArray().at(0).toInteger(), hands);
    } else {
      // Drawing by the house's rule, the player takes three cards to most hands.
      QVERIFY(json.value("player_draws").toArray().at(3).toInteger() > hands / 2);
    }
  }

  void sameStartSameResults() {
    const auto withoutTimes = [](QJsonObject json) {
      for (const char* key : {"hands_per_second", "processor_seconds", "elapsed_seconds"}) {
        json.remove(key);
      }
      return json;
    };
    const std::vector<std::string_view> arguments = {"--hands", "2000", "--start-time", "99",
                                                     "--json"};
    const QJsonObject first = withoutTimes(JsonOf(RunWith(arguments)));
    QVERIFY(!first.isEmpty());
    QCOMPARE(withoutTimes(JsonOf(RunWith(arguments))), first);
    // The clock only supplies the default start.
    QCOMPARE(withoutTimes(JsonOf(RunWith(arguments, 5))), first);
    const QJsonObject later =
        withoutTimes(JsonOf(RunWith({"--hands", "2000", "--start-time", "100", "--json"})));
    QVERIFY(later != first);
  }

  void firstHandOfSecondOne() {
    // Dealt a pair of aces, the player keeps them and draws three, and wins.
    const QJsonObject json = JsonOf(RunWith({"--hands", "1", "--start-time", "1", "--json"}));
    QCOMPARE(json.value("player_wins").toInteger(), 1);
    QCOMPARE(json.value("player_categories").toArray().at(1).toInteger(), 1);
    QCOMPARE(json.value("player_draws").toArray().at(3).toInteger(), 1);
    // Standing pat the player keeps the cards dealt.
    Table table;
    const HandResult pat = PlayHand(
        table, [] { return std::int64_t{1}; }, PlayerStrategy::Pat);
    QCOMPARE(pat.playerHand, (Hand{27, 45, 13, 8, 39}));
    QCOMPARE(pat.playerDraw, 0);
  }

  void cardCodes() {
    for (Card card = 1; card <= 52; card += 5) {
      const std::string code = CardCode(card);
      const ParsedHand parsed = ParseHand(code + " 2H 3H 4H 5H");
      QVERIFY2(parsed.error.empty() || card <= 4, code.c_str());
      if (card > 4) {
        QCOMPARE(parsed.hand[0], card);
      }
    }
    QCOMPARE(CardCode(13) + CardCode(14) + CardCode(35) + CardCode(51), "AH2DTCKS");
    // Lower case, commas and "10" are taken as well.
    const ParsedHand loose = ParseHand(" ah,10d  9c,ts\tqs ");
    QVERIFY(loose.error.empty());
    QCOMPARE(loose.hand, (Hand{13, 22, 34, 48, 50}));
  }

  void adviceTable() {
    const Run run = RunWith({"--advise", "2C 7S AH 9H AC", "--samples", "3000"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.empty());
    for (const char* text :
         {"Hand: 2C 7S AH 9H AC (Deuce of Clubs, Seven of Spades, Ace of Hearts, Nine of Hearts, "
          "Ace of Clubs)",
          "same 3000 deals", " 28  ", "(stand pat)", "\nBest: Discard "}) {
      QVERIFY2(run.out.find(text) != std::string::npos, text);
    }
  }

  void adviceJson() {
    const Hand hand{27, 45, 13, 8, 39};  // 2C 7S AH 9H AC
    const Run run = RunWith({"--advise", "2C 7S AH 9H AC", "--samples", "3000", "--json"});
    QCOMPARE(run.status, 0);
    const QJsonObject json = JsonOf(run);
    QCOMPARE(json.value("samples").toInteger(), 3000);
    QCOMPARE(json.value("hand").toArray(), (QJsonArray{"2C", "7S", "AH", "9H", "AC"}));
    const QJsonArray choices = json.value("choices").toArray();
    // The same figures as the advisor's, in its order.
    const std::vector<DiscardChoice> advised = AdviseDiscards(hand, {.samples = 3000});
    QCOMPARE(choices.size(), static_cast<qsizetype>(advised.size()));
    for (qsizetype k = 0; k < choices.size(); ++k) {
      const QJsonObject choice = choices.at(k).toObject();
      const DiscardChoice& expected = advised[static_cast<std::size_t>(k)];
      const QJsonArray positions = choice.value("positions").toArray();
      const QJsonArray codes = choice.value("discard").toArray();
      QCOMPARE(positions.size(), codes.size());
      DiscardFlags discards{};
      for (qsizetype d = 0; d < positions.size(); ++d) {
        const int p = positions.at(d).toInt();
        discards[p] = 1;
        QCOMPARE(codes.at(d).toString().toStdString(), CardCode(hand[p]));
      }
      QCOMPARE(discards, expected.discards);
      QCOMPARE(choice.value("win").toDouble(), std::round(expected.win * 1e6) / 1e6);
      QCOMPARE(choice.value("lose").toDouble(), std::round(expected.lose * 1e6) / 1e6);
      QCOMPARE(choice.value("text").toString().toStdString(), DescribeChoice(hand, expected));
    }
  }

  void bestPlay() {
    const Run run = RunWith(
        {"--hands", "60", "--start-time", "5", "--player", "best", "--samples", "300", "--json"});
    QCOMPARE(run.status, 0);
    const QJsonObject json = JsonOf(run);
    QCOMPARE(json.value("player").toString(), "best");
    QCOMPARE(json.value("advice_samples").toInteger(), 300);
    QCOMPARE(Sum(json.value("player_draws")), 60);

    // Dealt two aces, the advisor keeps them, as the house's rule does.
    Table table;
    const HandResult hand = PlayHand(
        table, [] { return std::int64_t{1}; }, PlayerStrategy::Best, 3000);
    QCOMPARE(hand.playerHand, (Hand{20, 15, 13, 4, 39}));
    QCOMPARE(hand.playerDraw, 3);
  }

  void houseEdge() {
    const QJsonObject json =
        JsonOf(RunWith({"--hands", "5000", "--start-time", "77", "--player", "pat", "--json"}));
    const double hands = 5000;
    const double edge =
        (json.value("dealer_wins").toDouble() - json.value("player_wins").toDouble()) / hands;
    QVERIFY(std::abs(json.value("house_edge").toDouble() - edge) < 1e-6);
    const QJsonArray interval = json.value("house_edge_ci95").toArray();
    QVERIFY(interval.at(0).toDouble() < edge && edge < interval.at(1).toDouble());
    // Standing pat against a house that draws loses clearly.
    QVERIFY(interval.at(0).toDouble() > 0.1);
  }

  void tableReport() {
    const Run run = RunWith({"--hands", "10", "--start-time", "1"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.empty());
    for (const char* text : {"Player wins", "Dealer wins", "Pushes", "95% confidence interval",
                             "House's edge: ", "Royal Flush", "Cards drawn", "hands per second"}) {
      QVERIFY2(run.out.find(text) != std::string::npos, text);
    }
  }
};

QTEST_APPLESS_MAIN(SimTest)

#include "SimTest.moc"
