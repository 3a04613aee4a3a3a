// Memory regions of an address space: where each lies (a kernel region it
// maps to, a section, or a size to allocate) and its access flags.
#include "gen/integrate/address_space_regions.h"
#include "util/format.h"

namespace cfgxlate {

namespace {

unsigned long long Hex64(uint64_t value) { return static_cast<unsigned long long>(value); }

// The region's UsedBy and CoreId bits in the ObjectFlags layout.
uint8_t RegionObjectFlags(const MemoryRegionRecord& region) {
  uint8_t flags = 0;
  if ((region.Flags & kRegionUsedByCallbackValue) != 0) flags |= kUsedByCallbackValue;
  if ((region.Flags & kRegionUsedByCallbackGiven) != 0) flags |= kUsedByCallbackGiven;
  if ((region.Flags & kRegionUsedByKernelTaskValue) != 0) flags |= kUsedByKernelTaskValue;
  if ((region.Flags & kRegionUsedByKernelTaskGiven) != 0) flags |= kUsedByKernelTaskGiven;
  if ((region.Flags & kRegionCoreIdGiven) != 0) flags |= kCoreIdGiven;
  return flags;
}

void WriteAccessFlag(TextBuffer& out, const char* line_start, uint8_t bits, uint8_t given, uint8_t value) {
  if ((bits & given) != 0) APPEND_FORMAT(out, "%s%s\n", line_start, TrueFalse((bits & value) != 0));
}

void WritePhysicalPlacement(AddressSpaceWriter& w, const MemoryRegionRecord& region) {
  TextBuffer& out = w.out;
  const bool named = (region.Flags & kRegionNamed) != 0;
  if (w.kernel || (region.AddressSpace.Given() && region.AddressSpace.Text() == "KernelSpace")) {
    APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", Hex64(region.PhysicalAddress));
  } else if (!region.SharedRegionName.empty()) {
    APPEND_FORMAT(out, "\t\tMapTo\t\tMR_%s\n", region.SharedRegionName.c_str());
  } else if (named) {
    APPEND_FORMAT(out, "\t\tMapTo\t\tMR_%s\n", region.Name.c_str());
  } else {
    APPEND_FORMAT(out, "\t\tMapTo\t\tMR_Kernel_%d\n", region.AssignedObjectNumber);
  }
}

void WriteRegion(AddressSpaceWriter& w, const MemoryRegionRecord& region) {
  TextBuffer& out = w.out;
  APPEND_FORMAT(out, "\t# %s Memory Region\n", region.Name.c_str());
  BeginObject(out, region.ObjectIndex);
  if (region.AddressSpace.Given()) {
    APPEND_FORMAT(out, "\t\tMemoryRegion\t%s\n", region.AddressSpace.c_str());
  } else {
    out += "\t\tMemoryRegion\n";
  }
  if ((region.Flags & kRegionNamed) != 0) APPEND_FORMAT(out, "\t\tName\t\t%s\n", region.Name.c_str());
  if (region.PhysicalAddress != 0) WritePhysicalPlacement(w, region);

  if (region.SectionName.Given()) {
    APPEND_FORMAT(out, "\t\tSection\t\t%s\n", region.SectionName.c_str());
  } else if ((region.Access3 & kTypeCode) != 0) {
    out += "\t\tSection\t\t.text\n";
  } else if ((region.Access3 & kTypeData) != 0) {
    out += "\t\tSection\t\t.data\n";
  } else if (!region.MapToName.Given()) {
    if (region.Size != 0) APPEND_FORMAT(out, "\t\tLength\t\t0x%llx\n", Hex64(region.Size));
    if (region.AlignmentValue != 0) APPEND_FORMAT(out, "\t\tAlignmentValue\t0x%llx\n", Hex64(region.AlignmentValue));
  }
  if (region.VirtualAddress != 0) APPEND_FORMAT(out, "\t\tFirst\t\t0x%llx\n", Hex64(region.VirtualAddress));
  if (region.MapToName.Given()) APPEND_FORMAT(out, "\t\tMapTo\t\t%s\n", region.MapToName.c_str());

  // The kernel sets its own access rights.
  if (!w.kernel) {
    WriteAccessFlag(out, "\t\tRead\t\t", region.Access1, kReadGiven, kReadValue);
    WriteAccessFlag(out, "\t\tWrite\t\t", region.Access1, kWriteGiven, kWriteValue);
    WriteAccessFlag(out, "\t\tExecute\t\t", region.Access2, kExecuteGiven, kExecuteValue);
    WriteAccessFlag(out, "\t\tVolatile\t", region.Access2, kVolatileGiven, kVolatileValue);
    WriteAccessFlag(out, "\t\tIOCoherent\t", region.Access2, kIOCoherentGiven, kIOCoherentValue);
    WriteAccessFlag(out, "\t\tIOSpace\t\t", region.Access2, kIOSpaceGiven, kIOSpaceValue);
    WriteAccessFlag(out, "\t\tUnmapped\t", region.Access3, kUnmappedGiven, kUnmappedValue);
    WriteAccessFlag(out, "\t\tStackSegment\t", region.Access3, kStackSegmentGiven, kStackSegmentValue);
    WriteAccessFlag(out, "\t\tFastPacketCache\t", region.Access1, kFastPacketCacheGiven, kFastPacketCacheValue);
  }
  // Clear is no longer given when the kernel's region of the same memory
  // wrote it.
  WriteAccessFlag(out, "\t\tClear\t\t", region.Access1, kClearGiven, kClearValue);
  APPEND_FORMAT(out, "\t\tPaged\t\t%s\n", TrueFalse((region.Access3 & kPagedValue) != 0));
  const uint8_t flags = RegionObjectFlags(region);
  WriteUsedByLines(out, flags);
  WriteCoreIdLine(out, flags, static_cast<int32_t>(region.CoreId));
  EndObject(out);
}

}  // namespace

void WriteMemoryRegions(AddressSpaceWriter& w) {
  for (const MemoryRegionRecord& region : w.partition.MemoryRegions) WriteRegion(w, region);
}

}  // namespace cfgxlate
