// The per-partition settings of a Partition_Schedule line after its times.
// Every one of them is refused for the NULLPartition, which has no entry,
// except SetModuleSchedule and Core.
#include "schedules/entry_settings.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

bool BeginsWithIgnoreCase(const char* value, const char* keyword) {
  return strncasecmp(value, keyword, std::strlen(keyword)) == 0;
}

void ReadSetModuleSchedule(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* value = FindAttribute(ctx.report, scope.tag_line, "SetModuleSchedule");
  if (value == nullptr) return;
  const int32_t set = ParseBoolean(ctx.report, value, "Invalid SetModuleSchedule value: ", scope.tag_line);
  PartitionRecord& partition = scope.partition;
  if (partition.SetModuleSchedule != -1 && partition.SetModuleSchedule != set) {
    FatalError(ctx, "SetModuleSchedule value must be the same for all instances of a partition:", scope.tag_line);
  }
  if (set == 1 && partition.SetModuleSchedule != 1) ++ctx.model.schedules.SetModuleScheduleCount;
  partition.SetModuleSchedule = set;
}

int32_t MatchScheduleChangeAction(TranslationContext& ctx, const char* value, const char* tag_line) {
  if (BeginsWithIgnoreCase(value, "IGNORE")) return kScheduleChangeIgnore;
  if (BeginsWithIgnoreCase(value, "IDLE")) return kScheduleChangeIdle;
  if (BeginsWithIgnoreCase(value, "WARM_START") || BeginsWithIgnoreCase(value, "WARM_RESTART")) {
    return kScheduleChangeWarmStart;
  }
  if (BeginsWithIgnoreCase(value, "COLD_START") || BeginsWithIgnoreCase(value, "COLD_RESTART")) {
    return kScheduleChangeColdStart;
  }
  FatalError(ctx, "Incorrect ScheduleChangeAction:", tag_line);
}

void ReadScheduleChangeAction(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* tag_line = scope.tag_line;
  const char* value = FindAttribute(ctx.report, tag_line, "ScheduleChangeAction");
  if (value == nullptr) return;
  if (scope.null_partition) FatalError(ctx, "Cannot specify ScheduleChangeAction for NULLPartition:", tag_line);
  PartitionScheduleEntry& entry = *scope.entry;
  entry.ScheduleChangeActionGiven = 1;
  const int32_t action = MatchScheduleChangeAction(ctx, value, tag_line);
  if (scope.kernel_partition) {
    if (action == kScheduleChangeIdle) {
      FatalError(ctx, "IDLE not allowed as ScheduleChangeAction for Kernel partition:", tag_line);
    }
    if (action == kScheduleChangeWarmStart) {
      FatalError(ctx, "WARM_START not allowed as ScheduleChangeAction for Kernel partition:", tag_line);
    }
    if (action == kScheduleChangeColdStart) {
      FatalError(ctx, "COLD_START or COLD_RESTART not allowed as ScheduleChangeAction for Kernel partition:", tag_line);
    }
  }
  entry.ScheduleChangeAction = action;

  // The action must agree across sub-schedules; the first one keeps it.
  ModuleScheduleRecord& schedule = scope.schedule;
  if (schedule.Parent == nullptr) return;
  ModuleScheduleRecord& first = FirstSubSchedule(schedule);
  if (&first == &schedule) return;
  PartitionScheduleEntry& kept = *ScheduleEntryFor(first, scope.partition);
  if (kept.ScheduleChangeActionGiven != 0) {
    if (kept.ScheduleChangeAction != action) {
      FatalError(ctx,
                 "ScheduleChangeAction specifications for a partition must be the same across Module_Sub_Schedules:",
                 tag_line);
    }
  } else {
    kept.ScheduleChangeAction = action;
    kept.ScheduleChangeActionGiven = 1;
  }
}

// A partition with logical cores must name the same cores (letter case
// aside) in every sub-schedule of a module schedule. Rather than visiting
// the other sub-schedules, the module schedule keeps, per partition, the
// common text and how many sub-schedules have one; `replaced` tells whether
// this sub-schedule already had a text that the new one replaces.
void CheckLogicalCoreText(TranslationContext& ctx, PartitionScheduleScope& scope, bool replaced,
                          const std::string& core) {
  if (scope.partition.LogicalCores == 0) return;
  ModuleScheduleRecord& module_schedule = *scope.schedule.Parent;
  const size_t slot = scope.kernel_partition ? 0 : static_cast<size_t>(scope.partition.PartitionIndex);
  if (module_schedule.LogicalCoreTexts.size() <= slot) module_schedule.LogicalCoreTexts.resize(slot + 1);
  SubScheduleCoreText& common = module_schedule.LogicalCoreTexts[slot];
  const int32_t others = common.SubSchedulesWithCore - (replaced ? 1 : 0);
  if (others > 0 && !EqualsIgnoreCase(common.Core, core)) {
    FatalError(ctx,
               "Module_Sub_Schedules in the same Module_Schedule have different Core specifications for a partition "
               "that has LogicalCores set to true:",
               scope.tag_line);
  }
  if (!replaced) ++common.SubSchedulesWithCore;
  if (others == 0) common.Core = core;
}

