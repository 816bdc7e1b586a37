// MainForm: the card table. Its components, the timers that drive a hand,
// the betting and the cash tray, the showdown, and the game around the hands
// (end of the splash, New Game, Exit and the menu).
//
// Every handler is public so that it can be driven exactly as its control or
// timer drives it. A hand is a chain of timers: each disables itself at its
// last step and enables the next, so one step of a hand is pending at a time.
#pragma once

#include "cards/Cards.h"
#include "hand/HandEngine.h"
#include "media/MediaPlayer.h"
#include "table/SpokenLabel.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QCloseEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace velmora {

class ClickableImage;
class Platform;
class TAbout;
class TDecks;
class THintWindow;
class TExitDlg;
class THelpBox;
class TIntroDlg;
class TStatBox;
struct GameState;

// The windows the table opens, each handed out by whoever owns it (and may
// create it on first use). All live as long as the table does, but for the
// two shown once a run, which their owner deletes when the table is done with
// them: the splash when it is dismissed, the welcome once it is answered.
struct TableWindows {
  std::function<TIntroDlg&()> IntroDlg;
  std::function<void()> ReleaseIntroDlg;
  std::function<TStatBox&()> StatBox;
  std::function<TExitDlg&()> ExitDlg;
  std::function<void()> ReleaseLogoBox;
  std::function<TDecks&()> Decks;
  std::function<TAbout&()> About;
  std::function<THelpBox&()> HelpBox;
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // The table's texts for the values the rules hand over, in the player's
  // language.
  static QString WelcomeText();
  static QString RefusalCaptionText(Refusal reason);
  static QString RefusalMessageText(Refusal reason);
  static QString OutcomeText(RankOrder outcome);
  static QString DealerTakesText(int cards);
  static QString PlaceBetText();
  static QString PotText(std::int32_t lastBet);
  static QString LastBetText(std::int32_t lastBet);
  static QString BankText(std::int64_t tableCash);
  // What the status line says, in the order of a hand.
  enum class Status { Start, Betting, Discarding };
  static QString StatusText(Status status);
  static QStringList StatusTexts();

  TMainForm(Platform& platform, GameState& state, QWidget* parent = nullptr);
  ~TMainForm() override;

  void SetWindows(const TableWindows& windows);
  // The rules of the hand that the table animates.
  const HandEngine& Engine() const { return engine_; }

  // Components, named as in the window's definition. The labels of messages
  // are spoken to a screen reader as their texts appear.
  SpokenLabel* CaptionBar = nullptr;
  QFrame* t = nullptr;
  SpokenLabel* DlrLabl = nullptr;
  SpokenLabel* PlrLabl = nullptr;
  SpokenLabel* MainLabl = nullptr;
  QLabel* DlrNameLabl = nullptr;
  QLabel* PlrNameLabl = nullptr;
  QLabel* DlrCard0 = nullptr;
  QLabel* DlrCard1 = nullptr;
  QLabel* DlrCard2 = nullptr;
  QLabel* DlrCard3 = nullptr;
  QLabel* DlrCard4 = nullptr;
  ClickableImage* PlrCard0 = nullptr;
  ClickableImage* PlrCard1 = nullptr;
  ClickableImage* PlrCard2 = nullptr;
  ClickableImage* PlrCard3 = nullptr;
  ClickableImage* PlrCard4 = nullptr;
  SpokenLabel* BetLabl = nullptr;
  QLabel* DeckStack = nullptr;
  QLabel* DeckCard = nullptr;
  TMediaPlayer MediaPlayer1;
  QFrame* Panel5 = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel4 = nullptr;
  QFrame* MoneyTabl = nullptr;
  QLabel* TablPic = nullptr;
  ClickableImage* MoneySlot0 = nullptr;
  ClickableImage* MoneySlot1 = nullptr;
  ClickableImage* MoneySlot2 = nullptr;
  ClickableImage* MoneySlot3 = nullptr;
  ClickableImage* MoneySlot4 = nullptr;
  QLabel* HatchCovr = nullptr;
  QLineEdit* BetEdit = nullptr;
  QFrame* TableHatch = nullptr;
  QLabel* SlidePic = nullptr;
  QFrame* Panel6 = nullptr;
  QPushButton* ShowDlr = nullptr;
  QPushButton* PlrCard0Btn = nullptr;
  QPushButton* PlrCard1Btn = nullptr;
  QPushButton* PlrCard2Btn = nullptr;
  QPushButton* PlrCard3Btn = nullptr;
  QPushButton* PlrCard4Btn = nullptr;
  QFrame* MoneyBreakPanl = nullptr;
  QPushButton* Draw = nullptr;
  QPushButton* Bet = nullptr;
  SpokenLabel* LastBetLabl = nullptr;
  QFrame* Panel3 = nullptr;
  SpokenLabel* BankLabl = nullptr;

