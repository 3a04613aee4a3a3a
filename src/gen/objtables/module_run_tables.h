// The tables of "module_hm_table.s" that are not about health monitoring:
// schedule-change permissions, the ROM copy list, the kernel's list of
// module schedules and the port-task list.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

void WriteSetModuleSchedulePermissions(const TranslationContext& ctx, std::string& out);
void WriteCopyTables(const TranslationContext& ctx, std::string& out);
void WriteKernelMMSTable(const TranslationContext& ctx, std::string& out);
void WritePortTasksTable(const TranslationContext& ctx, std::string& out);

}  // namespace cfgxlate
