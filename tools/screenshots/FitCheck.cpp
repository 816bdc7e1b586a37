#include "tools/screenshots/FitCheck.h"

#include "media/Widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// Rounding of glyph positions at another scale may add a fraction of a pixel.
constexpr qreal Slack = 0.5;
// Lines of text set one under the other may share the pixel below the
// descent, where no glyph reaches.
constexpr qreal NeighbourSlack = 1.0;

QString Name(const QWidget& widget) {
  const QString name = widget.objectName();
  return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget.metaObject()->className()),
                                     name.isEmpty() ? QStringLiteral("(unnamed)") : name);
}

QString Shown(const QString& text) {
  QString shown = text;
  return shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

bool Showing(const QWidget& widget, const QWidget& window) {
  return widget.isVisibleTo(&window) && widget.width() > 0 && widget.height() > 0;
}

// The size the text takes in the font, line by line, as a label lays it out.
QSizeF TextSize(const QString& text, const QFont& font, const QWidget& widget) {
  const auto lines = static_cast<qreal>(text.count(QLatin1Char('\n')) + 1);
  return {widgets::WidestLine(text, font, widget), QFontMetricsF(font, &widget).height() * lines};
}

// The rectangle a text of `size` takes inside `room` with the alignment.
QRectF Placed(const QSizeF& size, const QRectF& room, Qt::Alignment alignment) {
  qreal left = room.left();
  if (alignment & Qt::AlignRight) {
    left = room.right() - size.width();
  } else if (alignment & Qt::AlignHCenter) {
    left = room.center().x() - size.width() / 2;
  }
  qreal top = room.top();
  if (alignment & Qt::AlignBottom) {
    top = room.bottom() - size.height();
  } else if (alignment & Qt::AlignVCenter) {
    top = room.center().y() - size.height() / 2;
  }
  return {QPointF(left, top), size};
}

bool IsPlainLabel(const QLabel& label) {
  const QString text = label.text();
  return !text.isEmpty() && label.textFormat() != Qt::RichText &&
         !(label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
}

// Where a label draws its text, in its own coordinates: one or more lines,
// aligned in its contents; a wrapped text fills the width it wraps in.
QRectF LabelTextRect(const QLabel& label) {
  const QRectF room(label.contentsRect());
  // A label without a buddy shows an ampersand as it is.
  const QString text =
      label.buddy() != nullptr ? widgets::WithoutAccelerators(label.text()) : label.text();
  QSizeF size;
  if (label.wordWrap()) {
    size = QSizeF(room.width(), label.heightForWidth(label.width()) -
                                    (label.height() - label.contentsRect().height()));
  } else {
    size = TextSize(text, label.font(), label);
    // Only the lines' ink matters to a reader: a single line may fill its
    // label down into the leading below the descent.
    const QFontMetricsF metrics(label.font(), &label);
    if (size.height() > room.height()) {
      const qreal ink = size.height() - metrics.descent() / 2;
      size.setHeight(std::min(size.height(), std::max(ink, room.height())));
    }
  }
  return Placed(size, room, label.alignment());
}

// What a sibling shows that a text must not cover, in its parent's
// coordinates; empty for what only lies behind.
QRectF ShownArea(const QWidget& sibling, bool later) {
  if (const auto* label = qobject_cast<const QLabel*>(&sibling)) {
    if (IsPlainLabel(*label)) {
      return LabelTextRect(*label).translated(label->pos());
    }
    const bool picture = !label->pixmap().isNull();
    return later && picture ? QRectF(sibling.geometry()) : QRectF();
  }
  if (qobject_cast<const QAbstractButton*>(&sibling) != nullptr ||
      qobject_cast<const QLineEdit*>(&sibling) != nullptr) {
    return QRectF(sibling.geometry());
  }
  return QRectF();
}

class Checker {
 public:
  Checker(const QWidget& window, QString scene) : window_(window), scene_(std::move(scene)) {}

  QStringList Run() {
    Visit(window_);
    return faults_;
  }

 private:
  void Fault(const QWidget& widget, const QString& text, const QString& what) {
    faults_.append(
        QStringLiteral("%1: %2 \"%3\": %4").arg(scene_, Name(widget), Shown(text), what));
  }

  void Visit(const QWidget& widget) {
    if (&widget != &window_ && !Showing(widget, window_)) {
      return;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
      CheckLabel(*label);
    } else if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
      CheckIndicatorButton(*check, QStyle::SE_CheckBoxContents);
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
      CheckIndicatorButton(*radio, QStyle::SE_RadioButtonContents);
    } else if (const auto* push = qobject_cast<const QPushButton*>(&widget)) {
      CheckPushButton(*push);
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
      CheckGroupTitle(*group);
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
      CheckTabs(*tabs);
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
      CheckMenuBar(*bar);
    } else if (const auto* view = qobject_cast<const QTextEdit*>(&widget)) {
      CheckTextView(*view);
    }
    for (const QObject* child : widget.children()) {
      if (const auto* inner = qobject_cast<const QWidget*>(child); inner && !inner->isWindow()) {
        Visit(*inner);
      }
    }
  }

  // The text's own rectangle in its widget must stay inside the widget and
  // every widget around it up to the window, which clip it, and clear of
  // the neighbours drawn over it.
  void CheckPlaced(const QWidget& widget, const QString& text, const QRectF& placed) {
    const QRectF own(widget.rect());
    if (!own.adjusted(-Slack, -Slack, Slack, Slack).contains(placed)) {
      Fault(widget, text,
            QStringLiteral("needs %1 x %2 pixels, has %3 x %4")
                .arg(std::ceil(placed.width()))
                .arg(std::ceil(placed.height()))
                .arg(widget.width())
                .arg(widget.height()));
      return;
    }
    QRectF inAncestor = placed.translated(widget.pos());
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr && !widget.isWindow();
         parent = parent->parentWidget()) {
      if (!QRectF(parent->rect()).adjusted(-Slack, -Slack, Slack, Slack).contains(inAncestor)) {
        Fault(widget, text, QStringLiteral("runs out of %1").arg(Name(*parent)));
        return;
      }
      if (parent == &window_ || parent->isWindow()) {
        break;
      }
      inAncestor.translate(parent->pos());
    }
    CheckNeighbours(widget, text, placed.translated(widget.pos()));
  }

  // A later sibling is drawn over the text; one that shows a text of its
  // own, or a control, must not share its room with it either.
  void CheckNeighbours(const QWidget& widget, const QString& text, const QRectF& inParent) {
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr || widget.isWindow()) {
      return;
    }
    bool later = false;
    for (const QObject* child : parent->children()) {
      const auto* sibling = qobject_cast<const QWidget*>(child);
      if (sibling == &widget) {
        later = true;
        continue;
      }
      if (sibling == nullptr || sibling->isWindow() || !Showing(*sibling, window_)) {
        continue;
      }
      const QRectF area =
          ShownArea(*sibling, later)
              .adjusted(NeighbourSlack, NeighbourSlack, -NeighbourSlack, -NeighbourSlack);
      if (area.isValid() && area.intersects(inParent)) {
        Fault(widget, text, QStringLiteral("runs into %1").arg(Name(*sibling)));
        return;
      }
    }
  }

  void CheckLabel(const QLabel& label) {
    if (!IsPlainLabel(label)) {
      return;
    }
    const QString text = label.text();
    if (label.wordWrap()) {
      // A word longer than the line is cut, not wrapped.
      const QFontMetricsF metrics(label.font(), &label);
      for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")))) {
        if (metrics.horizontalAdvance(word) > label.contentsRect().width() + Slack) {
          Fault(label, text, QStringLiteral("the word \"%1\" is wider than the label").arg(word));
          return;
        }
      }
    }
    CheckPlaced(label, text, LabelTextRect(label));
  }

  void CheckIndicatorButton(const QAbstractButton& button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRectF room(button.style()->subElementRect(contents, &option, &button));
    const QString text = button.text();
    const QSizeF size =
        TextSize(widgets::WithoutAccelerators(text).trimmed(), button.font(), button);
    if (size.width() > room.width() + Slack) {
      Fault(button, text,
            QStringLiteral("needs %1 pixels beside its box, has %2")
                .arg(std::ceil(size.width()))
                .arg(room.width()));
      return;
    }
    CheckPlaced(button, text, Placed(size, room, Qt::AlignLeft | Qt::AlignVCenter));
  }

  void CheckPushButton(const QPushButton& button) {
    const QString text = button.text();
    if (text.isEmpty()) {
      return;
    }
    const int margin = widgets::CaptionMargin(button);
    const QRectF room = QRectF(button.rect()).adjusted(margin, margin, -margin, -margin);
    const QSizeF size =
        TextSize(widgets::WithoutAccelerators(text).trimmed(), button.font(), button);
    if (size.width() > room.width() + Slack) {
      Fault(button, text,
            QStringLiteral("needs %1 pixels inside its frame, has %2")
                .arg(std::ceil(size.width()))
                .arg(room.width()));
      return;
    }
    CheckPlaced(button, text, Placed(size, QRectF(button.rect()), Qt::AlignCenter));
  }

  void CheckGroupTitle(const QGroupBox& group) {
    const QString title = group.title();
    if (title.isEmpty()) {
      return;
    }
    const qreal width =
        QFontMetricsF(group.font(), &group).horizontalAdvance(widgets::WithoutAccelerators(title)) +
        8;
    if (width > group.width() + Slack) {
      Fault(group, title, QStringLiteral("title wider than the box"));
    }
  }

  void CheckTabs(const QTabBar& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
      const QString text = tabs.tabText(i);
      const QSizeF size = TextSize(widgets::WithoutAccelerators(text), tabs.font(), tabs);
      if (size.width() > tabs.tabRect(i).width() + Slack ||
          !tabs.rect().contains(tabs.tabRect(i))) {
        Fault(tabs, text, QStringLiteral("tab cut off or elided"));
      }
    }
    const QWidget* holder = tabs.parentWidget();
    if (holder != nullptr && tabs.sizeHint().width() > holder->width()) {
      Fault(tabs, tabs.tabText(0), QStringLiteral("tabs wider than their page control"));
    }
  }

  // A view without a scroll bar of its own must hold its whole text; one
  // with a bar scrolls, as the help's topics do.
  void CheckTextView(const QTextEdit& view) {
    if (view.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || view.document()->isEmpty()) {
      return;
    }
    const qreal needed = view.document()->size().height();
    if (needed > view.viewport()->height() + Slack) {
      Fault(view, view.toPlainText().left(40) + QStringLiteral("..."),
            QStringLiteral("needs %1 pixels of height, shows %2")
                .arg(std::ceil(needed))
                .arg(view.viewport()->height()));
    }
  }

  void CheckMenuBar(const QMenuBar& bar) {
    if (bar.sizeHint().width() > bar.width()) {
      Fault(bar, QString(), QStringLiteral("menus wider than the bar"));
    }
  }

  const QWidget& window_;
  QString scene_;
  QStringList faults_;
};

}  // namespace

QStringList CheckTextsFit(const QWidget& window, const QString& scene) {
  return Checker(window, scene).Run();
}

}  // namespace velmora
