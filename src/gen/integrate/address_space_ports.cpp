// The address-space ends of ports and connections: links to the kernel's
// connection objects, mappings of shared-memory regions, suspension
// devices, the port task and connection peers.
#include "gen/integrate/address_space_ports.h"

#include "core/diagnostics.h"
#include "model/channels.h"
#include "util/format.h"
#include "util/numbers.h"

namespace cfgxlate {

namespace {

// Procedure channels and ports without a channel have no objects here.
bool WrittenHere(const ChannelRecord* channel) {
  return channel != nullptr &&
         (channel->TransferMode == kPlainTransfer || channel->TransferMode == kSharedMemoryTransfer);
}

// A link to a kernel object; the kernel's own tasks use its ends.
void WriteKernelLink(AddressSpaceWriter& w, int32_t number, int32_t other) {
  BeginObject(w.out, number);
  w.out += "\t\tLink\t\tKernelSpace\n";
  APPEND_FORMAT(w.out, "\t\tOtherObjectNumber\t%d\n", other);
  if (w.kernel) w.out += "\t\tUsedByKernelTask\ttrue\n";
  EndObject(w.out);
}

void WriteRegionMapping(TextBuffer& out, int32_t number, const std::string& region, bool write) {
  BeginObject(out, number);
  out += "\t\tMemoryRegion\n";
  APPEND_FORMAT(out, "\t\tMapTo\t\tMR_%s\n", region.c_str());
  out += "\t\tRead\t\tTrue\n";
  APPEND_FORMAT(out, "\t\tWrite\t\t%s\n", TrueFalse(write));
  out += "\t\tExecute\t\tFalse\n";
  out += "\t\tPaged\t\tFalse\n";
  EndObject(out);
}

std::string IndexedRegion(const std::string& source_name, int32_t index) {
  return Format("%s_%d", source_name.c_str(), index);
}

// The kernel pass refused plain and shared-memory channels without both
// ends, so the source and the destinations named below exist.
void WriteSamplingPort(AddressSpaceWriter& w, const SamplingPortRecord& port) {
  const ChannelRecord& channel = *port.Channel;
  APPEND_FORMAT(w.out, "\t# %s Sampling Port\n", port.Name.c_str());
  const bool source = port.Direction == kSourcePort;
  if (channel.TransferMode == kPlainTransfer) {
    if (!source) {
      WriteKernelLink(w, port.ObjectIndex, port.KernelObjectNumber);
      return;
    }
    // The source ends of the kernel's connection pairs, one pair per destination.
    int32_t number = port.ObjectIndex;
    int32_t kernel_number = port.KernelObjectNumber;
    for (size_t i = 0; i < channel.Destinations.size(); ++i, ++number, kernel_number += 2) {
      WriteKernelLink(w, number, kernel_number);
    }
    return;
  }
  if (source) {
    int32_t number = port.ObjectIndex;
    int32_t kernel_number = port.KernelObjectNumber;
    for (const PortReference& destination : channel.Destinations) {
      if (w.kernel) {
        WriteKernelLink(w, number, kernel_number);
      } else {
        WriteRegionMapping(w.out, number, IndexedRegion(port.Name, destination.Sampling->RegionIndex), true);
      }
      number = AddWrapping(number, 1);
      kernel_number = AddWrapping(kernel_number, 1);
    }
    return;
  }
  const SamplingPortRecord& source_port = *channel.Source.Sampling;
  if (w.kernel) {
    // The kernel reads its own copy of the message: the region the kernel
    // pass made for this destination (the source's number is the first
    // destination's region).
    WriteKernelLink(w, port.ObjectIndex, port.KernelObjectNumber);
  } else {
    WriteRegionMapping(w.out, port.ObjectIndex, IndexedRegion(source_port.Name, port.RegionIndex), true);
  }
}

void WriteQueuingPort(AddressSpaceWriter& w, QueuingPortRecord& port) {
  const ChannelRecord& channel = *port.Channel;
  APPEND_FORMAT(w.out, "\t# %s Queuing Port\n", port.Name.c_str());
  if (channel.TransferMode == kPlainTransfer) {
    WriteKernelLink(w, port.ObjectIndex, port.KernelObjectNumber);
    return;
  }
  // Shared memory: the message region (the source writes it) and the
  // destination's region (the destination writes it), then the pair of
  // suspension devices.
  QueuingPortRecord& source = *channel.Source.Queuing;
  QueuingPortRecord& destination = *channel.Destinations.front().Queuing;
  const bool is_source = port.Direction == kSourcePort;
  if (w.kernel) {
    WriteKernelLink(w, port.ObjectIndex, source.KernelObjectNumber);
    WriteKernelLink(w, AddWrapping(port.ObjectIndex, 1), AddWrapping(source.KernelObjectNumber, 1));
  } else {
    WriteRegionMapping(w.out, port.ObjectIndex, source.Name, is_source);
    WriteRegionMapping(w.out, AddWrapping(port.ObjectIndex, 1), destination.Name, !is_source);
  }
  // The end visited first numbers both ends.
  if (source.SuspensionDevice == 0) {
    int32_t& next = w.ctx.model.channels.NextSuspensionDevice;
    source.SuspensionDevice = next;
    destination.SuspensionDevice = AddWrapping(next, 1);
    next = AddWrapping(next, 2);
  }
  const QueuingPortRecord& other = is_source ? destination : source;
  BeginObject(w.out, AddWrapping(port.ObjectIndex, 2));
  APPEND_FORMAT(w.out, "\t\tIODevice\t\"SuspensionIODevice_%d\"\n", port.SuspensionDevice);
  APPEND_FORMAT(w.out, "\t\tOtherIODevice\t\"SuspensionIODevice_%d\"\n", other.SuspensionDevice);
  EndObject(w.out);
}

// The connection at the other end of a plain channel, or nullptr when that
// end lies outside the module.
const ConnectionRecord* PeerConnection(const ConnectionRecord& connection) {
  const ChannelRecord& channel = *connection.Channel;
  if (connection.IsDestination == 0) {
    return channel.Destinations.empty() ? nullptr : channel.Destinations.front().Connection;
  }
  return channel.Source.Connection;
}

}  // namespace

void WriteSamplingPorts(AddressSpaceWriter& w) {
  for (const SamplingPortRecord& port : w.partition.SamplingPorts) {
    if (WrittenHere(port.Channel)) WriteSamplingPort(w, port);
  }
}

void WriteQueuingPorts(AddressSpaceWriter& w) {
  for (QueuingPortRecord& port : w.partition.QueuingPorts) {
    if (WrittenHere(port.Channel)) WriteQueuingPort(w, port);
  }
}

void WritePortTask(AddressSpaceWriter& w) {
  const ModuleSettings& settings = w.ctx.settings;
  const PartitionRecord& p = w.partition;
  if (p.PortTaskObject == 0) return;
  TextBuffer& out = w.out;
  APPEND_FORMAT(out, "\tTask\t%s_port_task\n", p.PartitionName.c_str());
  out += "\t\tEntryPoint\tARINC653PortTaskEntry\n";
  APPEND_FORMAT(out, "\t\tStackLength\t0x%x\n", static_cast<unsigned>(settings.PageSize));
  if (p.NoObjects == 0) APPEND_FORMAT(out, "\t\tMaximumPriority\t%d\n", kHighestLockerPriority);
  APPEND_FORMAT(out, "\t\tPriority\t%d\n", 251);
  out += "\t\tWeight\t\t0\n";
  out += "\t\tTimeSlice\tNONPREEMPTIBLE\n";
  out += "\t\tStartIt\t\ttrue\n";
  if (p.PortTaskIdentificationSpecified != 0) WriteIdentification(settings, out, p.PortTaskIdentification);
  out += "\tEndTask\n";
  BeginObject(out, p.PortTaskObject);
  APPEND_FORMAT(out, "\t\tTask\t\t%s_port_task\n", p.PartitionName.c_str());
  EndObject(out);
}

void WriteConnections(AddressSpaceWriter& w) {
  TextBuffer& out = w.out;
  for (const ConnectionRecord& connection : w.partition.Connections) {
    if (connection.Channel == nullptr || connection.Channel->TransferMode != kPlainTransfer) continue;
    const ConnectionRecord* peer = PeerConnection(connection);
    if (peer == nullptr) {
      FatalError(w.ctx,
                 "With KERNAVOX connections, both ends of the connection must be defined as non-PseudoPartitions:",
                 connection.Name.c_str());
    }
    APPEND_FORMAT(out, "\t# %s Connection\n", connection.Name.c_str());
    BeginObject(out, connection.ObjectIndex);
    APPEND_FORMAT(out, "\t\tConnection\t\t%s\n", peer->Partition->PartitionName.c_str());
    APPEND_FORMAT(out, "\t\tName\t\t\t%s\n", connection.Name.c_str());
    APPEND_FORMAT(out, "\t\tOtherObjectNumber\t%d\n", peer->ObjectIndex);
    WriteUsedByLines(out, connection.ObjectFlags);
    EndObject(out);
  }
}

}  // namespace cfgxlate
