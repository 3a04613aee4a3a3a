// The Partition_Schedule element: one partition's settings and windows
// inside one module schedule or sub-schedule.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Reads the element from its tag line up to its end tag. `schedule` is the
// module schedule, or the open sub-schedule with multiple-core support.
void ParsePartitionSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule);

}  // namespace cfgxlate
