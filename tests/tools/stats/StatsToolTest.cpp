// velmora-stats over valid, damaged and missing files, and its usage errors.
#include "StatisticsFile.h"
#include "StatsTool.h"
#include "TerminalText.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace velmora;

namespace {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

Outcome RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = statstool::Run(arguments, out, err);
  return {status, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

}  // namespace

class StatsToolTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::string valid_, damaged_, missing_;

  std::string Write(const std::string& name, const std::string& contents) {
    const std::string path = dir_.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

 private slots:
  // Three hands: two won with a pair of kings, one lost to it.
  void initTestCase() {
    GameStatistics s;
    s.StartGameStatistics(1000);
    const Hand kings{12, 25, 45, 4, 8}, sevenHigh{6, 17, 29, 41, 14};
    for (int hand = 0; hand < 3; ++hand) {
      s.RecordPlayerDraw(3);
      s.RecordDealerDraw(1);
      const Hand& player = hand < 2 ? kings : sevenHigh;
      const Hand& dealer = hand < 2 ? sevenHigh : kings;
      s.RecordFinalHands(player, EvaluateHand(player), EvaluateHand(player), dealer,
                         EvaluateHand(dealer), EvaluateHand(dealer));
      s.RecordOutcome(hand < 2 ? 1 : 2, 1000);
      s.RecordHandTotals(50, 1000);
    }
    const std::string contents = FormatStatisticsFile(s, "Zoë", 1000, {3, 5, 7, 1, 12, 31, 99});
    valid_ = Write("valid.vlm", contents);
    // Lines 86 and 87, the first two holding 1000, changed alone: splits 19 and 20 fail.
    std::string broken = contents;
    for (int line = 86; line <= 87; ++line) {
      broken.replace(broken.find("\r\n1000\r\n"), 8, "\r\n1020\r\n");
    }
    damaged_ = Write("damaged.vlm", broken);
    missing_ = dir_.path().toStdString() + "/missing.vlm";
  }

  void summarisesAValidFile() {
    const Outcome run = RunTool({valid_});
    QCOMPARE(run.status, statstool::AllValid);
    for (const char* piece :
         {"12/31/99 3:05:07 PM", "Total hands played:        3", "Winning percentage:        66%",
          "Average Bank:              $1000", "Zoë: 2 Hands, Dealer: 1 Hand",
          "Zoë's Best Hand:           Pair of Kings (Nine kicker)  [KH KD 7S 5H 9H]",
          "3 Cards:                     3           0",
          "Hand Improved After Draw:  Zoë: 0%, Dealer: 0%"}) {
      QVERIFY2(Contains(run.out, piece), piece);
    }
  }

  void reportsRejectedFilesAndCarriesOn() {
    const Outcome run = RunTool({missing_, damaged_, valid_});
    QCOMPARE(run.status, statstool::SomeRejected);
    const std::string start = missing_ + ": File Not Found\n" + damaged_ +
                              ": File Open Error #19\n" + damaged_ + ": File Open Error #20\n" +
                              valid_ + "\n  Player:";
    QCOMPARE(QString::fromStdString(run.out.substr(0, start.size())),
             QString::fromStdString(start));
  }

  void refusesANamedPipeWithoutWaitingForAWriter() {
    const std::string pipe = dir_.path().toStdString() + "/x.vlm";
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    const Outcome run = RunTool({pipe, valid_});
    QCOMPARE(run.status, statstool::SomeRejected);
    QVERIFY(run.out.starts_with(pipe + ": File Open Error #1\n" + valid_ + "\n"));
  }

  void briefPrintsOneRowPerFile() {
    const Outcome run = RunTool({"--brief", valid_, missing_, valid_});
    QCOMPARE(run.status, statstool::SomeRejected);
    QCOMPARE(std::count(run.out.begin(), run.out.end(), '\n'), 4);  // heading, 2 rows, 1 report
    QVERIFY(Contains(run.out, "Zoë         12/31/99 3:05:07 PM          3       2   66%   $1000"));
  }

  // Names are bytes from a file: none of them may drive the reader's terminal.
  void controlCharactersReachTheTerminalEscaped() {
    using statstool::ForTerminal;
    QCOMPARE(ForTerminal("Zo\xc3\xab \xe2\x82\xac \xf0\x9f\x82\xa1"),
             std::string("Zo\xc3\xab \xe2\x82\xac \xf0\x9f\x82\xa1"));  // UTF-8 is kept
    QCOMPARE(ForTerminal(std::string("a\0b\x1b[2J\x7f", 8)), std::string("a\\x00b\\x1b[2J\\x7f"));
    // C1 controls in UTF-8, and bytes that are no UTF-8 at all: a lone CSI,
    // an overlong NUL, a surrogate, a cut-off sequence at the end.
    QCOMPARE(ForTerminal("\xc2\x9b"
                         "1m|\x9b"
                         "1m|\xc0\x80|\xed\xa0\x80|\xe2\x82"),
             std::string("\\xc2\\x9b1m|\\x9b1m|\\xc0\\x80|\\xed\\xa0\\x80|\\xe2\\x82"));

    GameStatistics s;
    s.StartGameStatistics(1000);
    const std::string name = "\x1b]0;x\x07\x1b[2J";
    const std::string path =
        Write("title\x1b[31m.vlm", FormatStatisticsFile(s, name, 1000, {3, 5, 7, 1, 12, 31, 99}));
    for (const auto& arguments : {std::vector<std::string>{path}, {"--brief", path}}) {
      const Outcome run = RunTool(arguments);
      QCOMPARE(run.status, statstool::AllValid);
      QVERIFY(std::none_of(run.out.begin(), run.out.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n') || byte == 0x7f;
      }));
      QVERIFY(Contains(run.out, "\\x1b]0;x\\x07\\x1b[2J"));
      QVERIFY(Contains(run.out, "title\\x1b[31m.vlm"));
    }
    // The escaped name is padded by what it shows, so the columns still line up.
    QVERIFY(Contains(RunTool({path}).out, "  \\x1b]0;x\\x07\\x1b[2J won:   0\n"));
  }

  void refusesBadUsage() {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"--brief"}, {"--verbose", valid_}, {"-x", valid_}}) {
      const Outcome run = RunTool(arguments);
      QCOMPARE(run.status, statstool::BadUsage);
      QVERIFY(run.out.empty() && Contains(run.err, "usage: velmora-stats [--brief] FILE..."));
    }
    // After "--" a name that looks like an option is a file.
    QCOMPARE(RunTool({"--", "--brief"}).out, std::string("--brief: File Not Found\n"));
  }
};

QTEST_GUILESS_MAIN(StatsToolTest)
#include "StatsToolTest.moc"
