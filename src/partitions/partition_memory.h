// The module-level <Partition_Memory element: memory regions of a partition
// given outside its Partition element.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadPartitionMemory(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
