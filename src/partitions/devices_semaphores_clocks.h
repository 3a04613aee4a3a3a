// IO devices, semaphores and clocks inside a partition.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadIODevice(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadSemaphore(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadClock(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

}  // namespace cfgxlate
