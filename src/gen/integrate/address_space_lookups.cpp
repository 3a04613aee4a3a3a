// The name indexes the address-space writer uses for links, partition HM
// links and frame-release semaphores, built in one pass over the model.
#include "gen/integrate/address_space_lookups.h"

#include <string_view>

namespace cfgxlate {

namespace {

using TargetNumbers = std::unordered_map<std::string, int32_t>;

// Only the first object of a name in a list counts; it decides for that list
// when it has a number, else the name is looked for in the next list.
template <typename Records>
void AddFirstOfEachName(TargetNumbers& targets, const Records& records) {
  std::unordered_set<std::string_view> seen;
  for (const auto& record : records) {
    if (!seen.insert(record.Name).second) continue;
    if (record.ObjectIndex != 0) targets.emplace(record.Name, record.ObjectIndex);
  }
}

TargetNumbers IndexLinkTargets(const PartitionRecord& p) {
  TargetNumbers targets;
  AddFirstOfEachName(targets, p.IODevices);
  AddFirstOfEachName(targets, p.Semaphores);
  AddFirstOfEachName(targets, p.Links);
  AddFirstOfEachName(targets, p.MemoryRegions);
  return targets;
}

}  // namespace

AddressSpaceLookups BuildAddressSpaceLookups(const PartitionModel& partitions) {
  AddressSpaceLookups lookups;
  const PartitionRecord* kernel = nullptr;
  for (const PartitionRecord& p : partitions.Partitions) {
    // emplace keeps the entry of an earlier partition.
    lookups.PartitionsByName.emplace(p.PartitionName, &p);
    if (p.KernelPartition != 0) {
      lookups.PartitionsByName.emplace(p.KernelUserName, &p);
      if (kernel == nullptr) kernel = &p;
    }
  }
  for (const PartitionRecord& p : partitions.Partitions) {
    for (const LinkRecord& link : p.Links) {
      auto target = lookups.PartitionsByName.find(link.PartitionName);
      if (target != lookups.PartitionsByName.end() && lookups.LinkTargets.count(target->second) == 0) {
        lookups.LinkTargets.emplace(target->second, IndexLinkTargets(*target->second));
      }
      if (kernel != nullptr && &p != kernel && link.PartitionName == kernel->KernelUserName) {
        lookups.KernelObjectsLinkedFromOutside.insert(link.LinkedObjectName);
      }
    }
  }
  return lookups;
}

}  // namespace cfgxlate
