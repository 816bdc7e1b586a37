#include "table/HintWindow.h"

#include "media/GameWords.h"
#include "media/Look.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

constexpr int Gap = 8;
constexpr int MostRowsShown = 10;

}  // namespace

THintWindow::THintWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("HintWindow");
  setWindowTitle(tr("Hint"));
  setFont(look::MsSansSerif(11));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  Choices = new QListWidget(this);
  Choices->setObjectName("Choices");
  Choices->setSelectionMode(QAbstractItemView::SingleSelection);
  Choices->setUniformItemSizes(true);
  Choices->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Choices->setAccessibleName(tr("discard choices, best first"));
  layout->addWidget(Choices);
  // A double click takes a choice as Enter does.
  connect(Choices, &QListWidget::itemActivated, this, &THintWindow::TakeSelected);
}

void THintWindow::ShowChoices(const Hand& hand, const std::vector<DiscardChoice>& choices) {
  choices_ = choices;
  Choices->clear();
  for (const DiscardChoice& choice : choices_) {
    Choices->addItem(ChoiceText(hand, choice));
  }
  if (!choices_.empty()) {
    Choices->setCurrentRow(0);
  }
  Choices->setFocus();

  // As wide as the longest line, as high as ten of them; the rest scroll.
  // Measured in the font and style the list is drawn with.
  Choices->ensurePolished();
  const int rows = std::min(Choices->count(), MostRowsShown);
  const int frame = 2 * Choices->frameWidth();
  const int width =
      Choices->sizeHintForColumn(0) + frame + Choices->verticalScrollBar()->sizeHint().width();
  const int height = rows * Choices->sizeHintForRow(0) + frame;
  Choices->setFixedSize(width, height);
  setFixedSize(sizeHint());
}

QString THintWindow::ChoiceText(const Hand& hand, const DiscardChoice& choice) {
  QStringList cards;
  for (std::size_t p = 0; p < 5; ++p) {
    if (choice.discards[p] == 1) {
      cards.append(CardWords(hand[p]));
    }
  }
  //: Joins the names of the cards to discard.
  const QString what =
      cards.isEmpty() ? tr("Stand pat") : tr("Discard %1").arg(cards.join(tr(", ")));
  // One decimal and a point, as the advice's own English has them.
  const auto percent = [](double chance) { return QString::number(100.0 * chance, 'f', 1); };
  //: %1 the discard, %2..%4 the chances of winning, pushing and losing in percent.
  return tr("%1 — wins %2 %, pushes %3 %, loses %4 %")
      .arg(what, percent(choice.win), percent(choice.push), percent(choice.lose));
}

const DiscardChoice& THintWindow::SelectedChoice() const {
  return choices_.at(static_cast<std::size_t>(Choices->currentRow()));
}

void THintWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    TakeSelected();
    return;
  }
  QDialog::keyPressEvent(event);
}

void THintWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window is worked by keys alone: it takes the keyboard itself, also
  // where no window manager hands it over.
  activateWindow();
}

void THintWindow::TakeSelected() {
  const int row = Choices->currentRow();
  if (row >= 0 && static_cast<std::size_t>(row) < choices_.size()) {
    accept();
  }
}

void PlaceBeside(QWidget& window, const QWidget& table) {
  const QRect outer = table.frameGeometry();
  const QScreen* screen =
      table.screen() != nullptr ? table.screen() : QGuiApplication::primaryScreen();
  const QRect room = screen->availableGeometry();
  // The frame adds to the window's size once the window system has decorated it.
  const QSize size = window.frameGeometry().size().expandedTo(window.size());
  QPoint place(outer.right() + 1 + Gap, outer.top());
  if (place.x() + size.width() > room.right() + 1) {
    place.setX(outer.left() - Gap - size.width());
  }
  if (place.x() < room.left()) {
    // No room at either side: over the top of the table, where the house's
    // cards lie face down while the player chooses, and the player's stay in view.
    place.setX(outer.center().x() - size.width() / 2);
  }
  place.setX(
      std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
  place.setY(
      std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
  window.move(place);
}

}  // namespace velmora
