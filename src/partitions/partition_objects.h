// Processes and tasks of a partition, and the lowest object number a user
// may give there.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// The lowest ObjectNumber a user may give in this partition.
int32_t ObjectNumberThreshold(const TranslationContext& ctx, const PartitionRecord& partition);

void ReadProcess(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadTask(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

}  // namespace cfgxlate
