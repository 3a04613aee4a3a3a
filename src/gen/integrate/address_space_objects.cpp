// The order of an address space's objects, and the objects every ARINC 653
// partition gets without declaring them: the Initial task, the error-process
// group and the fixed objects V .. V+7.
#include "gen/integrate/address_space_objects.h"

#include "gen/integrate/address_space_links.h"
#include "gen/integrate/address_space_ports.h"
#include "gen/integrate/address_space_regions.h"
#include "gen/integrate/address_space_tasks.h"
#include "gen/integrate/address_space_writer.h"
#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

bool HasOwnInitialTask(const PartitionRecord& p) {
  for (const TaskRecord& task : p.Tasks) {
    if (task.Name == "Initial") return true;
  }
  return false;
}

void WriteInitialTask(AddressSpaceWriter& w) {
  const ModuleSettings& settings = w.ctx.settings;
  const PartitionRecord& p = w.partition;
  if (w.kernel || !UsesArincObjects(settings, p) || HasOwnInitialTask(p)) return;
  TextBuffer& out = w.out;
  out += "\tTask\t\tInitial\n";
  out += "\t\tTimeSlice\tNONPREEMPTIBLE\n";
  if (p.NoObjects == 0) APPEND_FORMAT(out, "\t\tMaximumPriority\t%d\n", kHighestLockerPriority);
  APPEND_FORMAT(out, "\t\tPriority\t%d\n", kHighestLockerPriority);
  APPEND_FORMAT(out, "\t\tStartIt\t\t%s\n", p.StartInitial != 0 ? "true" : "false");
  if (p.InitialProcessLength != 0) {
    APPEND_FORMAT(out, "\t\tStackLength\t0x%x\n", StackRound(settings, static_cast<uint32_t>(p.InitialProcessLength)));
  }
  if (p.InitialTaskIdentificationSpecified != 0) WriteIdentification(settings, out, p.InitialTaskIdentification);
  out += "\tEndTask\n";
}

// One task of the error-process group and the object that names it.
void WriteSystemTask(AddressSpaceWriter& w, int32_t number, const char* name, const char* entry_point,
                     uint32_t stack_length, int32_t priority) {
  const ModuleSettings& settings = w.ctx.settings;
  const PartitionRecord& p = w.partition;
  TextBuffer& out = w.out;
  APPEND_FORMAT(out, "\tTask\t\t%s\n", name);
  APPEND_FORMAT(out, "\t\tEntryPoint\t%s\n", entry_point);
  APPEND_FORMAT(out, "\t\tStackLength\t0x%x\n", stack_length);
  if (p.NoObjects == 0) APPEND_FORMAT(out, "\t\tMaximumPriority\t%d\n", priority);
  APPEND_FORMAT(out, "\t\tPriority\t%d\n", priority);
  out += "\t\tWeight\t\t0\n";
  out += "\t\tTimeSlice\tNONPREEMPTIBLE\n";
  out += "\t\tStartIt\t\tfalse\n";
  if (p.ErrorProcessIdentificationSpecified != 0) WriteIdentification(settings, out, p.ErrorProcessIdentification);
  out += "\tEndTask\n";
  BeginObject(out, number);
  APPEND_FORMAT(out, "\t\tTask\t%s\n", name);
  EndObject(out);
}

void WriteErrorProcessGroup(AddressSpaceWriter& w) {
  const ModuleSettings& settings = w.ctx.settings;
  const PartitionRecord& p = w.partition;
  const int32_t e = p.ErrorProcessObject;
  if (e == 0) return;
  const uint32_t page = static_cast<uint32_t>(settings.PageSize);
  WriteSystemTask(w, e, "ARINC653ErrorProcess", "ARINC653ErrorProcessEntry",
                  StackRound(settings, static_cast<uint32_t>(p.ErrorProcessLength)), kHighestLockerPriority);
  WriteSystemTask(w, AddWrapping(e, 1), "ARINC653IODeviceHandlerTask", "ARINC653IODeviceHandlerEntry", page, 254);
  BeginObject(w.out, AddWrapping(e, 2));
  APPEND_FORMAT(w.out, "\t\tIODevice\t\"ModuleHMDev%d\"\n", p.PartitionIndex);
  EndObject(w.out);
  WriteSystemTask(w, AddWrapping(e, 3), "ARINC653IODeviceMonitorTask", "ARINC653IODeviceMonitorEntry", page, 255);
}

