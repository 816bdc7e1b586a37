// The two pages of the statistics window: Summary and Accumulative.
#include "media/Look.h"
#include "media/ToQString.h"
#include "media/Widgets.h"
#include "stats/StatisticsSummary.h"
#include "statswindow/StatBox.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace velmora {

using widgets::MakeLabel;
using widgets::MakePanel;

namespace {

// The window's text face: 12-pixel Times New Roman, optionally underlined.
QFont TextFont(bool underlined = false) {
  QFont font = look::TimesNewRoman(12);
  font.setUnderline(underlined);
  return font;
}

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// Rows of text on both pages.
constexpr int RowHeight = 16;

// The panels of a page: a white one on the left, green ones on the right.
constexpr QRect LeftPanel{3, 3, 196, 222};
constexpr int RightPanelLeft = 203;
constexpr int RightPanelWidth = 176;

// The best-hand card corners: 25 x 30 images 17 pixels apart, the last one
// only as wide as the step, so that they overlap like a fanned hand.
constexpr int CardStep = 17;
constexpr int CardWidth = 25;
constexpr int CardHeight = 30;

// One best-hand panel: title, five card corners and the hand's name.
QFrame* MakeBestHandPanel(QWidget& page, int top, const QString& titleName, const QString& title,
                          const QString& cardPrefix, const QString& bestName,
                          std::array<QLabel*, 5>& cards, QLabel*& best, QLabel*& titleLabel) {
  QFrame* panel = MakePanel(page, {RightPanelLeft, top, RightPanelWidth, 109}, look::Green, true);
  titleLabel = MakeLabel(*panel, titleName, title, {6, 3, RightPanelWidth - 12, RowHeight},
                         look::Yellow, TextFont(true), Left);
  const int cardsLeft = (RightPanelWidth - (4 * CardStep + CardStep)) / 2;
  for (int i = 0; i < 5; ++i) {
    auto* card = new QLabel(panel);
    card->setObjectName(cardPrefix + QString::number(i));
    const int width = i < 4 ? CardWidth : CardStep;
    card->setGeometry(cardsLeft + CardStep * i, 23, width, CardHeight);
    // The corner of the card at its natural size, never scaled to the image.
    card->setScaledContents(false);
    card->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cards[static_cast<std::size_t>(i)] = card;
  }
  best = MakeLabel(*panel, bestName, QString(), {4, 58, RightPanelWidth - 8, 44}, look::Aqua,
                   TextFont(), Qt::AlignHCenter | Qt::AlignTop);
  // A hand's name is two short lines; the text for a rank no hand can have,
  // read from a damaged file, is one long line and must still be read whole.
  best->setWordWrap(true);
  return panel;
}

}  // namespace

QString TStatBox::CategoryCaption(int category) {
  static constexpr std::array<const char*, 10> Captions{
      QT_TR_NOOP("High Card:"),       QT_TR_NOOP("Pair:"),           QT_TR_NOOP("Two Pair:"),
      QT_TR_NOOP("Three of a Kind:"), QT_TR_NOOP("Straight:"),       QT_TR_NOOP("Flush:"),
      QT_TR_NOOP("Full House:"),      QT_TR_NOOP("Four of a Kind:"), QT_TR_NOOP("Straight Flush:"),
      QT_TR_NOOP("Royal Flush:")};
  return tr(Captions.at(static_cast<std::size_t>(category)));
}

QString TStatBox::DrawCaption(int cards) {
  static constexpr std::array<const char*, 5> Captions{
      QT_TR_NOOP("0 Cards:"), QT_TR_NOOP("1 Card:"), QT_TR_NOOP("2 Cards:"), QT_TR_NOOP("3 Cards:"),
      QT_TR_NOOP("4 Cards:")};
  return tr(Captions.at(static_cast<std::size_t>(cards)));
}