void ReadCore(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* tag_line = scope.tag_line;
  const char* value = FindAttribute(ctx.report, tag_line, "Core");
  if (ctx.settings.MultiCore == 0) {
    if (value != nullptr) FatalError(ctx, "Core attribute only supported with MultiCore option(-q):", tag_line);
    return;
  }
  if (value == nullptr) FatalError(ctx, "No Core specified in Partition_Schedule while in MultiCore mode:", tag_line);
  const std::string core = AttributeText(value);
  if (scope.null_partition) {
    scope.null_core = core;
    scope.null_core_given = true;
    return;
  }
  PartitionScheduleEntry& entry = *scope.entry;
  if (scope.kernel_partition) {
    const bool replaced = entry.CoreGiven;
    entry.Core = core;
    entry.CoreGiven = true;
    CheckLogicalCoreText(ctx, scope, replaced, core);
    return;
  }
  if (entry.CoreGiven) {
    // Scheduled twice in the same sub-schedule.
    if (entry.Core != core) {
      FatalError(ctx,
                 "Within a Module_Schedule, multiple Partition_Schedule specifications that reference the same "
                 "PartitionIdentifier must have matching Core specifications:",
                 tag_line);
    }
    return;
  }
  entry.Core = core;
  entry.CoreGiven = true;
  CheckLogicalCoreText(ctx, scope, false, core);
}

void ReadMajorFrameReleaseSemaphores(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* tag_line = scope.tag_line;
  const char* value = FindAttribute(ctx.report, tag_line, "MajorFrameReleaseSemaphore");
  if (value == nullptr) return;
  if (scope.null_partition) FatalError(ctx, "Cannot specify MajorFrameReleaseSemaphore for NULLPartition:", tag_line);
  std::vector<std::string> found;
  for (; value != nullptr; value = FindAttributeFrom(ctx.report, tag_line, AfterValue(value), "MajorFrameReleaseSemaphore")) {
    found.push_back(AttributeText(value));
  }
  // Each one goes to the front of the list.
  std::vector<std::string>& list = scope.entry->MajorFrameReleaseSemaphores;
  list.insert(list.begin(), found.rbegin(), found.rend());
}

// The next core affinity: a TaskCoreAffinity first, else a
// ProcessCoreAffinity, after `from`.
const char* NextCoreAffinity(TranslationContext& ctx, const char* tag_line, const char* from) {
  const char* value = FindAttributeFrom(ctx.report, tag_line, from, "TaskCoreAffinity");
  return value != nullptr ? value : FindAttributeFrom(ctx.report, tag_line, from, "ProcessCoreAffinity");
}

void ReadCoreAffinityAttributes(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* tag_line = scope.tag_line;
  const char* value = NextCoreAffinity(ctx, tag_line, tag_line);
  if (value == nullptr) return;
  if (scope.null_partition) FatalError(ctx, "Cannot specify TaskCoreAffinity for NULLPartition:", tag_line);
  for (; value != nullptr; value = NextCoreAffinity(ctx, tag_line, AfterValue(value))) {
    scope.entry->TaskCoreAffinities.push_back(AttributeText(value));
  }
}

// LockPriority and LockQuantum: a keyword standing for -1, or a number.
void ReadLockValue(TranslationContext& ctx, PartitionScheduleScope& scope, const char* name, const char* keyword,
                   const char* null_message, int32_t PartitionScheduleEntry::*field,
                   int32_t PartitionScheduleEntry::*given) {
  const char* value = FindAttribute(ctx.report, scope.tag_line, name);
  if (value == nullptr) return;
  if (scope.null_partition) FatalError(ctx, null_message, scope.tag_line);
  scope.entry->*field =
      EqualsIgnoreCase(AttributeText(value), keyword) ? -1 : ParseDecOrHex(ctx.report, value, scope.tag_line);
  scope.entry->*given = 1;
}

void ReadLockSlicing(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const char* value = FindAttribute(ctx.report, scope.tag_line, "LockSlicing");
  if (value == nullptr) return;
  if (scope.null_partition) FatalError(ctx, "Cannot specify LockSlicing for NULLPartition:", scope.tag_line);
  scope.entry->LockSlicing = ParseBoolean(ctx.report, value, "Invalid LockSlicing value: ", scope.tag_line);
}

}  // namespace

void ReadEntrySettings(TranslationContext& ctx, PartitionScheduleScope& scope) {
  ReadSetModuleSchedule(ctx, scope);
  ReadScheduleChangeAction(ctx, scope);
  ReadCore(ctx, scope);
  ReadMajorFrameReleaseSemaphores(ctx, scope);
  ReadCoreAffinityAttributes(ctx, scope);
  ReadLockValue(ctx, scope, "LockPriority", "None",
                "Cannot specify LockPriority for NULLPartition:", &PartitionScheduleEntry::LockPriority,
                &PartitionScheduleEntry::LockPriorityGiven);
  ReadLockValue(ctx, scope, "LockQuantum", "Infinity",
                "Cannot specify LockQuantum for NULLPartition:", &PartitionScheduleEntry::LockQuantum,
                &PartitionScheduleEntry::LockQuantumGiven);
  ReadLockSlicing(ctx, scope);
}

}  // namespace cfgxlate
