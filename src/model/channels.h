// Channel records of the configuration model.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/partitions.h"

namespace cfgxlate {

constexpr int32_t kPlainTransfer = 0;
constexpr int32_t kProcedureTransfer = 1;
constexpr int32_t kSharedMemoryTransfer = 2;

// One end of a channel: exactly one pointer is set, or none.
struct PortReference {
  SamplingPortRecord* Sampling = nullptr;
  QueuingPortRecord* Queuing = nullptr;
  ConnectionRecord* Connection = nullptr;
  bool IsNone() const { return Sampling == nullptr && Queuing == nullptr && Connection == nullptr; }
};

struct ChannelRecord {
  int32_t ChannelIdentifier = 0;
  std::string ChannelName;
  bool ChannelNameGiven = false;
  int32_t TransferMode = kPlainTransfer;
  PortReference Source;
  std::vector<PortReference> Destinations;  // document order
};

// What a channel end names in one partition: the first sampling port with
// the name, else the first queuing port, else the first connection. Sorted
// by name, one entry per name (the names are the records' own).
struct PortName {
  std::string_view Name;
  PortReference Port;
};
using PortNameIndex = std::vector<PortName>;

struct ChannelModel {
  // Owns every channel, including the private channels of POSIX partitions.
  std::deque<ChannelRecord> Channels;
  // Built once per partition, when a channel end first names it; the
  // partition's ports are all read by then.
  std::unordered_map<const PartitionRecord*, PortNameIndex> PortIndexes;
  // Suspension devices of shared-memory queues, numbered by the integrate
  // file two per channel.
  int32_t NextSuspensionDevice = 1;
};

}  // namespace cfgxlate
