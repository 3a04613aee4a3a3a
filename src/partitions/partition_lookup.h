// Finding partitions by identifier or name. Each lookup gives the first
// partition in definition order, through indexes kept as partitions are read.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// Enters a partition into the indexes once its identifier and name are final.
void RegisterPartition(PartitionModel& model, PartitionRecord& partition);

PartitionRecord* FindPartitionByIdentifier(PartitionModel& model, int32_t identifier);

// Exact match on the lookup name (the user's name for the kernel partition).
PartitionRecord* FindPartitionByLookupName(PartitionModel& model, const std::string& name);

// The kernel partition (at most one is accepted), or null.
PartitionRecord* FindKernelPartition(PartitionModel& model);
const PartitionRecord* FindKernelPartition(const PartitionModel& model);

// A PartitionName attribute against a stored name, over the stored name's
// length: letters compare ignoring case and a blank stands for the "_" that
// replaced it. Returns the position after the compared characters, or
// nullptr on a mismatch (also when the value is shorter).
const char* MatchPartitionName(const char* value, const std::string& name);

// The same, and the value must end there.
bool PartitionNameMatches(const char* value, const std::string& name);

}  // namespace cfgxlate
