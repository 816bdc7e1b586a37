// The help window and the about box, used the way a reader would: opening,
// clicking links and icons, switching pages, closing and opening again.
#include "About.h"
#include "Cards.h"
#include "HelpBox.h"
#include "Images.h"
#include "Look.h"

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
  void everyOpeningStartsAfresh() {
    THelpBox help;
    help.show();
    QCOMPARE(help.windowTitle(), QString("Velmora Help"));
    QCOMPARE(TextColour(*Find<QLabel>(help, "LegalLabl1")), velmora::look::Purple);
    // Each card of the fan lies over the one before it.
    QCOMPARE(Find<QWidget>(help, "HandPanl")->childAt(130, 120), Find<QWidget>(help, "Image4"));
    ExpectStartView(help);

    // Visited links turn purple, the icon counting as the link, until reopened.
    Click(help, "DealLabl");
    Click(help, "SaveStatsLablIcon");
    ClickRank(help, "StraightLablIcon");
    const QByteArrayList visited{"DealLabl", "SaveStatsLabl", "StraightLabl"};
    for (const auto* names : {&TopicLinkNames, &RankLinkNames}) {
      for (const char* name : *names) {
        QCOMPARE(TextColour(*Find<QLabel>(help, name)),
                 visited.contains(name) ? velmora::look::Purple : velmora::look::Blue);
      }
    }
    QVERIFY(Find<QTextEdit>(help, "ShowHelpRE")->document()->isEmpty());  // a rank shows
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

  // Each panel, and its example hand and comparisons under the game's own
  // ranking: the category, the rank r1 its caption names, r2 when the caption
  // names it (else -1) and the flush suit (else 0).
  void handRankPanelShowsTheExample_data() {
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QList<int>>("rank");
    QTest::addColumn<int>("comparisons");
    const auto row = [](const char* link, const char* name, const char* caption,
                        const QList<int>& cards, const QList<int>& rank, int comparisons) {
      QTest::newRow(link) << QByteArray(link) << QString(name) << QString(caption) << cards << rank
                          << comparisons;
    };
    row("RoyalFlushLabl", "Royal Flush", "Royal Flush\n(Spades)", {52, 51, 50, 49, 48},
        {9, 12, 11, 4}, 0);
    row("StraightFlushLabl", "Straight Flush", " Eight High Straight Flush \n(Diamonds)",
        {20, 19, 18, 17, 16}, {8, 6, -1, 2}, 0);
    row("FourOfAKindLabl", "Four of a Kind", "Four Sevens", {6, 19, 45, 32, 12}, {7, 5, -1, 0}, 1);
    row("FullHouseLabl", "Full House", "Full House\n(Deuces over Fives)", {27, 1, 40, 17, 30},
        {6, 0, 3, 0}, 1);
    row("FlushLabl", "Flush", "King High Flush\n(Spades)", {51, 47, 43, 42, 40}, {5, 11, -1, 4}, 2);
    row("StraightLabl", "Straight", "Jack High Straight", {10, 22, 34, 20, 45}, {4, 9, -1, 0}, 0);
    row("ThreeOfAKindLabl", "Three of a Kind", "Three Nines", {21, 34, 8, 36, 6}, {3, 7, -1, 0}, 1);
    row("TwoPairLabl", "Two Pair", "Two Pair\n(Jacks and Fours)", {49, 23, 3, 16, 19}, {2, 9, 2, 0},
        1);
    row("PairLabl", "Pair", "Pair of Queens\n(Nine Kicker)", {37, 11, 14, 3, 34}, {1, 10, 7, 0}, 1);
    row("HighCardLabl", "High Card", "Ace High\n(Jack Kicker)", {52, 23, 5, 15, 40}, {0, 12, 9, 0},
        1);
  }

  void handRankPanelShowsTheExample() {
    QFETCH(QByteArray, link);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QList<int>, cards);
    QFETCH(QList<int>, rank);
    QFETCH(int, comparisons);

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
    velmora::Hand shown{};
    for (int i = 0; i < 5; ++i) {
      const QByteArray card = "RankCard" + QByteArray::number(i);
      QVERIFY2(ShowsImage(*Find<QLabel>(help, card.constData()), cards[i]), card.constData());
      shown[static_cast<std::size_t>(i)] = cards[i];
    }
    const std::vector<Block> description = Blocks(*Find<QTextEdit>(help, "HandRankRE"));
    QCOMPARE(description.size(), std::size_t{1});
    QVERIFY(!description[0].text.isEmpty());
    QCOMPARE(description[0].colour, velmora::look::Blue);
    QCOMPARE(TextColour(*Find<QLabel>(help, link.constData())), velmora::look::Purple);

    // The example really is what its caption says.
    const velmora::HandRank value = velmora::EvaluateHand(shown);
    QCOMPARE((QList<int>{value[0], value[1], rank[2] < 0 ? -1 : value[2], value[6]}), rank);
    // And each "<hand> beats <hand>" of the description holds, both of this rank.
    const QRegularExpression beats(
        R"(((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+) beats ((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+))");
    int found = 0;
    for (auto match = beats.globalMatch(description[0].text); match.hasNext(); ++found) {
      const auto pair = match.next();
      const velmora::HandRank better = velmora::EvaluateHand(HandOf(pair.captured(1), rank[3] > 0));
      const velmora::HandRank worse = velmora::EvaluateHand(HandOf(pair.captured(2), rank[3] > 0));
      QVERIFY2(better[0] == rank[0] && worse[0] == rank[0], qPrintable(pair.captured(0)));
      QVERIFY2(velmora::CompareRanks(better, worse) == 1, qPrintable(pair.captured(0)));
    }
    QCOMPARE(found, comparisons);
  }

  void topicsReplaceWhatWasShownAndAreWrittenOnce() {
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

    // The legal lines open the licence as its link does, from a fresh opening.
    for (const char* legal : {"LegalLabl1", "Label8"}) {
      help.hide();
      help.show();
      Click(help, legal);
      QVERIFY2(!Find<QWidget>(help, "HandPanl")->isVisible(), legal);
      QCOMPARE(Blocks(*view)[1].text, QString("LICENSE AGREEMENT:"));
      QCOMPARE(TextColour(*Find<QLabel>(help, "LicenseLabl")), velmora::look::Purple);
      QCOMPARE(TextColour(*Find<QLabel>(help, "ContactLabl")), velmora::look::Blue);
    }
  }

  // Each topic: its title in red between blank lines, headings in red, body
  // text in black, and instructions or lists in blue everywhere but the
  // licence; the overview's are the seven steps of a hand.
  void topicsAreColouredParagraphs() {
    const std::pair<const char*, const char*> topics[] = {
        {"OverviewLabl", "GAME OVERVIEW:"},
        {"BetLabl", "BETTING:"},
        {"DealLabl", "THE DEAL:"},
        {"DrawLabl", "DRAWING CARDS:"},
        {"ShowdownLabl", "THE SHOWDOWN:"},
        {"SelectaDeckLabl", "SELECTING A DECK:"},
        {"GameStatsLabl", "GAME STATISTICS:"},
        {"SaveStatsLabl", "SAVING GAME STATISTICS:"},
        {"LicenseLabl", "LICENSE AGREEMENT:"},
        {"ContactLabl", "CONTACTING THE AUTHOR:"},
    };
    THelpBox help;
    help.show();
    for (const auto& [link, title] : topics) {
      Click(help, link);
      const std::vector<Block> blocks = Blocks(*Find<QTextEdit>(help, "ShowHelpRE"));
      QVERIFY2(blocks.size() > 5, link);
      QCOMPARE(blocks[0].text + '|' + blocks[1].text + '|' + blocks[2].text,
               QString("|%1|").arg(title));
      QCOMPARE(blocks[1].colour, velmora::look::Red);
      QStringList blue;
      int black = 0;
      for (std::size_t i = 3; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        if (block.text.isEmpty()) {
          continue;
        }
        if (block.colour == velmora::look::Red) {
          QVERIFY2(block.text.endsWith(':') && block.text.size() < 30, qPrintable(block.text));
        } else if (block.colour == velmora::look::Blue) {
          blue << block.text.left(2);
        } else {
          QCOMPARE(block.colour, velmora::look::Black);
          ++black;
        }
      }
      QVERIFY2(black > 0, link);
      QCOMPARE(blue.isEmpty(), QByteArray(link) == "LicenseLabl");
      if (QByteArray(link) == "OverviewLabl") {
        QCOMPARE(blue, (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7."}));
      }
    }
  }

  void aboutOpensOnVersionAndBothButtonsClose() {
    TAbout about;
    about.show();
    QCOMPARE(about.windowTitle(), QString("About Velmora"));
    auto* pages = Find<QTabWidget>(about, "PageControl1");
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

  void licenceIsReadOnlyAndFitsItsView() {
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

    // The version heading stands centred above the terms.
    const std::vector<Block> lines = Blocks(*licence);
    QCOMPARE(lines[1].text, QString("Velmora ver 2.10"));
    QVERIFY(lines[1].alignment.testFlag(Qt::AlignHCenter));
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

    // Each line fits the view: none wraps onto a second line.
    licence->document()->documentLayout()->documentSize();
    for (QTextBlock block = licence->document()->begin(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
  }
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
