// One game as the table keeps it and the statistics window over it, driven
// through the fake platform; and the files the window tests read and write.
#pragma once

#include "hand/GameState.h"
#include "stats/StatisticsFile.h"
#include "statswindow/StatBox.h"
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

struct Game {
  GameState state;
  FakePlatform platform;
  int helpCalls = 0;
  TStatBox box{platform, state, [this] { ++helpCalls; }};

  Game() {
    state.PlayerName = "Player";
    state.StartingBank = 1000;
    state.Bank = 1000;
    state.DeckBackId = 63;
    state.Statistics.StartGameStatistics(1000);
    platform.seconds = NewYearsEve;
  }

  // One hand from draw to showdown; the player's hand counts as improved when asked.
  void Play(const Hand& player, const Hand& dealer, int playerDraw, int dealerDraw,
            std::int32_t bet, bool playerImproved = false) {
    GameStatistics& s = state.Statistics;
    s.RecordPlayerDraw(playerDraw);
    s.RecordDealerDraw(dealerDraw);
    const HandRank p = EvaluateHand(player);
    const HandRank d = EvaluateHand(dealer);
    s.RecordFinalHands(player, p, playerImproved ? HandRank{} : p, dealer, d, d);
    const RankOrder outcome = RankOrderOf(p, d);
    state.Bank += outcome == RankOrder::FirstBetter    ? bet
                  : outcome == RankOrder::SecondBetter ? -bet
                                                       : 0;
    s.RecordOutcome(outcome, state.Bank);
    s.RecordHandTotals(static_cast<std::uint32_t>(bet), static_cast<std::uint32_t>(state.Bank));
  }

  // Win with a pair of queens, win with three sevens (drawn into), lose to a heart flush.
  void PlayThreeHands() {
    Play({11, 24, 34, 43, 14}, {51, 8, 19, 29, 2}, 3, 2, 10);
    Play({6, 19, 32, 40, 15}, {1, 14, 8, 23, 50}, 1, 3, 20, true);
    Play({13, 3, 31, 47, 24}, {1, 3, 5, 7, 9}, 0, 0, 30);
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
