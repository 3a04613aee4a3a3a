// Affinity groups with multiple-core support: per sub-schedule, the kernel
// group, one group per partition that runs there, and the restart groups.
// Groups are numbered across the whole file; each number is stored where
// the schedule blocks find it.
#include "gen/integrate/affinity_groups.h"

#include "core/diagnostics.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

struct GroupWriter {
  TranslationContext& ctx;
  const ScheduleIndex& index;
  TextBuffer& out;
  int32_t next_group = 1;

  int32_t Open() {
    const int32_t group = next_group++;
    APPEND_FORMAT(out, "\tAffinityGroup\t%d\n", group);
    return group;
  }
};

void WriteCoreLines(GroupWriter& w, const std::string& core) {
  if (EqualsIgnoreCase(core, "all")) {
    for (int32_t c = 0; c < w.ctx.settings.NumberOfCores; ++c) APPEND_FORMAT(w.out, "\t\tCoreID\t%d\n", c);
    return;
  }
  for (int32_t c : ListedCores(w.ctx, core)) APPEND_FORMAT(w.out, "\t\tCoreID\t%d\n", c);
}

void WriteTaskCoreAffinities(GroupWriter& w, const PartitionScheduleEntry* entry) {
  if (entry == nullptr) return;
  for (const std::string& text : entry->TaskCoreAffinities) {
    APPEND_FORMAT(w.out, "\t\t\tTaskCoreAffinity\t%s\n", text.c_str());
  }
}

void WriteLockLines(GroupWriter& w, const PartitionScheduleEntry& entry) {
  if (entry.LockPriorityGiven != 0) {
    w.out += entry.LockPriority == -1 ? std::string("\t\tLockPriority\tNONE\n")
                                      : Format("\t\tLockPriority\t%d\n", entry.LockPriority);
  }
  if (entry.LockQuantumGiven != 0) {
    w.out += entry.LockQuantum == -1 ? std::string("\t\tLockQuantum\tINFINITY\n")
                                     : Format("\t\tLockQuantum\t%d\n", entry.LockQuantum);
  }
  if (entry.LockSlicing == 0) w.out += "\t\tLockSlicing\tfalse\n";
  if (entry.LockSlicing == 1) w.out += "\t\tLockSlicing\ttrue\n";
}

// A group is opened exactly for the partitions that get a time-window block
// in the sub-schedule, so that every block names a group that exists.
bool FirstWindowIsTimeWindow(const ScheduleIndex& index, size_t ordinal, const ModuleScheduleRecord& sub_schedule) {
  const WindowList& windows = WindowsOf(index, ordinal, SubScheduleKey(sub_schedule));
  return !windows.empty() && windows.front()->IsSharedSchedule == 0;
}

void WriteSharers(GroupWriter& w, ModuleScheduleRecord& sub_schedule, const PartitionRecord& p) {
  for (size_t ordinal : SharersOf(w.index, SubScheduleKey(sub_schedule), p)) {
    const PartitionRecord& q = *w.index.partitions[ordinal];
    if (q.KernelPartition != 0 && w.ctx.settings.KernelSpaceInAllWindows != 0) continue;
    APPEND_FORMAT(w.out, "\t\tPrimaryAddressSpace\t%s\n", q.PartitionName.c_str());
    WriteTaskCoreAffinities(w, EntryOf(sub_schedule, q));
  }
}

void WriteKernelGroup(GroupWriter& w, ModuleScheduleRecord& sub_schedule) {
  const PartitionRecord* kernel = w.index.kernel;
  PartitionScheduleEntry& entry = sub_schedule.KernelEntry;
  if (kernel == nullptr || !entry.CoreGiven) return;
  if (!FirstWindowIsTimeWindow(w.index, w.index.kernel_ordinal, sub_schedule)) return;
  entry.AffinityGroup = w.Open();
  WriteCoreLines(w, entry.Core);
  w.out += "\t\tPrimaryAddressSpace\tKernelSpace\n";
  WriteTaskCoreAffinities(w, &entry);
  WriteLockLines(w, entry);
  WriteSharers(w, sub_schedule, *kernel);
  w.out += "\tEndAffinityGroup\n";
}

