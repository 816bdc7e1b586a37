// The help window and the about box, used the way a reader would: opening,
// clicking links and icons, switching pages, closing and opening again.
#include "About.h"
#include "Cards.h"
#include "HelpBox.h"
#include "Images.h"
#include "Look.h"
#include "help/HandRankExamples.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include <array>
#include <vector>

using velmora::TAbout;
using velmora::THelpBox;

namespace {

struct Block {
  QString text;
  QColor colour;  // of its first fragment; invalid for an empty block
  Qt::Alignment alignment;
};

std::vector<Block> Blocks(const QTextEdit& view) {
  std::vector<Block> blocks;
  for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
    QColor colour;
    if (block.begin() != block.end()) {
      colour = block.begin().fragment().charFormat().foreground().color();
    }
    blocks.push_back({block.text(), colour, block.blockFormat().alignment()});
  }
  return blocks;
}

QColor TextColour(const QWidget& widget) {
  return widget.palette().color(QPalette::WindowText);
}

bool ShowsImage(const QLabel& label, int id) {
  return !label.pixmap().isNull() && label.pixmap().toImage() == velmora::ImageById(id).toImage();
}

// Card ids are the values 1..52, so a list of ranks and suit letters is easier to read.
velmora::Card CardOf(const QString& rank, int suit) {
  static const QStringList ranks{"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  const int index = static_cast<int>(ranks.indexOf(rank));
  return index < 0 ? 0 : suit * 13 + index + 1;
}

// "K, K, K, K, 4" as a hand; the suits go round so that no flush appears by
// accident, unless `oneSuit` asks for one.
velmora::Hand HandOf(const QString& ranks, bool oneSuit) {
  const QStringList parts = ranks.split(", ");
  velmora::Hand hand{};
  for (int i = 0; i < 5 && i < parts.size(); ++i) {
    hand[static_cast<std::size_t>(i)] = CardOf(parts[i].trimmed(), oneSuit ? 3 : i % 4);
  }
  return hand;
}

const std::array<const char*, 10> TopicLinkNames{
    "OverviewLabl",    "BetLabl",       "DealLabl",      "DrawLabl",    "ShowdownLabl",
    "SelectaDeckLabl", "GameStatsLabl", "SaveStatsLabl", "LicenseLabl", "ContactLabl"};
const std::array<const char*, 10> RankLinkNames{
    "RoyalFlushLabl", "StraightFlushLabl", "FourOfAKindLabl", "FullHouseLabl", "FlushLabl",
    "StraightLabl",   "ThreeOfAKindLabl",  "TwoPairLabl",     "PairLabl",      "HighCardLabl"};

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  static T* Find(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (child == nullptr) {
      qFatal("no child %s", name);
    }
    return child;
  }

  static void Click(QWidget& window, const char* name) {
    QTest::mouseClick(Find<QWidget>(window, name), Qt::LeftButton);
  }

  // Rank links live on the second page; a reader turns to it before clicking.
  static void ClickRank(THelpBox& help, const char* name) {
    auto* pages = Find<QTabWidget>(help, "PageControl");
    pages->setCurrentWidget(Find<QWidget>(help, "HandRankTab"));
    Click(help, name);
  }

  static void ExpectStartView(THelpBox& help) {
    QCOMPARE(Find<QTabWidget>(help, "PageControl")->currentWidget(),
             Find<QWidget>(help, "HelpContentsTab"));
    QVERIFY(Find<QTextEdit>(help, "ShowHelpRE")->document()->isEmpty());
    QVERIFY(Find<QWidget>(help, "HandPanl")->isVisible());
    QVERIFY(!Find<QWidget>(help, "HandRankPanl")->isVisible());
    for (int i = 0; i < 5; ++i) {
      const QByteArray name = "Image" + QByteArray::number(i + 1);
      QVERIFY2(ShowsImage(*Find<QLabel>(help, name.constData()), 9 + i), name.constData());
    }
    for (const auto* names : {&TopicLinkNames, &RankLinkNames}) {
      for (const char* name : *names) {
        QVERIFY2(TextColour(*Find<QLabel>(help, name)) == velmora::look::Blue, name);
        const QByteArray icon = QByteArray(name) + "Icon";
        const int id = names == &TopicLinkNames ? velmora::TopicIconId : velmora::HandRankIconId;
        QVERIFY2(ShowsImage(*Find<QLabel>(help, icon.constData()), id), icon.constData());
      }
    }
    for (const char* heading :
         {"Label2Icon", "Label1Icon", "Label3Icon", "Label4Icon", "Label7Icon"}) {
      QVERIFY2(ShowsImage(*Find<QLabel>(help, heading), velmora::HeadingIconId), heading);
    }
  }

 private slots:
  void helpWindowLooksAsDefined() {
    THelpBox help;
    help.show();
    QCOMPARE(help.windowTitle(), QString("Velmora Help"));
    QCOMPARE(help.size(), QSize(504, 403));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QCOMPARE(Find<QTabWidget>(help, "PageControl")->tabText(0), QString("Help Contents"));
    QCOMPARE(Find<QTabWidget>(help, "PageControl")->tabText(1), QString("Hand Rankings"));
    QCOMPARE(Find<QLabel>(help, "Label9")->text(), QString("Royal Flush"));
    QCOMPARE(Find<QLabel>(help, "Label8")->text(), QString("All Rights Reserved"));
    QCOMPARE(TextColour(*Find<QLabel>(help, "LegalLabl1")), velmora::look::Purple);
    QCOMPARE(Find<QPushButton>(help, "OKBtn")->text(), QString("&OK"));
    QCOMPARE(Find<QTextEdit>(help, "ShowHelpRE")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Each card of the fan lies over the one before it.
    QWidget* panel = Find<QWidget>(help, "HandPanl");
    QCOMPARE(panel->childAt(130, 120), Find<QWidget>(help, "Image4"));
    ExpectStartView(help);
  }

  void everyOpeningStartsAfresh() {
    THelpBox help;
    help.show();
    Click(help, "OverviewLabl");
    ClickRank(help, "FlushLabl");
    Click(help, "PairLablIcon");
    help.hide();
    help.show();
    ExpectStartView(help);

    // Again after a topic was left showing, with the other page selected.
    Click(help, "ContactLabl");
    Find<QTabWidget>(help, "PageControl")->setCurrentIndex(1);
    Click(help, "OKBtn");
    QVERIFY(!help.isVisible());
    help.show();
    ExpectStartView(help);
  }

  void clickedLinksTurnPurpleUntilReopened() {
    THelpBox help;
    help.show();
    Click(help, "DealLabl");
    Click(help, "SaveStatsLablIcon");  // the icon counts as the link
    ClickRank(help, "StraightLablIcon");
    for (const char* name : TopicLinkNames) {
      const bool visited = QByteArray(name) == "DealLabl" || QByteArray(name) == "SaveStatsLabl";
      QCOMPARE(TextColour(*Find<QLabel>(help, name)),
               visited ? velmora::look::Purple : velmora::look::Blue);
    }
    for (const char* name : RankLinkNames) {
      QCOMPARE(TextColour(*Find<QLabel>(help, name)),
               QByteArray(name) == "StraightLabl" ? velmora::look::Purple : velmora::look::Blue);
    }
    QVERIFY(Find<QTextEdit>(help, "ShowHelpRE")->document()->isEmpty());  // a rank shows
    help.hide();
    help.show();
    QCOMPARE(TextColour(*Find<QLabel>(help, "DealLabl")), velmora::look::Blue);
    QCOMPARE(TextColour(*Find<QLabel>(help, "StraightLabl")), velmora::look::Blue);
  }

  void handRankPanelShowsTheExample_data() {
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("cards");
    QTest::newRow("royal flush") << QByteArray("RoyalFlushLabl") << "Royal Flush"
                                 << "Royal Flush\n(Spades)" << QList<int>{52, 51, 50, 49, 48};
    QTest::newRow("straight flush")
        << QByteArray("StraightFlushLabl") << "Straight Flush"
        << " Eight High Straight Flush \n(Diamonds)" << QList<int>{20, 19, 18, 17, 16};
    QTest::newRow("four of a kind") << QByteArray("FourOfAKindLabl") << "Four of a Kind"
                                    << "Four Sevens" << QList<int>{6, 19, 45, 32, 12};
    QTest::newRow("full house") << QByteArray("FullHouseLabl") << "Full House"
                                << "Full House\n(Deuces over Fives)"
                                << QList<int>{27, 1, 40, 17, 30};
    QTest::newRow("flush") << QByteArray("FlushLabl") << "Flush"
                           << "King High Flush\n(Spades)" << QList<int>{51, 47, 43, 42, 40};
    QTest::newRow("straight") << QByteArray("StraightLabl") << "Straight"
                              << "Jack High Straight" << QList<int>{10, 22, 34, 20, 45};
    QTest::newRow("three of a kind") << QByteArray("ThreeOfAKindLabl") << "Three of a Kind"
                                     << "Three Nines" << QList<int>{21, 34, 8, 36, 6};
    QTest::newRow("two pair") << QByteArray("TwoPairLabl") << "Two Pair"
                              << "Two Pair\n(Jacks and Fours)" << QList<int>{49, 23, 3, 16, 19};
    QTest::newRow("pair") << QByteArray("PairLabl") << "Pair"
                          << "Pair of Queens\n(Nine Kicker)" << QList<int>{37, 11, 14, 3, 34};
    QTest::newRow("high card") << QByteArray("HighCardLabl") << "High Card"
                               << "Ace High\n(Jack Kicker)" << QList<int>{52, 23, 5, 15, 40};
  }

  void handRankPanelShowsTheExample() {
    QFETCH(QByteArray, link);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QList<int>, cards);

    THelpBox help;
    help.show();
    Click(help, "ShowdownLabl");  // something to be replaced
    ClickRank(help, link.constData());
    ClickRank(help, link.constData());  // twice: still shown once

    QVERIFY(!Find<QWidget>(help, "HandPanl")->isVisible());
    QVERIFY(Find<QWidget>(help, "HandRankPanl")->isVisible());
    QVERIFY(Find<QTextEdit>(help, "ShowHelpRE")->document()->isEmpty());
    QCOMPARE(Find<QLabel>(help, "RankStringLabl")->text(), name);
    QCOMPARE(Find<QLabel>(help, "TableLabl")->text(), caption);
    for (int i = 0; i < 5; ++i) {
      const QByteArray card = "RankCard" + QByteArray::number(i);
      QVERIFY2(ShowsImage(*Find<QLabel>(help, card.constData()), cards[i]), card.constData());
    }
    const std::vector<Block> description = Blocks(*Find<QTextEdit>(help, "HandRankRE"));
    QCOMPARE(description.size(), std::size_t{1});
    QVERIFY(!description[0].text.isEmpty());
    QCOMPARE(description[0].colour, velmora::look::Blue);
    QCOMPARE(TextColour(*Find<QLabel>(help, link.constData())), velmora::look::Purple);
  }

  // The example hands, their captions and the comparisons in their
  // descriptions must hold under the game's own ranking.
  void examplesAreWhatTheySay() {
    using namespace velmora;
    struct Expected {
      HandCategory category;
      int top;     // r1: the rank the caption names
      int second;  // r2, or -1 when the caption does not name it
      int suit;    // the flush suit of the caption, or 0
    };
    constexpr std::array<Expected, 10> expected{{
        {RoyalFlush, 12, 11, 4},
        {StraightFlush, 6, -1, 2},  // eight high, diamonds
        {FourOfAKind, 5, -1, 0},    // sevens
        {FullHouse, 0, 3, 0},       // deuces over fives
        {Flush, 11, -1, 4},         // king high, spades
        {Straight, 9, -1, 0},       // jack high
        {ThreeOfAKind, 7, -1, 0},   // nines
        {TwoPair, 9, 2, 0},         // jacks and fours
        {Pair, 10, 7, 0},           // queens, nine kicker
        {HighCard, 12, 9, 0},       // ace high, jack kicker
    }};
    const auto& examples = help::HandRankExamples();
    const QRegularExpression beats(
        R"(((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+) beats ((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+))");
    int comparisons = 0;
    for (std::size_t i = 0; i < examples.size(); ++i) {
      const HandRank rank = EvaluateHand(examples[i].cards);
      const QByteArray row = QByteArray::number(static_cast<int>(i));
      QVERIFY2(rank[0] == expected[i].category, row);
      QCOMPARE(static_cast<int>(examples[i].category), static_cast<int>(expected[i].category));
      QVERIFY2(rank[1] == expected[i].top, row);
      QVERIFY2(expected[i].second < 0 || rank[2] == expected[i].second, row);
      QVERIFY2(rank[6] == expected[i].suit, row);

      const bool flush = examples[i].category == Flush;
      const QString description = QString::fromUtf8(
          examples[i].description.data(), static_cast<qsizetype>(examples[i].description.size()));
      for (auto match = beats.globalMatch(description); match.hasNext();) {
        const auto found = match.next();
        const HandRank better = EvaluateHand(HandOf(found.captured(1), flush));
        const HandRank worse = EvaluateHand(HandOf(found.captured(2), flush));
        QVERIFY2(better[0] == examples[i].category, qPrintable(found.captured(0)));
        QVERIFY2(worse[0] == examples[i].category, qPrintable(found.captured(0)));
        QVERIFY2(CompareRanks(better, worse) == 1, qPrintable(found.captured(0)));
        ++comparisons;
      }
    }
    QVERIFY(comparisons >= 7);
  }

  void topicReplacesHandRankAndIsWrittenOnce() {
    THelpBox help;
    help.show();
    ClickRank(help, "FullHouseLabl");
    Click(help, "BetLabl");
    QVERIFY(!Find<QWidget>(help, "HandRankPanl")->isVisible());
    QVERIFY(!Find<QWidget>(help, "HandPanl")->isVisible());
    QCOMPARE(TextColour(*Find<QLabel>(help, "FullHouseLabl")), velmora::look::Purple);
    auto* view = Find<QTextEdit>(help, "ShowHelpRE");
    const QString once = view->toPlainText();
    QCOMPARE(Blocks(*view)[1].text, QString("BETTING:"));
    Click(help, "BetLablIcon");
    QCOMPARE(view->toPlainText(), once);
    Click(help, "OverviewLabl");
    QVERIFY(!view->toPlainText().contains("BETTING:"));
  }

  void legalLinesOpenTheLicence() {
    THelpBox help;
    help.show();
    for (const char* legal : {"LegalLabl1", "Label8"}) {
      help.hide();
      help.show();
      Click(help, legal);
      QVERIFY2(!Find<QWidget>(help, "HandPanl")->isVisible(), legal);
      QCOMPARE(Blocks(*Find<QTextEdit>(help, "ShowHelpRE"))[1].text, QString("LICENSE AGREEMENT:"));
      QCOMPARE(TextColour(*Find<QLabel>(help, "LicenseLabl")), velmora::look::Purple);
      QCOMPARE(TextColour(*Find<QLabel>(help, "ContactLabl")), velmora::look::Blue);
    }
  }

  void topicsAreColouredParagraphs_data() {
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("redHeadings");  // besides the title, in order
    QTest::newRow("overview") << QByteArray("OverviewLabl")
                              << "GAME OVERVIEW:" << QStringList{"Note:"};
    QTest::newRow("betting") << QByteArray("BetLabl") << "BETTING:" << QStringList{"Note:"};
    QTest::newRow("deal") << QByteArray("DealLabl") << "THE DEAL:" << QStringList{};
    QTest::newRow("drawing") << QByteArray("DrawLabl")
                             << "DRAWING CARDS:" << QStringList{"HOW THE DEALER DRAWS:"};
    QTest::newRow("showdown") << QByteArray("ShowdownLabl")
                              << "THE SHOWDOWN:" << QStringList{"Note:"};
    QTest::newRow("deck") << QByteArray("SelectaDeckLabl")
                          << "SELECTING A DECK:" << QStringList{"Note:"};
    QTest::newRow("statistics") << QByteArray("GameStatsLabl")
                                << "GAME STATISTICS:" << QStringList{"Note:"};
    QTest::newRow("saving") << QByteArray("SaveStatsLabl") << "SAVING GAME STATISTICS:"
                            << QStringList{"VIEWING SAVED STATISTICS:", "Note:"};
    QTest::newRow("licence") << QByteArray("LicenseLabl")
                             << "LICENSE AGREEMENT:" << QStringList{"DISCLAIMER OF WARRANTY:"};
    QTest::newRow("contact") << QByteArray("ContactLabl")
                             << "CONTACTING THE AUTHOR:" << QStringList{"WHERE TO WRITE:"};
  }

  void topicsAreColouredParagraphs() {
    QFETCH(QByteArray, link);
    QFETCH(QString, title);
    QFETCH(QStringList, redHeadings);

    THelpBox help;
    help.show();
    Click(help, link.constData());
    const std::vector<Block> blocks = Blocks(*Find<QTextEdit>(help, "ShowHelpRE"));
    QVERIFY(blocks.size() > 5);
    QCOMPARE(blocks[0].text, QString());
    QCOMPARE(blocks[1].text, title);
    QCOMPARE(blocks[1].colour, velmora::look::Red);
    QCOMPARE(blocks[2].text, QString());

    QStringList red;
    int black = 0;
    int blue = 0;
    for (std::size_t i = 3; i < blocks.size(); ++i) {
      const Block& block = blocks[i];
      if (block.text.isEmpty()) {
        continue;
      }
      if (block.colour == velmora::look::Red) {
        red << block.text;
      } else if (block.colour == velmora::look::Blue) {
        ++blue;
      } else {
        QCOMPARE(block.colour, velmora::look::Black);
        ++black;
      }
    }
    QCOMPARE(red, redHeadings);
    QVERIFY(black > 0);
    // Every topic but the licence gives instructions or lists in blue.
    QCOMPARE(blue > 0, link != "LicenseLabl");
  }

  void overviewListsTheSevenSteps() {
    THelpBox help;
    help.show();
    Click(help, "OverviewLabl");
    QStringList steps;
    for (const Block& block : Blocks(*Find<QTextEdit>(help, "ShowHelpRE"))) {
      if (block.colour == velmora::look::Blue) {
        steps << block.text.left(2);
      }
    }
    QCOMPARE(steps, (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7."}));
  }

  void aboutOpensOnVersionAndBothButtonsClose() {
    TAbout about;
    about.show();
    QCOMPARE(about.windowTitle(), QString("About Velmora"));
    QCOMPARE(about.size(), QSize(441, 322));
    auto* pages = Find<QTabWidget>(about, "PageControl1");
    QCOMPARE(pages->tabText(0), QString("Version"));
    QCOMPARE(pages->tabText(1), QString("License"));
    QCOMPARE(pages->currentWidget(), Find<QWidget>(about, "VersionTab"));
    QVERIFY(!Find<QLabel>(about, "Image1")->pixmap().isNull());

    pages->setCurrentWidget(Find<QWidget>(about, "LicenseTab"));
    Click(about, "OKBtn");
    QVERIFY(!about.isVisible());

    about.show();
    QCOMPARE(pages->currentWidget(), Find<QWidget>(about, "VersionTab"));
    auto* button1 = Find<QPushButton>(about, "Button1");
    QCOMPARE(button1->text(), QString("&OK"));
    // The button lies over the picture's lower right corner.
    QCOMPARE(button1->parentWidget()->childAt(370, 265), button1);
    Click(about, "Button1");
    QVERIFY(!about.isVisible());
  }

  void licenceIsSixtyReadOnlyLines() {
    TAbout about;
    about.show();
    Find<QTabWidget>(about, "PageControl1")->setCurrentIndex(1);
    auto* licence = Find<QTextEdit>(about, "LicenseRE");
    QVERIFY(licence->isReadOnly());
    const QString before = licence->toPlainText();
    licence->setFocus();
    QTest::keyClicks(licence, "typed");
    QTest::keyClick(licence, Qt::Key_Delete);
    QTest::keyClick(licence, Qt::Key_Backspace);
    QCOMPARE(licence->toPlainText(), before);

    const std::vector<Block> lines = Blocks(*licence);
    QCOMPARE(lines.size(), std::size_t{60});
    QVERIFY(lines[0].text.startsWith("- - -"));
    QCOMPARE(lines[1].text, QString("Velmora ver 2.10"));
    QVERIFY(lines[2].text.contains("Velmora developers"));
    QCOMPARE(lines[3].text, QString("All Rights Reserved"));
    QCOMPARE(lines[4].text, lines[0].text);
    for (std::size_t i = 0; i < 5; ++i) {
      QVERIFY(lines[i].alignment.testFlag(Qt::AlignHCenter));
    }
    const QString text = licence->toPlainText();
    const auto agreement = text.indexOf("\nLICENSE AGREEMENT:\n");
    const auto disclaimer = text.indexOf("\nDISCLAIMER OF WARRANTY:\n");
    QVERIFY(agreement > 0);
    QVERIFY(disclaimer > agreement);
    // The terms are the GPL's: a reader must not be told that everything is reserved.
    QVERIFY(text.contains("except those that the GNU General"));
    QVERIFY(text.contains("version 3 of the License, or (at your option) any later"));
    QVERIFY(text.indexOf("WITHOUT ANY WARRANTY", 0, Qt::CaseInsensitive) > disclaimer ||
            text.indexOf("without warranty of any kind") > disclaimer);
    QVERIFY(text.indexOf("liable to you for damages") > disclaimer);

    // Each of the sixty lines fits the view: none wraps onto a second line.
    licence->document()->documentLayout()->documentSize();
    for (QTextBlock block = licence->document()->begin(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
  }
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
