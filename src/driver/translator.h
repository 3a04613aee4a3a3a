// One whole translation: options, reading, then the generators in their
// fixed order. Runs in-process; returns the exit status.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Observes the context while it runs (the crash handler uses this).
using ContextObserver = void (*)(const TranslationContext* ctx);

int RunTranslator(int argc, const char* const* argv, FileSystem& fs, Console& console,
                  ContextObserver observer = nullptr);

}  // namespace cfgxlate
