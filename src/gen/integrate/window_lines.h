// The lines of one window inside a time-window block.
#pragma once

#include <string>

#include "model/schedules.h"

namespace cfgxlate {

// Offset, ExecTime and user-data lines of a window inside a time-window block.
void WriteWindowTimes(std::string& out, const WindowRecord& window);
void WriteWindowUserData(std::string& out, const WindowRecord& window);

}  // namespace cfgxlate
