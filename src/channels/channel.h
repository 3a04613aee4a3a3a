// One Channel element of a connection table, up to its end tag.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Reads the channel that `tag_line` opens. Returns false when the input
// ended before the channel's end tag; what was read is kept.
bool ReadChannel(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
