// Command-line decoding into ModuleSettings.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// The usage text, shown for every command-line error.
std::string UsageText(const std::string& program_name);

// "cfgxlate <version>" and a newline, for --version.
std::string VersionText();

// Decodes argv[1..argc-1] into ctx.settings. Returns false when the usage
// text must be printed (an unknown long option too). A bad -b value is a fatal error (thrown).
bool DecodeOptions(TranslationContext& ctx, int argc, const char* const* argv);

// After decoding: the integrate-file name, FirstVirtualUserObject and the
// page-size check.
void DeriveSettings(TranslationContext& ctx);

}  // namespace cfgxlate