QWidget* TStatBox::BuildSummaryPage() {
  auto* page = new QWidget;
  page->setObjectName("SummaryTabSht");
  const QFont text = TextFont();
  const QFont title = TextFont(true);

  QFrame* left = MakePanel(*page, LeftPanel, look::White, true);
  const auto y = [](int row) { return 4 + RowHeight * row; };
  // Captions start at 6 (indented rows at 14); values stand right-aligned in one column.
  const auto caption = [&](int row, const QString& words, int indent) {
    MakeLabel(*left, QString(), words, {indent, y(row), 120, RowHeight}, look::Black, text, Left);
  };
  const auto value = [&](int row, const QString& name) {
    return MakeLabel(*left, name, QString(), {112, y(row), 78, RowHeight}, look::Black, text,
                     Right);
  };
  const auto wide = [&](int row, const QString& name, int indent, const QFont& font) {
    return MakeLabel(*left, name, QString(), {indent, y(row), 190 - indent, RowHeight}, look::Black,
                     font, Left);
  };

  caption(0, tr("Total hands played:"), 6);
  gameTotalLabl = value(0, "gameTotalLabl");
  PlrWinsLabl = wide(1, "PlrWinsLabl", 14, text);
  caption(2, tr("Winning percentage:"), 6);
  winPercentLabl = value(2, "winPercentLabl");
  FinStatsLabl = wide(3, "FinStatsLabl", 6, title);
  caption(4, tr("Starting Bank:"), 14);
  StartBankLabl = value(4, "StartBankLabl");
  caption(5, tr("Average Bank:"), 14);
  PlrBankAveLabl = value(5, "PlrBankAveLabl");
  caption(6, tr("Highest Bank:"), 14);
  PlrBankMaxLabl = value(6, "PlrBankMaxLabl");
  caption(7, tr("Average Bet:"), 14);
  plrBetAveLabl = value(7, "plrBetAveLabl");
  caption(8, tr("Highest Bet:"), 14);
  plrBetMaxLabl = value(8, "plrBetMaxLabl");
  caption(9, tr("Bankrupts/Resets:"), 14);
  ResetsLabl = value(9, "ResetsLabl");
  MakeLabel(*left, QString(), tr("Longest Winning Streak:"), {6, y(10) + 2, 184, RowHeight},
            look::Black, title, Left);
  PlrWinStreakLabl = wide(11, "PlrWinStreakLabl", 14, text);
  // The dealer's count follows its caption the way the player's follows the name.
  const QString dealer = tr("Dealer:");
  caption(12, dealer, 14);
  const int afterDealer = 14 + QFontMetrics(text).horizontalAdvance(dealer + ' ');
  DlrWinStreakLabl = wide(12, "DlrWinStreakLabl", afterDealer, text);

  QLabel* dealerTitle = nullptr;
  MakeBestHandPanel(*page, LeftPanel.top(), QString(), tr("Dealer's Best Hand:"), "DlrCard",
                    "dlrBestLabl", DlrCard, dlrBestLabl, dealerTitle);
  MakeBestHandPanel(*page, LeftPanel.top() + 113, "plrBestTitleLabl", QString(), "PlrCard",
                    "plrBestLabl", PlrCard, plrBestLabl, plrBestTitleLabl);
  return page;
}

