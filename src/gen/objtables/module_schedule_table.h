// The module schedule table that ends every partition's object table.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

// Bytes one module schedule takes in the table: the name, the logical-cores
// and change-action bytes, identifier, number, period, duration and the
// 64-byte core map.
int ModuleScheduleRecordSize(const ModuleSettings& settings);

// Number of Module_Schedule elements.
int ModuleScheduleCount(const TranslationContext& ctx);

// Appends the schedule count and one record per module schedule for the
// partition (and the verbose dump lines).
void WriteModuleScheduleTable(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition);

}  // namespace cfgxlate
