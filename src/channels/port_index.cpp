#include "channels/port_index.h"

namespace cfgxlate {

namespace {

// emplace keeps the entry already present, so filling the kinds in order of
// precedence and each list in order leaves the winner of every name.
PortNameIndex BuildIndex(PartitionRecord& partition) {
  PortNameIndex index;
  for (SamplingPortRecord& port : partition.SamplingPorts) {
    index.emplace(port.Name, PortReference{&port, nullptr, nullptr});
  }
  for (QueuingPortRecord& port : partition.QueuingPorts) {
    index.emplace(port.Name, PortReference{nullptr, &port, nullptr});
  }
  for (ConnectionRecord& connection : partition.Connections) {
    index.emplace(connection.Name, PortReference{nullptr, nullptr, &connection});
  }
  return index;
}

}  // namespace

PortReference FindChannelEnd(ChannelModel& channels, PartitionRecord& partition, const std::string& name) {
  auto slot = channels.PortIndexes.find(&partition);
  if (slot == channels.PortIndexes.end()) slot = channels.PortIndexes.emplace(&partition, BuildIndex(partition)).first;
  auto hit = slot->second.find(name);
  return hit == slot->second.end() ? PortReference{} : hit->second;
}

}  // namespace cfgxlate
