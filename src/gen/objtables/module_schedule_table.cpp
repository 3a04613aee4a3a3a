#include "gen/objtables/module_schedule_table.h"

#include <cstdint>

#include "gen/objtables/core_map.h"
#include "gen/output_file.h"
#include "schedules/schedule_times.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {
namespace {

const char* ScheduleChangeActionName(int32_t action) {
  static const char* const kNames[] = {"IGNORE", "IDLE", "WARM_START", "COLD_START"};
  // The reader stores only these four values.
  return action >= 0 && action < 4 ? kNames[action] : "";
}

// The first sub-schedule, or null when a schedule has none (possible with
// multiple-core support; the integrate-file writer reports it).
const ModuleScheduleRecord* FirstSubSchedule(const ModuleScheduleRecord& schedule) {
  return schedule.SubSchedules.empty() ? nullptr : &schedule.SubSchedules.front();
}

// The record holding the values that must agree across sub-schedules: the
// schedule itself, or with multiple-core support its first sub-schedule.
const ModuleScheduleRecord* SettingsRecord(const TranslationContext& ctx, const ModuleScheduleRecord& schedule) {
  return ctx.settings.MultiCore != 0 ? FirstSubSchedule(schedule) : &schedule;
}

// A non-kernel partition's entry; null when the record has none for it (a
// partition defined after the schedule).
const PartitionScheduleEntry* PartitionEntry(const ModuleScheduleRecord* record, const PartitionRecord& partition) {
  if (record == nullptr || partition.PartitionIndex < 1) return nullptr;
  const size_t slot = static_cast<size_t>(partition.PartitionIndex) - 1;
  if (slot >= record->PartitionEntries.size()) return nullptr;
  return &record->PartitionEntries[slot];
}

int32_t ChangeAction(const TranslationContext& ctx, const ModuleScheduleRecord& schedule,
                     const PartitionRecord& partition) {
  const ModuleScheduleRecord* record = SettingsRecord(ctx, schedule);
  if (record == nullptr) return kScheduleChangeIgnore;
  if (partition.KernelPartition != 0) return record->KernelEntry.ScheduleChangeAction;
  const PartitionScheduleEntry* entry = PartitionEntry(record, partition);
  return entry != nullptr && entry->PartitionIndex == partition.PartitionIndex ? entry->ScheduleChangeAction
                                                                               : kScheduleChangeIgnore;
}

int64_t Nanoseconds(double seconds) {
  int64_t nanoseconds = 0;
  // Out-of-range times were refused when read; 0 is never reached in practice.
  if (!SecondsToNanoseconds(seconds, &nanoseconds)) return 0;
  return nanoseconds;
}

struct PeriodAndDuration {
  int64_t period = 0;
  int64_t duration = 0;
};

PeriodAndDuration Times(const TranslationContext& ctx, const ModuleScheduleRecord& schedule,
                        const PartitionRecord& partition) {
  const PartitionScheduleEntry* entry = nullptr;
  if (partition.KernelPartition != 0) {
    entry = &schedule.KernelEntry;  // kept on the schedule itself in both modes
  } else {
    entry = PartitionEntry(SettingsRecord(ctx, schedule), partition);
  }
  if (entry == nullptr) return {};
  return {Nanoseconds(entry->PeriodSeconds), Nanoseconds(entry->DurationSeconds)};
}

// The Core text of the partition's logical cores in this schedule, or null.
const std::string* CoreText(const TranslationContext& ctx, const ModuleScheduleRecord& schedule,
                            const PartitionRecord& partition) {
  if (partition.LogicalCores == 0 || ctx.settings.MultiCore == 0) return nullptr;
  if (partition.KernelPartition != 0) {
    const ModuleScheduleRecord* first = FirstSubSchedule(schedule);
    return first != nullptr && first->KernelEntry.CoreGiven ? &first->KernelEntry.Core : nullptr;
  }
  for (const ModuleScheduleRecord& sub : schedule.SubSchedules) {
    const PartitionScheduleEntry* entry = PartitionEntry(&sub, partition);
    if (entry != nullptr && entry->CoreGiven) return &entry->Core;
  }
  return nullptr;
}

void WriteScheduleName(const ModuleSettings& settings, TextBuffer& out, const std::string& name) {
  const size_t length = settings.NameLength32 != 0 ? 32 : 30;
  APPEND_FORMAT(out, "#\t%s", name.c_str());
  for (size_t i = 0; i < length; ++i) {
    out += i % 4 == 0 ? "\n\t.byte\t" : ",";
    APPEND_FORMAT(out, "%d", i < name.size() ? static_cast<int>(static_cast<unsigned char>(name[i])) : 0);
  }
}

}  // namespace

