// Partition records of the configuration model.
#pragma once

namespace cfgxlate {

struct PartitionModel {};

}  // namespace cfgxlate
