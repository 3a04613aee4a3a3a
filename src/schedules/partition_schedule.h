// The Partition_Schedule element: one partition's settings and windows
// inside one module schedule or sub-schedule, and what the files reading
// its attributes, children and windows share.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// Reads the element from its tag line up to its end tag. `schedule` is the
// module schedule, or the open sub-schedule with multiple-core support.
void ParsePartitionSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule);

// What one Partition_Schedule element works on.
struct PartitionScheduleScope {
  const char* tag_line;            // the Partition_Schedule line
  ModuleScheduleRecord& schedule;  // module schedule or sub-schedule
  PartitionRecord& partition;      // may be the NULLPartition
  PartitionScheduleEntry* entry;   // receives the settings; null for the NULLPartition
  bool null_partition;
  bool kernel_partition;
  std::string null_core;  // the element's Core, for NULLPartition windows
  bool null_core_given = false;
};

// The entry of `partition` in `schedule`: the kernel entry, or the entry at
// PartitionIndex - 1; null when the partition has none there.
PartitionScheduleEntry* ScheduleEntryFor(ModuleScheduleRecord& schedule, const PartitionRecord& partition);

// The first sub-schedule of a sub-schedule's module schedule, where values
// that must agree across sub-schedules are kept.
ModuleScheduleRecord& FirstSubSchedule(ModuleScheduleRecord& sub_schedule);

// The position just after an attribute value: a repeated attribute's next
// occurrence is searched from here, so blanks inside values do no harm.
const char* AfterValue(const char* value);

// True for a Partition_Schedule end tag.
bool IsPartitionScheduleEnd(const char* tag_line);

// True for a start tag of any of the four window spellings.
bool IsWindowStart(const char* tag_line);

}  // namespace cfgxlate
