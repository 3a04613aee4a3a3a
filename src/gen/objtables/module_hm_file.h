// "module_hm_table.s": module HM, permission, copy, schedule and port-task
// tables.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void GenerateModuleHMTable(TranslationContext& ctx);

}  // namespace cfgxlate
