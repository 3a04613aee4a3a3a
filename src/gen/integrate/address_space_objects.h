// The objects of one address space in the integrate file: tasks, fixed
// objects, port ends, connections, devices, semaphores, links, clocks,
// memory regions and partition HM links.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "core/context.h"

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

// Appends the partition's objects to out. Called for the kernel partition
// inside the kernel block and for every other partition inside its
// AddressSpace block. Gives suspension-device numbers to shared-memory
// queues (both ends at once), which is why the partition is not const.
void WriteAddressSpaceObjects(TranslationContext& ctx, const AddressSpaceLookups& lookups, std::string& out,
                              PartitionRecord& partition);

}  // namespace cfgxlate
