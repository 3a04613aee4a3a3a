#include "partitions/ports.h"

namespace cfgxlate {

void ReadSamplingPort(TranslationContext&, const char*, PartitionRecord&) {}
void ReadQueuingPort(TranslationContext&, const char*, PartitionRecord&) {}
void ReadConnection(TranslationContext&, const char*, PartitionRecord&) {}

}  // namespace cfgxlate
