// Port ends, the port task and connections of an address space.
#pragma once

#include "gen/integrate/address_space_writer.h"

namespace cfgxlate {

void WriteSamplingPorts(AddressSpaceWriter& w);
void WriteQueuingPorts(AddressSpaceWriter& w);
void WritePortTask(AddressSpaceWriter& w);
void WriteConnections(AddressSpaceWriter& w);

}  // namespace cfgxlate
