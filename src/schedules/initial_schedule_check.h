#pragma once

#include "driver/context.h"

namespace cfgxlate {

// Fatal unless some module schedule is marked initial.
void CheckInitialScheduleDefined(TranslationContext& ctx);

}  // namespace cfgxlate
