#include "dialogs/IntroDlg.h"

#include "hand/GameStart.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Platform.h"
#include "media/Widgets.h"
#include "stats/CharacterCount.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <string_view>

namespace velmora {

namespace {

constexpr std::size_t MaxNameLength = 10;
constexpr int DeckCount = 10;

// The stand-in for the dialog face runs wider than the face the dialog was laid
// out for; narrow a caption that would otherwise lose its end.
void FitWidth(QLabel& label) {
  label.setFont(widgets::NarrowedToFit(label.font(), label.width(), [&label](const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(label.text());
  }));
}

// The same for a radio button or check box: its caption narrowed until it
// fits the room its style leaves beside the indicator, so that the button
// keeps its defined width.
void FitCaption(QAbstractButton& button, QStyle::SubElement contents) {
  QStyleOptionButton option;
  option.initFrom(&button);
  const int room = button.style()->subElementRect(contents, &option, &button).width();
  const QString caption = button.text().trimmed();
  button.setFont(widgets::NarrowedToFit(button.font(), room, [&](const QFont& font) {
    return QFontMetricsF(font, &button).horizontalAdvance(caption);
  }));
}

}  // namespace

TIntroDlg::TIntroDlg(Platform& platform, GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      state_(state) {
  setObjectName("IntroDlg");
  setWindowTitle(tr("Welcome to Velmora"));
  setFont(look::MsSansSerif(11));
  setFixedSize(380, 209);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 281, 161);

  const QColor text = palette().color(QPalette::WindowText);
  Label1 = widgets::MakeLabel(*this, "Label1", tr("Welcome to Velmora!"), {16, 16, 185, 19}, text,
                              look::TimesNewRoman(16, true));
  Label2 = widgets::MakeLabel(*this, "Label2", tr("Please enter your name:"), {24, 48, 114, 13},
                              text, font());
  FitWidth(*Label2);

  PlrNameEdit = new QLineEdit(this);
  PlrNameEdit->setObjectName("PlrNameEdit");
  PlrNameEdit->setGeometry(144, 40, 129, 21);
  connect(PlrNameEdit, &QLineEdit::textChanged, this, &TIntroDlg::KeepNameOnOneLine);

  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(16, 64, 265, 97);
  StartBankLabl =
      widgets::MakeLabel(*GroupBox1, "StartBankLabl", tr("Select Starting Bank Amount:"),
                         {6, 12, 251, 19}, text, look::TimesNewRoman(16, true));
  RBbank0 = new QRadioButton("$100", GroupBox1);
  RBbank0->setObjectName("RBbank0");
  RBbank0->setGeometry(8, 32, 65, 17);
  RBbank1 = new QRadioButton("$1,000", GroupBox1);
  RBbank1->setObjectName("RBbank1");
  RBbank1->setGeometry(8, 48, 57, 17);
  RBbank1->setChecked(true);
  RBbank2 = new QRadioButton("$5,000", GroupBox1);
  RBbank2->setObjectName("RBbank2");
  RBbank2->setGeometry(8, 64, 65, 17);
  for (QRadioButton* bank : {RBbank0, RBbank1, RBbank2}) {
    FitCaption(*bank, QStyle::SE_RadioButtonContents);
  }
  connect(RBbank0, &QRadioButton::clicked, this, &TIntroDlg::RBbank0Click);
  connect(RBbank1, &QRadioButton::clicked, this, &TIntroDlg::RBbank1Click);
  connect(RBbank2, &QRadioButton::clicked, this, &TIntroDlg::RBbank2Click);

  ClickCardLabl = widgets::MakeLabel(*this, "ClickCardLabl", tr("Click card"), {292, 8, 81, 13},
                                     text, font(), Qt::AlignHCenter | Qt::AlignTop);
  Label3 = widgets::MakeLabel(*this, "Label3", tr("to select a deck"), {293, 20, 81, 13}, text,
                              font(), Qt::AlignHCenter | Qt::AlignTop);
  FitWidth(*ClickCardLabl);
  FitWidth(*Label3);

  Panel1 = widgets::MakePanel(*this, {293, 36, 82, 105}, look::Green, false, "Panel1");
  widgets::SetBevel(*Panel1, widgets::Bevel::Raised);
  CardPic = widgets::MakeClickablePicture(*Panel1, "CardPic", {6, 5, 71, 96});
  CardPic->setAlignment(Qt::AlignCenter);
  CardPic->setCursor(Qt::PointingHandCursor);
  // Fast clicking steps through the backs one per click.
  connect(CardPic, &ClickableImage::clicked, this, &TIntroDlg::CardChangeClick);
  // The back Enter deals with. Not the table's back: the dialog is built when
  // the splash ends, and the Decks dialog may have changed that one by then.
  ShowImage(*CardPic, BackImageId(WelcomeDeckIndex));

  RandDeckChk = new QCheckBox(tr("Randomize"), this);
  RandDeckChk->setObjectName("RandDeckChk");
  RandDeckChk->setGeometry(296, 144, 80, 17);
  FitCaption(*RandDeckChk, QStyle::SE_CheckBoxContents);
  // Reachable by the mouse only: Tab goes from the buttons straight back to the name.
  RandDeckChk->setFocusPolicy(Qt::ClickFocus);

  SoundCheck = new QCheckBox(tr("Sound "), this);
  SoundCheck->setObjectName("SoundCheck");
  SoundCheck->setGeometry(44, 184, 57, 17);
  SoundCheck->setChecked(true);

  Quit = new QPushButton(tr("E&xit"), this);
  Quit->setObjectName("Quit");
  Quit->setGeometry(214, 176, 75, 25);
  Quit->setAutoDefault(false);
  connect(Quit, &QPushButton::clicked, this, &TIntroDlg::QuitClick);

  OK = new QPushButton(tr("&Enter "), this);
  OK->setObjectName("OK");
  OK->setGeometry(299, 176, 75, 25);
  // Return in the name field starts the game rather than pressing Exit.
  OK->setDefault(true);
  connect(OK, &QPushButton::clicked, this, &TIntroDlg::OKClick);

  Image2 = widgets::MakePicture(*this, "Image2", {252, 17, 32, 32});
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(FixedPictureImage(FixedPicture::WelcomeIconTop));
  Image1 = widgets::MakePicture(*this, "Image1", {10, 171, 32, 32});
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(FixedPictureImage(FixedPicture::WelcomeIconBottom));
}

void TIntroDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  look::CentreWhenOpened(*this, *event);
  BetSetResetClick();
}

