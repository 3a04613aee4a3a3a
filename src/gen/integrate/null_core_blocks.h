// NULLPartition windows, one block per core in use.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "gen/integrate/schedule_index.h"

namespace cfgxlate {

// The NULLPartition blocks of one sub-schedule, one per core in use.
void WriteNullCoreBlocks(TranslationContext& ctx, const ScheduleIndex& index, WindowKey key, TextBuffer& out);

}  // namespace cfgxlate
