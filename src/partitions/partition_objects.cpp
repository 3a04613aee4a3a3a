#include "partitions/partition_objects.h"

namespace cfgxlate {

int32_t ObjectNumberThreshold(const TranslationContext& ctx, const PartitionRecord& partition) {
  return partition.KernelPartition != 0 ? ctx.settings.NextKernelObject : ctx.settings.FirstVirtualUserObject;
}

void ReadProcess(TranslationContext&, const char*, PartitionRecord&) {}
void ReadTask(TranslationContext&, const char*, PartitionRecord&) {}
void ReadIODevice(TranslationContext&, const char*, PartitionRecord&) {}
void ReadSemaphore(TranslationContext&, const char*, PartitionRecord&) {}
void ReadClock(TranslationContext&, const char*, PartitionRecord&) {}
void ReadLink(TranslationContext&, const char*, PartitionRecord&) {}
void ReadPartitionHMLink(TranslationContext&, const char*, PartitionRecord&) {}
void CreateImplicitObjects(TranslationContext&, PartitionRecord&) {}

}  // namespace cfgxlate
