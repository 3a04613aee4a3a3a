#include "partitions/partition_element.h"

namespace cfgxlate {

void ReadPartition(TranslationContext&, const char*) {}

}  // namespace cfgxlate
