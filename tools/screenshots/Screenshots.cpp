// Plays through the game's windows under a real X server and writes a
// screenshot of each scene that a person should look at: the table at every
// stage of a hand, the dialogs and the statistics window. Modal windows and
// message boxes go through a scripted platform, so the run needs no clicks.
//
// Usage: velmora-screenshots OUTPUT_FOLDER
//        velmora-screenshots --check-fit
// The second form takes no pictures: it checks at every scene that each text
// fits its control (FitCheck.h), also for texts that no scene shows, prints
// each fault and fails when there is one. Both speak the desktop's language.

#include "app/ProgramWindows.h"
#include "app/Translations.h"
#include "dialogs/HelpBox.h"
#include "hand/GameState.h"
#include "hand/PatHand.h"
#include "media/GameWords.h"
#include "media/MessageBoxes.h"
#include "media/ScriptedPlatform.h"
#include "statswindow/HandDescriptionText.h"
#include "table/MainForm.h"
#include "tools/screenshots/FitCheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace velmora {
namespace {

// Typing and clicking as the player would, through the widgets' own event
// handlers: the tool is built without Qt Test, so that a build for playing can
// take the screenshots the game installs.
void TypeText(QWidget& widget, const QString& text) {
  for (const QChar character : text) {
    const int key = character.toUpper().unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
    QApplication::sendEvent(&widget, &release);
  }
}

void Click(QWidget& widget) {
  const QPointF centre = QRectF(widget.rect()).center();
  const QPointF global = widget.mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
}

class Shooter {
 public:
  explicit Shooter(QString folder) : folder_(std::move(folder)) {
    if (!folder_.isEmpty()) {
      QDir().mkpath(folder_);
    }
  }

  // Checks the texts instead of taking pictures.
  static Shooter Checking() { return Shooter(QString()); }
  bool checking() const { return folder_.isEmpty(); }
  const QStringList& faults() const { return faults_; }

  // Checks a window without a picture; what the script changed is laid out
  // by then, nothing waits on a timer.
  void Check(const QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    faults_ += CheckTextsFit(widget, name);
  }

  // The script steps every handler of the table itself; from now on the
  // table's own timers are stopped before each shot settles, so that no tick
  // of theirs lands between the script's steps and every run shows the same.
  void Quieten(TMainForm& table) { table_ = &table; }

  void Widget(QWidget& widget, const QString& name) {
    Settle();
    if (checking()) {
      faults_ += CheckTextsFit(widget, name);
      return;
    }
    Save(widget.grab(), name);
  }

  // The whole screen, for scenes where one window lies over another.
  void Screen(const QString& name) {
    Settle();
    if (checking()) {
      for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
          faults_ += CheckTextsFit(*window, name);
        }
      }
      return;
    }
    Save(QGuiApplication::primaryScreen()->grabWindow(0), name);
  }

 private:
  void Settle() {
    StopTableTimers();
    for (int i = 0; i < 5; ++i) {
      QCoreApplication::processEvents();
      QThread::msleep(20);
    }
  }

  void StopTableTimers() {
    if (table_ == nullptr) {
      return;
    }
    for (QTimer* timer : {&table_->SplashTime, &table_->kingOhearts, &table_->DealDelay,
                          &table_->PlrReplATimer, &table_->DlrDraw, &table_->DlrReplA,
                          &table_->DlrShow, &table_->pickAwinner, &table_->OpenHatch}) {
      timer->stop();
    }
  }

  void Save(const QPixmap& pixmap, const QString& name) {
    const QString path = folder_ + "/" + name + ".png";
    pixmap.save(path);
    QTextStream(stdout) << path << "\n";
  }

  QString folder_;
  TMainForm* table_ = nullptr;
  QStringList faults_;
};

template <typename T>
T& Child(QWidget& root, const QString& name) {
  T* child = root.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("No child %s", qPrintable(name));
  }
  return *child;
}

// The outcome of the next hand if the player stands pat, dealt at `seconds`:
// played by the engine on a copy of the game, which the table never sees.
std::optional<RankOrder> OutcomeStandingPat(const GameState& state, std::int64_t seconds) {
  GameState copy = state;
  const std::optional<SettlementResult> settled = PlayPatHand(copy, seconds);
  if (!settled) {
    return std::nullopt;
  }
  return settled->outcome;
}

