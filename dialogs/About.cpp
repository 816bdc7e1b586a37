#include "dialogs/About.h"

#include "dialogs/help/LicenseText.h"
#include "dialogs/help/Paragraphs.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

#include <span>

namespace velmora {

namespace {

QPushButton* OkButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(TAbout::tr("&OK"), parent);
  button->setObjectName(name);
  button->setGeometry(360, 258, 65, 25);
  return button;
}

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("About");
  setWindowTitle(tr("About Velmora"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(look::MsSansSerif(11));
  setFixedSize(441, 322);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(0, 0, 441, 321);
  VersionTab = new QWidget;
  VersionTab->setObjectName("VersionTab");
  LicenseTab = new QWidget;
  LicenseTab->setObjectName("LicenseTab");
  PageControl1->addTab(VersionTab, tr("Version"));
  PageControl1->addTab(LicenseTab, tr("License"));
  BuildVersionPage();
  BuildLicensePage();

  FormCreate();
}

void TAbout::BuildVersionPage() {
  QFrame* panel = widgets::MakeBevelPanel(*VersionTab, "Panel2", {0, 0, 432, 290},
                                          widgets::Bevel::WindowRaised);

  QLabel* logo = widgets::MakePicture(*panel, "Image1", {5, 4, 422, 281});
  logo->setAlignment(Qt::AlignCenter);
  logo->setPixmap(FixedPictureImage(FixedPicture::Logo));

  widgets::MakePanel(*panel, {2, 1, 429, 4}, look::Olive, false, "Panel3");
  widgets::MakePanel(*panel, {2, 285, 429, 4}, look::Olive, false, "Panel4");
  widgets::MakePanel(*panel, {1, 2, 4, 287}, look::Olive, false, "Panel5");
  widgets::MakePanel(*panel, {427, 2, 4, 287}, look::Olive, false, "Panel6");

  Button1 = OkButton(panel, "Button1");
  connect(Button1, &QPushButton::clicked, this, &TAbout::OKBtnClick);
}

void TAbout::BuildLicensePage() {
  QFrame* panel =
      widgets::MakeBevelPanel(*LicenseTab, "Panel", {0, 0, 433, 293}, widgets::Bevel::WindowRaised);

  LicenseRE = new QTextEdit(panel);
  LicenseRE->setObjectName("LicenseRE");
  LicenseRE->setGeometry(8, 8, 417, 233);
  LicenseRE->setReadOnly(true);
  LicenseRE->setUndoRedoEnabled(false);
  LicenseRE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  look::SetBackground(*LicenseRE, LicenseRE->palette().color(QPalette::Button));

  const auto& lines = help::AboutLicenseLines();
  std::array<help::Paragraph, help::LicenseLineCount> paragraphs{};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    paragraphs[i] = {help::Ink::Black, lines[i]};
  }
  const std::span<const help::Paragraph> all(paragraphs);
  help::AppendParagraphs(*LicenseRE, all.first(help::LicenseHeaderLines), Qt::AlignHCenter);
  help::AppendParagraphs(*LicenseRE, all.subspan(help::LicenseHeaderLines));
  LicenseRE->moveCursor(QTextCursor::Start);

  auto* rule = new QFrame(panel);
  rule->setObjectName("Panel1");
  rule->setGeometry(8, 248, 417, 2);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  OKBtn = OkButton(panel, "OKBtn");
  connect(OKBtn, &QPushButton::clicked, this, &TAbout::OKBtnClick);
}

void TAbout::showEvent(QShowEvent* event) {
  // A window coming back from the task bar is not a new opening.
  if (look::CentreWhenOpened(*this, *event)) {
    FormCreate();
  }
  QDialog::showEvent(event);
}

void TAbout::FormCreate() {
  PageControl1->setCurrentWidget(VersionTab);
}

void TAbout::OKBtnClick() {
  accept();
}

}  // namespace velmora
