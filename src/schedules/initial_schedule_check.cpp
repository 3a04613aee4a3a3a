#include "schedules/initial_schedule_check.h"

#include "driver/diagnostics.h"

namespace cfgxlate {

void CheckInitialScheduleDefined(TranslationContext& ctx) {
  for (const ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    if (schedule.InitialModuleSchedule) return;
  }
  FatalError(ctx, "No Module_Schedule found with InitialModuleSchedule value of true");
}

}  // namespace cfgxlate
