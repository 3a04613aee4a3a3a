// Error and warning reporting. Every line goes to standard error as
// "<program>: <severity>: <text>". A fatal error throws FatalExit carrying
// its formatted lines; the driver prints them and ends the run with status 1.
#pragma once

#include <string>
#include <string_view>

#include "driver/context.h"

namespace cfgxlate {

struct FatalExit {
  std::string lines;
};

// "<program>: <severity>: <text>\n" (no newline added when text ends in one).
std::string MessageLine(const TranslationContext& ctx, const char* severity, std::string_view text);

// Writes lines to standard error after flushing standard output.
void EmitMessageLines(TranslationContext& ctx, const std::string& lines);

// "Line %d - <message>", then each present detail on a line of its own.
[[noreturn]] void FatalError(TranslationContext& ctx, std::string_view message, const char* detail1 = nullptr,
                             const char* detail2 = nullptr);
void Warning(TranslationContext& ctx, std::string_view message, const char* detail1 = nullptr,
             const char* detail2 = nullptr);

// "Line %d - <message>: <attribute>" (or without ": <attribute>" when there is
// none), then the tag line. The warning is not silenced by -w.
[[noreturn]] void AttributeError(TranslationContext& ctx, std::string_view message, const char* tag_line,
                                 const char* attribute);
void AttributeWarning(TranslationContext& ctx, std::string_view message, const char* tag_line, const char* attribute);

}  // namespace cfgxlate
