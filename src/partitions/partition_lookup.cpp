#include "partitions/partition_lookup.h"

#include <cctype>

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

const char* MatchPartitionName(const char* value, const std::string& name) {
  for (size_t i = 0; i < name.size(); ++i) {
    const char given = value[i];
    if (given == '"' || given == '\0') return nullptr;
    const bool same =
        std::tolower(static_cast<unsigned char>(given)) == std::tolower(static_cast<unsigned char>(name[i]));
    if (!same && !(given == ' ' && name[i] == '_')) return nullptr;
  }
  return value + name.size();
}

bool PartitionNameMatches(const char* value, const std::string& name) {
  const char* end = MatchPartitionName(value, name);
  return end != nullptr && *end == '"';
}

PartitionRecord* FindKernelPartition(PartitionModel& model) {
  for (PartitionRecord& partition : model.Partitions) {
    if (partition.KernelPartition != 0) return &partition;
  }
  return nullptr;
}

const PartitionRecord* FindKernelPartition(const PartitionModel& model) {
  return FindKernelPartition(const_cast<PartitionModel&>(model));
}

}  // namespace cfgxlate