// A clock second from which the next hand, stood pat, ends with `outcome`.
std::int64_t SecondsFor(const GameState& state, RankOrder outcome, std::int64_t from) {
  for (std::int64_t seconds = from;; ++seconds) {
    if (OutcomeStandingPat(state, seconds) == outcome) {
      return seconds;
    }
  }
}

class Session {
 public:
  Session(ScriptedPlatform& platform, GameState& state, ProgramWindows& windows, Shooter& shoot)
      : platform_(platform),
        state_(state),
        windows_(windows),
        form_(windows.MainForm()),
        shoot_(shoot) {}

  void Run() {
    shoot_.Screen("01-logo-over-bare-table");
    shoot_.Widget(form_, "02-bare-table");
    AcceptWelcome();
    OpenHatch();
    shoot_.Widget(form_, "04-betting-open");
    PlayHandToReveal("250", {1, 3}, 1);
    form_.pickAwinnerTimer();
    shoot_.Widget(form_, "08-after-first-hand");
    PlayHandStandingPat(RankOrder::FirstBetter);
    shoot_.Widget(form_, "09-after-a-won-hand");
    PlayHandStandingPat(RankOrder::Equal);
    shoot_.Widget(form_, "10-after-a-push");
    ShowDecks();
    ShowHelp();
    ShowAbout();
    ShowStatistics();
    GoBankrupt();
    ShowWidestTexts();
    if (shoot_.checking()) {
      CheckEveryText();
    }
  }

 private:
  void AcceptWelcome() {
    platform_.onModal = [this](QDialog& dialog) {
      auto& name = Child<QLineEdit>(dialog, "PlrNameEdit");
      TypeText(name, "Ada");
      Child<QCheckBox>(dialog, "SoundCheck").setChecked(false);
      shoot_.Screen("03-welcome-dialog");
      Child<QAbstractButton>(dialog, "OK").click();
    };
    form_.SplashTimeTimer();
    platform_.onModal = nullptr;
  }

  void OpenHatch() {
    for (int tick = 0; tick < 114; ++tick) {
      form_.OpenHatchTimer();
    }
  }

  void Deal(const QString& bet) {
    form_.BetEdit->clear();
    TypeText(*form_.BetEdit, bet);
    form_.BetClick();
    for (int step = 0; step < 10; ++step) {
      form_.DealDelayTimer();
    }
  }

  void PlayHandToReveal(const QString& bet, const std::vector<int>& marks, std::int64_t seconds) {
    platform_.seconds = seconds;
    Deal(bet);
    for (const int position : marks) {
      form_.PlrCardClick(position);
    }
    shoot_.Widget(form_, "05-dealt-two-cards-marked");
    platform_.onModal = [this](QDialog& dialog) {
      shoot_.Screen("05a-hint-beside-the-table");
      shoot_.Widget(dialog, "05b-hint-window");
    };
    form_.HintClick();  // left with Escape: the marks stay
    platform_.onModal = nullptr;
    form_.DrawClick();
    for (int step = 0; step < 5; ++step) {
      form_.PlrReplATimerTimer();
    }
    form_.DlrDrawTimer();
    shoot_.Widget(form_, "06-house-announces-its-draw");
    for (int step = 0; step < 4; ++step) {
      form_.DlrReplATimer();
    }
    form_.DlrShowTimer();
    shoot_.Widget(form_, "07-house-hand-revealed");
  }

  // Draws no card and steps every timer of the hand up to and including the showdown.
  void StandPatToShowdown() {
    form_.DrawClick();
    for (int step = 0; step < 5; ++step) {
      form_.PlrReplATimerTimer();
    }
    form_.DlrDrawTimer();
    for (int step = 0; step < 4; ++step) {
      form_.DlrReplATimer();
    }
    form_.DlrShowTimer();
    form_.pickAwinnerTimer();
  }

  void PlayHandStandingPat(RankOrder outcome) {
    nextSeconds_ = SecondsFor(state_, outcome, nextSeconds_);
    platform_.seconds = nextSeconds_++;
    Deal("100");
    StandPatToShowdown();
  }

  void ShowDecks() {
    platform_.onModal = [this](QDialog& dialog) {
      Click(Child<QLabel>(dialog, "Deck7Pic"));
      shoot_.Widget(dialog, "11-deck-selection");
      Child<QAbstractButton>(dialog, "CancelBtn").click();
    };
    form_.DeckClick();
    platform_.onModal = nullptr;
  }

