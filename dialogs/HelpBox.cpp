#include "dialogs/HelpBox.h"

#include "dialogs/help/HandRankExamples.h"
#include "dialogs/help/HelpTopics.h"
#include "dialogs/help/LicenseText.h"
#include "dialogs/help/Paragraphs.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/ToQString.h"
#include "media/Widgets.h"

#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>

#include <tuple>

namespace velmora {

namespace {

using Handler = void (THelpBox::*)();

struct LinkDefinition {
  const char* name;
  const char* caption;
  int top;
  Handler handler;
};

struct HeadingDefinition {
  const char* name;
  const char* caption;
  int top;
};

// In the order of help::HelpTopic.
constexpr std::array<LinkDefinition, 10> TopicLinks{{
    {"OverviewLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Game Overview"), 32,
     &THelpBox::OverviewClick},
    {"BetLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Betting"), 80, &THelpBox::BetClick},
    {"DealLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "The Deal"), 96, &THelpBox::DealLablClick},
    {"DrawLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Drawing Cards"), 112,
     &THelpBox::DrawLablClick},
    {"ShowdownLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "The Showdown"), 128,
     &THelpBox::ShowdownLablClick},
    {"SelectaDeckLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Selecting a Deck"), 176,
     &THelpBox::SelectaDeckLablClick},
    {"GameStatsLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Game Statistics"), 192,
     &THelpBox::GameStatsLablClick},
    {"SaveStatsLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Saving Game Statistics"), 208,
     &THelpBox::SaveStatsClick},
    {"LicenseLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "License Agreement"), 256,
     &THelpBox::LicenseLablClick},
    {"ContactLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "Contacting the Author"), 272,
     &THelpBox::ContactLablClick},
}};

// In the order of help::HandRankExamples(), best hand first.
constexpr std::array<LinkDefinition, 10> RankLinks{{
    {"RoyalFlushLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#1 - Royal Flush"), 40,
     &THelpBox::RoyalFlushClick},
    {"StraightFlushLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#2 - Straight Flush"), 56,
     &THelpBox::StraightFlushClick},
    {"FourOfAKindLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#3 - Four of a Kind"), 72,
     &THelpBox::FourOfAKindClick},
    {"FullHouseLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#4 - Full House"), 88,
     &THelpBox::FullHouseClick},
    {"FlushLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#5 - Flush"), 104, &THelpBox::FlushClick},
    {"StraightLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#6 - Straight"), 120,
     &THelpBox::StraightClick},
    {"ThreeOfAKindLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#7 - Three of a Kind"), 136,
     &THelpBox::ThreeOfAKindClick},
    {"TwoPairLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#8 - Two Pair"), 152,
     &THelpBox::TwoPairClick},
    {"PairLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#9 - Pair"), 168, &THelpBox::PairClick},
    {"HighCardLabl", QT_TRANSLATE_NOOP("velmora::THelpBox", "#10 - High Card"), 184,
     &THelpBox::HighCardClick},
}};

constexpr std::array<HeadingDefinition, 4> ContentsHeadings{{
    {"Label2", QT_TRANSLATE_NOOP("velmora::THelpBox", "Velmora:"), 8},
    {"Label1", QT_TRANSLATE_NOOP("velmora::THelpBox", "House Rules:"), 56},
    {"Label3", QT_TRANSLATE_NOOP("velmora::THelpBox", "Features:"), 152},
    {"Label4", QT_TRANSLATE_NOOP("velmora::THelpBox", "Other:"), 232},
}};
constexpr HeadingDefinition HandRankHeading{
    "Label7", QT_TRANSLATE_NOOP("velmora::THelpBox", "Hand Rankings:"), 8};

// The start panel's fan: the ten to the ace of hearts, each card over the one before.
constexpr std::array<QPoint, 5> FanPositions{
    {{24, 96}, {56, 104}, {88, 104}, {128, 88}, {168, 120}}};
constexpr int FanFirstImageId = CardImageId(9);  // the ten of hearts

constexpr QSize CardSize{71, 96};

QFont Underlined(QFont font) {
  font.setUnderline(true);
  return font;
}

QFrame* Rule(QWidget* parent, const QRect& geometry, QFrame::Shape shape) {
  auto* rule = new QFrame(parent);
  rule->setFrameShape(shape);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(geometry);
  return rule;
}

QTextEdit* ReadOnlyView(QWidget* parent, const char* name, const QRect& geometry) {
  auto* view = new QTextEdit(parent);
  view->setObjectName(name);
  view->setGeometry(geometry);
  view->setReadOnly(true);
  view->setUndoRedoEnabled(false);
  return view;
}