  // Main menu.
  QMenu* Game = nullptr;
  QAction* NewGame = nullptr;
  QAction* N2 = nullptr;
  QAction* Sound = nullptr;
  QAction* N4 = nullptr;
  QAction* ViewStats = nullptr;
  QAction* Deck = nullptr;
  QAction* N1 = nullptr;
  QAction* Exit = nullptr;
  QMenu* Help = nullptr;
  QAction* Contents = nullptr;
  QAction* N3 = nullptr;
  QAction* AboutVelmora1 = nullptr;

  // Timers, children of the window like its other parts.
  QTimer SplashTime{this};
  QTimer kingOhearts{this};
  QTimer DealDelay{this};
  QTimer PlrReplATimer{this};
  QTimer DlrDraw{this};
  QTimer DlrReplA{this};
  QTimer DlrShow{this};
  QTimer pickAwinner{this};
  QTimer OpenHatch{this};

 public slots:
  // One hand (round controller).
  void DealClick();
  void DealDelayTimer();
  void PlrCardClick(int position);
  void PlrCard0BtnClick() { PlrCardClick(0); }
  void PlrCard1BtnClick() { PlrCardClick(1); }
  void PlrCard2BtnClick() { PlrCardClick(2); }
  void PlrCard3BtnClick() { PlrCardClick(3); }
  void PlrCard4BtnClick() { PlrCardClick(4); }
  void DrawClick();
  void PlrReplATimerTimer();
  void DlrDrawTimer();
  void DlrReplATimer();
  void DlrShowTimer();
  void kingOheartsTimer();
  void ShowDlrClick();
  // The H key while the player chooses discards: the Hint window.
  void HintClick();

  // Betting and the cash tray.
  void BetEditChange();
  void BetClick();
  void UpdateMoney();
  void MoneySlotClick(int slot);
  void MoneySlot0Click() { MoneySlotClick(0); }
  void MoneySlot1Click() { MoneySlotClick(1); }
  void MoneySlot2Click() { MoneySlotClick(2); }
  void MoneySlot3Click() { MoneySlotClick(3); }
  void MoneySlot4Click() { MoneySlotClick(4); }
  void OpenHatchTimer();

  // The showdown.
  void pickAwinnerTimer();

  // The game around the hands.
  void SplashTimeTimer();
  void NewGameClick();
  void ExitClick();
  void SoundClick();
  void DeckClick();
  void ViewStatsClick();
  void ContentsClick();
  void AboutVelmora1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The keys 1 to 5 mark and unmark the player's cards like a click on them;
  // Return presses the focused Deal or Draw button;
  // H opens the Hint window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildTable();
  void BuildTray();
  void BuildStatusLine();
  void BuildMenu();
  void ConnectTimers();
  void SetStartState();
  void DescribeForScreenReaders();
  // Says what a card place shows after a mark or unmark.
  void AnnounceMark(int position);

  // "Enabling" a timer that runs already must not restart its countdown.
  static void EnableTimer(QTimer& timer);
  // The timers of a hand in progress, the king-of-hearts animation included.
  void StopHandTimers();
  // Stops every timer and ends the program; callers return right after.
  void EndTheProgram();

  void ShowFace(QLabel& image, Card card);
  void ShowBack(QLabel& image);
  Clock CalendarClock() const;
  void ShowDeckCardBack();
  void SetNameLabel(const QString& name);
  void ShowMessage(const TableMessage& message);
  void OpenBetting();
  void DeclareBankrupt();

  // Sound requests: each does nothing while sound is off, and any failure
  // switches sound off silently (the start-up test reports it).
  void PlaySoundEffect(const QString& fileName);
  void PrepareCardFlip();
  void PlayCardFlip();
  void CloseSound();
  bool TestSound();
  void SwitchSoundOff();

  Platform& platform_;
  GameState& state_;
  HandEngine engine_;
  TableWindows windows_;

  std::array<QLabel*, 5> dealerCards_{};
  std::array<ClickableImage*, 5> playerCards_{};
  std::array<ClickableImage*, 5> moneySlots_{};
  // Says a card marked or unmarked, which happens away from the keyboard focus.
  Announcer* markAnnouncer_ = nullptr;
  // Built for the first hint.
  THintWindow* hintWindow_ = nullptr;
};

}  // namespace velmora
