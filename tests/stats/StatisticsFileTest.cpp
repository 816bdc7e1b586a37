// The statistics file: the writer's lines, round trips, every rejection the
// reader reports, reading from disk, and the figures shown for a record.
#include "stats/CharacterCount.h"
#include "stats/StatisticsFile.h"
#include "stats/StatisticsSummary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ranges>

using namespace velmora;

// The fuzz target, replayed here over its seed corpus.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Numbers = std::vector<int>;
const SaveStamp Stamp{3, 5, 7, 1, 12, 31, 99};

std::string Format(const GameStatistics& s, std::string_view name = "Player",
                   std::int32_t startingBank = 1000) {
  return FormatStatisticsFile(s, name, startingBank, Stamp);
}

std::string Join(const QStringList& lines) {
  return (lines.join("\r\n") + "\r\n").toStdString();
}

Numbers Rejections(const ReadResult& result) {
  const auto numbers = result.Reports | std::views::transform(&FileOpenReport::Number);
  return {numbers.begin(), numbers.end()};
}

Numbers Rejections(const std::string& contents) {
  return Rejections(ParseStatisticsFile(contents));
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Four hands saved by "Zoë Ångstr", a name of 10 characters in 12 bytes.
const std::string ValidFile = Contents(VELMORA_FUZZ_CORPUS "/valid-played.vlm");
const QStringList ValidLines = QString::fromStdString(ValidFile).split("\r\n", Qt::SkipEmptyParts);
const GameStatistics Played = ParseStatisticsFile(ValidFile).Statistics.value().Record;

// The valid file with numbers added to some of its lines (counted from 1).
std::string Changed(std::initializer_list<std::pair<int, int>> deltas) {
  QStringList lines = ValidLines;
  for (const auto& [line, delta] : deltas) {
    lines[line - 1] = QString::number(lines[line - 1].toLongLong() + delta);
  }
  return Join(lines);
}

// Figures as the window lists them, divided by "|".
std::string Joined(std::initializer_list<std::string> texts) {
  std::string joined;
  for (const std::string& text : texts) {
    joined += (joined.empty() ? "" : "|") + text;
  }
  return joined;
}

std::string Shown(const SeatSummary& seat) {
  std::string text = Joined({seat.LongestStreak, seat.Improved, seat.BestHand});
  for (const std::string& count : seat.Categories) {
    text += "|" + count;
  }
  text += "|" + seat.CategoryTotal;
  for (const std::string& count : seat.Draws) {
    text += "|" + count;
  }
  return text + "|" + seat.DrawTotal;
}

std::string Replaced(int line, const QString& text) {
  QStringList lines = ValidLines;
  lines[line - 1] = text;
  return Join(lines);
}

}  // namespace

