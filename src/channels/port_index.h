// Finding the port or connection a channel end names inside a partition.
#pragma once

#include <string>

#include "model/channels.h"

namespace cfgxlate {

// Sampling ports take precedence over queuing ports, and those over
// connections; within one kind the first in list order wins. Names compare
// exactly. Returns an empty reference when nothing has the name.
PortReference FindChannelEnd(ChannelModel& channels, PartitionRecord& partition, const std::string& name);

}  // namespace cfgxlate