  void ShowHelp() {
    platform_.onModal = [this](QDialog& dialog) {
      auto& help = static_cast<THelpBox&>(dialog);
      shoot_.Widget(dialog, "12-help-start");
      help.OverviewClick();
      shoot_.Widget(dialog, "13-help-topic");
      Child<QTabWidget>(dialog, "PageControl").setCurrentIndex(1);
      help.FullHouseClick();
      shoot_.Widget(dialog, "14-help-hand-rank");
    };
    form_.ContentsClick();
    platform_.onModal = nullptr;
  }

  void ShowAbout() {
    platform_.onModal = [this](QDialog& dialog) {
      shoot_.Widget(dialog, "15-about-version");
      Child<QTabWidget>(dialog, "PageControl1").setCurrentIndex(1);
      shoot_.Widget(dialog, "16-about-license");
    };
    form_.AboutVelmora1Click();
    platform_.onModal = nullptr;
  }

  // The statistics window's two pages, ending on the summary again.
  void ShootBothPages(QDialog& dialog, const QString& summary, const QString& accumulative) {
    auto& pages = Child<QTabWidget>(dialog, "StatPages");
    pages.setCurrentIndex(0);
    shoot_.Widget(dialog, summary);
    pages.setCurrentIndex(1);
    shoot_.Widget(dialog, accumulative);
    pages.setCurrentIndex(0);
  }

  void ShowStatistics() {
    // Saved and opened again in a folder of its own, removed when the session ends.
    const QString saved = scratch_.filePath("velmora-screenshot.vlm");
    platform_.saveAnswers = {saved};
    platform_.openAnswers = {saved};
    platform_.onModal = [this](QDialog& dialog) {
      ShootBothPages(dialog, "17-statistics-summary", "18-statistics-accumulative");
      Child<QAbstractButton>(dialog, "SaveSpBtn").click();
      Child<QAbstractButton>(dialog, "OpenSpBtn").click();
      shoot_.Widget(dialog, "19-statistics-viewing-saved-file");
    };
    form_.ViewStatsClick();
    platform_.onModal = nullptr;
  }

  void GoBankrupt() {
    nextSeconds_ = SecondsFor(state_, RankOrder::SecondBetter, nextSeconds_);
    platform_.seconds = nextSeconds_;
    platform_.onModal = [this](QDialog& dialog) {
      shoot_.Screen("20-bankrupt-dialog");
      Child<QAbstractButton>(dialog, "NewGameBtn").click();
    };
    platform_.onMessage = [this](const ShownMessage& message) {
      const std::unique_ptr<QMessageBox> box =
          MakeMessageBox(&form_, message.icon, message.caption, message.text, message.buttons);
      box->show();
      shoot_.Screen("21-new-game-question");
    };
    Deal(QString::number(state_.Bank));
    StandPatToShowdown();
    platform_.onMessage = nullptr;
    platform_.onModal = nullptr;
    shoot_.Widget(form_, "22-new-game");
  }

  // The widest texts the statistics window must hold: a name of ten wide
  // letters and a clock at two-digit hours.
  void ShowWidestTexts() {
    state_.PlayerName = "WWWWWWWWWW";
    platform_.seconds = QDateTime(QDate(2026, 12, 7), QTime(23, 20, 7)).toSecsSinceEpoch();
    platform_.onModal = [this](QDialog& dialog) {
      ShootBothPages(dialog, "23-statistics-wide-name-late-clock",
                     "24-statistics-accumulative-wide-name");
    };
    form_.ViewStatsClick();
    platform_.onModal = nullptr;
  }

  // Every text a line can hold, also those that no scene shows, each set
  // into its line and checked; the line gets back what it showed.
  void CheckEach(QLabel& label, const QStringList& texts, QWidget& window, const QString& scene) {
    const QString before = label.text();
    for (const QString& text : texts) {
      label.setText(text);
      shoot_.Check(window, scene);
    }
    label.setText(before);
  }

