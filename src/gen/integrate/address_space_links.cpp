// Named objects of an address space: IO devices, semaphores, links, clocks
// and partition HM links.
#include "gen/integrate/address_space_links.h"

#include "core/diagnostics.h"
#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

const PartitionRecord* FindPartition(const AddressSpaceLookups& lookups, const std::string& name) {
  auto found = lookups.PartitionsByName.find(name);
  return found == lookups.PartitionsByName.end() ? nullptr : found->second;
}

// The number of the target object in the other partition, or 0 when it has
// none there.
int32_t TargetNumber(const AddressSpaceLookups& lookups, const PartitionRecord& target, const std::string& name) {
  auto partition = lookups.LinkTargets.find(&target);
  if (partition == lookups.LinkTargets.end()) return 0;
  auto found = partition->second.find(name);
  return found == partition->second.end() ? 0 : found->second;
}

void WriteReleaseSemaphoreLink(AddressSpaceWriter& w, const LinkRecord& link) {
  const PartitionRecord& p = w.partition;
  const char* name = p.PartitionName.c_str();
  if (FindPartition(w.lookups, link.PartitionName) != &p) {
    FatalError(w.ctx, "Partition Release Semaphore Link can only reference the current partition:", name);
  }
  if (p.NoObjects == 0) {
    FatalError(w.ctx, "Partition Release Semaphore Link can only be defined in non-ARINC653 partition:", name);
  }
  if (p.ReleaseSemaphoreObject == 0) FatalError(w.ctx, "Partition Release Semaphore Link Error:", name);
  w.out += "\t\tLink\t\t\tKernelSpace\n";
  w.out += "\t\tName\t\t\tParitionReleaseSemaphore\n";
  APPEND_FORMAT(w.out, "\t\tOtherObjectNumber\t%d\n", p.ReleaseSemaphoreObject);
}

void WriteLinkBody(AddressSpaceWriter& w, const LinkRecord& link) {
  TextBuffer& out = w.out;
  if (link.LinkedObjectName == "PartitionReleaseSemaphore") {
    WriteReleaseSemaphoreLink(w, link);
    return;
  }
  if (link.LinkedObjectNameFromPartitionName) {
    APPEND_FORMAT(out, "\t\tAddressSpace\t%s\n", link.PartitionName.c_str());
    if (!link.NameFromPartitionName) APPEND_FORMAT(out, "\t\tName\t\t%s\n", link.Name.c_str());
    return;
  }
  const PartitionRecord* target = FindPartition(w.lookups, link.PartitionName);
  if (target == nullptr) {
    APPEND_FORMAT(out, "\t\tLink\t\t%s\n", link.PartitionName.c_str());
    APPEND_FORMAT(out, "\t\tName\t\t%s\n", link.Name.c_str());
    APPEND_FORMAT(out, "\t\tOtherObjectName\t%s\n", link.LinkedObjectName.c_str());
    return;
  }
  APPEND_FORMAT(out, "\t\tLink\t\t%s\n", target->KernelPartition != 0 ? "KernelSpace" : target->PartitionName.c_str());
  APPEND_FORMAT(out, "\t\tName\t\t%s\n", link.Name.c_str());
  const int32_t number = TargetNumber(w.lookups, *target, link.LinkedObjectName);
  if (number != 0) {
    APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", number);
  } else {
    APPEND_FORMAT(out, "\t\tOtherObjectName\t%s\n", link.LinkedObjectName.c_str());
  }
}

}  // namespace

void WriteIODevices(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const IODeviceRecord& device : w.partition.IODevices) {
    APPEND_FORMAT(out, "\t# %s IODevice\n", device.Name.c_str());
    BeginObject(out, device.ObjectIndex);
    const std::string& registered = device.RegisteredNameGiven ? device.RegisteredName : device.Name;
    APPEND_FORMAT(out, "\t\tIODevice\t\"%s\"\n", registered.c_str());
    APPEND_FORMAT(out, "\t\tName\t\t%s\n", device.Name.c_str());
    WriteUsedByLines(out, device.ObjectFlags);
    WriteCoreIdLine(out, device.ObjectFlags, device.CoreId);
    EndObject(out);
  }
}

