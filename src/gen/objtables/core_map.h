// The 64-byte logical-to-physical core map of a partition in one module
// schedule: byte i holds the physical core that logical core i runs on.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

constexpr int kCoreMapLines = 16;  // four bytes each

// Writes the map for a Core text: "all" (any letter case) maps logical core i
// to physical core i for the module's cores; any other text lists physical
// cores as decimal numbers, each followed by one separator character. A null
// text gives an all-zero map. A listed number that no byte can hold (above
// 255 or below -128) is fatal.
void WriteCoreMap(TranslationContext& ctx, TextBuffer& out, const std::string* core_text);

}  // namespace cfgxlate
