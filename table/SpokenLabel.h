// The table's message labels as a screen reader hears them: every new text
// is spoken as it appears.
//
// Qt on Linux has no announcement event, and screen readers speak a changed
// label only when it has the focus, which the table's labels never have. What
// they do speak at once is a notification that appears, so every spoken
// label keeps an invisible notification of its own in the table's window and
// shows it afresh with each text.
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace velmora {

// An invisible notification: each Announce gives it the text and shows it
// anew, which a screen reader reads out. It takes no room and no clicks.
class Announcer final : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent);
  void Announce(const QString& text);
};

// A label of the table whose every new text is also announced: once the
// handler that writes it has returned, if the label then shows a text other
// than the one the handler found. So a text written and replaced within one
// step, or written again unchanged, is not heard; an empty text, or one
// written while the label is hidden, neither.
class SpokenLabel final : public QLabel {
  Q_OBJECT
 public:
  explicit SpokenLabel(QWidget* parent);

  // Hides QLabel::setText: the table's handlers reach these labels through
  // this type, so what they write is heard.
  void setText(const QString& text);

  // Said before each text, so that "Pair" is heard with whose hand it names.
  void SetSpokenPrefix(const QString& prefix) { prefix_ = prefix; }

  QAccessible::Role Role() const { return role_; }
  // The status line is a status bar to a screen reader, which can read it on request.
  void SetRole(QAccessible::Role role) { role_ = role; }

 private:
  void Speak();

  QString prefix_;
  QAccessible::Role role_ = QAccessible::StaticText;
  Announcer* announcer_ = nullptr;
  bool speaking_ = false;  // an announcement is due when the event loop is next reached
  QString textBefore_;     // the text when the handler due to be heard first wrote
};

// Gives the announcers and the status line their roles. Idempotent; the
// table calls it as it is built.
void InstallSpokenLabelRoles();

}  // namespace velmora