void WriteKernelLink(TextBuffer& out, int32_t number, int32_t other) {
  BeginObject(out, number);
  out += "\t\tLink\t\tKernelSpace\n";
  APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", other);
  EndObject(out);
}

void WriteOwnConnection(TextBuffer& out, const PartitionRecord& p, int32_t number, int32_t other) {
  BeginObject(out, number);
  APPEND_FORMAT(out, "\t\tConnection\t%s\n", p.PartitionName.c_str());
  APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", other);
  EndObject(out);
}

void WriteFixedObjects(AddressSpaceWriter& w) {
  if (w.kernel) return;
  TranslationContext& ctx = w.ctx;
  const ModuleSettings& settings = ctx.settings;
  const PartitionRecord& p = w.partition;
  TextBuffer& out = w.out;
  const int32_t v = settings.VirtualStartObject;
  if (settings.PerApplicationTables == 0) {
    BeginObject(out, v);
    out += "\t\tMemoryRegion\n";
    APPEND_FORMAT(out, "\t\tMapTo\t\tMR_%s\n", p.PartitionName.c_str());
    out += "\t\tRead\t\tTrue\n";
    out += "\t\tWrite\t\tTrue\n";
    out += "\t\tPaged\t\tFalse\n";
    EndObject(out);
  }
  if (settings.NoArincSemaphore == 0 && UsesArincObjects(settings, p)) {
    BeginObject(out, AddWrapping(v, 1));
    out += "\t\tSemaphore\tHighestLocker\n";
    APPEND_FORMAT(out, "\t\tPriority\t%d\n", kHighestLockerPriority);
    EndObject(out);
  }
  if (ctx.model.schedules.SetModuleScheduleCount >= 2 && p.SetModuleSchedule != 0) {
    out += "# Link to KernelSpace object to get all SetModuleSchedule=\"true\" partitions in the same ODG\n";
    WriteKernelLink(out, AddWrapping(v, 2), AddWrapping(settings.KernelStartObject, 7));
  }
  if (p.ReleaseSemaphoreObject != 0) WriteKernelLink(out, AddWrapping(v, 3), p.ReleaseSemaphoreObject);
  if (settings.MultiCore != 0 && p.NoObjects == 0) {
    if (settings.NoPreemptionLockConnection == 0) {
      WriteOwnConnection(out, p, AddWrapping(v, 4), AddWrapping(v, 5));
      WriteOwnConnection(out, p, AddWrapping(v, 5), AddWrapping(v, 4));
    }
    WriteOwnConnection(out, p, AddWrapping(v, 6), AddWrapping(v, 7));
    out += "# KernelSpace object to get all SetModuleSchedule=\"true\" partitions in the same ODG\n";
    WriteOwnConnection(out, p, AddWrapping(v, 7), AddWrapping(v, 6));
  }
}

}  // namespace

void WriteAddressSpaceObjects(TranslationContext& ctx, const AddressSpaceLookups& lookups, TextBuffer& out,
                              PartitionRecord& partition) {
  AddressSpaceWriter w{ctx, lookups, out, partition, partition.KernelPartition != 0};
  WriteInitialTask(w);
  WriteErrorProcessGroup(w);
  WriteFixedObjects(w);
  WriteProcesses(w);
  WriteTasks(w);
  WriteSamplingPorts(w);
  WriteQueuingPorts(w);
  WritePortTask(w);
  WriteConnections(w);
  WriteIODevices(w);
  WriteSemaphores(w);
  WriteLinks(w);
  WriteClocks(w);
  WriteMemoryRegions(w);
  WritePartitionHMLinks(w);
  if (partition.IncludeFileNameGiven) APPEND_FORMAT(out, "%%include \"%s\"\n", partition.IncludeFileName.c_str());
}

}  // namespace cfgxlate
