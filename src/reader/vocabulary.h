// The vocabulary of known elements and their attributes, checked on every
// tag line under -wa (warnings) and -ea (errors).
#pragma once

#include "core/context.h"

namespace cfgxlate {

void CheckTagVocabulary(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
