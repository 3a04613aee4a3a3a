// "shadow_table.s" and "client_table.s", written after the integrate file
// when the configuration shadows a partition or gives file-system
// permissions.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// The shadowed partitions with the kernel link object the integrate file
// made for each.
void WriteShadowTable(TranslationContext& ctx);

// Each partition's access right to each disk volume; two partitions with
// write access to one volume stop the run.
void WriteClientTable(TranslationContext& ctx);

}  // namespace cfgxlate
