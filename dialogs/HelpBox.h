// HelpBox: the built-in help with its topics and the ten hand-rank examples.
#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace velmora {

class ClickableImage;

namespace help {
enum class HelpTopic;
}

class THelpBox : public QDialog {
  Q_OBJECT
 public:
  explicit THelpBox(QWidget* parent = nullptr);

  // Puts the window back to its start: "Help Contents", the start panel and
  // every link blue. Runs each time the window is shown.
  void FormCreate();
  void OKBtnClick();

  // Topic links of the "Help Contents" page.
  void OverviewClick();
  void BetClick();
  void DealLablClick();
  void DrawLablClick();
  void ShowdownLablClick();
  void SelectaDeckLablClick();
  void GameStatsLablClick();
  void SaveStatsClick();
  void LicenseLablClick();
  void ContactLablClick();

  // Links of the "Hand Rankings" page.
  void RoyalFlushClick();
  void StraightFlushClick();
  void FourOfAKindClick();
  void FullHouseClick();
  void FlushClick();
  void StraightClick();
  void ThreeOfAKindClick();
  void TwoPairClick();
  void PairClick();
  void HighCardClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildContentsPage();
  void BuildHandRankPage();
  void BuildStartPanel();
  void BuildHandRankPanel();
  void ShowTopic(help::HelpTopic topic);
  void ShowHandRank(int example);

  QTabWidget* PageControl = nullptr;
  QWidget* HelpContentsTab = nullptr;
  QWidget* HandRankTab = nullptr;

  // Links and their icons, in the order of the pages (topics by help::HelpTopic,
  // hand ranks best first).
  std::array<ClickableImage*, 10> topicLinks_{};
  std::array<ClickableImage*, 10> topicIcons_{};
  std::array<ClickableImage*, 10> rankLinks_{};
  std::array<ClickableImage*, 10> rankIcons_{};
  std::array<QLabel*, 5> headingIcons_{};

  QTextEdit* ShowHelpRE = nullptr;

  QFrame* HandPanl = nullptr;
  std::array<QLabel*, 5> fan_{};  // Image1 .. Image5

  QFrame* HandRankPanl = nullptr;
  QLabel* RankStringLabl = nullptr;
  QTextEdit* HandRankRE = nullptr;
  std::array<QLabel*, 5> rankCards_{};  // RankCard0 .. RankCard4
  QLabel* TableLabl = nullptr;

  QPushButton* OKBtn = nullptr;
};

}  // namespace velmora
