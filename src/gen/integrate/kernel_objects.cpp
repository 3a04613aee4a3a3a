#include "gen/integrate/kernel_objects.h"

#include <unordered_map>

#include "core/diagnostics.h"
#include "gen/integrate/integrate_text.h"
#include "gen/integrate/kernel_numbering.h"
#include "gen/integrate/kernel_port_objects.h"
#include "gen/objtables/table_header.h"
#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

// Physical regions of all partitions by address: the first region that got
// a kernel object for it.
using RegionsByAddress = std::unordered_map<uint64_t, MemoryRegionRecord*>;

bool NeedsReleaseSemaphore(TranslationContext& ctx, const PartitionRecord& p) {
  if (p.Windows.empty()) return false;
  return p.HasPartitionReleaseSemaphore != 0 || ReleasePointByte(ctx, p) != 0;
}

void WriteConnection(TextBuffer& out, int32_t number, int32_t other) {
  BeginObject(out, number);
  out += "\t\tConnection\tKernelSpace\n";
  APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", other);
  EndObject(out);
}

// Objects that only the kernel partition adds, at the fixed numbers K ...
void WriteKernelPartitionObjects(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& p) {
  const ModuleSettings& settings = ctx.settings;
  const int32_t k = settings.KernelStartObject;
  if (settings.MultiCore != 0 && p.NoObjects == 0) {
    if (settings.NoPreemptionLockConnection == 0) {
      WriteConnection(out, AddWrapping(k, 3), AddWrapping(k, 4));
      WriteConnection(out, AddWrapping(k, 4), AddWrapping(k, 3));
    }
    WriteConnection(out, AddWrapping(k, 5), AddWrapping(k, 6));
    WriteConnection(out, AddWrapping(k, 6), AddWrapping(k, 5));
  }
  if (ctx.model.schedules.SetModuleScheduleCount >= 2) {
    BeginObject(out, AddWrapping(k, 7));
    out += "\t\tSemaphore\tCounting\n";
    out += "\t\tInitialValue\t0\n";
    if (settings.MultiCore != 0) out += "\t\tUsedByKernelTask\tfalse\n";
    EndObject(out);
  }
}

void WritePhysicalRegion(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                         RegionsByAddress& regions, MemoryRegionRecord& region) {
  auto found = regions.find(region.PhysicalAddress);
  if (found != regions.end()) {
    const MemoryRegionRecord& first = *found->second;
    if (first.Size != region.Size) {
      FatalError(ctx, "MemoryRegions have same physical address, but different sizes:", first.Name.c_str(),
                 region.Name.c_str());
    }
    region.AssignedObjectNumber = first.AssignedObjectNumber;
    if ((first.Flags & kRegionNamed) != 0) region.SharedRegionName = first.Name;
    return;
  }
  const int32_t number = numbering.Allocate(1);
  region.AssignedObjectNumber = number;
  regions.emplace(region.PhysicalAddress, &region);
  BeginObject(out, number);
  out += "\t\tMemoryRegion\n";
  if ((region.Flags & kRegionNamed) != 0) {
    APPEND_FORMAT(out, "\t\tName\t\tMR_%s\n", region.Name.c_str());
  } else {
    APPEND_FORMAT(out, "\t\tName\t\tMR_Kernel_%d\n", number);
  }
  APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", static_cast<unsigned long long>(region.PhysicalAddress));
  if (region.Size != 0) APPEND_FORMAT(out, "\t\tLength\t\t0x%llx\n", static_cast<unsigned long long>(region.Size));
  if ((region.Access1 & kClearGiven) != 0) {
    APPEND_FORMAT(out, "\t\tClear\t\t%s\n", (region.Access1 & kClearValue) != 0 ? "True" : "False");
    // Written here; the address space does not repeat it.
    region.Access1 = static_cast<uint8_t>(region.Access1 & ~(kClearGiven | kClearValue));
  }
  const bool paged = (region.Access3 & kPagedValue) != 0 && (region.Access3 & (kTypeCode | kTypeData)) == 0;
  out += paged ? "\t\tPaged\t\tTrue\n" : "\t\tPaged\t\tFalse\n";
  EndObject(out);
}

