// Reporting for code that holds the whole translation: the same operations
// as the Reporter's, reached through the context.
#pragma once

#include <string_view>

#include "core/context.h"
#include "core/reporter.h"

namespace cfgxlate {

[[noreturn]] inline void FatalError(TranslationContext& ctx, std::string_view message, const char* detail1 = nullptr,
                                    const char* detail2 = nullptr) {
  FatalError(ctx.report, message, detail1, detail2);
}

inline void Warning(TranslationContext& ctx, std::string_view message, const char* detail1 = nullptr,
                    const char* detail2 = nullptr) {
  Warning(ctx.report, message, detail1, detail2);
}

}  // namespace cfgxlate
