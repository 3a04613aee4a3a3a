// The settings a Partition_Schedule line gives its entry.
#pragma once

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// SetModuleSchedule, ScheduleChangeAction, Core, release semaphores, core
// affinities and lock settings of the Partition_Schedule line.
void ReadEntrySettings(TranslationContext& ctx, PartitionScheduleScope& scope);

}  // namespace cfgxlate