void WriteStackRegion(const ModuleSettings& settings, TextBuffer& out, KernelNumbering& numbering,
                      const std::string& name, uint64_t address, int32_t stack_size, bool clear) {
  BeginObject(out, numbering.Allocate(1));
  APPEND_FORMAT(out, "\t\tMemoryRegion\tMR_%s_Stack\n", name.c_str());
  APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", static_cast<unsigned long long>(address));
  APPEND_FORMAT(out, "\t\tLength\t\t%d\n", static_cast<int32_t>(StackRound(settings, static_cast<uint32_t>(stack_size))));
  if (clear) out += "\t\tClear\t\ttrue\n";
  EndObject(out);
}

// The kernel objects that belong to one partition, in the documented order.
void WritePartitionKernelObjects(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                                 RegionsByAddress& regions, PartitionRecord& p) {
  const ModuleSettings& settings = ctx.settings;
  const bool kernel = p.KernelPartition != 0;
  if (!kernel && settings.PerApplicationTables == 0) {
    BeginObject(out, numbering.Allocate(1));
    out += "\t\tMemoryRegion\n";
    APPEND_FORMAT(out, "\t\tName\t\tMR_%s\n", p.PartitionName.c_str());
    APPEND_FORMAT(out, "\t\tSection\t\t.mr_rweu_%s\n", p.PartitionName.c_str());
    EndObject(out);
  }
  if (kernel && settings.NoArincSemaphore == 0 && UsesArincObjects(settings, p)) {
    BeginObject(out, settings.KernelStartObject);
    out += "\t\tSemaphore\tHighestLocker\n";
    APPEND_FORMAT(out, "\t\tPriority\t%d\n", kHighestLockerPriority);
    EndObject(out);
  }
  if (NeedsReleaseSemaphore(ctx, p)) {
    p.ReleaseSemaphoreObject = kernel ? AddWrapping(settings.KernelStartObject, 2) : numbering.Allocate(1);
    BeginObject(out, p.ReleaseSemaphoreObject);
    out += "\t\tSemaphore\tCounting\n";
    out += "\t\tInitialValue\t0\n";
    if (settings.MultiCore != 0 && !kernel) out += "\t\tUsedByFrameRelease\ttrue\n";
    EndObject(out);
  }
  if (kernel) WriteKernelPartitionObjects(ctx, out, p);
  if (p.Shadow != 0) {
    p.ShadowLinkObject = numbering.Allocate(1);
    BeginObject(out, p.ShadowLinkObject);
    APPEND_FORMAT(out, "\t\tLink\t\t%s\n", p.PartitionName.c_str());
    out += "\t\tOtherObjectNumber\t4\n";
    EndObject(out);
  }
  WritePortKernelObjects(ctx, out, numbering, p);
  if (kernel) return;

  if (p.MemoryPoolPhysicalAddress != 0) {
    BeginObject(out, numbering.Allocate(1));
    APPEND_FORMAT(out, "\t\tMemoryRegion\tMR_%s_MemoryPool\n", p.PartitionName.c_str());
    APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", static_cast<unsigned long long>(p.MemoryPoolPhysicalAddress));
    APPEND_FORMAT(out, "\t\tLength\t\t%d\n",
                  static_cast<int32_t>(PageRound(settings, static_cast<uint32_t>(p.MemoryPoolSize))));
    EndObject(out);
  }
  for (MemoryRegionRecord& region : p.MemoryRegions) {
    if (region.PhysicalAddress == 0) continue;
    if (region.AddressSpace.Given() && region.AddressSpace.Text() == "KernelSpace") continue;
    WritePhysicalRegion(ctx, out, numbering, regions, region);
  }
  for (const ProcessRecord& process : p.Processes) {
    if (process.StackPhysicalAddress == 0) continue;
    WriteStackRegion(settings, out, numbering, process.Name, process.StackPhysicalAddress, process.StackSize,
                     process.ClearStack != 0);
  }
  for (const TaskRecord& task : p.Tasks) {
    if (task.StackPhysicalAddress == 0) continue;
    WriteStackRegion(settings, out, numbering, task.Name, task.StackPhysicalAddress, task.StackSize,
                     task.ClearStack != 0);
  }
}

}  // namespace

void WriteKernelObjects(TranslationContext& ctx, OutputStream& file) {
  KernelNumbering numbering(ctx);
  RegionsByAddress regions;
  for (PartitionRecord& partition : ctx.model.partitions.Partitions) {
    WritePartitionKernelObjects(ctx, file.text, numbering, regions, partition);
    file.Flush();
  }
}

}  // namespace cfgxlate
