// The objects of one address space in the integrate file: tasks, fixed
// objects, port ends, connections, devices, semaphores, links, clocks,
// memory regions and partition HM links.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"
#include "gen/integrate/address_space_lookups.h"

namespace cfgxlate {

// Appends the partition's objects to out. Called for the kernel partition
// inside the kernel block and for every other partition inside its
// AddressSpace block. Gives suspension-device numbers to shared-memory
// queues (both ends at once), which is why the partition is not const.
void WriteAddressSpaceObjects(TranslationContext& ctx, const AddressSpaceLookups& lookups, TextBuffer& out,
                              PartitionRecord& partition);

}  // namespace cfgxlate
