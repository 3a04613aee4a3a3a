// Memory regions of an address space.
#pragma once

#include "gen/integrate/address_space_writer.h"

namespace cfgxlate {

void WriteMemoryRegions(AddressSpaceWriter& w);

}  // namespace cfgxlate
