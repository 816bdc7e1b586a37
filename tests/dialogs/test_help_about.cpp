// The help window and the about box, used the way a reader would: opening,
// clicking links and icons, switching pages, closing and opening again.
#include "cards/Cards.h"
#include "dialogs/About.h"
#include "dialogs/HelpBox.h"
#include "media/Images.h"
#include "media/Look.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include <tuple>

using velmora::TAbout;
using velmora::THelpBox;

namespace {

template <typename T = QWidget>
T& Find(QWidget& window, const QByteArray& name) {
  T* child = window.findChild<T*>(name);
  QTEST_ASSERT_X(child != nullptr, "no child", name.constData());
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

QString Shown(QWidget& window, const QByteArray& view) {
  return Find<QTextEdit>(window, view).toPlainText();
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

  // Each panel shows the rank its link names, its own description, and an
  // example hand that is what its caption says under the game's own ranking.
  void handRankPanelsShowTheirExamples() {
    // The link, the caption, and its rank: the category, the rank its caption
    // names, the second rank when the caption names one (else -1), and the
    // flush suit (else 0).
    const std::tuple<const char*, const char*, QList<int>> examples[] = {
        {"RoyalFlushLabl", "Royal Flush\n(Spades)", {9, 12, 11, 4}},
        {"StraightFlushLabl", " Eight High Straight Flush \n(Diamonds)", {8, 6, -1, 2}},
        {"FourOfAKindLabl", "Four Sevens", {7, 5, -1, 0}},
        {"FullHouseLabl", "Full House\n(Deuces over Fives)", {6, 0, 3, 0}},
        {"FlushLabl", "King High Flush\n(Spades)", {5, 11, -1, 4}},
        {"StraightLabl", "Jack High Straight", {4, 9, -1, 0}},
        {"ThreeOfAKindLabl", "Three Nines", {3, 7, -1, 0}},
        {"TwoPairLabl", "Two Pair\n(Jacks and Fours)", {2, 9, 2, 0}},
        {"PairLabl", "Pair of Queens\n(Nine Kicker)", {1, 10, 7, 0}},
        {"HighCardLabl", "Ace High\n(Jack Kicker)", {0, 12, 9, 0}},
    };
    THelpBox help;
    help.show();
    Click(help, "ShowdownLabl");  // something to be replaced
    QStringList descriptions;
    for (const auto& [link, caption, rank] : examples) {
      ClickRank(help, link);
      const QString description = Shown(help, "HandRankRE");
      ClickRank(help, link);  // twice: still shown once
      QCOMPARE(Shown(help, "HandRankRE"), description);
      QVERIFY2(!description.isEmpty() && !descriptions.contains(description), link);
      descriptions << description;
      QVERIFY(!Find(help, "HandPanl").isVisible() && Find(help, "HandRankPanl").isVisible());
      QVERIFY(Shown(help, "ShowHelpRE").isEmpty());
      QCOMPARE(TextColour(help, link), velmora::look::Purple);
      // "#3 - Four of a Kind" heads its panel as "Four of a Kind".
      QCOMPARE(Find<QLabel>(help, "RankStringLabl").text(),
               Find<QLabel>(help, link).text().section(" - ", 1));
      QCOMPARE(Find<QLabel>(help, "TableLabl").text(), QString(caption));

      // The example really is what its caption says.
      velmora::Hand shown{};
      for (std::size_t i = 0; i < shown.size(); ++i) {
        const QImage place =
            Find<QLabel>(help, "RankCard" + QByteArray::number(i)).pixmap().toImage();
        for (int id = 1; id <= 52 && shown[i] == 0; ++id) {
          shown[i] = place == velmora::ImageById(id).toImage() ? id : 0;
        }
      }
      const velmora::HandRank value = velmora::EvaluateHand(shown);
      const int second = rank[2] < 0 ? -1 : value[2];
      QCOMPARE((QList<int>{value[0], value[1], second, value[6]}), rank);
    }
  }

  // Each topic replaces what was shown and is written once however often it
  // is asked for, under its link's words as its title between blank lines.
  void topicsReplaceTheViewAndAreShownOnce() {
    THelpBox help;
    help.show();
    ClickRank(help, "FullHouseLabl");
    Find<QTabWidget>(help, "PageControl").setCurrentIndex(0);
    for (const QByteArray& link : TopicLinks) {
      Click(help, link);
      const QString once = Shown(help, "ShowHelpRE");
      Click(help, link + "Icon");
      QCOMPARE(Shown(help, "ShowHelpRE"), once);
      QCOMPARE(once.section('\n', 0, 2), '\n' + Find<QLabel>(help, link).text().toUpper() + ":\n");
    }
    QVERIFY(!Find(help, "HandRankPanl").isVisible() && !Find(help, "HandPanl").isVisible());
    QCOMPARE(TextColour(help, "FullHouseLabl"), velmora::look::Purple);

    // The legal lines open the licence as its link does, from a fresh opening.
    for (const char* legal : {"LegalLabl1", "Label8"}) {
      help.hide();
      help.show();
      Click(help, legal);
      QVERIFY2(!Find(help, "HandPanl").isVisible(), legal);
      QCOMPARE(Shown(help, "ShowHelpRE").section('\n', 1, 1), QString("LICENSE AGREEMENT:"));
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
    QCOMPARE(licence.toPlainText(), text);

    // None of its lines wraps onto a second.
    licence.document()->documentLayout()->documentSize();
    for (QTextBlock block = licence.document()->begin(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
  }
};

QTEST_MAIN(HelpAboutTest)
#include "test_help_about.moc"
