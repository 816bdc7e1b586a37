#include "dialogs/ExitDlg.h"

#include "hand/GameState.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace velmora {

TExitDlg::TExitDlg(Platform& /*platform: the dialog asks nothing of its own*/, GameState& state,
                   std::function<void()> showStatistics, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state),
      showStatistics_(std::move(showStatistics)) {
  setObjectName("ExitDlg");
  setWindowTitle(tr("Bankrupt!"));
  setFont(look::MsSansSerif(11));
  setFixedSize(372, 176);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(0, 0, 372, 2);

  Panel1 = widgets::MakeBevelPanel(*this, "Panel1", {2, 10, 280, 156}, widgets::Bevel::Raised);
  Image1 = widgets::MakePicture(*Panel1, "Image1", {2, 5, 275, 150});
  Image1->setPixmap(FixedPictureImage(FixedPicture::BankruptPicture));
  // An olive frame around the picture and a bar that sets off its right-hand column.
  widgets::MakePanel(*Panel1, {1, 1, 278, 4}, look::Olive);
  widgets::MakePanel(*Panel1, {1, 151, 278, 4}, look::Olive);
  widgets::MakePanel(*Panel1, {1, 1, 4, 154}, look::Olive);
  widgets::MakePanel(*Panel1, {275, 1, 4, 154}, look::Olive);
  widgets::MakePanel(*Panel1, {228, 1, 4, 154}, look::Olive);

  // A control of the dialog itself that lies over the picture, not one of the
  // picture's panel: its place counts from the dialog's corner.
  NewGameBtn = new QPushButton(tr("&New Game"), this);
  NewGameBtn->setObjectName("NewGameBtn");
  NewGameBtn->setGeometry(133, 124, 75, 25);
  connect(NewGameBtn, &QPushButton::clicked, this, &TExitDlg::NewGameBtnClick);

  Panel6 = widgets::MakeBevelPanel(*this, "Panel6", {283, 10, 86, 156}, widgets::Bevel::Raised);
  ViewStatsBtn = new QPushButton(tr("View &Stats"), Panel6);
  ViewStatsBtn->setObjectName("ViewStatsBtn");
  ViewStatsBtn->setGeometry(7, 8, 73, 25);
  connect(ViewStatsBtn, &QPushButton::clicked, this, &TExitDlg::ViewStatsBtnClick);
  ExitBtn = new QPushButton(tr("E&xit"), Panel6);
  ExitBtn->setObjectName("ExitBtn");
  ExitBtn->setGeometry(7, 40, 73, 25);
  connect(ExitBtn, &QPushButton::clicked, this, &TExitDlg::ExitBtnClick);
  const QColor text = palette().color(QPalette::WindowText);
  StaticText3 =
      widgets::MakeLabel(*Panel6, "StaticText3", tr("Thanks for playing"), {10, 66, 65, 12}, text,
                         look::ArialNarrow(9), Qt::AlignHCenter | Qt::AlignTop);
  Image2 = new QLabel(Panel6);
  Image2->setObjectName("Image2");
  Image2->setGeometry(30, 81, 32, 32);
  Image2->setPixmap(FixedPictureImage(FixedPicture::BankruptIcon));
  StaticText1 = widgets::MakeLabel(*Panel6, "StaticText1", tr("Velmora! "), {20, 115, 53, 12}, text,
                                   look::ArialNarrow(9), Qt::AlignHCenter | Qt::AlignTop);
}

void TExitDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  look::CentreWhenOpened(*this, *event);
  UpdateValuesClick();
}

void TExitDlg::UpdateValuesClick() {
  bankruptChoseNewGame_ = false;
  NewGameBtn->setFocus();
}

void TExitDlg::NewGameBtnClick() {
  bankruptChoseNewGame_ = true;
  accept();
}

void TExitDlg::ExitBtnClick() {
  reject();
}

void TExitDlg::ViewStatsBtnClick() {
  // The statistics shown, and any file saved from them, count the bankruptcy
  // that New Game is about to count for good.
  state_.Statistics.BankruptCount += 1;
  if (showStatistics_) {
    showStatistics_();
  }
  state_.Statistics.BankruptCount -= 1;
  NewGameBtn->setFocus();
}

}  // namespace velmora
