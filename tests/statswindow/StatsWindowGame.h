// One game played through the engine and the statistics window over it, driven
// through the fake platform; and the files the window tests read and write.
#pragma once

#include "stats/StatisticsFile.h"
#include "statswindow/StatBox.h"
#include "tests/support/EngineGame.h"
#include "tests/support/FakePlatform.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

namespace velmora::testing {

// 1999-12-31 15:05:07 UTC (the tests run in UTC).
inline constexpr std::int64_t NewYearsEve = 946652707;
// What a save at that moment stamps into its file.
inline constexpr SaveStamp NewYearsEveStamp{3, 5, 7, 1, 12, 31, 99};

struct Game : EngineGame {
  FakePlatform platform;
  int helpCalls = 0;
  TStatBox box{platform, state, [this] { ++helpCalls; }};

  Game() : EngineGame({.playerName = "Player", .backId = 63}) { platform.seconds = NewYearsEve; }

  // Win with a pair of queens, win with three sevens (drawn into), lose to a heart flush.
  void PlayThreeHands() {
    Showdown("10", {11, 24, 34, 43, 14}, {51, 8, 19, 29, 2}, 3, 2);
    Showdown("20", {6, 19, 32, 40, 15}, {1, 14, 8, 23, 50}, 1, 3, true);
    Showdown("30", {13, 3, 31, 47, 24}, {1, 3, 5, 7, 9}, 0, 0);
  }

  QString Text(const char* name) const {
    const auto* label = box.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
  }
  QAction* Item(const QString& text) const {
    const QList<QAction*> actions = box.findChildren<QAction*>();
    const auto found = std::ranges::find(actions, text, &QAction::text);
    return found == actions.end() ? nullptr : *found;
  }
  QToolButton* Button(const char* name) const { return box.findChild<QToolButton*>(name); }

  // The file a save at `stamp` must write.
  QByteArray FileFor(const SaveStamp& stamp = NewYearsEveStamp) const {
    return QByteArray::fromStdString(
        FormatStatisticsFile(state.Statistics, state.PlayerName, state.StartingBank, stamp));
  }
};

// The message boxes shown, each as "icon|caption|text|buttons", joined by '/'.
inline QString Shown(const std::vector<ShownMessage>& messages) {
  QStringList shown;
  for (const ShownMessage& message : messages) {
    shown << QStringLiteral("%1|%2|%3|%4")
                 .arg(message.icon)
                 .arg(message.caption, message.text)
                 .arg(message.buttons.toInt());
  }
  return shown.join('/');
}

inline bool WriteFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace velmora::testing
