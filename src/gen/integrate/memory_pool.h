// The memory-pool size of partitions that ask for a pool: calculated from
// their processes, tasks and object units, or checked against the given size.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Fills in MemoryPoolSize where it is to be calculated and warns where the
// given size is smaller than the calculated one. Adds 2 pool units per
// process and per task of those partitions.
void CheckMemoryPools(TranslationContext& ctx);

}  // namespace cfgxlate