// A label sized to its text, so that only the words themselves react to the mouse.
template <typename Label>
Label* TextLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                 const QPoint& topLeft) {
  auto* label = new Label(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setText(text);
  label->move(topLeft);
  label->adjustSize();
  return label;
}

void MakeClickable(ClickableImage& label, THelpBox& box, Handler handler) {
  label.setCursor(Qt::PointingHandCursor);
  QObject::connect(&label, &ClickableImage::clicked, &box, handler);
}

}  // namespace

THelpBox::THelpBox(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpBox");
  setWindowTitle(tr("Velmora Help"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(look::MsSansSerif(11));
  setFixedSize(504, 403);

  Rule(this, {0, 8, 217, 2}, QFrame::HLine);
  Rule(this, {216, 8, 2, 355}, QFrame::VLine);

  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  PageControl->setGeometry(0, 16, 217, 345);
  HelpContentsTab = new QWidget;
  HelpContentsTab->setObjectName("HelpContentsTab");
  HandRankTab = new QWidget;
  HandRankTab->setObjectName("HandRankTab");
  PageControl->addTab(HelpContentsTab, tr("Help Contents"));
  PageControl->addTab(HandRankTab, tr("Hand Rankings"));
  BuildContentsPage();
  BuildHandRankPage();

  // The three right-hand layers: the text view under the two panels.
  ShowHelpRE = ReadOnlyView(this, "ShowHelpRE", {220, 9, 285, 352});
  ShowHelpRE->setFont(look::Verdana(11));
  ShowHelpRE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  BuildStartPanel();
  BuildHandRankPanel();

  Rule(this, {0, 363, 504, 2}, QFrame::HLine);
  OKBtn = new QPushButton(tr("&OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(412, 372, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &THelpBox::OKBtnClick);

  FormCreate();
}

void THelpBox::BuildContentsPage() {
  QFrame* panel = widgets::MakePanel(*HelpContentsTab, {6, 8, 196, 297}, look::White, false,
                                     "HelpContentsPanel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);

  const QFont headingFont = Underlined(look::TimesNewRoman(15, true, true));
  const QFont linkFont = Underlined(look::MsSansSerif(11));
  for (std::size_t i = 0; i < ContentsHeadings.size(); ++i) {
    const HeadingDefinition& heading = ContentsHeadings[i];
    headingIcons_[i] =
        widgets::MakePicture(*panel, QString(heading.name) + "Icon", {5, heading.top, 16, 16});
    QLabel* label = TextLabel<QLabel>(panel, heading.name, tr(heading.caption), headingFont,
                                      {24, heading.top - 1});
    look::SetTextColour(*label, look::Navy);
  }
  for (std::size_t i = 0; i < TopicLinks.size(); ++i) {
    const LinkDefinition& link = TopicLinks[i];
    topicIcons_[i] = new ClickableImage(panel);
    topicIcons_[i]->setObjectName(QString(link.name) + "Icon");
    topicIcons_[i]->setGeometry(5, link.top, 12, 15);
    topicIcons_[i]->setScaledContents(true);
    MakeClickable(*topicIcons_[i], *this, link.handler);
    topicLinks_[i] =
        TextLabel<ClickableImage>(panel, link.name, tr(link.caption), linkFont, {21, link.top + 1});
    MakeClickable(*topicLinks_[i], *this, link.handler);
  }
}

void THelpBox::BuildHandRankPage() {
  QFrame* panel =
      widgets::MakePanel(*HandRankTab, {6, 8, 196, 297}, look::White, false, "HandRankPanel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);

  headingIcons_[4] = widgets::MakePicture(*panel, QString(HandRankHeading.name) + "Icon",
                                          {5, HandRankHeading.top, 16, 16});
  QLabel* heading = TextLabel<QLabel>(panel, HandRankHeading.name, tr(HandRankHeading.caption),
                                      Underlined(look::TimesNewRoman(15, true, true)),
                                      {24, HandRankHeading.top - 1});
  look::SetTextColour(*heading, look::Navy);

  const QFont linkFont = Underlined(look::MsSansSerif(11));
  for (std::size_t i = 0; i < RankLinks.size(); ++i) {
    const LinkDefinition& link = RankLinks[i];
    rankIcons_[i] = new ClickableImage(panel);
    rankIcons_[i]->setObjectName(QString(link.name) + "Icon");
    rankIcons_[i]->setGeometry(5, link.top, 12, 15);
    rankIcons_[i]->setScaledContents(true);
    MakeClickable(*rankIcons_[i], *this, link.handler);
    rankLinks_[i] =
        TextLabel<ClickableImage>(panel, link.name, tr(link.caption), linkFont, {21, link.top + 1});
    MakeClickable(*rankLinks_[i], *this, link.handler);
  }
}

void THelpBox::BuildStartPanel() {
  HandPanl = widgets::MakePanel(*this, {224, 16, 265, 340}, look::White, false, "HandPanl");

  const QFont titleFont = look::TimesNewRoman(19, true, true);
  Rule(HandPanl, {24, 12, 217, 2}, QFrame::HLine);
  for (const auto& [name, text, top] :
       {std::tuple{"Label5", "Velmora", 18}, std::tuple{"Label6", QT_TR_NOOP("Help"), 42}}) {
    auto* label = new QLabel(tr(text), HandPanl);
    label->setObjectName(name);
    label->setFont(titleFont);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, 265, 24);
  }
  Rule(HandPanl, {24, 72, 217, 2}, QFrame::HLine);

  for (std::size_t i = 0; i < fan_.size(); ++i) {
    fan_[i] =
        widgets::MakePicture(*HandPanl, QString("Image%1").arg(i + 1), {FanPositions[i], CardSize});
  }

  auto* caption = new QLabel(tr("Royal Flush"), HandPanl);
  caption->setObjectName("Label9");
  caption->setFont(look::Verdana(16, true));
  caption->setAlignment(Qt::AlignCenter);
  caption->setGeometry(0, 228, 265, 24);
  look::SetTextColour(*caption, look::Maroon);

  // The legal lines lead to the licence topic, like the "License Agreement" link.
  const QFont legalFont = Underlined(look::MsSansSerif(11));
  for (const auto& [name, text, top] : {std::tuple{"LegalLabl1", help::LegalNotice, 298},
                                        std::tuple{"Label8", help::AllRightsReserved, 316}}) {
    auto* label =
        TextLabel<ClickableImage>(HandPanl, name, help::Translated(text), legalFont, {0, top});
    label->move((HandPanl->width() - label->width()) / 2, top);
    look::SetTextColour(*label, look::Purple);
    MakeClickable(*label, *this, &THelpBox::LicenseLablClick);
  }
}

void THelpBox::BuildHandRankPanel() {
  HandRankPanl = widgets::MakePanel(*this, {224, 16, 265, 340}, look::White, false, "HandRankPanl");

  RankStringLabl = new QLabel(HandRankPanl);
  RankStringLabl->setObjectName("RankStringLabl");
  RankStringLabl->setTextFormat(Qt::PlainText);
  RankStringLabl->setGeometry(0, 15, 265, 37);
  RankStringLabl->setAlignment(Qt::AlignCenter);
  RankStringLabl->setFont(Underlined(look::Verdana(16, true)));
  look::SetTextColour(*RankStringLabl, look::Maroon);

  HandRankRE = ReadOnlyView(HandRankPanl, "HandRankRE", {0, 56, 265, 81});
  HandRankRE->setFrameShape(QFrame::NoFrame);
  HandRankRE->setFont(look::MsSansSerif(11));
  look::SetTextColour(*HandRankRE, look::Blue);
  look::SetBackground(*HandRankRE, look::White);

  auto* felt = new QFrame(HandRankPanl);
  felt->setObjectName("FeltPanl");
  felt->setGeometry(8, 144, 249, 185);
  felt->setFrameStyle(QFrame::Box | QFrame::Plain);
  felt->setLineWidth(1);
  look::SetBackground(*felt, look::Green);
  for (std::size_t i = 0; i < rankCards_.size(); ++i) {
    const int left = 7 + 40 * static_cast<int>(i);
    rankCards_[i] =
        widgets::MakePicture(*felt, QString("RankCard%1").arg(i), {{left, 25}, CardSize});
  }
  TableLabl = new QLabel(felt);
  TableLabl->setObjectName("TableLabl");
  TableLabl->setTextFormat(Qt::PlainText);
  TableLabl->setGeometry(2, 128, 241, 41);
  TableLabl->setAlignment(Qt::AlignCenter);
  TableLabl->setFont(look::TimesNewRoman(15, true, true));
  look::SetTextColour(*TableLabl, look::White);

  HandRankPanl->hide();
}

void THelpBox::showEvent(QShowEvent* event) {
  // A window coming back from the task bar is not a new opening.
  if (look::CentreWhenOpened(*this, *event)) {
    FormCreate();
  }
  QDialog::showEvent(event);
}

void THelpBox::FormCreate() {
  PageControl->setCurrentWidget(HelpContentsTab);
  ShowHelpRE->clear();
  HandRankPanl->hide();
  HandPanl->show();
  for (std::size_t i = 0; i < fan_.size(); ++i) {
    ShowImage(*fan_[i], FanFirstImageId + static_cast<int>(i));
  }
  for (ClickableImage* icon : topicIcons_) {
    ShowImage(*icon, TopicIconId);
  }
  for (ClickableImage* icon : rankIcons_) {
    ShowImage(*icon, HandRankIconId);
  }
  for (QLabel* icon : headingIcons_) {
    ShowImage(*icon, HeadingIconId);
  }
  for (const auto& links : {topicLinks_, rankLinks_}) {
    for (ClickableImage* link : links) {
      look::SetTextColour(*link, look::Blue);
    }
  }
}

void THelpBox::OKBtnClick() {
  accept();
}

void THelpBox::ShowTopic(help::HelpTopic topic) {
  HandRankPanl->hide();
  HandPanl->hide();
  ShowHelpRE->clear();
  look::SetTextColour(*topicLinks_[static_cast<std::size_t>(topic)], look::Purple);

  const help::TopicText& text = help::Topic(topic);
  const std::array<help::Paragraph, 3> title{{
      {help::Ink::Black, ""},
      {help::Ink::Red, text.title},
      {help::Ink::Black, ""},
  }};
  help::AppendParagraphs(*ShowHelpRE, title);
  help::AppendParagraphs(*ShowHelpRE, text.body);
  ShowHelpRE->moveCursor(QTextCursor::Start);
}

void THelpBox::ShowHandRank(int example) {
  const auto index = static_cast<std::size_t>(example);
  const help::HandRankExample& rank = help::HandRankExamples().at(index);
  look::SetTextColour(*rankLinks_[index], look::Purple);
  ShowHelpRE->clear();
  HandRankRE->clear();
  HandPanl->hide();
  RankStringLabl->setText(help::Translated(rank.name));
  TableLabl->setText(help::Translated(rank.caption));
  HandRankPanl->show();
  for (std::size_t i = 0; i < rankCards_.size(); ++i) {
    ShowImage(*rankCards_[i], CardImageId(rank.cards[i]));
  }
  const std::array<help::Paragraph, 1> description{{{help::Ink::Blue, rank.description}}};
  help::AppendParagraphs(*HandRankRE, description);
}

void THelpBox::OverviewClick() {
  ShowTopic(help::HelpTopic::Overview);
}
void THelpBox::BetClick() {
  ShowTopic(help::HelpTopic::Betting);
}
void THelpBox::DealLablClick() {
  ShowTopic(help::HelpTopic::Deal);
}
void THelpBox::DrawLablClick() {
  ShowTopic(help::HelpTopic::Drawing);
}
void THelpBox::ShowdownLablClick() {
  ShowTopic(help::HelpTopic::Showdown);
}
void THelpBox::SelectaDeckLablClick() {
  ShowTopic(help::HelpTopic::SelectingDeck);
}
void THelpBox::GameStatsLablClick() {
  ShowTopic(help::HelpTopic::GameStatistics);
}
void THelpBox::SaveStatsClick() {
  ShowTopic(help::HelpTopic::SavingStatistics);
}
void THelpBox::LicenseLablClick() {
  ShowTopic(help::HelpTopic::License);
}
void THelpBox::ContactLablClick() {
  ShowTopic(help::HelpTopic::Contact);
}

void THelpBox::RoyalFlushClick() {
  ShowHandRank(0);
}
void THelpBox::StraightFlushClick() {
  ShowHandRank(1);
}
void THelpBox::FourOfAKindClick() {
  ShowHandRank(2);
}
void THelpBox::FullHouseClick() {
  ShowHandRank(3);
}
void THelpBox::FlushClick() {
  ShowHandRank(4);
}
void THelpBox::StraightClick() {
  ShowHandRank(5);
}
void THelpBox::ThreeOfAKindClick() {
  ShowHandRank(6);
}
void THelpBox::TwoPairClick() {
  ShowHandRank(7);
}
void THelpBox::PairClick() {
  ShowHandRank(8);
}
void THelpBox::HighCardClick() {
  ShowHandRank(9);
}

}  // namespace velmora
