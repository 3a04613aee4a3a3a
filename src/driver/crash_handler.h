// Reports an interrupt or a crash with the current input line and ends the
// process with status 1.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void InstallCrashHandler();

// The context whose line number and tag line a report shows (null: none).
void WatchContextForCrash(const TranslationContext* ctx);

}  // namespace cfgxlate
