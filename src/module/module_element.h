// The configuration reader's entry point: opens the XML file, reads the
// module element and hands every module-level element to its handler.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Reads and checks the whole configuration into ctx.model.
void ReadConfiguration(TranslationContext& ctx);

}  // namespace cfgxlate
