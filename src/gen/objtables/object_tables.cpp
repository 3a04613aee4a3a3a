#include "gen/objtables/object_tables.h"

namespace cfgxlate {

void GenerateObjectTables(TranslationContext&) {}

}  // namespace cfgxlate