QWidget* TStatBox::BuildAccumulativePage() {
  auto* page = new QWidget;
  page->setObjectName("HandRankTabSht");
  const QFont text = TextFont();
  const QFont title = TextFont(true);

  // Hand categories, highest first, with the names of their count labels.
  struct CategoryRow {
    int category;
    const char* player;
    const char* dealer;
  };
  static constexpr std::array<CategoryRow, 10> Categories{{
      {9, "PlrRoyalLabl", "DlrRoyalLabl"},
      {8, "PlrSFLabl", "DlrSFLabl"},
      {7, "Plr4KindLabl", "Dlr4KindLabl"},
      {6, "PlrFullHouseLabl", "DlrFullHouseLabl"},
      {5, "PlrFlushLabl", "DlrFlushLabl"},
      {4, "PlrStraightLabl", "DlrStraightLabl"},
      {3, "Plr3KindLabl", "Dlr3KindLabl"},
      {2, "Plr2PairLabl", "Dlr2PairLabl"},
      {1, "PlrPairLabl", "DlrPairLabl"},
      {0, "PlrHighCardLabl", "DlrHighCardLabl"},
  }};

  QFrame* left = MakePanel(*page, LeftPanel, look::White, true);
  MakeLabel(*left, QString(), tr("Accumulated Hand Rankings:"), {6, 3, 184, RowHeight}, look::Black,
            title, Left);
  // Column heads may reach left over the captions: a long name stays readable.
  plrAccumTitleLabl = MakeLabel(*left, "plrAccumTitleLabl", QString(), {6, 21, 136, RowHeight},
                                look::Black, text, Right);
  widgets::NarrowToFit(*MakeLabel(*left, QString(), tr("Dealer:"), {144, 21, 46, RowHeight},
                                  look::Black, text, Right));
  for (std::size_t i = 0; i < Categories.size(); ++i) {
    const CategoryRow& row = Categories[i];
    const int top = 38 + 16 * static_cast<int>(i);
    const auto index = static_cast<std::size_t>(row.category);
    MakeLabel(*left, QString(), CategoryCaption(row.category), {6, top, 100, RowHeight},
              look::Black, text, Left);
    PlrCategoryLabl[index] =
        MakeLabel(*left, row.player, QString(), {96, top, 46, RowHeight}, look::Black, text, Right);
    DlrCategoryLabl[index] = MakeLabel(*left, row.dealer, QString(), {144, top, 46, RowHeight},
                                       look::Black, text, Right);
  }
  auto* rule = new QFrame(left);
  rule->setGeometry(6, 199, 184, 1);
  look::SetBackground(*rule, look::Grey);
  MakeLabel(*left, QString(), tr("Total:"), {6, 202, 100, RowHeight}, look::Grey, text, Left);
  PlrRankTotalLabl = MakeLabel(*left, "PlrRankTotalLabl", QString(), {96, 202, 46, RowHeight},
                               look::Grey, text, Right);
  DlrRankTotalLabl = MakeLabel(*left, "DlrRankTotalLabl", QString(), {144, 202, 46, RowHeight},
                               look::Grey, text, Right);

  QFrame* right =
      MakePanel(*page, {RightPanelLeft, LeftPanel.top(), RightPanelWidth, LeftPanel.height()},
                look::Green, true);
  MakeLabel(*right, QString(), tr("Accumulated Draws:"), {6, 3, 164, RowHeight}, look::Yellow,
            title, Left);
  PlrAccumDrawLabl = MakeLabel(*right, "PlrAccumDrawLabl", QString(), {6, 21, 112, RowHeight},
                               look::White, text, Right);
  widgets::NarrowToFit(*MakeLabel(*right, QString(), tr("Dealer:"), {120, 21, 48, RowHeight},
                                  look::White, text, Right));
  static constexpr std::array<const char*, 5> PlayerDrawNames{
      "Plr0CardsLabl", "Plr1CardLabl", "Plr2CardsLabl", "Plr3CardsLabl", "Plr4CardsLabl"};
  static constexpr std::array<const char*, 5> DealerDrawNames{
      "Dlr0CardsLabl", "Dlr1CardLabl", "Dlr2CardsLabl", "Dlr3CardsLabl", "Dlr4CardsLabl"};
  for (std::size_t i = 0; i < DrawCaptions.size(); ++i) {
    const int top = 38 + RowHeight * static_cast<int>(i);
    MakeLabel(*right, QString(), DrawCaption(static_cast<int>(i)), {12, top, 70, RowHeight},
              look::White, text, Left);
    PlrDrawLabl[i] = MakeLabel(*right, PlayerDrawNames[i], QString(), {72, top, 46, RowHeight},
                               look::Aqua, text, Right);
    DlrDrawLabl[i] = MakeLabel(*right, DealerDrawNames[i], QString(), {120, top, 48, RowHeight},
                               look::Aqua, text, Right);
  }
  MakeLabel(*right, QString(), tr("Total:"), {12, 120, 70, RowHeight}, look::Silver, text, Left);
  PlrDrawTotalLabl = MakeLabel(*right, "PlrDrawTotalLabl", QString(), {72, 120, 46, RowHeight},
                               look::Silver, text, Right);
  DlrDrawTotalLabl = MakeLabel(*right, "DlrDrawTotalLabl", QString(), {120, 120, 48, RowHeight},
                               look::Silver, text, Right);

  MakeLabel(*right, QString(), tr("Hand Improved After Draw:"), {6, 146, 164, RowHeight},
            look::Yellow, title, Left);
  PlrDrawImprove = MakeLabel(*right, "PlrDrawImprove", QString(), {12, 164, 156, RowHeight},
                             look::Aqua, text, Left);
  const QString dealer = tr("Dealer:");
  MakeLabel(*right, QString(), dealer, {12, 180, 60, RowHeight}, look::White, text, Left);
  const int afterDealer = 12 + QFontMetrics(text).horizontalAdvance(dealer + ' ');
  DlrDrawImprove =
      MakeLabel(*right, "DlrDrawImprove", QString(),
                {afterDealer, 180, 156 - afterDealer, RowHeight}, look::Aqua, text, Left);
  return page;
}

}  // namespace velmora
