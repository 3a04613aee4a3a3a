// The partition schedules without multiple-core support: one Partition
// block per partition with windows.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "gen/integrate/schedule_index.h"

namespace cfgxlate {

void WriteSingleCoreSchedules(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out);

}  // namespace cfgxlate