void WritePartitionGroups(GroupWriter& w, ModuleScheduleRecord& sub_schedule) {
  const std::vector<size_t>& by_index = w.index.by_partition_index;
  for (PartitionScheduleEntry& entry : sub_schedule.PartitionEntries) {
    if (!entry.CoreGiven) continue;
    const size_t slot = static_cast<size_t>(entry.PartitionIndex);
    if (entry.PartitionIndex < 1 || slot >= by_index.size()) continue;
    const size_t ordinal = by_index[slot];
    if (!FirstWindowIsTimeWindow(w.index, ordinal, sub_schedule)) continue;
    const PartitionRecord& p = *w.index.partitions[ordinal];
    entry.AffinityGroup = w.Open();
    WriteCoreLines(w, entry.Core);
    WriteLockLines(w, entry);
    APPEND_FORMAT(w.out, "\t\tPrimaryAddressSpace\t%s\n", p.PartitionName.c_str());
    WriteTaskCoreAffinities(w, &entry);
    if (w.ctx.settings.KernelSpaceInAllWindows != 0) {
      w.out += "\t\tPrimaryAddressSpace\tKernelSpace\n";
      WriteTaskCoreAffinities(w, &sub_schedule.KernelEntry);
    }
    WriteSharers(w, sub_schedule, p);
    w.out += "\tEndAffinityGroup\n";
  }
}

// Non-kernel partitions without any window or link in the sub-schedule.
std::vector<const PartitionRecord*> Unscheduled(const ScheduleIndex& index, WindowKey key) {
  std::vector<const PartitionRecord*> unscheduled;
  size_t scheduled = 0;
  const auto present = index.present.find(key);
  if (present != index.present.end()) {
    for (size_t ordinal : present->second) scheduled += index.partitions[ordinal]->KernelPartition == 0 ? 1 : 0;
  }
  if (scheduled == index.non_kernel_count) return unscheduled;
  // At least one name is written per restart group, so the scan is paid
  // for by the output (and the windows of the sub-schedule).
  for (size_t ordinal = 0; ordinal < index.partitions.size(); ++ordinal) {
    const PartitionRecord& p = *index.partitions[ordinal];
    if (p.KernelPartition == 0 && WindowsOf(index, ordinal, key).empty()) unscheduled.push_back(&p);
  }
  return unscheduled;
}

void WriteRestartGroups(GroupWriter& w, ModuleScheduleRecord& sub_schedule) {
  if (sub_schedule.RestartSchedules.empty()) return;
  const std::vector<const PartitionRecord*> unscheduled = Unscheduled(w.index, SubScheduleKey(sub_schedule));
  if (unscheduled.empty()) return;
  for (RestartScheduleRecord& restart : sub_schedule.RestartSchedules) {
    restart.AffinityGroup = w.Open();
    // A restart core list has no "all".
    for (int32_t c : ListedCores(w.ctx, restart.Core)) APPEND_FORMAT(w.out, "\t\tCoreID\t%d\n", c);
    for (const PartitionRecord* p : unscheduled) {
      APPEND_FORMAT(w.out, "\t\tRestartAddressSpace\t%s\n", p->PartitionName.c_str());
    }
    w.out += "\tEndAffinityGroup\n";
  }
}

}  // namespace

void WriteAffinityGroups(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out) {
  GroupWriter w{ctx, index, out};
  for (ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    if (schedule.SubSchedules.empty()) {
      FatalError(ctx, "MultiCore ModuleSubSchedules error:", schedule.ScheduleName.c_str());
    }
    for (ModuleScheduleRecord& sub_schedule : schedule.SubSchedules) {
      WriteKernelGroup(w, sub_schedule);
      WritePartitionGroups(w, sub_schedule);
      WriteRestartGroups(w, sub_schedule);
    }
  }
}

}  // namespace cfgxlate
