// Finding the partitions a PartitionHMTable serves, through the indexes of
// HMBindingIndex.
#pragma once

#include <string>
#include <vector>

#include "core/context.h"

namespace cfgxlate {

// Partitions whose PartitionHMRef TableName begins with table_name, in
// definition order.
std::vector<PartitionRecord*> PartitionsReferringTo(TranslationContext& ctx, const std::string& table_name);

// The first partition in definition order that has no table yet and whose
// name matches the beginning of table_name, ignoring letter case, a blank in
// table_name standing for "_"; nullptr when there is none.
PartitionRecord* FirstUnboundPartitionNamed(TranslationContext& ctx, const std::string& table_name);

}  // namespace cfgxlate
