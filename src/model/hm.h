// Health-monitoring records of the configuration model.
#pragma once

#include <memory>

namespace cfgxlate {

// The module HM table (filled by the HM handlers).
struct ModuleHMTableRecord {};

struct HMModel {
  std::unique_ptr<ModuleHMTableRecord> ModuleHMTable;  // null until given
};

}  // namespace cfgxlate
