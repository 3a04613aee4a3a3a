#include "schedules/partition_schedule.h"

#include <cstring>

#include "core/diagnostics.h"
#include "partitions/partition_lookup.h"
#include "reader/attributes.h"
#include "schedules/entry_settings.h"
#include "schedules/partition_schedule_children.h"
#include "schedules/restart_schedule.h"
#include "schedules/schedule_period.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

}  // namespace

PartitionScheduleEntry* ScheduleEntryFor(ModuleScheduleRecord& schedule, const PartitionRecord& partition) {
  if (partition.KernelPartition != 0) return &schedule.KernelEntry;
  const int32_t index = partition.PartitionIndex;
  if (index < 1 || static_cast<size_t>(index) > schedule.PartitionEntries.size()) return nullptr;
  return &schedule.PartitionEntries[static_cast<size_t>(index) - 1];
}

ModuleScheduleRecord& FirstSubSchedule(ModuleScheduleRecord& sub_schedule) {
  return sub_schedule.Parent->SubSchedules.front();
}

const char* AfterValue(const char* value) { return value + AttributeText(value).size(); }

bool IsPartitionScheduleEnd(const char* tag_line) {
  return StartsWith(tag_line, "</Partition_Schedule") || StartsWith(tag_line, "</PartitionSchedule");
}

bool IsWindowStart(const char* tag_line) {
  return StartsWith(tag_line, "<Window_Schedule ") || StartsWith(tag_line, "<WindowSchedule ") ||
         StartsWith(tag_line, "<PartitionTimeWindow ") || StartsWith(tag_line, "<Partition_Time_Window ");
}

void ParsePartitionSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule) {
  if (!schedule.HasPartitionEntries) FatalError(ctx, "Module_Sub_Schedule not defined:", tag_line);

  const char* value = FindAttribute(ctx.report, tag_line, "PartitionIdentifier");
  if (value == nullptr) FatalError(ctx, "Required PartitionIdentifier field missing:", tag_line);
  const std::string identifier_text = AttributeText(value);
  if (EqualsIgnoreCase(identifier_text, "Restart")) {
    if (ctx.settings.MultiCore == 0) {
      FatalError(ctx, "Restart Partition_Schedule not allowed when not in MultiCore mode:", tag_line);
    }
    ParseRestartSchedule(ctx, tag_line, schedule);
    return;
  }

  const bool null_partition = EqualsIgnoreCase(identifier_text, "NULLPartition");
  PartitionRecord* partition = &ctx.model.schedules.NULLPartition;
  PartitionScheduleEntry* entry = nullptr;
  if (!null_partition) {
    partition = FindPartitionByIdentifier(ctx.model.partitions, ParseDecOrHex(ctx.report, value, tag_line));
    if (partition != nullptr) entry = ScheduleEntryFor(schedule, *partition);
    // A partition without an entry here was defined after the schedule began.
    if (entry == nullptr) FatalError(ctx, "Partition in Partition_Schedule not yet defined:", tag_line);
  }
  PartitionScheduleScope scope{
      tag_line, schedule, *partition, entry, null_partition, partition->KernelPartition != 0, std::string(), false};

  value = FindAttribute(ctx.report, tag_line, "PartitionName");
  if (value != nullptr) {
    // The NULLPartition has no name to compare with.
    if (null_partition) FatalError(ctx, "Cannot specify PartitionName for NULLPartition:", tag_line);
    if (!PartitionNameMatches(value, partition->LookupName())) {
      FatalError(ctx, "PartitionName is not correct in Partition_Schedule specification:", tag_line);
    }
  }

  ReadPeriodAndDuration(ctx, scope);
  ReadEntrySettings(ctx, scope);
  ReadPartitionScheduleChildren(ctx, scope);
}

}  // namespace cfgxlate
