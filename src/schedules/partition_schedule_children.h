// The children of a Partition_Schedule element.
#pragma once

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// The children, up to the Partition_Schedule end tag.
void ReadPartitionScheduleChildren(TranslationContext& ctx, PartitionScheduleScope& scope);

}  // namespace cfgxlate
