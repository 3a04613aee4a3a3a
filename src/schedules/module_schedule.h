// The Module_Schedule element with its sub-schedules.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ParseModuleSchedule(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
