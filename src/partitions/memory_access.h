// The Access (or AccessRights) value of a memory region or block: access
// keywords joined by single underscores, each optionally "=true"/"=false".
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Sets the given and value bits of every keyword in `value` (the position
// after the opening quote); fatal on anything that is not such a keyword.
void ParseMemoryAccess(TranslationContext& ctx, MemoryRegionRecord& region, const char* value, const char* tag_line);

}  // namespace cfgxlate
