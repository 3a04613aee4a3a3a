#include "partitions/memory_regions.h"

#include <strings.h>

#include "core/diagnostics.h"
#include "partitions/memory_access.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void ReadRegionBoolean(TranslationContext& ctx, MemoryRegionRecord& region, const char* tag_line, const char* name,
                       const char* message, uint8_t value_bit, uint8_t given_bit) {
  const char* value = FindAttribute(ctx.report, tag_line, name);
  if (value == nullptr) return;
  region.Flags |= given_bit;
  if (ParseBoolean(ctx.report, value, message, tag_line) != 0) region.Flags |= value_bit;
}

}  // namespace

void ReadMemoryRegion(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  const bool requirement =
      StartsWith(tag_line, "<Memory_Requirements ") || StartsWith(tag_line, "<MemoryRequirements ");

  uint8_t type_bits = 0;
  const char* type = FindAttribute(ctx.report, tag_line, "Type");
  if (type == nullptr && requirement) FatalError(ctx, "Required Type field missing:", tag_line);
  // Other types are accepted silently and leave both bits clear.
  if (type != nullptr && strncasecmp(type, "Code\"", 5) == 0) type_bits = kTypeCode;
  if (type != nullptr && strncasecmp(type, "Data\"", 5) == 0) type_bits = kTypeData;

  MemoryRegionRecord& region = partition.MemoryRegions.emplace_back();
  region.Access3 |= type_bits;

  if (const char* size = FindAttributeEither(ctx.report, tag_line, "SizeBytes", "Size")) {
    region.Size = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, size, tag_line));
  } else if (requirement) {
    FatalError(ctx, "Required Size or SizeBytes field missing:", tag_line);
  }

  const char* name = FindAttributeEither(ctx.report, tag_line, "RegionName", "Name");
  if (name == nullptr) FatalError(ctx, "Required Name or RegionName field missing:", tag_line);
  region.Name = BlanksToUnderscores(AttributeText(name));
  region.Flags |= kRegionNamed;

  if (const char* address_space = FindAttribute(ctx.report, tag_line, "AddressSpace")) {
    if (requirement) FatalError(ctx, "AddressSpace attribute only allowed for MemoryRegion specifications:", tag_line);
    region.AddressSpace = BlanksToUnderscores(AttributeText(address_space));
  }

  ReadCommonMemoryAttributes(ctx, region, tag_line, requirement, partition);
}

void ReadCommonMemoryAttributes(TranslationContext& ctx, MemoryRegionRecord& region, const char* tag_line,
                                bool access_required, const PartitionRecord& partition) {
  if (const char* alignment = FindAttribute(ctx.report, tag_line, "AlignmentValue")) {
    region.AlignmentValue = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, alignment, tag_line));
  }

  if (const char* physical = FindAttributeEither(ctx.report, tag_line, "PhysicalAddress", "Address")) {
    region.PhysicalAddress = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, physical, tag_line));
  } else {
    // A Type only means something for memory at a fixed physical place.
    region.Access3 &= static_cast<uint8_t>(~(kTypeCode | kTypeData));
  }

  if (const char* virtual_address = FindAttribute(ctx.report, tag_line, "VirtualAddress")) {
    region.VirtualAddress = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, virtual_address, tag_line));
  }

  if (const char* section = FindAttribute(ctx.report, tag_line, "SectionName")) {
    region.SectionName = AttributeText(section);
  }

  if (const char* map_to = FindAttribute(ctx.report, tag_line, "MapToName")) {
    if (region.PhysicalAddress != 0) FatalError(ctx, "Cannot specify PhysicalAddress with MapToName:", tag_line);
    region.MapToName = AttributeText(map_to);
  }

  ReadRegionBoolean(ctx, region, tag_line, "UsedByCallback",
                    "Invalid UsedByCallback value: ", kRegionUsedByCallbackValue, kRegionUsedByCallbackGiven);
  ReadRegionBoolean(ctx, region, tag_line, "UsedByKernelTask",
                    "Invalid UsedByKernelTask value: ", kRegionUsedByKernelTaskValue, kRegionUsedByKernelTaskGiven);

  if (const char* core = FindAttributeEither(ctx.report, tag_line, "CoreId", "CoreID")) {
    region.CoreId = static_cast<uint32_t>(ParseDecOrHex(ctx.report, core, tag_line));
    region.Flags |= kRegionCoreIdGiven;
  }

  if (const char* access = FindAttributeEither(ctx.report, tag_line, "Access", "AccessRights")) {
    ParseMemoryAccess(ctx, region, access, tag_line);
  } else if (access_required) {
    FatalError(ctx, "Required Access or AccessRights field missing:", tag_line);
  }

  if (const char* number = FindAttribute(ctx.report, tag_line, "ObjectNumber")) {
    region.ObjectNumber = ParseDecOrHex(ctx.report, number, tag_line);
    // Regions may use the fixed slots that other objects may not.
    const int32_t lowest =
        partition.KernelPartition != 0 ? ctx.settings.KernelStartObject : ctx.settings.VirtualStartObject;
    if (region.ObjectNumber < lowest) {
      FatalError(ctx, "Invalid ObjectNumber specification, value too small:", tag_line);
    }
  }
}

}  // namespace cfgxlate
