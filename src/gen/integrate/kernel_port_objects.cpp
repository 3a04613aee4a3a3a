#include "gen/integrate/kernel_port_objects.h"

#include "core/diagnostics.h"
#include "gen/integrate/integrate_text.h"
#include "model/channels.h"
#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

bool InKernel(const PartitionRecord* partition) { return partition != nullptr && partition->KernelPartition != 0; }

// Only with multiple-core support; says whether a kernel task uses the end.
void UsedByKernelTaskRule(const ModuleSettings& settings, TextBuffer& out, bool rule) {
  if (settings.MultiCore == 0) return;
  out += rule ? "\t\tUsedByKernelTask\ttrue\n" : "\t\tUsedByKernelTask\tfalse\n";
}

// Both ends of plain and shared-memory channels must lie in this module.
bool MissingPeer(const ChannelRecord& channel, bool source) {
  return source ? channel.Destinations.empty() : channel.Source.IsNone();
}

void WriteConnectionPair(const ModuleSettings& settings, TextBuffer& out, int32_t number, bool source_in_kernel,
                         bool destination_in_kernel) {
  BeginObject(out, number);
  out += "\t\tConnection\tKernelSpace\n";
  UsedByKernelTaskRule(settings, out, source_in_kernel);
  APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", AddWrapping(number, 1));
  if (settings.OneWayConnections != 0) out += "\t\tOneWay\t\tTrue\n";
  EndObject(out);
  BeginObject(out, AddWrapping(number, 1));
  out += "\t\tConnection\tKernelSpace\n";
  UsedByKernelTaskRule(settings, out, destination_in_kernel);
  APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", number);
  EndObject(out);
}

void WriteSharedRegionTail(TextBuffer& out, uint32_t length) {
  APPEND_FORMAT(out, "\t\tLength\t\t%d\n", static_cast<int32_t>(length));
  out += "\t\tClear\t\ttrue\n";
  out += "\t\tPaged\t\tfalse\n";
}

uint32_t RoundUp64(uint32_t value) { return (value + 63) / 64 * 64; }

void WriteSamplingSource(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                         SamplingPortRecord& port) {
  const ModuleSettings& settings = ctx.settings;
  ChannelRecord& channel = *port.Channel;
  const int64_t destinations = static_cast<int64_t>(channel.Destinations.size());
  if (channel.TransferMode == kPlainTransfer) {
    // One run of pairs: the address spaces count through them by twos.
    int32_t number = numbering.Allocate(2 * destinations);
    port.KernelObjectNumber = number;
    for (PortReference& destination : channel.Destinations) {
      WriteConnectionPair(settings, out, number, InKernel(port.Partition),
                          destination.Sampling != nullptr && InKernel(destination.Sampling->Partition));
      if (destination.Sampling != nullptr) destination.Sampling->KernelObjectNumber = AddWrapping(number, 1);
      number = AddWrapping(number, 2);
    }
    return;
  }
  int32_t number = numbering.Allocate(destinations);
  port.KernelObjectNumber = number;
  port.RegionIndex = 1;
  const uint32_t slot = RoundUp64(static_cast<uint32_t>(port.MaxMessageSize) + 32);
  int32_t index = 1;
  for (PortReference& destination : channel.Destinations) {
    SamplingPortRecord* peer = destination.Sampling;
    BeginObject(out, number);
    APPEND_FORMAT(out, "\t\tMemoryRegion\tMR_%s_%d\n", port.Name.c_str(), index);
    UsedByKernelTaskRule(settings, out, InKernel(port.Partition) || (peer != nullptr && InKernel(peer->Partition)));
    WriteSharedRegionTail(out, PageRound(settings, 4 * slot + 64));
    EndObject(out);
    if (peer != nullptr) {
      peer->KernelObjectNumber = number;
      peer->RegionIndex = index;
    }
    number = AddWrapping(number, 1);
    ++index;
  }
}

void WriteQueuingSource(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                        QueuingPortRecord& port) {
  const ModuleSettings& settings = ctx.settings;
  ChannelRecord& channel = *port.Channel;
  QueuingPortRecord* peer = channel.Destinations.front().Queuing;
  const bool peer_in_kernel = peer != nullptr && InKernel(peer->Partition);
  const int32_t number = numbering.Allocate(2);
  port.KernelObjectNumber = number;
  if (channel.TransferMode == kPlainTransfer) {
    WriteConnectionPair(settings, out, number, InKernel(port.Partition), peer_in_kernel);
    if (peer != nullptr) peer->KernelObjectNumber = AddWrapping(number, 1);
    return;
  }
  const bool rule = InKernel(port.Partition) || peer_in_kernel;
  const uint32_t slot = RoundUp64(static_cast<uint32_t>(port.MaxMessageSize) + 8);
  const uint32_t messages =
      static_cast<uint32_t>(peer != nullptr ? peer->MaxNbMessages : 0) + static_cast<uint32_t>(port.MaxNbMessages);
  BeginObject(out, number);
  APPEND_FORMAT(out, "\t\tMemoryRegion\tMR_%s\n", port.Name.c_str());
  UsedByKernelTaskRule(settings, out, rule);
  WriteSharedRegionTail(out, PageRound(settings, slot * messages + 64));
  EndObject(out);
  BeginObject(out, AddWrapping(number, 1));
  APPEND_FORMAT(out, "\t\tMemoryRegion\tMR_%s\n", peer != nullptr ? peer->Name.c_str() : "");
  UsedByKernelTaskRule(settings, out, rule);
  WriteSharedRegionTail(out, static_cast<uint32_t>(settings.PageSize));
  EndObject(out);
}

// Whether the port is the source of a plain or shared-memory channel, whose
// kernel objects are written when the source is visited. Both ends of such a
// channel must lie in the module; the other end is checked from either side.
bool IsKernelChannelSource(TranslationContext& ctx, const ChannelRecord* channel, int32_t direction,
                           const char* plain_message, const char* shared_message) {
  if (channel == nullptr || channel->TransferMode == kProcedureTransfer) return false;
  const bool source = direction == kSourcePort;
  if (MissingPeer(*channel, source)) {
    FatalError(ctx, channel->TransferMode == kPlainTransfer ? plain_message : shared_message);
  }
  return source;
}

}  // namespace

void WritePortKernelObjects(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                            PartitionRecord& partition) {
  for (SamplingPortRecord& port : partition.SamplingPorts) {
    if (IsKernelChannelSource(ctx, port.Channel, port.Direction,
                              "With KERNAVOX connection sampling ports, both ends of the port must be defined as "
                              "non-PseudoPartitions",
                              "With shared memory sampling ports, both ends of the port must be defined as "
                              "non-PseudoPartitions")) {
      WriteSamplingSource(ctx, out, numbering, port);
    }
  }
  for (QueuingPortRecord& port : partition.QueuingPorts) {
    if (IsKernelChannelSource(ctx, port.Channel, port.Direction,
                              "With KERNAVOX connection queuing ports, both ends of the port must be defined as "
                              "non-PseudoPartitions",
                              "With shared memory queuing ports, both ends of the port must be defined as "
                              "non-PseudoPartitions")) {
      WriteQueuingSource(ctx, out, numbering, port);
    }
  }
}

}  // namespace cfgxlate
