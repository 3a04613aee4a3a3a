// A Shared_Schedule child: the partition runs in the windows of another
// partition of the same schedule instead of windows of its own.
#include "schedules/shared_schedule.h"

#include "core/diagnostics.h"
#include "partitions/partition_lookup.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

void ReadSharedSchedule(TranslationContext& ctx, PartitionScheduleScope& scope, const char* tag_line,
                        std::unordered_set<int32_t>& linked) {
  // The NULLPartition has no entry whose Core could be compared.
  if (scope.null_partition) FatalError(ctx, "Cannot specify Shared_Schedule for NULLPartition:", tag_line);
  const char* value = FindAttribute(ctx.report, tag_line, "PartitionIdentifier");
  if (value == nullptr) FatalError(ctx, "Required PartitionIdentifier field missing:", tag_line);
  const int32_t identifier = ParseDecOrHex(ctx.report, value, tag_line);
  if (!linked.insert(identifier).second) FatalError(ctx, "Redundant Shared_Schedule specification:", tag_line);
  PartitionRecord* shared = FindPartitionByIdentifier(ctx.model.partitions, identifier);
  if (shared == nullptr) FatalError(ctx, "Incorrect PartitionIdentifier specification:", tag_line);

  ModuleScheduleRecord& schedule = scope.schedule;
  const PartitionScheduleEntry* shared_entry = ScheduleEntryFor(schedule, *shared);
  const bool shared_has_core = shared_entry != nullptr && shared_entry->CoreGiven;
  const bool same_core = scope.entry->CoreGiven == shared_has_core &&
                         (!shared_has_core || EqualsIgnoreCase(scope.entry->Core, shared_entry->Core));
  if (!same_core) {
    FatalError(ctx,
               shared_has_core ? "With a Shared_Schedule, the Core specified in the Partition_Schedule must match "
                                 "that of the schedule being shared:"
                               : "With a Shared_Schedule, the Shared_Schedule Partition_Schedule must come after the "
                                 "Partition_Schedule it is sharing:",
               tag_line);
  }
  if (!shared->Windows.empty() && shared->Windows.front()->IsSharedSchedule != 0) {
    FatalError(ctx, "Shared_Schedule partition cannot be linked to another Shared_Schedule partition:", tag_line);
  }

  ScheduleModel& model = ctx.model.schedules;
  WindowRecord& link = model.Windows.emplace_back();
  link.IsSharedSchedule = 1;
  link.SharedPartitionIdentifier = identifier;
  if (schedule.Parent != nullptr) {
    link.ScheduleIdentifier = schedule.Parent->ScheduleIdentifier;
    link.SubScheduleIdentifier = schedule.ScheduleIdentifier;
  } else {
    link.ScheduleIdentifier = schedule.ScheduleIdentifier;
  }
  scope.partition.Windows.push_back(&link);
}

}  // namespace cfgxlate
