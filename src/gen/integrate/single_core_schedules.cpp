// Partition schedules without multiple-core support: per module schedule,
// each partition's period-start windows ("-1") and its other windows ("-2").
#include "gen/integrate/single_core_schedules.h"

#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

struct BlockContext {
  const ModuleSettings& settings;
  const ScheduleIndex& index;
  WindowKey key;
  const PartitionRecord& p;
  const WindowList& windows;  // P's windows and links in the schedule
};

void WriteSharerAddressSpaces(const BlockContext& b, TextBuffer& out) {
  for (size_t ordinal : SharersOf(b.index, b.key, b.p)) {
    const PartitionRecord& q = *b.index.partitions[ordinal];
    if (q.KernelPartition != 0 && b.settings.KernelSpaceInAllWindows != 0) continue;
    APPEND_FORMAT(out, "\t\t\tAddressSpace\t%s\n", q.PartitionName.c_str());
  }
}

void WriteTimes(const BlockContext& b, bool period_start, TextBuffer& out) {
  for (const WindowRecord* window : b.windows) {
    if (window->IsSharedSchedule != 0 || (window->PartitionPeriodStart != 0) != period_start) continue;
    APPEND_FORMAT(out, "\t\t\tOffset\t\t%s\n", window->WindowStartSeconds.c_str());
    APPEND_FORMAT(out, "\t\t\tExecTime\t%s\n", window->WindowDurationSeconds.c_str());
  }
}

void WritePeriodStartBlock(const BlockContext& b, TextBuffer& out) {
  const char* name = b.p.PartitionName.c_str();
  APPEND_FORMAT(out, "\t\tPartition\t%s-1\n", name);
  APPEND_FORMAT(out, "\t\t\tAddressSpace\t%s\n", name);
  if (b.p.KernelPartition == 0 && b.settings.KernelSpaceInAllWindows != 0) out += "\t\t\tAddressSpace\tKernelSpace\n";
  WriteSharerAddressSpaces(b, out);
  if (b.p.ReleaseSemaphoreObject != 0) {
    APPEND_FORMAT(out, "\t\t\tPartitionReleaseNotification\t%d\n", b.p.ReleaseSemaphoreObject);
  }
  WriteTimes(b, true, out);
  out += "\t\tEndPartition\n";
}

void WriteRemainingBlock(const BlockContext& b, TextBuffer& out) {
  const char* name = b.p.PartitionName.c_str();
  APPEND_FORMAT(out, "\t\tPartition\t%s-2\n", name);
  APPEND_FORMAT(out, "\t\t\tAddressSpace\t%s\n", name);
  if (b.p.KernelPartition == 0 && b.p.NoObjects == 0 && b.settings.KernelSpaceInAllWindows != 0) {
    out += "\t\t\tAddressSpace\tKernelSpace\n";
  }
  WriteSharerAddressSpaces(b, out);
  WriteTimes(b, false, out);
  out += "\t\tEndPartition\n";
}

void WritePartitionBlocks(const BlockContext& b, TextBuffer& out) {
  bool period_start = false;
  const WindowRecord* first_other = nullptr;
  for (const WindowRecord* window : b.windows) {
    if (window->PartitionPeriodStart != 0) {
      period_start = true;
    } else if (first_other == nullptr) {
      first_other = window;
    }
  }
  if (period_start) WritePeriodStartBlock(b, out);
  // A link as first other window: P runs in the shared partition's windows.
  if (first_other != nullptr && first_other->IsSharedSchedule == 0) WriteRemainingBlock(b, out);
}

}  // namespace

void WriteSingleCoreSchedules(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out) {
  const ModuleSettings& settings = ctx.settings;
  for (const ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    APPEND_FORMAT(out, "\tPartitionSchedule\t%d\n", schedule.ScheduleNumber);
    APPEND_FORMAT(out, "\t\tMajorFramePeriod\t%s\n", schedule.MajorFrameSeconds.c_str());
    APPEND_FORMAT(out, "\t\tBackgroundMaxPriority\t%d\n", settings.BackgroundMaxPriority);
    const WindowKey key = KeyOf(schedule.ScheduleIdentifier, 0);
    const auto present = index.present.find(key);
    if (present != index.present.end()) {
      for (size_t ordinal : present->second) {
        const BlockContext block{settings, index, key, *index.partitions[ordinal], WindowsOf(index, ordinal, key)};
        WritePartitionBlocks(block, out);
      }
    }
    out += "\tEndPartitionSchedule\n";
  }
}

}  // namespace cfgxlate