void WriteSemaphores(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const SemaphoreRecord& semaphore : w.partition.Semaphores) {
    const char* name = semaphore.Name.c_str();
    APPEND_FORMAT(out, "\t# %s Semaphore\n", name);
    BeginObject(out, semaphore.ObjectIndex);
    if (semaphore.Kind == kCountingSemaphore) {
      out += "\t\tSemaphore\tCounting\n";
      APPEND_FORMAT(out, "\t\tName\t\t%s\n", name);
      APPEND_FORMAT(out, "\t\tInitialValue\t%d\n", semaphore.Value);
    } else if (semaphore.Kind == kHighestLockerSemaphore) {
      out += "\t\tSemaphore\tHighestLocker\n";
      APPEND_FORMAT(out, "\t\tName\t\t%s\n", name);
      APPEND_FORMAT(out, "\t\tPriority\t%d\n", semaphore.Value);
    }
    if (semaphore.UsedByFrameRelease != 0) {
      // A kernel task releases it, unless another partition links to it.
      if (w.kernel && w.lookups.KernelObjectsLinkedFromOutside.count(semaphore.Name) == 0) {
        out += "\t\tUsedByKernelTask\ttrue\n";
      }
      out += "\t\tUsedByFrameRelease\ttrue\n";
    }
    WriteUsedByLines(out, semaphore.ObjectFlags);
    WriteCoreIdLine(out, semaphore.ObjectFlags, semaphore.CoreId);
    EndObject(out);
  }
}

void WriteLinks(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const LinkRecord& link : w.partition.Links) {
    out +=
        Format(link.LinkedObjectNameFromPartitionName ? "\t# %s AddressSpace\n" : "\t# %s Link\n", link.Name.c_str());
    BeginObject(out, link.ObjectIndex);
    WriteLinkBody(w, link);
    WriteCoreIdLine(out, link.ObjectFlags, link.CoreId);
    WriteUsedByLines(out, link.ObjectFlags);
    EndObject(out);
  }
}

void WriteClocks(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const ClockRecord& clock : w.partition.Clocks) {
    APPEND_FORMAT(out, "\t# %s Clock\n", clock.Name.c_str());
    BeginObject(out, clock.ObjectIndex);
    APPEND_FORMAT(out, "\t\tClock\t\t%s\n", clock.PhysicalClockGiven ? clock.PhysicalClock.c_str() : "HighResTimer");
    APPEND_FORMAT(out, "\t\tName\t\t%s\n", clock.Name.c_str());
    APPEND_FORMAT(out, "\t\tSetTime\t\t%s\n", TrueFalse(clock.SetTime == 1));
    APPEND_FORMAT(out, "\t\tReadTime\t%s\n", TrueFalse(clock.ReadTime == 1));
    APPEND_FORMAT(out, "\t\tAlarm\t\t%s\n", TrueFalse(clock.Alarm == 1));
    WriteUsedByLines(out, clock.ObjectFlags);
    WriteCoreIdLine(out, clock.ObjectFlags, clock.CoreId);
    EndObject(out);
  }
}

void WritePartitionHMLinks(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const PartitionHMLinkRecord& link : w.partition.HMLinks) {
    APPEND_FORMAT(out, "\t# %s Partition HM Link\n", link.Name.c_str());
    BeginObject(out, link.ObjectIndex);
    const PartitionRecord* target = FindPartition(w.lookups, link.PartitionName);
    if (target == nullptr) {
      FatalError(w.ctx, "Partition HM Link does not reference a valid partition:", link.Name.c_str());
    }
    if (target->ErrorProcessObject == 0) {
      FatalError(w.ctx, "Partition HM Link references a non-ARINC653 partition:", link.Name.c_str());
    }
    APPEND_FORMAT(out, "\t\tLink\t\t\t%s\n", target->PartitionName.c_str());
    APPEND_FORMAT(out, "\t\tName\t\t\t%s\n", link.Name.c_str());
    APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", AddWrapping(target->ErrorProcessObject, 2));
    EndObject(out);
  }
}

}  // namespace cfgxlate