void TIntroDlg::BetSetResetClick() {
  welcomeAccepted_ = false;
  PlrNameEdit->setFocus();
}

void TIntroDlg::KeepNameOnOneLine(const QString& text) {
  // Pasting can bring line breaks and tabs into the field. The name is one
  // line of the statistics file, so they are dropped as they arrive.
  QString oneLine = text;
  oneLine.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
  if (oneLine.size() != text.size()) {
    const int cursor =
        PlrNameEdit->cursorPosition() - static_cast<int>(text.size() - oneLine.size());
    PlrNameEdit->setText(oneLine);
    PlrNameEdit->setCursorPosition(std::max(0, cursor));
  }
}

void TIntroDlg::CardChangeClick() {
  if (RandDeckChk->isChecked()) {
    return;
  }
  WelcomeDeckIndex = (WelcomeDeckIndex + 1) % DeckCount;
  ShowImage(*CardPic, BackImageId(WelcomeDeckIndex));
}

void TIntroDlg::RBbank0Click() {
  RBbank0->setChecked(true);
}
void TIntroDlg::RBbank1Click() {
  RBbank1->setChecked(true);
}
void TIntroDlg::RBbank2Click() {
  RBbank2->setChecked(true);
}

void TIntroDlg::OKClick() {
  const QString name = PlrNameEdit->text();
  // Counted in characters, not bytes or UTF-16 units, the way the statistics
  // file counts the name when it is read back.
  const QByteArray utf8 = name.toUtf8();
  if (CountCharacters(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))) >
      MaxNameLength) {
    ShowError(platform_, this, tr("Illegal Name Entry"),
              tr("Name must be 10 letters or less.\n        Try Again.."));
    PlrNameEdit->setFocus();
    return;
  }
  const int startingBank = RBbank0->isChecked() ? 100 : RBbank1->isChecked() ? 1000 : 5000;
  StartGame(state_, {.playerName = name.toStdString(),
                     .startingBank = startingBank,
                     .soundOn = SoundCheck->isChecked(),
                     .randomBacks = RandDeckChk->isChecked(),
                     .backId = BackImageId(WelcomeDeckIndex)});
  welcomeAccepted_ = true;
  accept();
}

void TIntroDlg::QuitClick() {
  reject();
}

}  // namespace velmora
