#include "schedules/module_schedule.h"

namespace cfgxlate {

void ParseModuleSchedule(TranslationContext&, const char*) {}

}  // namespace cfgxlate
