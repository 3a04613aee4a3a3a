// Schedule blocks with multiple-core support: per module schedule and
// sub-schedule, each running partition's time windows with its release
// lines, the restart windows and the NULLPartition windows.
#include "gen/integrate/schedule_blocks.h"

#include "gen/integrate/null_core_blocks.h"
#include "gen/integrate/window_lines.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

struct BlockWriter {
  TranslationContext& ctx;
  const ScheduleIndex& index;
  TextBuffer& out;
};

void WriteMajorFrameReleases(BlockWriter& b, ModuleScheduleRecord& sub_schedule, const PartitionRecord& p,
                             int32_t group) {
  const auto write = [&](const PartitionRecord& owner) {
    const PartitionScheduleEntry* entry = EntryOf(sub_schedule, owner);
    if (entry == nullptr) return;
    for (const std::string& name : entry->MajorFrameReleaseSemaphores) {
      const int32_t number = KernelSemaphoreNumber(b.ctx, b.index, name,
                                                   "MajorFrameReleaseSemaphore not found as a KernelSpace semaphore:");
      APPEND_FORMAT(b.out, "\t\t\tMajorFrameRelease\t%d %d\n", number, group);
    }
  };
  write(p);
  // Sharers run in P's windows, so their releases go with P's group.
  for (size_t ordinal : SharersOf(b.index, SubScheduleKey(sub_schedule), p)) {
    const PartitionRecord& q = *b.index.partitions[ordinal];
    if (&q != &p) write(q);
  }
}

void WriteMinorFrameReleases(BlockWriter& b, const PartitionRecord& p, const WindowRecord& window) {
  if (window.PartitionPeriodStart != 0 && p.ReleaseSemaphoreObject != 0) {
    APPEND_FORMAT(b.out, "\t\t\t\t\tMinorFrameRelease\t%d\n", p.ReleaseSemaphoreObject);
    const auto linked = b.index.first_linked_to.find(p.PartitionIdentifier);
    if (linked != b.index.first_linked_to.end()) {
      for (size_t ordinal : linked->second) {
        const int32_t semaphore = b.index.partitions[ordinal]->ReleaseSemaphoreObject;
        // None when the link resolved to an earlier partition with the same
        // identifier that has no period start.
        if (semaphore != 0) APPEND_FORMAT(b.out, "\t\t\t\t\tMinorFrameRelease\t%d\n", semaphore);
      }
    }
  }
  for (const std::string& name : window.MinorFrameReleaseSemaphores) {
    const int32_t number =
        KernelSemaphoreNumber(b.ctx, b.index, name, "MinorFrameReleaseSemaphore not found as a KernelSpace semaphore:");
    APPEND_FORMAT(b.out, "\t\t\t\t\tMinorFrameRelease\t%d\n", number);
  }
}

void WritePartitionWindows(BlockWriter& b, ModuleScheduleRecord& sub_schedule, size_t ordinal) {
  const WindowList& windows = WindowsOf(b.index, ordinal, SubScheduleKey(sub_schedule));
  // A partition that starts with a link runs in the shared partition's block.
  if (windows.empty() || windows.front()->IsSharedSchedule != 0) return;
  const PartitionRecord& p = *b.index.partitions[ordinal];
  const PartitionScheduleEntry* entry = EntryOf(sub_schedule, p);
  const int32_t group = entry != nullptr ? entry->AffinityGroup : 0;
  WriteMajorFrameReleases(b, sub_schedule, p, group);
  b.out += "\t\t\tPartitionTimeWindows\n";
  APPEND_FORMAT(b.out, "\t\t\t\tAffinityGroup\t%d\n", group);
  for (const WindowRecord* window : windows) {
    if (window->IsSharedSchedule != 0) continue;
    WriteWindowTimes(b.out, *window);
    WriteMinorFrameReleases(b, p, *window);
    WriteWindowUserData(b.out, *window);
  }
  b.out += "\t\t\tEndPartitionTimeWindows\n";
}

void WriteRestartWindows(BlockWriter& b, const ModuleScheduleRecord& sub_schedule) {
  for (const RestartScheduleRecord& restart : sub_schedule.RestartSchedules) {
    b.out += "\t\t\tPartitionTimeWindows\n";
    APPEND_FORMAT(b.out, "\t\t\t\tAffinityGroup\t%d\n", restart.AffinityGroup);
    for (const RestartWindowRecord& window : restart.Windows) {
      APPEND_FORMAT(b.out, "\t\t\t\tOffset\t\t%s\n", window.WindowStartSeconds.c_str());
      APPEND_FORMAT(b.out, "\t\t\t\tExecTime\t%s\n", window.WindowDurationSeconds.c_str());
    }
    b.out += "\t\t\tEndPartitionTimeWindows\n";
  }
}

void WriteSubSchedule(BlockWriter& b, ModuleScheduleRecord& sub_schedule) {
  APPEND_FORMAT(b.out, "\t\tPartitionSubSchedule\t%d\n", sub_schedule.ScheduleIdentifier);
  APPEND_FORMAT(b.out, "\t\t\tMajorFramePeriod\t%s\n", sub_schedule.MajorFrameSeconds.c_str());
  const WindowKey key = SubScheduleKey(sub_schedule);
  const auto present = b.index.present.find(key);
  if (present != b.index.present.end()) {
    for (size_t ordinal : present->second) WritePartitionWindows(b, sub_schedule, ordinal);
  }
  WriteRestartWindows(b, sub_schedule);
  WriteNullCoreBlocks(b.ctx, b.index, key, b.out);
  b.out += "\t\tEndPartitionSubSchedule\n";
}

}  // namespace

void WriteScheduleBlocks(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out) {
  BlockWriter b{ctx, index, out};
  for (ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    if (schedule.SubSchedules.empty()) continue;
    APPEND_FORMAT(out, "\tPartitionSchedule\t%d\n", schedule.ScheduleNumber);
    for (ModuleScheduleRecord& sub_schedule : schedule.SubSchedules) WriteSubSchedule(b, sub_schedule);
    out += "\tEndPartitionSchedule\n";
  }
}

}  // namespace cfgxlate
