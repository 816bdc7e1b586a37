// The table's construction: components at their places at 96 dpi, the menu,
// the timers and the start state, and the menu items that open other windows.
#include "table/MainForm.h"

#include "dialogs/About.h"
#include "dialogs/Decks.h"
#include "dialogs/HelpBox.h"
#include "hand/GameState.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Platform.h"
#include "media/ToQString.h"
#include "media/Widgets.h"
#include "statswindow/StatBox.h"
#include "table/PictureNames.h"
#include "table/SpokenLabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace velmora {

namespace {

constexpr int ClientWidth = 634;
constexpr int ClientHeight = 437;

// The table's message lines and status fields are labels whose new texts are
// also spoken.
SpokenLabel* MakeStatusField(QWidget& parent, const char* name, const QRect& geometry) {
  auto* field = new SpokenLabel(&parent);
  widgets::StyleStatusField(*field, name, geometry);
  return field;
}

SpokenLabel* MakeSpokenLabel(QWidget& parent, const char* name, const QRect& geometry,
                             const QColor& colour, const QFont& font, Qt::Alignment alignment) {
  auto* label = new SpokenLabel(&parent);
  widgets::StyleLabel(*label, name, QString(), geometry, colour, font, alignment);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

constexpr std::array<int, 5> CardLefts{40, 128, 216, 304, 392};
constexpr std::array<int, 5> SlotTops{71, 134, 197, 260, 323};
constexpr std::array<int, 5> CardButtonLefts{64, 152, 240, 328, 416};

}  // namespace

TMainForm::TMainForm(Platform& platform, GameState& state, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      MediaPlayer1(platform.Sound()),
      platform_(platform),
      state_(state),
      engine_(state) {
  setObjectName("MainForm");
  setWindowTitle("Velmora 2.1");
  setWindowIcon(QIcon(FixedPictureImage(FixedPicture::TableIcon)));
  setFont(look::MsSansSerif(11));

  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  client->setFixedSize(ClientWidth, ClientHeight);
  setCentralWidget(client);

  // The deck as the table is built: both grids 1..52 row by row.
  state_.Deck = InitialDeckGrid();
  state_.Positions = InitialDeckPositions();

  BuildTable();
  BuildStatusLine();
  BuildMenu();
  DescribeForScreenReaders();
  // Neither resizable nor maximisable: the window is as large as its menu and client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ConnectTimers();
  SetStartState();
  look::CentreOnScreen(*this);
}

TMainForm::~TMainForm() = default;

void TMainForm::SetWindows(const TableWindows& windows) {
  windows_ = windows;
}

void TMainForm::BuildTable() {
  QWidget* client = centralWidget();

  // The status line lies under the felt in the window's order of definition.
  CaptionBar = MakeStatusField(*client, "CaptionBar", {0, 409, 400, 26});
  CaptionBar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  t = widgets::MakePanel(*client, {0, 0, 633, 409}, look::Green, false, "t");

  // Labels and pictures of the felt first; the panels lie over them.
  DlrLabl = MakeSpokenLabel(*t, "DlrLabl", {104, 200, 297, 31}, look::Silver, look::Optimum(21),
                            Qt::AlignCenter);
  PlrLabl = MakeSpokenLabel(*t, "PlrLabl", {104, 352, 297, 25}, look::Silver, look::Optimum(21),
                            Qt::AlignCenter);
  MainLabl = MakeSpokenLabel(*t, "MainLabl", {8, 48, 481, 31}, look::Aqua, look::Optimum(27),
                             Qt::AlignCenter);
  const QColor windowText = palette().color(QPalette::WindowText);
  DlrNameLabl = widgets::MakeLabel(*t, "DlrNameLabl", tr("Dealer"), {24, 72, 48, 16}, windowText,
                                   look::MsSansSerif(13, true), Qt::AlignLeft | Qt::AlignTop);
  PlrNameLabl = widgets::MakeLabel(*t, "PlrNameLabl", tr("Player"), {24, 224, 46, 16}, windowText,
                                   look::MsSansSerif(13, true), Qt::AlignLeft | Qt::AlignTop);
  // A longer word for the dealer takes room to the right, where the table is bare.
  widgets::WidenToText(*DlrNameLabl);

  const std::array<const char*, 5> dealerNames{"DlrCard0", "DlrCard1", "DlrCard2", "DlrCard3",
                                               "DlrCard4"};
  for (std::size_t p = 0; p < 5; ++p) {
    dealerCards_[p] = widgets::MakePicture(*t, dealerNames[p], {CardLefts[p], 96, 71, 96});
  }
  DlrCard0 = dealerCards_[0];
  DlrCard1 = dealerCards_[1];
  DlrCard2 = dealerCards_[2];
  DlrCard3 = dealerCards_[3];
  DlrCard4 = dealerCards_[4];

  const std::array<const char*, 5> playerNames{"PlrCard0", "PlrCard1", "PlrCard2", "PlrCard3",
                                               "PlrCard4"};
  for (std::size_t p = 0; p < 5; ++p) {
    playerCards_[p] =
        widgets::MakeClickablePicture(*t, playerNames[p], {CardLefts[p], 248, 71, 96});
    connect(playerCards_[p], &ClickableImage::clicked, this,
            [this, p] { PlrCardClick(static_cast<int>(p)); });
  }
  PlrCard0 = playerCards_[0];
  PlrCard1 = playerCards_[1];
  PlrCard2 = playerCards_[2];
  PlrCard3 = playerCards_[3];
  PlrCard4 = playerCards_[4];

  BetLabl = MakeSpokenLabel(*t, "BetLabl", {8, 8, 481, 41}, look::Yellow,
                            look::TimesNewRoman(32, true, true), Qt::AlignCenter);
  DeckStack = widgets::MakePicture(*t, "DeckStack", {24, 96, 78, 101});
  ShowFixedPictureWhenShown(*DeckStack, FixedPicture::DeckStack);
  DeckStack->setAccessibleName(tr("deck"));
  DeckCard = widgets::MakePicture(*t, "DeckCard", {29, 99, 71, 96});

  // The rails and the tray.
  Panel5 = widgets::MakePanel(*t, {1, 405, 632, 4}, look::Olive, false, "Panel5");
  Panel1 = widgets::MakePanel(*t, {1, 1, 632, 4}, look::Olive, false, "Panel1");
  Panel4 = widgets::MakePanel(*t, {1, 1, 4, 408}, look::Olive, false, "Panel4");
  widgets::SetBevel(*Panel4, widgets::Bevel::Raised, 3);
  BuildTray();
  Panel6 = widgets::MakePanel(*t, {629, 1, 4, 421}, look::Olive, false, "Panel6");

  // Controls of the window that are never shown, then the rail and the buttons.
  ShowDlr = MakeButton(client, "ShowDlr", QString(), {440, 72, 17, 17});
  connect(ShowDlr, &QPushButton::clicked, this, &TMainForm::ShowDlrClick);
  const std::array<const char*, 5> buttonNames{"PlrCard0Btn", "PlrCard1Btn", "PlrCard2Btn",
                                               "PlrCard3Btn", "PlrCard4Btn"};
  std::array<QPushButton*, 5> cardButtons{};
  for (std::size_t p = 0; p < 5; ++p) {
    const int height = p == 0 ? 25 : 23;
    cardButtons[p] =
        MakeButton(client, buttonNames[p], QString(), {CardButtonLefts[p], 304, 25, height});
    connect(cardButtons[p], &QPushButton::clicked, this,
            [this, p] { PlrCardClick(static_cast<int>(p)); });
  }
  PlrCard0Btn = cardButtons[0];
  PlrCard1Btn = cardButtons[1];
  PlrCard2Btn = cardButtons[2];
  PlrCard3Btn = cardButtons[3];
  PlrCard4Btn = cardButtons[4];

  MoneyBreakPanl =
      widgets::MakePanel(*client, {512, 4, 4, 402}, look::Olive, false, "MoneyBreakPanl");

  Draw = MakeButton(client, "Draw", tr("&Draw"), {416, 370, 81, 25});
  connect(Draw, &QPushButton::clicked, this, &TMainForm::DrawClick);
  Bet = MakeButton(client, "Bet", tr("&Deal"), {416, 370, 81, 25});
  Bet->setFont(look::MsSansSerif(11));
  connect(Bet, &QPushButton::clicked, this, &TMainForm::BetClick);
}

// The tray is hidden until the splash ends, the deck until the game starts;
// their pictures are decoded only then.
void TMainForm::BuildTray() {
  MoneyTabl = widgets::MakeBevelPanel(*t, "MoneyTabl", {516, 5, 114, 400}, widgets::Bevel::Sunken);

  TablPic = widgets::MakePicture(*MoneyTabl, "TablPic", {0, 0, 112, 400});
  ShowFixedPictureWhenShown(*TablPic, FixedPicture::TrayBackground);
  TablPic->setAccessibleName(tr("cash tray"));

  const std::array<const char*, 5> slotNames{"MoneySlot0", "MoneySlot1", "MoneySlot2", "MoneySlot3",
                                             "MoneySlot4"};
  for (std::size_t s = 0; s < 5; ++s) {
    // Wider than the tray: its right edge cuts off the right part of every bill.
    moneySlots_[s] =
        widgets::MakeClickablePicture(*MoneyTabl, slotNames[s], {21, SlotTops[s], 117, 50});
    connect(moneySlots_[s], &ClickableImage::clicked, this,
            [this, s] { MoneySlotClick(static_cast<int>(s)); });
  }
  MoneySlot0 = moneySlots_[0];
  MoneySlot1 = moneySlots_[1];
  MoneySlot2 = moneySlots_[2];
  MoneySlot3 = moneySlots_[3];
  MoneySlot4 = moneySlots_[4];

  HatchCovr = widgets::MakePicture(*MoneyTabl, "HatchCovr", {15, 22, 84, 30});
  ShowFixedPictureWhenShown(*HatchCovr, FixedPicture::BetFieldFrame);
  HatchCovr->setAccessibleName(tr("bet field frame"));

  BetEdit = new QLineEdit(MoneyTabl);
  BetEdit->setObjectName("BetEdit");
  BetEdit->setGeometry(17, 24, 80, 24);
  BetEdit->setFont(look::TimesNewRoman(13, true, true));
  look::SetBackground(*BetEdit, look::Black);
  look::SetTextColour(*BetEdit, look::Yellow);
  // Its caption is painted on the tray's picture, which a screen reader cannot read.
  BetEdit->setAccessibleName(tr("New Bet"));
  // Runs for typing and for every text the program sets; setting the same
  // text again emits nothing, as the handler expects.
  connect(BetEdit, &QLineEdit::textChanged, this, &TMainForm::BetEditChange);
  // Return in the field deals as Alt+D does: through the Deal button, which
  // does nothing while it is disabled, and its checks.
  connect(BetEdit, &QLineEdit::returnPressed, this, [this] { Bet->click(); });

  TableHatch = widgets::MakePanel(*MoneyTabl, {0, 0, 115, 400}, look::Green, false, "TableHatch");
  SlidePic = widgets::MakePicture(*TableHatch, "SlidePic", {1, 1, 112, 398});
  ShowFixedPictureWhenShown(*SlidePic, FixedPicture::TrayHatch);
  SlidePic->setAccessibleName(tr("closed cash tray"));
}

void TMainForm::BuildStatusLine() {
  QWidget* client = centralWidget();
  LastBetLabl = MakeStatusField(*client, "LastBetLabl", {401, 409, 113, 25});
  LastBetLabl->setAlignment(Qt::AlignCenter);
  LastBetLabl->setFont(look::TimesNewRoman(13, false, true));
  look::SetTextColour(*LastBetLabl, look::Navy);
  LastBetLabl->setText(tr("Last Bet:"));

  Panel3 = widgets::MakeStatusField(*client, "Panel3", {515, 408, 118, 26});
  BankLabl = MakeSpokenLabel(*Panel3, "BankLabl", {2, 3, 111, 18}, look::Navy,
                             look::TimesNewRoman(13, false, true), Qt::AlignCenter);
  BankLabl->setText(tr("Bank:"));
}

void TMainForm::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  Game = bar->addMenu(tr("&Game"));
  Game->setObjectName("Game");
  NewGame = AddItem(Game, "NewGame", tr("&New Game"));
  NewGame->setShortcut(Qt::Key_F2);
  connect(NewGame, &QAction::triggered, this, &TMainForm::NewGameClick);
  N2 = AddSeparator(Game, "N2");
  Sound = AddItem(Game, "Sound", tr("S&ound"));
  Sound->setShortcut(Qt::Key_F3);
  Sound->setCheckable(true);
  connect(Sound, &QAction::triggered, this, &TMainForm::SoundClick);
  N4 = AddSeparator(Game, "N4");
  ViewStats = AddItem(Game, "ViewStats", tr("&Statistics..."));
  ViewStats->setShortcut(Qt::Key_F5);
  connect(ViewStats, &QAction::triggered, this, &TMainForm::ViewStatsClick);
  Deck = AddItem(Game, "Deck", tr("&Decks..."));
  Deck->setShortcut(Qt::Key_F7);
  connect(Deck, &QAction::triggered, this, &TMainForm::DeckClick);
  N1 = AddSeparator(Game, "N1");
  Exit = AddItem(Game, "Exit", tr("E&xit"));
  connect(Exit, &QAction::triggered, this, &TMainForm::ExitClick);

  Help = bar->addMenu(tr("&Help"));
  Help->setObjectName("Help");
  Contents = AddItem(Help, "Contents", tr("&Contents..."));
  connect(Contents, &QAction::triggered, this, &TMainForm::ContentsClick);
  N3 = AddSeparator(Help, "N3");
  AboutVelmora1 = AddItem(Help, "AboutVelmora1", tr("&About... "));
  connect(AboutVelmora1, &QAction::triggered, this, &TMainForm::AboutVelmora1Click);

  // The window's actions keep their shortcuts while a menu is closed.
  addActions(Game->actions());
  addActions(Help->actions());
}

void TMainForm::ConnectTimers() {
  const auto setUp = [this](QTimer& timer, int interval, void (TMainForm::*handler)()) {
    // Coarse timers may fire 5 % early or late: the splash would last 5.7 s to 6.3 s.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(interval);
    connect(&timer, &QTimer::timeout, this, handler);
  };
  setUp(SplashTime, 6000, &TMainForm::SplashTimeTimer);
  setUp(kingOhearts, 1500, &TMainForm::kingOheartsTimer);
  setUp(DealDelay, 100, &TMainForm::DealDelayTimer);
  setUp(PlrReplATimer, 100, &TMainForm::PlrReplATimerTimer);
  setUp(DlrDraw, 1000, &TMainForm::DlrDrawTimer);
  setUp(DlrReplA, 100, &TMainForm::DlrReplATimer);
  setUp(DlrShow, 1000, &TMainForm::DlrShowTimer);
  setUp(pickAwinner, 750, &TMainForm::pickAwinnerTimer);
  setUp(OpenHatch, 10, &TMainForm::OpenHatchTimer);
}

void TMainForm::SetStartState() {
  for (QLabel* label : {BankLabl, BetLabl, LastBetLabl, MainLabl, PlrLabl, DlrLabl}) {
    label->clear();
  }
  Bet->hide();
  Bet->setEnabled(false);
  for (QWidget* widget : {static_cast<QWidget*>(BankLabl), static_cast<QWidget*>(BetLabl),
                          static_cast<QWidget*>(BetEdit), static_cast<QWidget*>(MoneyTabl)}) {
    widget->hide();
  }
  TableHatch->show();
  for (ClickableImage* slot : moneySlots_) {
    slot->hide();
  }
  DeckStack->hide();
  DeckCard->hide();
  // Empty places say so to a screen reader.
  for (std::size_t p = 0; p < 5; ++p) {
    EmptyPicture(*dealerCards_[p]);
    EmptyPicture(*playerCards_[p]);
    EmptyPicture(*moneySlots_[p]);
  }
  EmptyPicture(*DeckCard);
  Sound->setEnabled(true);
  Sound->setChecked(state_.SoundOn);

  // Hidden by their definition; ShowDlr and the card buttons are never shown.
  for (QWidget* widget : {static_cast<QWidget*>(DlrNameLabl), static_cast<QWidget*>(PlrNameLabl),
                          static_cast<QWidget*>(Draw), static_cast<QWidget*>(MoneyBreakPanl),
                          static_cast<QWidget*>(ShowDlr), static_cast<QWidget*>(PlrCard0Btn),
                          static_cast<QWidget*>(PlrCard1Btn), static_cast<QWidget*>(PlrCard2Btn),
                          static_cast<QWidget*>(PlrCard3Btn), static_cast<QWidget*>(PlrCard4Btn)}) {
    widget->hide();
  }
  NewGame->setEnabled(false);

  SplashTime.start();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Closing the table is Exit: the program ends at once.
  ExitClick();
  event->accept();
}

void TMainForm::EnableTimer(QTimer& timer) {
  if (!timer.isActive()) {
    timer.start();
  }
}

void TMainForm::StopHandTimers() {
  for (QTimer* timer :
       {&DealDelay, &PlrReplATimer, &DlrDraw, &DlrReplA, &DlrShow, &pickAwinner, &kingOhearts}) {
    timer->stop();
  }
}

void TMainForm::EndTheProgram() {
  StopHandTimers();
  SplashTime.stop();
  OpenHatch.stop();
  MediaPlayer1.Close();
  platform_.EndProgram(0);
}

void TMainForm::ShowFace(QLabel& image, Card card) {
  ShowCardPicture(image, CardImageId(card));
}

void TMainForm::ShowBack(QLabel& image) {
  ShowCardPicture(image, state_.DeckBackId);
}

Clock TMainForm::CalendarClock() const {
  return [this] { return platform_.CalendarSeconds(); };
}

void TMainForm::ShowDeckCardBack() {
  engine_.ChooseDeckPictureBack(CalendarClock());
  ShowBack(*DeckCard);
}

QString TMainForm::WelcomeText() {
  return tr("Welcome to Velmora!");
}

void TMainForm::ShowMessage(const TableMessage& message) {
  ShowError(platform_, this, RefusalCaptionText(message.reason),
            RefusalMessageText(message.reason));
}

QString TMainForm::RefusalCaptionText(Refusal reason) {
  switch (reason) {
    case Refusal::InvalidBetCharacter:
    case Refusal::FieldOverBank:
      return tr("Bet Error");
    case Refusal::DrawFive:
    case Refusal::DrawFourWithoutAce:
      return tr("Illegal Draw");
    case Refusal::LastBetOverBank:
    case Refusal::NoBettingCharacters:
    case Refusal::BetOverBank:
    case Refusal::NothingBet:
      break;
  }
  return tr("Illegal Bet");
}

// The second lines are indented with blanks under the first, as the English
// is; a translation indents its own.
QString TMainForm::RefusalMessageText(Refusal reason) {
  switch (reason) {
    case Refusal::InvalidBetCharacter:
      return tr("Invalid bet charactor!");
    case Refusal::FieldOverBank:
      return tr("You don't have that much!");
    case Refusal::LastBetOverBank:
      return tr("Your last bet exceeds your bank account!\n         Decrease your bet..");
    case Refusal::NoBettingCharacters:
      return tr("No betting charactors!\n      Try again..");
    case Refusal::BetOverBank:
      return tr("You don't have that much!\n       Try again..");
    case Refusal::DrawFive:
      return tr("You Can't draw 5!");
    case Refusal::DrawFourWithoutAce:
      return tr("You can only Draw 4 to an Ace!");
    case Refusal::NothingBet:
      break;
  }
  return tr("You must bet something..");
}

void TMainForm::SetNameLabel(const QString& name) {
  // The seat names grow with their text; the other labels keep their size.
  PlrNameLabl->setText(name);
  PlrNameLabl->adjustSize();
}

void TMainForm::ExitClick() {
  EndTheProgram();
}

void TMainForm::SoundClick() {
  state_.SoundOn = !state_.SoundOn;
  Sound->setChecked(state_.SoundOn);
}

void TMainForm::DeckClick() {
  platform_.RunModal(windows_.Decks());
  if (platform_.ProgramEnded()) {
    return;
  }
  // Before the first deal of a game the deck lies on the table and shows the choice at once.
  if (!DeckCard->isHidden()) {
    ShowDeckCardBack();
  }
}

void TMainForm::ViewStatsClick() {
  ShowStatisticsWindow(platform_, windows_.StatBox());
}

void TMainForm::ContentsClick() {
  platform_.RunModal(windows_.HelpBox());
}

void TMainForm::AboutVelmora1Click() {
  platform_.RunModal(windows_.About());
}

}  // namespace velmora
