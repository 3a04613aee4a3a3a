// The tables of "module_hm_table.s" that are not about health monitoring:
// schedule-change permissions, the ROM copy list, the kernel's list of
// module schedules and the port-task list.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

void WriteSetModuleSchedulePermissions(const TranslationContext& ctx, TextBuffer& out);
void WriteCopyTables(const TranslationContext& ctx, TextBuffer& out);
void WriteKernelMMSTable(const TranslationContext& ctx, TextBuffer& out);
void WritePortTasksTable(const TranslationContext& ctx, TextBuffer& out);

}  // namespace cfgxlate
