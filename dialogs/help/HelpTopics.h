// The prose of the help window's ten topics.
#pragma once

#include "dialogs/help/Paragraphs.h"

#include <span>
#include <string_view>

namespace velmora::help {

enum class HelpTopic {
  Overview,
  Betting,
  Deal,
  Drawing,
  Showdown,
  SelectingDeck,
  GameStatistics,
  SavingStatistics,
  License,
  Contact,
};

struct TopicText {
  std::string_view title;  // shown in red with a blank line before and after
  std::span<const Paragraph> body;
};

const TopicText& Topic(HelpTopic topic);

}  // namespace velmora::help
