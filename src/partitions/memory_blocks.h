// The module-level <MemoryBlocks element: memory blocks of a partition.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadMemoryBlocks(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
