// Writing generated files and the verbose dump.
#pragma once

#include <cstdint>
#include <string>

#include "core/context.h"

namespace cfgxlate {

// The path of a generated file: in the output directory when one is given.
std::string OutputPath(const TranslationContext& ctx, const std::string& file_name);

// Writes a complete generated file (a temporary renamed into place);
// "Unable to open file:" with the path when it cannot be written.
void WriteOutputFile(TranslationContext& ctx, const std::string& file_name, const std::string& contents);

// Text of the verbose dump (-e to standard output, -e2 to standard error),
// written at once so that it keeps its place among warnings.
void Verbose(TranslationContext& ctx, const std::string& text);

// A 32-bit value as one ".byte" line, most significant byte first, or least
// significant first with -i.
void EmitWord32(const ModuleSettings& settings, std::string& out, uint32_t value);
// A 64-bit value as two such lines, in the same byte order.
void EmitWord64(const ModuleSettings& settings, std::string& out, uint64_t value);

}  // namespace cfgxlate
