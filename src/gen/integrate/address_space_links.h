// Named objects of an address space: IO devices, semaphores, links, clocks
// and partition HM links.
#pragma once

#include "gen/integrate/address_space_writer.h"

namespace cfgxlate {

void WriteIODevices(AddressSpaceWriter& w);
void WriteSemaphores(AddressSpaceWriter& w);
void WriteLinks(AddressSpaceWriter& w);
void WriteClocks(AddressSpaceWriter& w);
void WritePartitionHMLinks(AddressSpaceWriter& w);

}  // namespace cfgxlate
