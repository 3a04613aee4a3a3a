// The small child elements of a partition that only set partition fields:
// <PartitionHMRef, <FileSystemPermissions and <PartitionPeriodicity. Also the
// keyword matching that partition values share.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// True when `value` begins with `keyword`, letters compared without regard
// to case and every other character (such as "_") exactly.
bool BeginsWithKeyword(const char* value, const char* keyword);

// The same, and the value ends right after the keyword (closing quote).
bool IsKeyword(const char* value, const char* keyword);

void ReadPartitionHMRef(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadFileSystemPermissions(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);
void ReadPartitionPeriodicity(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition);

}  // namespace cfgxlate
