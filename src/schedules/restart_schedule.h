// A Restart Partition_Schedule.
#pragma once

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// A Restart Partition_Schedule, up to its end tag.
void ParseRestartSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule);

}  // namespace cfgxlate