  void CheckEveryText() {
    QStringList announcements{TMainForm::OutcomeText(RankOrder::FirstBetter),
                              TMainForm::OutcomeText(RankOrder::SecondBetter),
                              TMainForm::OutcomeText(RankOrder::Equal)};
    for (int cards = 0; cards <= 4; ++cards) {
      announcements.append(TMainForm::DealerTakesText(cards));
    }
    CheckEach(*form_.MainLabl, announcements, form_, "every-announcement");
    QStringList hands;
    for (std::int32_t category = Pair; category <= RoyalFlush; ++category) {
      hands.append(HandCategoryWord(category));
    }
    CheckEach(*form_.DlrLabl, hands, form_, "every-dealer-hand");
    CheckEach(*form_.PlrLabl, hands, form_, "every-player-hand");
    // Five digits: a bank grown twenty-fold from the largest start.
    constexpr std::int32_t Large = 99999;
    CheckEach(*form_.BetLabl,
              {TMainForm::WelcomeText(), TMainForm::PlaceBetText(), TMainForm::PotText(Large)},
              form_, "every-headline");
    CheckEach(*form_.CaptionBar, TMainForm::StatusTexts(), form_, "every-status");
    CheckEach(*form_.LastBetLabl, {TMainForm::LastBetText(Large)}, form_, "every-last-bet");
    CheckEach(*form_.BankLabl, {TMainForm::BankText(0), TMainForm::BankText(Large)}, form_,
              "every-bank");

    platform_.onModal = [this](QDialog& dialog) {
      auto& help = static_cast<THelpBox&>(dialog);
      Child<QTabWidget>(dialog, "PageControl").setCurrentIndex(1);
      const std::array<void (THelpBox::*)(), 10> examples{
          &THelpBox::RoyalFlushClick,   &THelpBox::StraightFlushClick, &THelpBox::FourOfAKindClick,
          &THelpBox::FullHouseClick,    &THelpBox::FlushClick,         &THelpBox::StraightClick,
          &THelpBox::ThreeOfAKindClick, &THelpBox::TwoPairClick,       &THelpBox::PairClick,
          &THelpBox::HighCardClick};
      for (std::size_t i = 0; i < examples.size(); ++i) {
        (help.*examples[i])();
        shoot_.Check(dialog, QStringLiteral("help-hand-rank-%1").arg(i + 1));
      }
    };
    form_.ContentsClick();

    // The longest descriptions are those of each category with every rank and suit.
    QStringList descriptions;
    for (std::int32_t category = HighCard; category <= RoyalFlush; ++category) {
      for (std::int32_t rank = 0; rank < 13; ++rank) {
        for (std::int32_t suit = 1; suit <= 4; ++suit) {
          descriptions.append(
              HandDescriptionText({category, rank, (rank + 12) % 13, 0, 0, 0, suit}));
        }
      }
    }
    descriptions.removeDuplicates();
    platform_.onModal = [this, &descriptions](QDialog& dialog) {
      CheckEach(Child<QLabel>(dialog, "plrBestLabl"), descriptions, dialog, "every-best-hand");
      CheckEach(Child<QLabel>(dialog, "dlrBestLabl"), descriptions, dialog, "every-best-hand");
    };
    form_.ViewStatsClick();
    platform_.onModal = nullptr;
  }

  ScriptedPlatform& platform_;
  GameState& state_;
  ProgramWindows& windows_;
  TMainForm& form_;
  Shooter& shoot_;
  QTemporaryDir scratch_;
  // Hands after the first are dealt at plausible moments of today, so the clocks read true.
  std::int64_t nextSeconds_ = 1796600000;
};

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    QTextStream(stderr) << "usage: velmora-screenshots OUTPUT_FOLDER | --check-fit\n";
    return 2;
  }
  // In the desktop's language, as the game would be.
  const velmora::Translations translations;
  const QString argument = QString::fromLocal8Bit(argv[1]);
  const bool checking = argument == QLatin1String("--check-fit");
  velmora::Shooter shoot = checking ? velmora::Shooter::Checking() : velmora::Shooter(argument);
  velmora::ScriptedPlatform platform;
  velmora::GameState state;
  velmora::ProgramWindows windows(platform, state);
  shoot.Quieten(windows.MainForm());
  velmora::Session(platform, state, windows, shoot).Run();
  if (checking) {
    QTextStream out(stdout);
    const QString language =
        translations.Language().isEmpty() ? QStringLiteral("en") : translations.Language();
    for (const QString& fault : shoot.faults()) {
      out << language << ": " << fault << "\n";
    }
    out << language << " at scale " << qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"))
        << ": " << shoot.faults().size() << " texts that do not fit\n";
    return shoot.faults().isEmpty() ? 0 : 1;
  }
  return 0;
}
