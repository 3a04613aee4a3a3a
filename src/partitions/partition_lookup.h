// Finding partitions by identifier or name. Each lookup gives the first
// partition in definition order, through indexes kept as partitions are read.
#pragma once

#include <string>

#include "driver/context.h"

namespace cfgxlate {

// Enters a partition into the indexes once its identifier and name are final.
void RegisterPartition(PartitionModel& model, PartitionRecord& partition);

PartitionRecord* FindPartitionByIdentifier(PartitionModel& model, int32_t identifier);

// Exact match on the lookup name (the user's name for the kernel partition).
PartitionRecord* FindPartitionByLookupName(PartitionModel& model, const std::string& name);

}  // namespace cfgxlate