class StatisticsFileTest : public QObject {
  Q_OBJECT
 private slots:
  void countsCharactersNotBytes() {
    const std::pair<std::string_view, std::size_t> names[] = {
        // Sequences of two, three and four bytes, with the lowest and the
        // highest lead byte of each length.
        {"\xC2\x80\xDF\xBF", 2},
        {"\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBD", 3},
        {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", 2},
        // Bytes outside well-formed UTF-8 count one each: Latin-1 "Zoë", a
        // sequence cut short at the end or by a plain byte, bytes that never
        // lead a sequence, stray continuation bytes.
        {"Zo\xEB", 3},
        {std::string_view("\xF0\x9F\x82\xA1", 3), 3},  // the view ends before the buffer
        {"\xE2\x41\x82\xE2\x82\x41", 6},
        {"\xC0\x80\xC1\xBF\xF5\x80\x80\x80", 8},
        {"\x80\xBF\xFF", 3},
    };
    for (const auto& [name, characters] : names) {
      QVERIFY2(CountCharacters(name) == characters,
               qPrintable(QByteArray(name.data(), name.size()).toHex(' ')));
    }
  }

  void stampsUseTheUsTwelveHourFields() {
    std::tm t{};
    t.tm_hour = 15, t.tm_min = 5, t.tm_sec = 7, t.tm_mon = 11, t.tm_mday = 31, t.tm_year = 99;
    QCOMPARE(StampFromLocalTime(t), Stamp);
    t.tm_hour = 0, t.tm_year = 105;
    QCOMPARE(StampFromLocalTime(t), (SaveStamp{12, 5, 7, 0, 12, 31, 5}));
    t.tm_hour = 12;
    QCOMPARE(StampFromLocalTime(t), (SaveStamp{12, 5, 7, 1, 12, 31, 5}));
  }

  // The fuzz seeds replayed below also write back what they read.
  void roundTrips() {
    QCOMPARE(ParseStatisticsFile(Format(Played, "  x  ", 100)).Statistics,
             std::optional(SnapshotOf(Played, "  x  ", 100, Stamp)));
    // Line ends may be LF alone, and the last one may be missing.
    QVERIFY(ParseStatisticsFile(ValidLines.join('\n').toStdString()).Valid());
  }

  void reportsWhatIsWrong() {
    // Each of these lines one higher alone: the highest consistency test that
    // fails, or the split value (19 to 21) that no longer matches.
    const std::pair<int, int> changes[] = {{82, 3},  {78, 4},  {85, 5},  {6, 6},   {84, 7},
                                           {11, 8},  {12, 9},  {15, 11}, {16, 12}, {13, 13},
                                           {14, 14}, {18, 15}, {19, 16}, {20, 17}, {2, 12},
                                           {1, 18},  {86, 19}, {77, 20}, {88, 21}};
    for (const auto& [line, test] : changes) {
      QVERIFY2(Rejections(Changed({{line, 1}})) == Numbers{test},
               qPrintable(QString::number(line)));
    }
    // Shape: a line added, a line missing (the others are below).
    const std::pair<std::string, Numbers> cases[] = {
        {ValidFile + "\r\n", {1}},
        {Join(ValidLines.first(89)), {1}},
        {Replaced(90, "Plyer"), {18}},
        {Replaced(90, "Zoe Angstr"), {}},
        {Changed({{88, 1}, {2, 1}}), {12}},  // split tests only run once these pass
        {Changed({{11, 1}, {22, -1}}), {}},  // a count moved between categories
        {Changed({{86, 1}, {87, 1}, {88, 1}}), {19, 20, 21}}};
    for (const auto& [contents, expected] : cases) {
      QCOMPARE(Rejections(contents), expected);
    }
    // Saved between the player's draw and the showdown; then the dealer draws.
    GameStatistics record = Played;
    record.RecordPlayerDraw(2);
    QCOMPARE(Rejections(Format(record)), Numbers{11});
    record.RecordDealerDraw(1);
    QCOMPARE(Rejections(Format(record)), Numbers{12});
    // Written but not accepted: a starting bank that is no multiple of 20, a
    // bank total past 2,147,483,647.
    QCOMPARE(Rejections(Format(Played, "Player", 1010)), Numbers{19});
    record = Played;
    record.BankTotal = 3'000'000'000u;
    QCOMPARE(Rejections(Format(record)), Numbers{2});
  }

  void readsSignedDecimalsAndLinesOfEightyCharacters() {
    for (const char* text : {"five", "2147483648", " 2", "2 ", "", "+", "0x10", "2\r"}) {
      QVERIFY2(Rejections(Replaced(3, text)) == Numbers{2}, text);
    }
    for (const char* text : {"+0", "-0", "000"}) {
      QVERIFY2(ParseStatisticsFile(Replaced(76, text)).Valid(), text);
    }
    // 80 characters is the longest line, counted in characters, not bytes.
    QStringList lines = ValidLines;
    lines[0] = "80", lines[16] = "81", lines[89] = QString(80, u'é');  // name length, check value 0
    QVERIFY(ParseStatisticsFile(Join(lines)).Valid());
    lines[89] += u'é';
    QCOMPARE(Rejections(Join(lines)), Numbers{1});
    // Lines are read until one is longer: a long line where the name belongs,
    // or among the numbers, leaves fewer than 90. After the 90th it ends the
    // reading like the end of the file, with whatever follows it.
    const std::string tooLong = std::string(81, 'x');
    const std::pair<std::string, Numbers> shapes[] = {
        {Replaced(90, QString(81, u'x')), {1}},
        {Replaced(50, QString(81, u'1')), {1}},
        {ValidFile + std::string(80, 'x'), {1}},
        {ValidFile + tooLong, {}},
        {ValidFile + QString(81, u'é').toStdString() + "\r\n5\r\n", {}},
        {Changed({{2, 1}}) + tooLong, {12}},
    };
    for (const auto& [contents, expected] : shapes) {
      QCOMPARE(Rejections(contents), expected);
    }
  }

  void readsFromDisk() {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string missing = folder + "/nothing.vlm";
    QCOMPARE(
        ReadStatisticsFile(missing).Reports,
        (std::vector<FileOpenReport>{{0, "File Not Found", missing + ". File does not exist."}}));
    const std::string saved = folder + "/Zoë.vlm";
    std::ofstream(saved, std::ios::binary) << ValidFile;
    QVERIFY(ReadStatisticsFile(saved).Valid());
    // Nothing but a regular file is opened: a named pipe with no writer would
    // block the reader for ever (a folder or a device takes the same check).
    const std::string pipe = folder + "/x.vlm";
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    QCOMPARE(Rejections(ReadStatisticsFile(pipe)), Numbers{1});
    // A link to a valid file is read as the file.
    std::filesystem::create_symlink(saved, folder + "/link.vlm");
    QVERIFY(ReadStatisticsFile(folder + "/link.vlm").Valid());
    // A huge file is judged by its start, never read to its end: a terabyte
    // (of holes) after the 90 lines is one long line that ends the reading;
    // short lines after them are a 91st line.
    const std::string huge = folder + "/huge.vlm";
    for (const char* after : {"", "0\r\n"}) {
      std::ofstream(huge, std::ios::binary) << ValidFile << after;
      std::filesystem::resize_file(huge, std::uintmax_t{1} << 40);
      QCOMPARE(Rejections(ReadStatisticsFile(huge)), *after ? Numbers{1} : Numbers{});
    }
    // Ninety of the longest lines (80 four-byte characters) and a longer
    // one: enough of the file is read to see where the reading stops.
    std::string longest;
    for (int i = 0; i < 80; ++i) {
      longest += "\xF0\x9F\x82\xA1";
    }
    std::ofstream file(huge, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < 90; ++i) {
      file << longest << "\r\n";
    }
    file << longest << "\xF0\x9F\x82\xA1" << std::flush;
    QCOMPARE(Rejections(ReadStatisticsFile(huge)), Numbers{2});
  }

  // Seeds are named for what the reader makes of them: "valid-..." or
  // "error<N>-...". The fuzz target's own checks run on each, and a valid
  // seed with CR LF line ends is written back byte for byte, all 90 lines.
  void fuzzSeedsReadAsNamed() {
    const QDir corpus(VELMORA_FUZZ_CORPUS);
    const QStringList seeds = corpus.entryList(QDir::Files);
    QVERIFY(seeds.size() >= 5);
    for (const QString& seed : seeds) {
      const std::string contents = Contents(corpus.filePath(seed).toStdString());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(contents.data()),
                             contents.size());
      const ReadResult read = ParseStatisticsFile(contents);
      const Numbers reports = Rejections(read);
      const int expected = seed.startsWith("valid-") ? 0 : seed.mid(5).split('-')[0].toInt();
      QVERIFY2(reports.empty() ? expected == 0 : reports[0] == expected, qPrintable(seed));
      if (read.Valid() && !seed.contains("-lf")) {
        const SavedStatistics& s = *read.Statistics;
        QCOMPARE(FormatStatisticsFile(s.Record, s.PlayerName, s.StartingBank, s.Stamp), contents);
      }
    }
  }

