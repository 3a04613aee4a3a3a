// Module-level memory elements that refer to a partition: <Partition_Memory
// and <MemoryBlocks.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadPartitionMemory(TranslationContext& ctx, const char* tag_line);
void ReadMemoryBlocks(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
