#include "table/SpokenLabel.h"

#include <QAccessibleWidget>

namespace velmora {

namespace {

// A label that is something else to a screen reader than a plain text, and
// still says its text as its name.
class SpokenLabelAccessible final : public QAccessibleWidget {
 public:
  explicit SpokenLabelAccessible(SpokenLabel* label)
      : QAccessibleWidget(label, label->Role()), label_(label) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && label_->accessibleName().isEmpty()) {
      return label_->text();
    }
    return QAccessibleWidget::text(t);
  }

 private:
  SpokenLabel* label_;
};

QAccessibleInterface* SpokenLabelFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(Announcer::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
  }
  if (className == QLatin1String(SpokenLabel::staticMetaObject.className())) {
    auto* label = static_cast<SpokenLabel*>(object);
    // Plain labels keep Qt's own interface.
    if (label->Role() != QAccessible::StaticText) {
      return new SpokenLabelAccessible(label);
    }
  }
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setObjectName("Announcer");
  setGeometry(0, 0, 0, 0);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void Announcer::Announce(const QString& text) {
  setAccessibleName(text);
  // Screen readers speak a notification when it appears, so it disappears first.
  hide();
  show();
}

SpokenLabel::SpokenLabel(QWidget* parent)
    : QLabel(parent),
      // In the window, not in the label: a label shown again must not repeat its last text.
      announcer_(new Announcer(parent->window())) {}

void SpokenLabel::setText(const QString& text) {
  if (!speaking_) {
    speaking_ = true;
    textBefore_ = QLabel::text();
    // Posted, not timed: it comes as soon as the writing handler returns.
    QMetaObject::invokeMethod(this, &SpokenLabel::Speak, Qt::QueuedConnection);
  }
  QLabel::setText(text);
}

void SpokenLabel::Speak() {
  speaking_ = false;
  const QString spoken = text().trimmed();
  if (text() != textBefore_ && !spoken.isEmpty() && isVisible()) {
    announcer_->Announce(prefix_ + spoken);
  }
}

void InstallSpokenLabelRoles() {
  QAccessible::installFactory(SpokenLabelFactory);
}

}  // namespace velmora
