// "module_hm_table.s": module HM, permission, copy, schedule and port-task
// tables.
#pragma once

#include "driver/context.h"

namespace cfgxlate {

void GenerateModuleHMTable(TranslationContext& ctx);

}  // namespace cfgxlate
