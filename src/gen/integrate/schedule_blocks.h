// The blocks of every sub-schedule with their windows and releases.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "gen/integrate/schedule_index.h"

namespace cfgxlate {

void WriteScheduleBlocks(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out);

}  // namespace cfgxlate
