// The CoreAffinities block of a Partition_Schedule.
#pragma once

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// A CoreAffinities block, from its start line to its end line.
void ReadCoreAffinities(TranslationContext& ctx, PartitionScheduleScope& scope);

}  // namespace cfgxlate
