#include "schedules/module_schedule.h"

#include <cctype>
#include <unordered_set>

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "schedules/partition_schedule.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void PrepareNullPartition(TranslationContext& ctx) {
  ScheduleModel& model = ctx.model.schedules;
  if (model.NULLPartitionReady) return;
  PartitionRecord& null_partition = model.NULLPartition;
  null_partition.PartitionIdentifier = 0;
  null_partition.PartitionIndex = -1;
  null_partition.LogicalCores = ctx.settings.LogicalCoreMapping;
  model.NULLPartitionReady = true;
}

// One entry per non-kernel partition defined so far, numbered from 1.
void CreatePartitionEntries(TranslationContext& ctx, ModuleScheduleRecord& schedule) {
  const PartitionModel& partitions = ctx.model.partitions;
  if (partitions.Partitions.empty())
    FatalError(ctx, "Cannot specify Module_Schedule before any partitions are specified.");
  size_t count = 0;
  for (const PartitionRecord& partition : partitions.Partitions) {
    if (partition.KernelPartition == 0) ++count;
  }
  schedule.PartitionEntries.resize(count);
  for (size_t i = 0; i < count; ++i) schedule.PartitionEntries[i].PartitionIndex = static_cast<int32_t>(i + 1);
  schedule.HasPartitionEntries = true;
}

// Reads the Module_Schedule line and enters the record in the module list.
ModuleScheduleRecord& CreateModuleSchedule(TranslationContext& ctx, const char* tag_line) {
  ModuleScheduleRecord record;
  const bool multi_core = ctx.settings.MultiCore != 0;
  if (!multi_core) CreatePartitionEntries(ctx, record);

  const char* value = FindAttribute(ctx.report, tag_line, "MajorFrameSeconds");
  if (multi_core) {
    if (value != nullptr) {
      FatalError(ctx,
                 "With MultiCore, MajorFrameSeconds cannot be defined in Module_Schedule specification:", tag_line);
    }
  } else {
    if (value == nullptr) FatalError(ctx, "Required MajorFrameSeconds field missing:", tag_line);
    record.MajorFrameSeconds = AttributeText(value);
    record.MajorFrameSecondsGiven = true;
  }

  value = FindAttribute(ctx.report, tag_line, "ScheduleName");
  if (value == nullptr) FatalError(ctx, "Required ScheduleName field missing:", tag_line);
  record.ScheduleName = BlanksToUnderscores(AttributeText(value));
  for (char& c : record.ScheduleName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  record.ScheduleNameGiven = true;
  CheckObjectNameLength(ctx.report, ctx.settings, record.ScheduleName);

  ScheduleModel& model = ctx.model.schedules;
  value = FindAttribute(ctx.report, tag_line, "ScheduleIdentifier");
  if (value == nullptr) FatalError(ctx, "Required ScheduleIdentifier field missing:", tag_line);
  record.ScheduleIdentifier = ParseDecOrHex(ctx.report, value, tag_line);
  if (model.ScheduleIdentifiers.count(record.ScheduleIdentifier) != 0) {
    FatalError(ctx, "A Module_Schedule with this ScheduleIdentifier is already defined:", tag_line);
  }
  if (record.ScheduleIdentifier < 1) FatalError(ctx, "ScheduleIdentifier value out of range:", tag_line);

  record.ScheduleNumber = model.NextScheduleNumber++;
  bool initial = false;
  value = FindAttribute(ctx.report, tag_line, "InitialModuleSchedule");
  if (value != nullptr && ParseBoolean(ctx.report, value, "Invalid InitialModuleSchedule value: ", tag_line) != 0) {
    if (model.InitialScheduleSeen) {
      FatalError(ctx, "Multiple schedules with InitialModuleSchedule set to true:", tag_line);
    }
    // The others are numbered 2, 3 ... without a gap.
    record.ScheduleNumber = 1;
    --model.NextScheduleNumber;
    model.InitialScheduleSeen = true;
    initial = true;
  }

  model.ScheduleIdentifiers.insert(record.ScheduleIdentifier);
  if (initial) {
    model.ModuleSchedules.push_front(std::move(record));
    return model.ModuleSchedules.front();
  }
  model.ModuleSchedules.push_back(std::move(record));
  return model.ModuleSchedules.back();
}

// Reads a Module_Sub_Schedule line into a new sub-schedule of `parent`.
ModuleScheduleRecord& OpenSubSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& parent,
                                      std::unordered_set<int32_t>& sub_identifiers) {
  ModuleScheduleRecord& sub = parent.SubSchedules.emplace_back();
  sub.Parent = &parent;
  CreatePartitionEntries(ctx, sub);

  const char* value = FindAttribute(ctx.report, tag_line, "SubScheduleIdentifier");
  if (value == nullptr) FatalError(ctx, "Required SubScheduleIdentifier field missing:", tag_line);
  sub.ScheduleIdentifier = ParseDecOrHex(ctx.report, value, tag_line);
  if (!sub_identifiers.insert(sub.ScheduleIdentifier).second) {
    FatalError(ctx, "Multiple Module_Sub_Schedules in the same Module_Schedule have the same SubScheduleIdentifier:",
               tag_line);
  }

  value = FindAttribute(ctx.report, tag_line, "MajorFrameSeconds");
  if (value == nullptr) FatalError(ctx, "Required MajorFrameSeconds field missing:", tag_line);
  sub.MajorFrameSeconds = AttributeText(value);
  sub.MajorFrameSecondsGiven = true;
  return sub;
}

}  // namespace

void ParseModuleSchedule(TranslationContext& ctx, const char* tag_line) {
  PrepareNullPartition(ctx);
  ModuleScheduleRecord& module_schedule = CreateModuleSchedule(ctx, tag_line);
  const bool multi_core = ctx.settings.MultiCore != 0;

  ModuleScheduleRecord* current = &module_schedule;
  bool sub_schedule_closed = true;
  // Sub-schedule identifiers need to be unique within this schedule only.
  std::unordered_set<int32_t> sub_identifiers;
  TagLine line;
  while (NextTagLine(ctx, line)) {
    const char* tag = line.c_str();
    if (StartsWith(tag, "</Module_Schedule") || StartsWith(tag, "</ModuleSchedule")) {
      if (multi_core && !sub_schedule_closed) FatalError(ctx, "</Module_Sub_Schedule> tag line missing:", tag);
      return;
    }
    if (multi_core && (StartsWith(tag, "<Module_Sub_Schedule ") || StartsWith(tag, "<ModuleSubSchedule "))) {
      if (!sub_schedule_closed) FatalError(ctx, "</Module_Sub_Schedule> tag line missing:", tag);
      sub_schedule_closed = false;
      current = &OpenSubSchedule(ctx, tag, *current, sub_identifiers);
    } else if (multi_core && (StartsWith(tag, "</Module_Sub_Schedule") || StartsWith(tag, "</ModuleSubSchedule"))) {
      if (sub_schedule_closed) FatalError(ctx, "Module_Sub_Schedule error:", tag);
      current = current->Parent;
      sub_schedule_closed = true;
    } else if (StartsWith(tag, "<Partition_Schedule ") || StartsWith(tag, "<PartitionSchedule ")) {
      ParsePartitionSchedule(ctx, tag, *current);
    } else {
      Warning(ctx, "Unexpected Module_Schedule tag line:", tag);
    }
  }
}

}  // namespace cfgxlate
