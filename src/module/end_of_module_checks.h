// What a whole configuration must hold, checked once the input has ended.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Fatal without a ModuleHMTable (unless -m), or without a module schedule
// marked initial.
void CheckEndOfModule(TranslationContext& ctx);

}  // namespace cfgxlate
