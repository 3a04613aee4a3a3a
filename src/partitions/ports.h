// Port elements inside a partition: sampling ports, queuing ports and
// kernel connections.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadSamplingPort(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadQueuingPort(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadConnection(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

}  // namespace cfgxlate
