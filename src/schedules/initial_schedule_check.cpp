#include "schedules/initial_schedule_check.h"

#include "driver/diagnostics.h"

namespace cfgxlate {

void CheckInitialScheduleDefined(TranslationContext& ctx) {
  if (ctx.model.schedules.InitialScheduleSeen) return;
  FatalError(ctx, "No Module_Schedule found with InitialModuleSchedule value of true");
}

}  // namespace cfgxlate
