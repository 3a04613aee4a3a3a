// Tasks and processes of an address space.
#pragma once

#include "gen/integrate/address_space_writer.h"

namespace cfgxlate {

void WriteProcesses(AddressSpaceWriter& w);
void WriteTasks(AddressSpaceWriter& w);

}  // namespace cfgxlate
