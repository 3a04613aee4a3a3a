#include "partitions/partition_lookup.h"

namespace cfgxlate {

void RegisterPartition(PartitionModel& model, PartitionRecord& partition) {
  // emplace keeps an existing entry, so the first partition stays found.
  model.FirstByIdentifier.emplace(partition.PartitionIdentifier, &partition);
  model.FirstByLookupName.emplace(partition.LookupName(), &partition);
}

PartitionRecord* FindPartitionByIdentifier(PartitionModel& model, int32_t identifier) {
  auto it = model.FirstByIdentifier.find(identifier);
  return it == model.FirstByIdentifier.end() ? nullptr : it->second;
}

PartitionRecord* FindPartitionByLookupName(PartitionModel& model, const std::string& name) {
  auto it = model.FirstByLookupName.find(name);
  return it == model.FirstByLookupName.end() ? nullptr : it->second;
}

}  // namespace cfgxlate
