// Health-monitoring table elements: ModuleHMTable, MultiPartitionHMTable and
// PartitionHMTable.
#pragma once

#include "core/context.h"

namespace cfgxlate {

void ReadModuleHMTable(TranslationContext& ctx, const char* tag_line);
void ReadMultiPartitionHMTable(TranslationContext& ctx, const char* tag_line);
void ReadPartitionHMTable(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
