// ARINC 653 processes and tasks, each with the memory region of its stack
// when the stack needs one of its own.
#include "gen/integrate/address_space_tasks.h"

#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

// The stack region just below the task's object number. A stack at a
// physical address maps to the kernel's region for it; the kernel itself
// places it directly.
void WriteStackRegion(AddressSpaceWriter& w, int32_t number, const std::string& name, uint64_t physical_address,
                      const std::string& length_line, bool clear, bool fast_packet_cache) {
  TextBuffer& out = w.out;
  BeginObject(out, number);
  out += "\t\tMemoryRegion\n";
  if (physical_address != 0) {
    if (w.kernel) {
      APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", static_cast<unsigned long long>(physical_address));
    } else {
      APPEND_FORMAT(out, "\t\tMapTo\t\tMR_%s_Stack\n", name.c_str());
    }
  }
  out += length_line;
  if (!w.kernel) out += "\t\tStackSegment\ttrue\n";
  // The kernel's region of a physical stack clears it already.
  if (clear && (physical_address == 0 || w.kernel)) out += "\t\tClear\t\ttrue\n";
  if (fast_packet_cache) out += "\t\tFastPacketCache\ttrue\n";
  EndObject(out);
}

void WriteLockPriority(TextBuffer& out, int32_t specified, int32_t priority) {
  if (specified == 0) return;
  if (priority == -1) {
    out += "\t\tLockPriority\tSCHEDULER\n";
  } else {
    APPEND_FORMAT(out, "\t\tLockPriority\t%d\n", priority);
  }
}

void WriteProcess(AddressSpaceWriter& w, const ProcessRecord& process) {
  const ModuleSettings& settings = w.ctx.settings;
  TextBuffer& out = w.out;
  const bool own_stack = process.ClearStack != 0 || process.FastPacketCache != 0 || process.StackPhysicalAddress != 0;
  const uint32_t stack_length = StackRound(settings, static_cast<uint32_t>(process.StackSize));
  if (own_stack) {
    WriteStackRegion(w, AddWrapping(process.ObjectIndex, -1), process.Name, process.StackPhysicalAddress,
                     Format("\t\tLength\t\t%d\n", static_cast<int32_t>(stack_length)), process.ClearStack != 0,
                     process.FastPacketCache != 0);
  }
  APPEND_FORMAT(out, "\tTask\t%s\n", process.Name.c_str());
  out += "\t\tTimeSlice\tNONPREEMPTIBLE\n";
  out += "\t\tEntryPoint\tmain\n";
  APPEND_FORMAT(out, "\t\tMaximumPriority\t%d\n", kHighestLockerPriority);
  out += "\t\tStartIt\t\tfalse\n";
  if (own_stack) {
    APPEND_FORMAT(out, "\t\tStackMemoryRegionNumber\t%d\n", AddWrapping(process.ObjectIndex, -1));
  } else {
    APPEND_FORMAT(out, "\t\tStackLength\t0x%x\n", stack_length);
  }
  WriteLockPriority(out, process.LockPrioritySpecified, process.LockPriority);
  out += "\tEndTask\n";
  BeginObject(out, process.ObjectIndex);
  APPEND_FORMAT(out, "\t\tTask\t\t%s\n", process.Name.c_str());
  EndObject(out);
}

void WriteStackLength(AddressSpaceWriter& w, const TaskRecord& task, bool initial) {
  const ModuleSettings& settings = w.ctx.settings;
  const uint32_t size = static_cast<uint32_t>(task.StackSize);
  if (task.StackSize == 0) {
    w.out += "\t\tStackLength\t0\n";
  } else if (initial) {
    // The Initial task's stack needs no margin.
    APPEND_FORMAT(w.out, "\t\tStackLength\t0x%x\n", PageRound(settings, size));
  } else {
    APPEND_FORMAT(w.out, "\t\tStackLength\t0x%x\n", StackRound(settings, size));
  }
}

void WriteTask(AddressSpaceWriter& w, const TaskRecord& task) {
  TextBuffer& out = w.out;
  const bool initial = task.Name == "Initial";
  const bool own_stack = task.ClearStack != 0 || task.FastPacketCache != 0 || task.StackPhysicalAddress != 0;
  const bool size_given = (task.ObjectFlags & kStackSizeSpecified) != 0;
  if (!initial && own_stack) {
    WriteStackRegion(w, AddWrapping(task.ObjectIndex, -1), task.Name, task.StackPhysicalAddress,
                     size_given ? Format("\t\tLength\t\t%d\n", task.StackSize) : std::string(), task.ClearStack != 0,
                     task.FastPacketCache != 0);
  }
  APPEND_FORMAT(out, "\t# %s Task\n", task.Name.c_str());
  APPEND_FORMAT(out, "\tTask\t%s\n", task.Name.c_str());
  out += "\t\tTimeSlice\tNONPREEMPTIBLE\n";
  if (task.EntryPoint.Given()) {
    APPEND_FORMAT(out, "\t\tEntryPoint\t%s\n", task.EntryPoint.c_str());
  } else if (!initial) {
    out += "\t\tEntryPoint\tmain\n";
  }
  if (task.Priority != 0) APPEND_FORMAT(out, "\t\tPriority\t%d\n", task.Priority);
  if (!task.PrioritySymbol.empty()) APPEND_FORMAT(out, "\t\tPriority\t%s\n", task.PrioritySymbol.c_str());
  if (task.MaximumPriority != 0) APPEND_FORMAT(out, "\t\tMaximumPriority\t%d\n", task.MaximumPriority);
  if (!task.MaximumPrioritySymbol.empty()) {
    APPEND_FORMAT(out, "\t\tMaximumPriority\t%s\n", task.MaximumPrioritySymbol.c_str());
  }
  out += task.StartIt == 1 ? "\t\tStartIt\t\ttrue\n" : "\t\tStartIt\t\tfalse\n";
  if (own_stack) {
    APPEND_FORMAT(out, "\t\tStackMemoryRegionNumber\t%d\n", AddWrapping(task.ObjectIndex, -1));
  } else if (size_given) {
    WriteStackLength(w, task, initial);
  }
  WriteLockPriority(out, task.LockPrioritySpecified, task.LockPriority);
  out += "\tEndTask\n";
  // An Initial task of a partition without ARINC objects has no number.
  if (initial && task.ObjectIndex == 0) return;
  BeginObject(out, task.ObjectIndex);
  APPEND_FORMAT(out, "\t\tTask\t\t%s\n", task.Name.c_str());
  WriteUsedByLines(out, task.ObjectFlags);
  WriteCoreIdLine(out, task.ObjectFlags, task.CoreId);
  EndObject(out);
}

}  // namespace

void WriteProcesses(AddressSpaceWriter& w) {
  for (const ProcessRecord& process : w.partition.Processes) WriteProcess(w, process);
}

void WriteTasks(AddressSpaceWriter& w) {
  for (const TaskRecord& task : w.partition.Tasks) WriteTask(w, task);
}

}  // namespace cfgxlate
