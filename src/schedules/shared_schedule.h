// The Shared_Schedule child of a Partition_Schedule.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "schedules/partition_schedule.h"

namespace cfgxlate {

// A Shared_Schedule child. `linked` holds the identifiers this element has
// linked so far.
void ReadSharedSchedule(TranslationContext& ctx, PartitionScheduleScope& scope, const char* tag_line,
                        std::unordered_set<int32_t>& linked);

}  // namespace cfgxlate
