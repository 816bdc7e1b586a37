// An error that nothing in the game handles (it escapes an event handler or
// the building of the windows) is reported to the player with its own text
// in a stop box captioned with the program's name, and the program ends.
#pragma once

#include <exception>
#include <functional>

namespace velmora {

class Platform;

// Reports `error` and ends the program with status 1. Once the program is
// ending nothing more is reported: closing its windows may fail again.
void ReportEscapedError(Platform& platform, const std::exception_ptr& error);

// Runs the program's windows and returns their exit status; an error that
// escapes them is reported and gives status 1.
int RunReportingErrors(Platform& platform, const std::function<int()>& run);

}  // namespace velmora
