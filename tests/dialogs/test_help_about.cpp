// The help window and the about box, used the way a reader would: opening,
// clicking links and icons, switching pages, closing and opening again.
#include "About.h"
#include "Cards.h"
#include "HelpBox.h"
#include "Images.h"
#include "Look.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include <vector>

using velmora::TAbout;
using velmora::THelpBox;

namespace {

template <typename T = QWidget>
T& Find(QWidget& window, const QByteArray& name) {
  T* child = window.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("no child %s", name.constData());
  }
  return *child;
}

void Click(QWidget& window, const QByteArray& name) {
  QTest::mouseClick(&Find(window, name), Qt::LeftButton);
}

QColor TextColour(QWidget& window, const QByteArray& name) {
  return Find(window, name).palette().color(QPalette::WindowText);
}

// Rank links live on the second page; a reader turns to it before clicking.
void ClickRank(THelpBox& help, const QByteArray& name) {
  Find<QTabWidget>(help, "PageControl").setCurrentWidget(&Find(help, "HandRankTab"));
  Click(help, name);
}

struct Block {
  QString text;
  QColor colour;  // of its first fragment; invalid for an empty block
};

std::vector<Block> Blocks(QWidget& window, const QByteArray& view) {
  std::vector<Block> blocks;
  const QTextDocument* document = Find<QTextEdit>(window, view).document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    QColor colour;
    if (block.begin() != block.end()) {
      colour = block.begin().fragment().charFormat().foreground().color();
    }
    blocks.push_back({block.text(), colour});
  }
  return blocks;
}

bool ShowsImage(const QLabel& label, int id) {
  return !label.pixmap().isNull() && label.pixmap().toImage() == velmora::ImageById(id).toImage();
}

