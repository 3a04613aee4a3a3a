#include "partitions/implicit_objects.h"

namespace cfgxlate {

namespace {

// The run-time layer of a POSIX partition talks to itself through a
// connection pair joined by a channel of its own, outside every connection
// table.
void CreatePosixConnections(TranslationContext& ctx, PartitionRecord& partition) {
  ChannelRecord& channel = ctx.model.channels.Channels.emplace_back();
  // Placed in front of anything already listed; the second goes in first.
  ConnectionRecord& destination = partition.Connections.emplace_front();
  ConnectionRecord& source = partition.Connections.emplace_front();
  source.Name = "POSIXConnection1";
  source.ObjectNumber = 50;
  source.IsDestination = 0;
  destination.Name = "POSIXConnection2";
  destination.ObjectNumber = 51;
  destination.IsDestination = 1;
  for (ConnectionRecord* end : {&source, &destination}) {
    end->Partition = &partition;
    end->Channel = &channel;
  }
  channel.Source.Connection = &source;
  channel.Destinations.push_back(PortReference{nullptr, nullptr, &destination});
}

void CreateFaceClockDevice(PartitionRecord& partition) {
  IODeviceRecord& device = partition.IODevices.emplace_front();
  device.Name = partition.FACEClockWritePermissions == 1 ? "FACETimeReadWriteDev" : "FACETimeReadOnlyDev";
  device.ObjectNumber = 52;
}

}  // namespace

void CreateImplicitObjects(TranslationContext& ctx, PartitionRecord& partition) {
  if (partition.POSIXPartition != 0) CreatePosixConnections(ctx, partition);
  if (partition.POSIXPartition != 0 || partition.FACEClockSpecified != 0) CreateFaceClockDevice(partition);
}

}  // namespace cfgxlate
