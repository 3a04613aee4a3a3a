// The <Partition element: the partition record, its attributes and its
// child elements.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadPartition(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
