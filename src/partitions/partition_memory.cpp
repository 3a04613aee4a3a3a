#include "partitions/partition_memory.h"

namespace cfgxlate {

void ReadPartitionMemory(TranslationContext&, const char*) {}
void ReadMemoryBlocks(TranslationContext&, const char*) {}

}  // namespace cfgxlate
