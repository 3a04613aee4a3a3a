#include "module/end_of_module_checks.h"

#include "core/diagnostics.h"

namespace cfgxlate {

void CheckEndOfModule(TranslationContext& ctx) {
  if (ctx.model.hm.ModuleHMTable == nullptr && ctx.settings.NoModuleHM == 0) {
    FatalError(ctx, "ModuleHMTable not specified.");
  }
  if (!ctx.model.schedules.InitialScheduleSeen) {
    FatalError(ctx, "No Module_Schedule found with InitialModuleSchedule value of true");
  }
}

}  // namespace cfgxlate
