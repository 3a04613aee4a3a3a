// Channel records of the configuration model.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
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

struct ChannelModel {
  // Owns every channel, including the private channels of POSIX partitions.
  std::deque<ChannelRecord> Channels;
};

}  // namespace cfgxlate
