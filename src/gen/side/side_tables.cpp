#include "gen/side/side_tables.h"

namespace cfgxlate {

void WriteShadowTable(TranslationContext& ctx) { (void)ctx; }

void WriteClientTable(TranslationContext& ctx) { (void)ctx; }

}  // namespace cfgxlate
