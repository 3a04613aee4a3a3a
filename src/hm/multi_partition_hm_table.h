// The MultiPartitionHMTable element: per error, module-level recovery or
// hand-over to the partition.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadMultiPartitionHMTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
