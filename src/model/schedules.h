// Schedule records of the configuration model.
#pragma once

#include <deque>
#include <string>

namespace cfgxlate {

// A module schedule or sub-schedule.
struct ModuleScheduleRecord {
  bool InitialModuleSchedule = false;
};

struct ScheduleModel {
  std::deque<ModuleScheduleRecord> ModuleSchedules;  // input order
};

}  // namespace cfgxlate
