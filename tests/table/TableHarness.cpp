#include "TableHarness.h"

#include "ClickableImage.h"
#include "Images.h"
#include "IntroDlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <utility>

namespace velmora::testing {

FirstDeal SimulateFirstDeal(std::int64_t seconds) {
  FirstDeal deal;
  deal.deck = InitialDeckGrid();
  RandomSource random;
  Shuffle(deal.deck, random, [seconds] { return seconds; });
  std::int32_t next = 1;
  DealHands(deal.deck, next, deal.player, deal.dealer);
  return deal;
}

int DealerDrawAfterPat(const FirstDeal& deal) {
  Hand dealer = deal.dealer;
  RankCounts counts{};
  HandRank rank{};
  std::int32_t next = 11;
  return ChooseDealerDraw(deal.deck, InitialDeckPositions(), dealer, counts, rank, next);
}

std::int64_t FindSeconds(const std::function<bool(const FirstDeal&)>& predicate) {
  std::int64_t seconds = 1;
  while (seconds < 200000 && !predicate(SimulateFirstDeal(seconds))) {
    ++seconds;
  }
  return seconds;
}

std::array<QLabel*, 5> PlayerImages(const TMainForm& form) {
  return {form.PlrCard0, form.PlrCard1, form.PlrCard2, form.PlrCard3, form.PlrCard4};
}
std::array<QLabel*, 5> DealerImages(const TMainForm& form) {
  return {form.DlrCard0, form.DlrCard1, form.DlrCard2, form.DlrCard3, form.DlrCard4};
}
std::array<QLabel*, 5> SlotImages(const TMainForm& form) {
  return {form.MoneySlot0, form.MoneySlot1, form.MoneySlot2, form.MoneySlot3, form.MoneySlot4};
}

int ShownId(const QLabel& image) {
  const QImage picture = image.pixmap().toImage();
  if (picture.isNull()) {
    return 0;
  }
  static std::map<int, QImage> pictures;
  for (int id = 1; id < BackImageId(10); ++id) {
    if (id > KingOfHeartsAltImageId && id < BackImageId(0)) {
      continue;
    }
    auto found = pictures.find(id);
    if (found == pictures.end()) {
      found = pictures.emplace(id, ImageById(id).toImage()).first;
    }
    if (found->second == picture) {
      return id;
    }
  }
  return -1;
}

Ids Shown(const std::array<QLabel*, 5>& images) {
  Ids ids;
  for (const QLabel* image : images) {
    ids.push_back(ShownId(*image));
  }
  return ids;
}

Table::Table(bool withSounds) : previousFolder(QDir::currentPath()) {
  if (withSounds) {
    QDir(folder.path()).mkdir("sounds");
    for (const char* name :
         {"shuffle.wav", "cardflip.wav", "plrwin.wav", "bethatch.wav", "bust.wav"}) {
      QFile(folder.filePath(QStringLiteral("sounds/") + name)).open(QIODevice::WriteOnly);
    }
  }
  QDir::setCurrent(folder.path());
  windows = std::make_unique<ProgramWindows>(platform, state);
  form = &windows->MainForm();
}

Table::~Table() {
  windows.reset();
  QDir::setCurrent(previousFolder);
}

void Table::Start(int bank, bool sound) {
  platform.onModal = [bank, sound](QDialog& dialog) {
    const std::array<const char*, 3> banks{"RBbank0", "RBbank1", "RBbank2"};
    dialog.findChild<QRadioButton*>(banks.at(static_cast<std::size_t>(bank)))->setChecked(true);
    dialog.findChild<QCheckBox*>("SoundCheck")->setChecked(sound);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
  };
  form->SplashTimeTimer();
  platform.onModal = nullptr;
  RunHatch();
}

int Table::RunHatch() {
  int ticks = 0;
  while (form->OpenHatch.isActive() && ticks < 1000) {
    form->OpenHatchTimer();
    ++ticks;
  }
  return ticks;
}

void Table::TypeBet(const QString& text) {
  QTest::keyClicks(form->BetEdit, text);
}

void Table::PressDeal() {
  QTest::mouseClick(form->Bet, Qt::LeftButton);
}

void Table::ClickCard(int position) {
  QTest::mouseClick(PlayerImages(*form).at(static_cast<std::size_t>(position)), Qt::LeftButton);
}

void Table::PressDraw() {
  QTest::mouseClick(form->Draw, Qt::LeftButton);
}

void Table::Deal(const QString& bet) {
  TypeBet(bet);
  PressDeal();
  RunChain();
}

std::string Table::Step(const std::string& stopAt) {
  const std::array<std::pair<const char*, std::pair<QTimer*, void (TMainForm::*)()>>, 6> chain{{
      {"DealDelay", {&form->DealDelay, &TMainForm::DealDelayTimer}},
      {"PlrReplATimer", {&form->PlrReplATimer, &TMainForm::PlrReplATimerTimer}},
      {"DlrDraw", {&form->DlrDraw, &TMainForm::DlrDrawTimer}},
      {"DlrReplA", {&form->DlrReplA, &TMainForm::DlrReplATimer}},
      {"DlrShow", {&form->DlrShow, &TMainForm::DlrShowTimer}},
      {"pickAwinner", {&form->pickAwinner, &TMainForm::pickAwinnerTimer}},
  }};
  for (const auto& [name, timer] : chain) {
    if (timer.first->isActive()) {
      if (name == stopAt) {
        return {};
      }
      (form->*timer.second)();
      return name;
    }
  }
  return {};
}

std::map<std::string, int> Table::RunChain(const std::string& stopAt) {
  std::map<std::string, int> ticks;
  for (int guard = 0; guard < 100; ++guard) {
    const std::string name = Step(stopAt);
    if (name.empty()) {
      break;
    }
    ++ticks[name];
  }
  return ticks;
}

void Table::PlayHand(const QString& bet, const std::vector<int>& discards) {
  Deal(bet);
  for (const int position : discards) {
    ClickCard(position);
  }
  PressDraw();
  RunChain();
}

void Table::ToShowdown(const QString& bet, const Hand& player, const Hand& dealer, bool settle) {
  Deal(bet);
  PressDraw();
  RunChain("pickAwinner");
  state.PlayerHand = player;
  state.DealerHand = dealer;
  state.PlayerDealtRank = EvaluateHand(player);
  state.DealerDealtRank = EvaluateHand(dealer);
  if (settle) {
    form->pickAwinnerTimer();
  }
}

std::vector<std::string> Table::TakeSoundEvents() {
  return std::exchange(platform.sound.events, {});
}

}  // namespace velmora::testing
