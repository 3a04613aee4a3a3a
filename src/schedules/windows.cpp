// Time windows of a Partition_Schedule: the window line, its user data
// attributes and its WindowUserData children.
#include "schedules/windows.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "schedules/schedule_times.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

constexpr char kUserDataPrefix[] = "WindowUserData";

// The next attribute after `from` whose name begins with "WindowUserData";
// `suffix` gets the rest of its name.
const char* FindUserDataAttribute(TranslationContext& ctx, const char* tag_line, const char* from,
                                  std::string* suffix) {
  return FindAttributePrefixFrom(ctx.report, tag_line, from, kUserDataPrefix, suffix);
}

void ReadUserDataAttributes(TranslationContext& ctx, PartitionScheduleScope& scope, const char* tag_line,
                            WindowRecord& window) {
  std::string suffix;
  for (const char* value = FindUserDataAttribute(ctx, tag_line, tag_line, &suffix); value != nullptr;
       value = FindUserDataAttribute(ctx, tag_line, AfterValue(value), &suffix)) {
    WindowUserDataItem& item = window.UserData.emplace_back();
    item.Value = ParseDecOrHex(ctx.report, value, tag_line);
    item.DescriptionGiven = !suffix.empty();
    item.Description = suffix;
  }
  if (scope.null_partition && window.UserData.empty()) {
    FatalError(ctx, "WindowUserData specification required with NULLPartition Partition_Schedule:", tag_line);
  }
}

// A WindowUserData child line.
void ReadUserDataChild(TranslationContext& ctx, const char* tag_line, WindowRecord& window) {
  const char* value = FindAttribute(ctx.report, tag_line, "Value");
  if (value == nullptr) FatalError(ctx, "Required Value field missing:", tag_line);
  const int32_t number = ParseDecOrHex(ctx.report, value, tag_line);
  const char* description = FindAttribute(ctx.report, tag_line, "Description");
  WindowUserDataItem& item = window.UserData.emplace_back();
  item.Value = number;
  if (description != nullptr) {
    item.Description = AttributeText(description);
    item.DescriptionGiven = true;
  }
}

// A time as the seconds text, or nanoseconds printed as seconds.
std::string WindowTimeText(TranslationContext& ctx, const char* tag_line, const char* seconds_name,
                           const char* nanoseconds_name, const char* missing) {
  const char* value = FindAttribute(ctx.report, tag_line, seconds_name);
  if (value != nullptr) return AttributeText(value);
  value = FindAttribute(ctx.report, tag_line, nanoseconds_name);
  if (value == nullptr) FatalError(ctx, missing, tag_line);
  return NanosecondsToSecondsText(ParseDecOrHex64(ctx.report, value, tag_line));
}

}  // namespace

std::string WindowStartText(TranslationContext& ctx, const char* tag_line) {
  return WindowTimeText(ctx, tag_line, "WindowStartSeconds", "Offset",
                        "Required WindowStartSeconds or Offset field missing:");
}

std::string WindowDurationText(TranslationContext& ctx, const char* tag_line) {
  return WindowTimeText(ctx, tag_line, "WindowDurationSeconds", "Duration",
                        "Required WindowDurationSeconds or Duration field missing:");
}

bool ReadWindow(TranslationContext& ctx, PartitionScheduleScope& scope, TagLine& line) {
  const std::string tag_text = line;  // `line` is reused for the children
  const char* tag_line = tag_text.c_str();
  ScheduleModel& model = ctx.model.schedules;
  model.WindowsDefined = 1;

  WindowRecord& window = model.Windows.emplace_back();
  const ModuleScheduleRecord& schedule = scope.schedule;
  if (schedule.Parent != nullptr) {  // a sub-schedule: multiple-core support
    window.ScheduleIdentifier = schedule.Parent->ScheduleIdentifier;
    window.SubScheduleIdentifier = schedule.ScheduleIdentifier;
    if (scope.null_partition) {
      window.Core = scope.null_core;
      window.CoreGiven = scope.null_core_given;
    }
  } else {
    window.ScheduleIdentifier = schedule.ScheduleIdentifier;
  }
  PartitionRecord& partition = scope.partition;
  partition.Windows.push_back(&window);

  const char* value = FindAttribute(ctx.report, tag_line, "PartitionNameRef");
  if (value != nullptr) {
    if (scope.null_partition) FatalError(ctx, "Cannot specify PartitionNameRef for NULLPartition:", tag_line);
    if (!StartsWith(BlanksToUnderscores(AttributeText(value)), partition.LookupName())) {
      FatalError(ctx, "PartitionNameRef does not match the Partition_Schedule specification:", tag_line);
    }
  }
  ReadUserDataAttributes(ctx, scope, tag_line, window);
  window.WindowStartSeconds = WindowStartText(ctx, tag_line);
  window.WindowDurationSeconds = WindowDurationText(ctx, tag_line);

  value = FindAttribute(ctx.report, tag_line, "PartitionPeriodStart");
  if (value == nullptr) value = FindAttribute(ctx.report, tag_line, "PeriodicProcessingStart");
  if (value != nullptr) {
    window.PartitionPeriodStart =
        ParseBoolean(ctx.report, value, "Invalid PartitionPeriodStart or PeriodicProcessingStart value: ", tag_line);
    if (window.PartitionPeriodStart != 0) partition.HasPartitionPeriodStart = 1;
  }

  std::vector<std::string> semaphores;
  for (value = FindAttribute(ctx.report, tag_line, "MinorFrameReleaseSemaphore"); value != nullptr;
       value = FindAttributeFrom(ctx.report, tag_line, AfterValue(value), "MinorFrameReleaseSemaphore")) {
    semaphores.push_back(AttributeText(value));
  }
  // Each one goes to the front of the list.
  window.MinorFrameReleaseSemaphores.assign(semaphores.rbegin(), semaphores.rend());

  while (NextTagLine(ctx, line)) {
    if (!StartsWith(line.c_str(), "<WindowUserData ")) return true;
    ReadUserDataChild(ctx, line.c_str(), window);
  }
  return false;
}

}  // namespace cfgxlate
