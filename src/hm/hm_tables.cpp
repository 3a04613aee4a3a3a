#include "hm/hm_tables.h"

namespace cfgxlate {

void ReadModuleHMTable(TranslationContext&, const char*) {}
void ReadMultiPartitionHMTable(TranslationContext&, const char*) {}
void ReadPartitionHMTable(TranslationContext&, const char*) {}

}  // namespace cfgxlate
