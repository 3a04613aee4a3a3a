#include "channels/port_index.h"

#include <algorithm>

namespace cfgxlate {

namespace {

bool NameBefore(const PortName& entry, std::string_view name) { return entry.Name < name; }

// Filled in order of precedence, kind after kind and each list in order; a
// stable sort keeps that order among equal names, so the first of each run
// is the one a channel end names.
PortNameIndex BuildIndex(PartitionRecord& partition) {
  PortNameIndex index;
  index.reserve(partition.SamplingPorts.size() + partition.QueuingPorts.size() + partition.Connections.size());
  for (SamplingPortRecord& port : partition.SamplingPorts) index.push_back({port.Name, {&port, nullptr, nullptr}});
  for (QueuingPortRecord& port : partition.QueuingPorts) index.push_back({port.Name, {nullptr, &port, nullptr}});
  for (ConnectionRecord& connection : partition.Connections) {
    index.push_back({connection.Name, {nullptr, nullptr, &connection}});
  }
  std::stable_sort(index.begin(), index.end(),
                   [](const PortName& a, const PortName& b) { return a.Name < b.Name; });
  index.erase(std::unique(index.begin(), index.end(),
                          [](const PortName& a, const PortName& b) { return a.Name == b.Name; }),
              index.end());
  index.shrink_to_fit();
  return index;
}

}  // namespace

PortReference FindChannelEnd(ChannelModel& channels, PartitionRecord& partition, const std::string& name) {
  auto slot = channels.PortIndexes.find(&partition);
  if (slot == channels.PortIndexes.end()) slot = channels.PortIndexes.emplace(&partition, BuildIndex(partition)).first;
  const PortNameIndex& index = slot->second;
  auto hit = std::lower_bound(index.begin(), index.end(), std::string_view(name), NameBefore);
  return hit != index.end() && hit->Name == name ? hit->Port : PortReference{};
}

}  // namespace cfgxlate
