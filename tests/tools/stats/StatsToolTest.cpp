// velmora-stats over valid, damaged and missing files, and its usage errors.
#include "stats/StatisticsFile.h"
#include "tools/stats/StatsTool.h"
#include "tools/stats/TerminalText.h"

#include <QTemporaryDir>
#include <QTest>

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

// Seeds of the reader's fuzz target: four hands saved by "Zoë Ångstr", and
// the same file with the split values of lines 86 and 87 broken.
const std::string Valid = VELMORA_FUZZ_CORPUS "/valid-played.vlm";
const std::string Damaged = VELMORA_FUZZ_CORPUS "/error19-20-splits.vlm";
const std::string Missing = VELMORA_FUZZ_CORPUS "/missing.vlm";

}  // namespace

class StatsToolTest : public QObject {
  Q_OBJECT

 private slots:
  void summarisesAValidFile() {
    const Outcome run = RunTool({Valid});
    QCOMPARE(run.status, statstool::AllValid);
    // Labels are padded by the characters they show, not by their bytes.
    for (const char* piece :
         {"12/31/99 3:05:07 PM", "Zoë Ångstr won:            1", "Average Bank:              $1012",
          "Zoë Ångstr's Best Hand:    Pair of Kings (Nine kicker)  [KH KD 7S 5H 9H]",
          "3 Cards:                     1           1",
          "Hand Improved After Draw:  Zoë Ångstr: 0%, Dealer: 100%"}) {
      QVERIFY2(Contains(run.out, piece), piece);
    }
  }

  void reportsRejectedFilesAndCarriesOn() {
    const Outcome run = RunTool({Missing, Damaged, Valid});
    QCOMPARE(run.status, statstool::SomeRejected);
    const std::string start = Missing + ": File Not Found\n" + Damaged + ": File Open Error #19\n" +
                              Damaged + ": File Open Error #20\n" + Valid + "\n  Player:";
    QCOMPARE(QString::fromStdString(run.out.substr(0, start.size())),
             QString::fromStdString(start));
    // --brief: a heading, one row per valid file, one line per report.
    const Outcome brief = RunTool({"--brief", Valid, Missing, Valid});
    QCOMPARE(std::count(brief.out.begin(), brief.out.end(), '\n'), 4);
    QVERIFY(
        brief.status == statstool::SomeRejected &&
        Contains(brief.out, "Zoë Ångstr  12/31/99 3:05:07 PM          4       1   25%   $5000"));
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
    // Direction controls that would turn the rest of the line around, and
    // their neighbours, which are kept: U+202A..U+202E, U+2066..U+2069, the
    // marks U+200E, U+200F and U+061C; not U+2029, U+202F, U+2065, U+206A.
    QCOMPARE(ForTerminal("\u202a\u202eabc\u2066\u2069|\u200e\u200f\u061c|"
                         "\u2029\u202f\u2065\u206a"),
             std::string("\\xe2\\x80\\xaa\\xe2\\x80\\xaeabc\\xe2\\x81\\xa6\\xe2\\x81\\xa9|"
                         "\\xe2\\x80\\x8e\\xe2\\x80\\x8f\\xd8\\x9c|"
                         "\u2029\u202f\u2065\u206a"));

    GameStatistics s;
    s.StartGameStatistics(1000);
    const QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/title\x1b[31m.vlm";
    std::ofstream(path, std::ios::binary)
        << FormatStatisticsFile(s, "\x1b]0;x\x07\x1b[2J", 1000, {3, 5, 7, 1, 12, 31, 99});
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
    QVERIFY(Contains(RunTool({"--brief", path}).out, "\\x1b[2J 12/31/99"));
  }

  void refusesBadUsage() {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"--brief"}, {"--verbose", Valid}, {"-x", Valid}}) {
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
