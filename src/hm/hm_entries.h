// Pieces shared by the three HM table elements: keyword values and the
// ErrorIdentifierRef of an ErrorAction line.
#pragma once

#include <cstdint>

#include "core/context.h"

namespace cfgxlate {

// RESET 0, SHUTDOWN 1, IGNORE 2 for a value beginning with the keyword
// (case-sensitive); -1 for anything else.
int ModuleRecoveryActionValue(const char* value);

// True when the value begins with the keyword, ignoring letter case.
bool BeginsWithIgnoreCase(const char* value, const char* keyword);

// The required ErrorIdentifierRef of an ErrorAction line; out of 0..31 is
// fatal with the given message pair.
int32_t ReadErrorIdentifierRef(TranslationContext& ctx, const char* tag_line, const char* range_message,
                               const char* range_detail);

}  // namespace cfgxlate
