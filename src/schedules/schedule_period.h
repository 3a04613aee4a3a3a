// The period and duration attributes of a Partition_Schedule.
#pragma once

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// Period and duration of the partition, and their agreement.
void ReadPeriodAndDuration(TranslationContext& ctx, PartitionScheduleScope& scope);

}  // namespace cfgxlate
