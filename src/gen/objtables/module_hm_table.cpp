#include "gen/objtables/module_hm_table.h"

namespace cfgxlate {

void GenerateModuleHMTable(TranslationContext&) {}

}  // namespace cfgxlate
