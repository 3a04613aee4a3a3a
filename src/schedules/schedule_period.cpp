// Period and duration of a Partition_Schedule. Each is given either in
// nanoseconds (PartitionPeriod, PartitionDuration) or in seconds
// (PeriodSeconds, PeriodDurationSeconds); the entries keep seconds, the
// partition record nanoseconds.
#include "schedules/schedule_period.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "schedules/schedule_times.h"

namespace cfgxlate {

namespace {

// The attribute names and messages of one of the two times.
struct TimeAttributes {
  const char* nanoseconds_name;
  const char* seconds_name;
  const char* invalid_zero;
  const char* null_nanoseconds;
  const char* null_seconds;
  const char* missing;
  const char* nanoseconds_out_of_range;
  const char* seconds_out_of_range;
  double PartitionScheduleEntry::*field;
  int64_t PartitionRecord::*partition_field;
};

const TimeAttributes kPeriod{
    "PartitionPeriod",
    "PeriodSeconds",
    "Invalid PartitionPeriod specification:",
    "Cannot specify PartitionPeriod for NULLPartition:",
    "Cannot specify PeriodSeconds for NULLPartition:",
    "Required PartitionPeriod or PeriodSeconds field missing:",
    "PartitionPeriod value out of range:",
    "PeriodSeconds value out of range:",
    &PartitionScheduleEntry::PeriodSeconds,
    &PartitionRecord::Period,
};

const TimeAttributes kDuration{
    "PartitionDuration",
    "PeriodDurationSeconds",
    "Invalid PartitionDuration specification:",
    "Cannot specify PartitionDuration for NULLPartition:",
    "Cannot specify PeriodDurationSeconds for NULLPartition:",
    "Required PartitionDuration or PeriodDurationSeconds field missing:",
    "PartitionDuration value out of range:",
    "PeriodDurationSeconds value out of range:",
    &PartitionScheduleEntry::DurationSeconds,
    &PartitionRecord::Duration,
};

// The message for a value that differs from the one an earlier sub-schedule
// of the same module schedule gave (the texts differ in more than the name).
const char* MismatchMessage(const TimeAttributes& time, const PartitionScheduleScope& scope, bool by_nanoseconds) {
  if (&time == &kPeriod) {
    return by_nanoseconds && scope.kernel_partition
               ? "Partition defined in multiple Module_Sub_Schedules within the same Module_Schedule, but specifies "
                 "different ParitionPeriod or PeriodSeconds values:"
               : "Partition defined in multiple Module_Sub_Schedules within the same Module_Schedule, but specifies "
                 "different PartitionPeriod or PeriodSeconds values:";
  }
  return by_nanoseconds ? "Partition defined in multiple Module_Sub_Schedules within the same ModuleSchedule, but "
                          "specifies different PartitionDuration or PeriodDurationSeconds values:"
                        : "Partition defined in multiple Module_Sub_Schedules within the same ModuleSchedule, but "
                          "specifies different PeriodDurationSeconds values:";
}

// Reads one time; returns its seconds (0.0 for the NULLPartition).
double ReadTime(TranslationContext& ctx, PartitionScheduleScope& scope, const TimeAttributes& time) {
  const char* tag_line = scope.tag_line;
  double seconds = 0.0;
  int64_t nanoseconds = 0;
  bool by_nanoseconds = false;
  const char* value = FindAttribute(ctx.report, tag_line, time.nanoseconds_name);
  if (value != nullptr) {
    if (scope.null_partition) FatalError(ctx, time.null_nanoseconds, tag_line);
    nanoseconds = ParseDecOrHex64(ctx.report, value, tag_line);
    if (nanoseconds == 0) FatalError(ctx, time.invalid_zero, tag_line);
    seconds = NanosecondsToSeconds(nanoseconds);
    by_nanoseconds = true;
    // The generators convert the seconds back; refuse what would not fit.
    int64_t unused;
    if (!SecondsToNanoseconds(seconds, &unused)) FatalError(ctx, time.nanoseconds_out_of_range, tag_line);
  } else {
    value = FindAttribute(ctx.report, tag_line, time.seconds_name);
    if (value != nullptr) {
      if (scope.null_partition) FatalError(ctx, time.null_seconds, tag_line);
      seconds = ScanSeconds(value);
      if (!SecondsToNanoseconds(seconds, &nanoseconds)) FatalError(ctx, time.seconds_out_of_range, tag_line);
    } else if (!scope.null_partition) {
      FatalError(ctx, time.missing, tag_line);
    }
  }
  if (scope.null_partition) return 0.0;

  ModuleScheduleRecord& schedule = scope.schedule;
  if (schedule.Parent == nullptr) {
    scope.entry->*time.field = seconds;
  } else {
    // Kept once per module schedule, in its first sub-schedule.
    double& kept = ScheduleEntryFor(FirstSubSchedule(schedule), scope.partition)->*time.field;
    if (kept != 0.0 && kept != seconds) FatalError(ctx, MismatchMessage(time, scope, by_nanoseconds), tag_line);
    kept = seconds;
    double& own = schedule.Parent->KernelEntry.*time.field;
    if (scope.kernel_partition && own == 0.0) own = seconds;
  }

  // The partition record holds the time of the initial module schedule.
  int64_t& partition_time = scope.partition.*time.partition_field;
  if (schedule.Parent == nullptr) {
    if (schedule.ScheduleNumber == 1) partition_time = nanoseconds;
  } else if (schedule.Parent->ScheduleNumber == 1 && partition_time == 0) {
    partition_time = nanoseconds;
  }
  return seconds;
}

}  // namespace

void ReadPeriodAndDuration(TranslationContext& ctx, PartitionScheduleScope& scope) {
  const double period = ReadTime(ctx, scope, kPeriod);
  const double duration = ReadTime(ctx, scope, kDuration);
  if (duration > period) {
    FatalError(ctx, "PartitionDuration or PeriodDurationSeconds greater than PartitionPeriod or PeriodSeconds:",
               scope.tag_line);
  }
}

}  // namespace cfgxlate
