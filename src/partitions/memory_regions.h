// Memory requirements and regions, and the attribute parser they share with
// memory blocks.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// <Memory_Requirements, <MemoryRequirements, <Memory_Region, <MemoryRegion:
// appends one record to the partition's region list.
void ReadMemoryRegion(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

// Placement, access and object attributes of a region or memory block.
void ReadCommonMemoryAttributes(TranslationContext& ctx, MemoryRegionRecord& region, const char* tag_line,
                                bool access_required, const PartitionRecord& partition);

}  // namespace cfgxlate
