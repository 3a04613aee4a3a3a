// The connection table: channels binding ports of different partitions.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadConnectionTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
