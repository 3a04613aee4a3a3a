// The PartitionHMTable element, bound to the partitions that refer to it or
// are named by it.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadPartitionHMTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
