// Object elements inside a partition: processes, tasks, IO devices,
// semaphores, clocks, links and partition HM links, and the implicit objects
// of POSIX and FACE partitions.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// The lowest ObjectNumber a user may give in this partition.
int32_t ObjectNumberThreshold(const TranslationContext& ctx, const PartitionRecord& partition);

void ReadProcess(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadTask(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadIODevice(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadSemaphore(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadClock(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
// <Link and <AddressSpace.
void ReadLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadPartitionHMLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

// Called once after the partition's attributes when POSIXPartition or a
// FACE clock permission was given.
void CreateImplicitObjects(TranslationContext& ctx, PartitionRecord& partition);

}  // namespace cfgxlate
