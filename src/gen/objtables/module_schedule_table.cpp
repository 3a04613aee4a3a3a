#include "gen/objtables/module_schedule_table.h"

namespace cfgxlate {

int ModuleScheduleRecordSize(const ModuleSettings& settings) { return settings.NameLength32 != 0 ? 122 : 120; }

int ModuleScheduleCount(const TranslationContext& ctx) {
  return static_cast<int>(ctx.model.schedules.ModuleSchedules.size());
}

void WriteModuleScheduleTable(TranslationContext&, std::string&, const PartitionRecord&) {}

}  // namespace cfgxlate
