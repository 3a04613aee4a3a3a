// The lines of one window inside a time-window block.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "model/schedules.h"

namespace cfgxlate {

// Offset, ExecTime and user-data lines of a window inside a time-window block.
void WriteWindowTimes(TextBuffer& out, const WindowRecord& window);
void WriteWindowUserData(TextBuffer& out, const WindowRecord& window);

}  // namespace cfgxlate
