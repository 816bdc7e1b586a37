// velmora-stats: prints saved statistics files, or the messages the game
// would show when opening them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::statstool {

// Exit statuses.
inline constexpr int AllValid = 0;
inline constexpr int SomeRejected = 1;
inline constexpr int BadUsage = 2;

// `arguments` excludes the program name. Summaries and rejection lines go to
// `out`, usage errors to `err`.
int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace velmora::statstool