// "K, K, K, K, 4" as a hand; the suits go round so that no flush appears by
// accident, unless `oneSuit` asks for one.
velmora::Hand HandOf(const QString& ranks, bool oneSuit) {
  static const QStringList names{"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  const QStringList parts = ranks.split(", ");
  velmora::Hand hand{};
  for (int i = 0; i < 5 && i < parts.size(); ++i) {
    const int suit = oneSuit ? 3 : i % 4;
    hand[static_cast<std::size_t>(i)] = suit * 13 + static_cast<int>(names.indexOf(parts[i])) + 1;
  }
  return hand;
}

const QByteArrayList TopicLinks{"OverviewLabl", "BetLabl",         "DealLabl",      "DrawLabl",
                                "ShowdownLabl", "SelectaDeckLabl", "GameStatsLabl", "SaveStatsLabl",
                                "LicenseLabl",  "ContactLabl"};
const QByteArrayList RankLinks{
    "RoyalFlushLabl", "StraightFlushLabl", "FourOfAKindLabl", "FullHouseLabl", "FlushLabl",
    "StraightLabl",   "ThreeOfAKindLabl",  "TwoPairLabl",     "PairLabl",      "HighCardLabl"};

void ExpectStartView(THelpBox& help) {
  QCOMPARE(Find<QTabWidget>(help, "PageControl").currentWidget(), &Find(help, "HelpContentsTab"));
  QVERIFY(Find<QTextEdit>(help, "ShowHelpRE").document()->isEmpty());
  QVERIFY(Find(help, "HandPanl").isVisible() && !Find(help, "HandRankPanl").isVisible());
  // The royal flush in hearts.
  for (int i = 0; i < 5; ++i) {
    QVERIFY(ShowsImage(Find<QLabel>(help, "Image" + QByteArray::number(i + 1)), 9 + i));
  }
  for (const QByteArray& link : TopicLinks + RankLinks) {
    QVERIFY2(TextColour(help, link) == velmora::look::Blue, link);
  }
}

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void everyOpeningStartsAfresh() {
    THelpBox help;
    help.show();
    ExpectStartView(help);

    // Visited links turn purple, the icon counting as the link, until reopened;
    // closed with a topic showing and the other page selected.
    ClickRank(help, "StraightLablIcon");
    Find<QTabWidget>(help, "PageControl").setCurrentIndex(0);
    Click(help, "DealLabl");
    Click(help, "SaveStatsLablIcon");
    const QByteArrayList visited{"DealLabl", "SaveStatsLabl", "StraightLabl"};
    for (const QByteArray& link : TopicLinks + RankLinks) {
      QCOMPARE(TextColour(help, link),
               visited.contains(link) ? velmora::look::Purple : velmora::look::Blue);
    }
    Find<QTabWidget>(help, "PageControl").setCurrentIndex(1);
    Click(help, "OKBtn");
    QVERIFY(!help.isVisible());
    help.show();
    ExpectStartView(help);
  }

  // Each panel shows the rank its link names, and its example hand and
  // comparisons hold under the game's own ranking.
  void handRankPanelsShowTheirExamples() {
    struct Example {
      const char* link;
      const char* caption;
      // The category, the rank its caption names, the second rank when the
      // caption names one (else -1), and the flush suit (else 0).
      QList<int> rank;
      int comparisons;
    };
    const Example examples[] = {
        {"RoyalFlushLabl", "Royal Flush\n(Spades)", {9, 12, 11, 4}, 0},
        {"StraightFlushLabl", " Eight High Straight Flush \n(Diamonds)", {8, 6, -1, 2}, 0},
        {"FourOfAKindLabl", "Four Sevens", {7, 5, -1, 0}, 1},
        {"FullHouseLabl", "Full House\n(Deuces over Fives)", {6, 0, 3, 0}, 1},
        {"FlushLabl", "King High Flush\n(Spades)", {5, 11, -1, 4}, 2},
        {"StraightLabl", "Jack High Straight", {4, 9, -1, 0}, 0},
        {"ThreeOfAKindLabl", "Three Nines", {3, 7, -1, 0}, 1},
        {"TwoPairLabl", "Two Pair\n(Jacks and Fours)", {2, 9, 2, 0}, 1},
        {"PairLabl", "Pair of Queens\n(Nine Kicker)", {1, 10, 7, 0}, 1},
        {"HighCardLabl", "Ace High\n(Jack Kicker)", {0, 12, 9, 0}, 1},
    };
    const QRegularExpression beats(
        R"(((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+) beats ((?:[AKQJ0-9]+, ){4}[AKQJ0-9]+))");
    THelpBox help;
    help.show();
    Click(help, "ShowdownLabl");  // something to be replaced
    for (const Example& example : examples) {
      ClickRank(help, example.link);
      ClickRank(help, example.link);  // twice: still shown once
      QVERIFY(!Find(help, "HandPanl").isVisible() && Find(help, "HandRankPanl").isVisible());
      QVERIFY(Find<QTextEdit>(help, "ShowHelpRE").document()->isEmpty());
      QCOMPARE(TextColour(help, example.link), velmora::look::Purple);
      // "#3 - Four of a Kind" heads its panel as "Four of a Kind".
      QCOMPARE(Find<QLabel>(help, "RankStringLabl").text(),
               Find<QLabel>(help, example.link).text().section(" - ", 1));
      QCOMPARE(Find<QLabel>(help, "TableLabl").text(), QString(example.caption));

      // The example really is what its caption says.
      velmora::Hand shown{};
      for (int i = 0; i < 5; ++i) {
        const auto& place = Find<QLabel>(help, "RankCard" + QByteArray::number(i));
        for (int id = 1; id <= 52 && shown[static_cast<std::size_t>(i)] == 0; ++id) {
          shown[static_cast<std::size_t>(i)] = ShowsImage(place, id) ? id : 0;
        }
      }
      const velmora::HandRank value = velmora::EvaluateHand(shown);
      const int second = example.rank[2] < 0 ? -1 : value[2];
      QCOMPARE((QList<int>{value[0], value[1], second, value[6]}), example.rank);

      // And each "<hand> beats <hand>" of the description holds, both of this rank.
      const std::vector<Block> description = Blocks(help, "HandRankRE");
      QCOMPARE(description.size(), std::size_t{1});
      QCOMPARE(description[0].colour, velmora::look::Blue);
      int found = 0;
      for (auto match = beats.globalMatch(description[0].text); match.hasNext(); ++found) {
        const auto pair = match.next();
        const bool flush = example.rank[3] > 0;
        const velmora::HandRank better = velmora::EvaluateHand(HandOf(pair.captured(1), flush));
        const velmora::HandRank worse = velmora::EvaluateHand(HandOf(pair.captured(2), flush));
        QVERIFY2(better[0] == example.rank[0] && worse[0] == example.rank[0] &&
                     velmora::CompareRanks(better, worse) == 1,
                 qPrintable(pair.captured(0)));
      }
      QVERIFY2(found == example.comparisons, example.link);
    }
  }

  // Each topic replaces what was shown and is written once however often it
  // is asked for: its link's words as its title, in red between blank lines,
  // headings in red, body text in black, and instructions or lists in blue
  // everywhere but the licence; the overview's are the seven steps of a hand.
  void topicsAreColouredParagraphsShownOnce() {
    THelpBox help;
    help.show();
    ClickRank(help, "FullHouseLabl");
    Find<QTabWidget>(help, "PageControl").setCurrentIndex(0);
    for (const QByteArray& link : TopicLinks) {
      Click(help, link);
      const QString once = Find<QTextEdit>(help, "ShowHelpRE").toPlainText();
      Click(help, link + "Icon");
      QCOMPARE(Find<QTextEdit>(help, "ShowHelpRE").toPlainText(), once);
      const std::vector<Block> blocks = Blocks(help, "ShowHelpRE");
      QVERIFY2(blocks.size() > 5, link);
      const QString title = Find<QLabel>(help, link).text().toUpper() + ':';
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
      QCOMPARE(blue.isEmpty(), link == "LicenseLabl");
      if (link == "OverviewLabl") {
        QCOMPARE(blue, (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7."}));
      }
    }
    QVERIFY(!Find(help, "HandRankPanl").isVisible() && !Find(help, "HandPanl").isVisible());
    QCOMPARE(TextColour(help, "FullHouseLabl"), velmora::look::Purple);

    // The legal lines open the licence as its link does, from a fresh opening.
    for (const char* legal : {"LegalLabl1", "Label8"}) {
      help.hide();
      help.show();
      Click(help, legal);
      QVERIFY2(!Find(help, "HandPanl").isVisible(), legal);
      QCOMPARE(Blocks(help, "ShowHelpRE")[1].text, QString("LICENSE AGREEMENT:"));
      QCOMPARE(TextColour(help, "LicenseLabl"), velmora::look::Purple);
      QCOMPARE(TextColour(help, "ContactLabl"), velmora::look::Blue);
    }
  }

  // Both buttons close the box, which opens again on "Version"; the licence
  // page cannot be edited and each of its lines fits the view.
  void aboutBox() {
    TAbout about;
    about.show();
    auto& pages = Find<QTabWidget>(about, "PageControl1");
    for (const char* button : {"OKBtn", "Button1"}) {
      QCOMPARE(pages.currentWidget(), &Find(about, "VersionTab"));
      pages.setCurrentWidget(&Find(about, "LicenseTab"));
      Click(about, button);
      QVERIFY2(!about.isVisible(), button);
      about.show();
    }
    QCOMPARE(pages.currentWidget(), &Find(about, "VersionTab"));

    pages.setCurrentWidget(&Find(about, "LicenseTab"));
    auto& licence = Find<QTextEdit>(about, "LicenseRE");
    const QString text = licence.toPlainText();
    licence.setFocus();
    QTest::keyClicks(&licence, "typed");
    QTest::keyClick(&licence, Qt::Key_Delete);
    QTest::keyClick(&licence, Qt::Key_Backspace);
    QCOMPARE(licence.toPlainText(), text);

    // The version heading stands centred above the terms.
    const QTextBlock heading = licence.document()->begin().next();
    QCOMPARE(heading.text(), QString("Velmora ver 2.10"));
    QVERIFY(heading.blockFormat().alignment().testFlag(Qt::AlignHCenter));
    const auto agreement = text.indexOf("\nLICENSE AGREEMENT:\n");
    const auto disclaimer = text.indexOf("\nDISCLAIMER OF WARRANTY:\n");
    QVERIFY(agreement > 0 && disclaimer > agreement);
    // The terms are the GPL's: a reader must not be told that everything is reserved.
    QVERIFY(text.contains("except those that the GNU General"));
    QVERIFY(text.contains("version 3 of the License, or (at your option) any later"));
    QVERIFY(text.indexOf("WITHOUT ANY WARRANTY", 0, Qt::CaseInsensitive) > disclaimer ||
            text.indexOf("without warranty of any kind") > disclaimer);
    QVERIFY(text.indexOf("liable to you for damages") > disclaimer);

    // None of its lines wraps onto a second.
    licence.document()->documentLayout()->documentSize();
    for (QTextBlock block = licence.document()->begin(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
  }
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
