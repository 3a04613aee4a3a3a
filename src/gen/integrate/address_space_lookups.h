// What the links and semaphores of an address space look up in other
// partitions.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "model/partitions.h"

namespace cfgxlate {

// What links and semaphores look up in other partitions, indexed once per
// integrate file so that each object costs one hash lookup.
struct AddressSpaceLookups {
  // The first partition whose PartitionName, or for the kernel partition
  // KernelUserName, equals the key.
  std::unordered_map<std::string, const PartitionRecord*> PartitionsByName;
  // For each partition some link names: the object number each target name
  // resolves to (IO devices, then semaphores, links, memory regions; the
  // first object of a name in each list, the first list with a number).
  std::unordered_map<const PartitionRecord*, std::unordered_map<std::string, int32_t>> LinkTargets;
  // Objects of the kernel partition that links of other partitions name.
  std::unordered_set<std::string> KernelObjectsLinkedFromOutside;
};

// Built after the object numbers are given and before the first address space.
AddressSpaceLookups BuildAddressSpaceLookups(const PartitionModel& partitions);

}  // namespace cfgxlate
