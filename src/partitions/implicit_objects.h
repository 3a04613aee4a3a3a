// Objects a POSIX or FACE partition gets without declaring them.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Called once after the partition's attributes when POSIXPartition or a
// FACE clock permission was given.
void CreateImplicitObjects(TranslationContext& ctx, PartitionRecord& partition);

}  // namespace cfgxlate
