#include "partitions/memory_regions.h"

namespace cfgxlate {

void ReadMemoryRegion(TranslationContext&, const char*, PartitionRecord&) {}
void ReadCommonMemoryAttributes(TranslationContext&, MemoryRegionRecord&, const char*, bool,
                                const PartitionRecord&) {}

}  // namespace cfgxlate
