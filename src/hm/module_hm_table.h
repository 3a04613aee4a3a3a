// The ModuleHMTable element: the module recovery actions of one module
// state.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadModuleHMTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
