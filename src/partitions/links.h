// Links and address spaces, and partition HM links.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// <Link and <AddressSpace.
void ReadLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadPartitionHMLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

}  // namespace cfgxlate