int ModuleScheduleRecordSize(const ModuleSettings& settings) { return settings.NameLength32 != 0 ? 122 : 120; }

int ModuleScheduleCount(const TranslationContext& ctx) {
  return static_cast<int>(ctx.model.schedules.ModuleSchedules.size());
}

void WriteModuleScheduleTable(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition) {
  const ModuleSettings& settings = ctx.settings;
  const bool dump = settings.VerboseDump != 0;
  const int count = ModuleScheduleCount(ctx);
  APPEND_FORMAT(out, "#\tNumber of module schedules = %d\n", count);
  EmitWord32(settings, out, static_cast<uint32_t>(count));
  if (dump) {
    Verbose(ctx, Format("\tMultiple Module Schedules Table (%d bytes per schedule):\n",
                        settings.NameLength32 != 0 ? 58 : 56));
    Verbose(ctx, Format("\tNumber of Schedules (4 bytes): %d\n", count));
  }
  for (const ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    WriteScheduleName(settings, out, schedule.ScheduleName);
    APPEND_FORMAT(out, "\n#\tPartition Uses Logical Cores = %s\n", partition.LogicalCores != 0 ? "True" : "False");
    APPEND_FORMAT(out, "\t.byte\t%d\n", partition.LogicalCores);

    const int32_t action = ChangeAction(ctx, schedule, partition);
    APPEND_FORMAT(out, "#\tSchedule Change Action = %s(%d)\n", ScheduleChangeActionName(action), action);
    APPEND_FORMAT(out, "\t.byte\t%d\n", action);

    APPEND_FORMAT(out, "#\tSchedule Identifier = %d\n", schedule.ScheduleIdentifier);
    EmitWord32(settings, out, static_cast<uint32_t>(schedule.ScheduleIdentifier));
    APPEND_FORMAT(out, "#\tSchedule Number = %d\n", schedule.ScheduleNumber);
    EmitWord32(settings, out, static_cast<uint32_t>(schedule.ScheduleNumber));

    const PeriodAndDuration times = Times(ctx, schedule, partition);
    APPEND_FORMAT(out, "#\tSchedule Period = %lld\n", static_cast<long long>(times.period));
    EmitWord64(settings, out, static_cast<uint64_t>(times.period));
    APPEND_FORMAT(out, "#\tSchedule Duration = %lld\n", static_cast<long long>(times.duration));
    EmitWord64(settings, out, static_cast<uint64_t>(times.duration));

    out += "#\tLogical To Physical Core Mapping Table\n";
    WriteCoreMap(ctx, out, CoreText(ctx, schedule, partition));

    if (dump) {
      Verbose(ctx, Format("\t\tScheduleName = %s, ScheduleIdentifier = %d, ScheduleNumber = %d,\n"
                          "\t\tSchedulePeriod = %lld, ScheduleDuration = %lld\n",
                          schedule.ScheduleName.c_str(), schedule.ScheduleIdentifier, schedule.ScheduleNumber,
                          static_cast<long long>(times.period), static_cast<long long>(times.duration)));
    }
  }
}

}  // namespace cfgxlate
