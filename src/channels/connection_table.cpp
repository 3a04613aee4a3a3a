#include "channels/connection_table.h"

namespace cfgxlate {

void ReadConnectionTable(TranslationContext&, const char*) {}

}  // namespace cfgxlate
