// Pieces of the Partition_Schedule element, shared by the files that read
// its attributes, its children and its windows.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "core/context.h"
#include "reader/tag_reader.h"

namespace cfgxlate {

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

// Period and duration of the partition, and their agreement.
void ReadPeriodAndDuration(TranslationContext& ctx, PartitionScheduleScope& scope);

// SetModuleSchedule, ScheduleChangeAction, Core, release semaphores, core
// affinities and lock settings of the Partition_Schedule line.
void ReadEntrySettings(TranslationContext& ctx, PartitionScheduleScope& scope);

// The children, up to the Partition_Schedule end tag.
void ReadPartitionScheduleChildren(TranslationContext& ctx, PartitionScheduleScope& scope);

// A CoreAffinities block, from its start line to its end line.
void ReadCoreAffinities(TranslationContext& ctx, PartitionScheduleScope& scope);

// A Shared_Schedule child. `linked` holds the identifiers this element has
// linked so far.
void ReadSharedSchedule(TranslationContext& ctx, PartitionScheduleScope& scope, const char* tag_line,
                        std::unordered_set<int32_t>& linked);

// A time window with its WindowUserData children. On return `line` holds
// the first line after them; false when the input ended.
bool ReadWindow(TranslationContext& ctx, PartitionScheduleScope& scope, TagLine& line);

// The start and duration texts of a window line.
std::string WindowStartText(TranslationContext& ctx, const char* tag_line);
std::string WindowDurationText(TranslationContext& ctx, const char* tag_line);

// A Restart Partition_Schedule, up to its end tag.
void ParseRestartSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule);

// True for a Partition_Schedule end tag.
bool IsPartitionScheduleEnd(const char* tag_line);

// True for a start tag of any of the four window spellings.
bool IsWindowStart(const char* tag_line);

}  // namespace cfgxlate
