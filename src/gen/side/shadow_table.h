// "shadow_table.s", written after the integrate file when the
// configuration shadows a partition.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// The shadowed partitions with the kernel link object the integrate file
// made for each.
void WriteShadowTable(TranslationContext& ctx);

}  // namespace cfgxlate
