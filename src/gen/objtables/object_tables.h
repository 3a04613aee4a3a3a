// The object tables: every object's number, "object_table.s" (or one file
// per partition with -z), "kernel_additions.ld", then "module_hm_table.s".
#pragma once

#include "core/context.h"

namespace cfgxlate {

void GenerateObjectTables(TranslationContext& ctx);

}  // namespace cfgxlate