  // The figures the window and velmora-stats print truncate, and a forged
  // file cannot make them divide by zero.
  void summarisesTheShownFigures() {
    SavedStatistics s = SnapshotOf(Played, "Player", 1000, Stamp);
    // Made to differ between the seats and between the figures.
    s.Record.HandsPlayed = 6, s.Record.BankruptCount = 2, s.Record.DealerLongestStreak = 3;
    s.Record.DealerDrawCounts = {2, 0, 3, 0, 1};
    StatisticsSummary summary = SummaryOf(s);
    // Truncated, not rounded: 1 win of 6 hands, $5060 over 7 banks, $154 bet
    // over 6 hands, 4 of 6 improved.
    QCOMPARE(
        Joined({summary.HandsPlayed, summary.PlayerWins, summary.WinPercent, summary.StartingBank,
                summary.AverageBank, summary.HighestBank, summary.AverageBet, summary.HighestBet,
                summary.BankruptCount, summary.SaveTime, summary.SaveDate}),
        std::string("6|1|16%|$1000|$722|$1010|$25|$76|2|3:05:07 PM|12/31/99"));
    QCOMPARE(
        Shown(summary.Player),
        std::string("1 Hand|0%|Pair of Kings \n(Nine kicker)|0|4|0|0|0|0|0|0|0|0|4|1|1|1|1|0|4"));
    QCOMPARE(Shown(summary.Dealer),
             std::string("3 Hands|66%|Three Deuces|0|0|0|4|0|0|0|0|0|0|4|2|0|3|0|1|6"));
    QVERIFY(summary.ShowsBestCards);

    s.Record = GameStatistics{};
    s.Record.BetTotal = 70, s.Record.BankTotal = 1000, s.Record.PlayerLongestStreak = 0;
    s.Stamp = {12, 9, 10, 0, 1, 2, 5};
    summary = SummaryOf(s);
    QCOMPARE(summary.WinPercent + summary.AverageBank + summary.AverageBet,
             std::string("0%$1000$70"));
    QCOMPARE(summary.Player.LongestStreak, std::string("0 Hands"));
    QCOMPARE(summary.SaveDate + " " + summary.SaveTime, std::string("1/2/5 12:09:10 AM"));
    QVERIFY(!summary.ShowsBestCards);
    s.Record.HandsPlayed = 0xFFFFFFFFu, s.Record.BankTotal = 4'000'000'000u;
    QCOMPARE(SummaryOf(s).AverageBank, std::string("$0"));
  }
};

QTEST_APPLESS_MAIN(StatisticsFileTest)

#include "StatisticsFileTest.moc"
