// The CoreAGLockPriorityTable element.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadCoreAGLockPriorityTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
