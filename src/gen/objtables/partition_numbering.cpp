#include "gen/objtables/partition_numbering.h"

#include "core/diagnostics.h"
#include "gen/objtables/verbose_dump.h"
#include "gen/output_file.h"

namespace cfgxlate {

int64_t PartitionNumbering::Allocate(int64_t count) {
  const int64_t number = taken.FindFreeObjectNumbers(cursor, count);
  cursor = number + count;
  return number;
}

bool HasPlainChannelPort(const PartitionRecord& partition) {
  for (const SamplingPortRecord& port : partition.SamplingPorts) {
    if (port.Channel != nullptr && port.Channel->TransferMode == kPlainTransfer) return true;
  }
  for (const QueuingPortRecord& port : partition.QueuingPorts) {
    if (port.Channel != nullptr && port.Channel->TransferMode == kPlainTransfer) return true;
  }
  return false;
}

namespace {

void Heading(TranslationContext& ctx, bool listed, const char* heading) {
  if (listed) Verbose(ctx, heading);
}

int32_t ExplicitOrNext(PartitionNumbering& numbering, int32_t object_number) {
  return object_number != -1 ? object_number : static_cast<int32_t>(numbering.Allocate(1));
}

void NumberProcesses(TranslationContext& ctx, PartitionRecord& partition, PartitionNumbering& numbering) {
  Heading(ctx, !partition.Processes.empty(), "\t\tProcesses:\n");
  for (ProcessRecord& process : partition.Processes) {
    // The number below a process's own is its stack region's, so both must
    // be free.
    process.ObjectIndex = ProcessTakesTwoNumbers(process) ? static_cast<int32_t>(numbering.Allocate(2) + 1)
                                                          : static_cast<int32_t>(numbering.Allocate(1));
    partition.PoolUnits += 16;
    ObjectEntry entry = MakeObjectEntry(ctx, process.Name, kKindProcess);
    entry.ObjectIndex = process.ObjectIndex;
    entry.UserWord = process.ProcessUserIdentification;
    numbering.entries.push_back(std::move(entry));
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseProcess(process));
  }
}

void NumberTasks(TranslationContext& ctx, PartitionRecord& partition, PartitionNumbering& numbering) {
  Heading(ctx, !partition.Tasks.empty(), "\t\tTasks:\n");
  for (TaskRecord& task : partition.Tasks) {
    if (task.ObjectNumber != -1) {
      task.ObjectIndex = task.ObjectNumber;
    } else if (partition.NoObjects != 0 && task.Name == "Initial") {
      task.ObjectIndex = 0;
    } else if (TaskTakesTwoNumbers(task)) {
      task.ObjectIndex = static_cast<int32_t>(numbering.Allocate(2) + 1);
    } else {
      task.ObjectIndex = static_cast<int32_t>(numbering.Allocate(1));
    }
    ObjectEntry entry = MakeObjectEntry(ctx, task.Name, kKindTask);
    entry.ObjectIndex = task.ObjectIndex;
    entry.ValueByte = SignedLowByte(static_cast<uint32_t>(task.Priority));
    entry.UserWord = task.TaskUserIdentification;
    numbering.entries.push_back(std::move(entry));
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseTask(partition, task));
  }
}

int32_t ProcedureNumber(ObjectTablesRun& run, int32_t port_mapping) {
  const uint32_t number = (static_cast<uint32_t>(run.ProcedureCounter) & 0xFFFF) |
                          (static_cast<uint32_t>(port_mapping) << 16);
  run.ProcedureCounter -= 1;
  return static_cast<int32_t>(number);
}

void NumberSamplingPort(TranslationContext& ctx, ObjectTablesRun& run, PartitionRecord& partition,
                        PartitionNumbering& numbering, SamplingPortRecord& port) {
  const ChannelRecord* channel = port.Channel;
  const bool source = port.Direction == kSourcePort;
  const int destinations = channel != nullptr && source ? static_cast<int>(channel->Destinations.size()) : 0;
  int32_t kind = kKindSamplingPlain;
  if (channel == nullptr) {
    Warning(ctx, "Sampling Port does not have a corresponding channel:", port.Name.c_str());
    port.ObjectIndex = 0;
  } else if (channel->TransferMode == kProcedureTransfer) {
    kind = kKindSamplingProcedure;
    port.ObjectIndex = ProcedureNumber(run, port.PortMapping);
  } else if (channel->TransferMode == kSharedMemoryTransfer) {
    kind = kKindSamplingSharedMemory;
    // One number per destination, all free (a source without destinations
    // still needs one free number).
    const int64_t count = source ? destinations : 1;
    const int64_t number = numbering.taken.FindFreeObjectNumbers(numbering.cursor, count > 0 ? count : 1);
    numbering.cursor = number + count;
    port.ObjectIndex = static_cast<int32_t>(number);
    partition.PoolUnits += source ? destinations : 1;
  } else {
    port.ObjectIndex = static_cast<int32_t>(numbering.Allocate(source ? destinations : 1));
    partition.PoolUnits += source ? 4 * destinations : 2;
  }

  ObjectEntry entry = MakeObjectEntry(ctx, port.Name, kind);
  entry.ObjectIndex = port.ObjectIndex;
  entry.ValueByte = SignedLowByte(static_cast<uint32_t>(destinations));
  const uint32_t size = static_cast<uint32_t>(port.MaxMessageSize);
  entry.UserWord = kind == kKindSamplingProcedure
                       ? port.MaxMessageSize
                       : static_cast<int32_t>((static_cast<uint32_t>(port.MaxTransfersPerWindow) << 24) |
                                              (size & 0xFFFFFF));
  entry.Direction = port.Direction;
  entry.Value64 = port.RefreshRateSeconds;
  numbering.entries.push_back(std::move(entry));
  if (VerboseWanted(ctx)) Verbose(ctx, VerboseSamplingPort(port, destinations, kind == kKindSamplingProcedure));
}

// The MaxNbMessages of a shared-memory queue's two ends.
int64_t SharedQueueMessages(const QueuingPortRecord& port) {
  const ChannelRecord& channel = *port.Channel;
  int64_t total = channel.Source.Queuing != nullptr ? channel.Source.Queuing->MaxNbMessages : 0;
  if (!channel.Destinations.empty() && channel.Destinations.front().Queuing != nullptr) {
    total += channel.Destinations.front().Queuing->MaxNbMessages;
  }
  return total;
}

void NumberQueuingPort(TranslationContext& ctx, ObjectTablesRun& run, PartitionRecord& partition,
                       PartitionNumbering& numbering, QueuingPortRecord& port) {
  const ChannelRecord* channel = port.Channel;
  int32_t kind = kKindQueuingPlain;
  if (channel == nullptr) {
    Warning(ctx, "Queuing Port does not have a corresponding channel:", port.Name.c_str());
    port.ObjectIndex = 0;
  } else if (channel->TransferMode == kProcedureTransfer) {
    kind = kKindQueuingProcedure;
    port.ObjectIndex = ProcedureNumber(run, port.PortMapping);
  } else if (channel->TransferMode == kSharedMemoryTransfer) {
    kind = kKindQueuingSharedMemory;
    port.ObjectIndex = static_cast<int32_t>(numbering.Allocate(3));
    partition.PoolUnits += 3;
  } else {
    port.ObjectIndex = static_cast<int32_t>(numbering.Allocate(1));
    partition.PoolUnits += 2 * port.MaxNbMessages;
  }

  ObjectEntry entry = MakeObjectEntry(ctx, port.Name, kind);
  entry.ObjectIndex = port.ObjectIndex;
  const uint32_t messages = static_cast<uint32_t>(port.MaxNbMessages);
  entry.ValueByte = SignedLowByte(messages);
  entry.UserWord =
      static_cast<int32_t>((((messages >> 8) & 0xFF) << 24) | (static_cast<uint32_t>(port.MaxMessageSize) & 0xFFFFFF));
  entry.Direction = port.Direction;
  entry.Discipline = port.Discipline;
  if (kind == kKindQueuingPlain) entry.Value64 = port.MaxTransfersPerWindow;
  if (kind == kKindQueuingSharedMemory) {
    entry.Value64 = static_cast<int64_t>(static_cast<uint64_t>(SharedQueueMessages(port)) << 32) +
                    port.MaxTransfersPerWindow;
  }
  numbering.entries.push_back(std::move(entry));
  if (VerboseWanted(ctx)) Verbose(ctx, VerboseQueuingPort(port, kind == kKindQueuingProcedure));
}

void NumberPorts(TranslationContext& ctx, ObjectTablesRun& run, PartitionRecord& partition,
                 PartitionNumbering& numbering) {
  bool large_plain_message = false;
  Heading(ctx, !partition.SamplingPorts.empty(), "\t\tSampling Ports:\n");
  for (SamplingPortRecord& port : partition.SamplingPorts) {
    NumberSamplingPort(ctx, run, partition, numbering, port);
    if (port.Channel != nullptr && port.Channel->TransferMode == kPlainTransfer && port.MaxMessageSize > 1024) {
      large_plain_message = true;
    }
  }
  Heading(ctx, !partition.QueuingPorts.empty(), "\t\tQueuing Ports:\n");
  for (QueuingPortRecord& port : partition.QueuingPorts) {
    NumberQueuingPort(ctx, run, partition, numbering, port);
    if (port.Channel != nullptr && port.Channel->TransferMode == kPlainTransfer && port.MaxMessageSize > 1024) {
      large_plain_message = true;
    }
  }
  if (large_plain_message) partition.PoolUnits += 1;
}

void NumberConnections(TranslationContext& ctx, PartitionRecord& partition, PartitionNumbering& numbering) {
  Heading(ctx, !partition.Connections.empty(), "\t\tConnections:\n");
  for (ConnectionRecord& connection : partition.Connections) {
    if (connection.Channel == nullptr) {
      FatalError(ctx, "Connection does not have a corresponding channel:", connection.Name.c_str());
    }
    if (connection.Channel->TransferMode != kPlainTransfer) {
      FatalError(ctx, "Connection does not have a correct channel type:", connection.Name.c_str());
    }
    connection.ObjectIndex = ExplicitOrNext(numbering, connection.ObjectNumber);
    ObjectEntry entry = MakeObjectEntry(ctx, connection.Name, kKindConnection);
    entry.ObjectIndex = connection.ObjectIndex;
    entry.Direction = connection.IsDestination != 0 ? 1 : 0;
    numbering.entries.push_back(std::move(entry));
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseConnection(connection));
  }
}

// IO devices, semaphores, links and clocks: a number and a plain entry.
template <typename Record>
void NumberSimpleObjects(TranslationContext& ctx, std::deque<Record>& records, PartitionNumbering& numbering,
                         int32_t kind, const char* heading) {
  Heading(ctx, !records.empty(), heading);
  for (Record& record : records) {
    record.ObjectIndex = ExplicitOrNext(numbering, record.ObjectNumber);
    ObjectEntry entry = MakeObjectEntry(ctx, record.Name, kind);
    entry.ObjectIndex = record.ObjectIndex;
    numbering.entries.push_back(std::move(entry));
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseObject(record.Name, record.ObjectIndex));
  }
}

void NumberMemoryRegions(TranslationContext& ctx, PartitionRecord& partition, PartitionNumbering& numbering) {
  Heading(ctx, !partition.MemoryRegions.empty(), "\t\tMemory Regions:\n");
  for (MemoryRegionRecord& region : partition.MemoryRegions) {
    region.ObjectIndex = ExplicitOrNext(numbering, region.ObjectNumber);
    const bool block = (region.Flags & kRegionIsMemoryBlock) != 0;
    ObjectEntry entry = MakeObjectEntry(ctx, region.Name, block ? kKindMemoryBlock : kKindMemoryRegion);
    entry.ObjectIndex = region.ObjectIndex;
    const bool read_only = (region.Access1 & kWriteGiven) != 0 && (region.Access1 & kWriteValue) == 0;
    entry.ValueByte = read_only ? 0 : 1;
    numbering.entries.push_back(std::move(entry));
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseObject(region.Name, region.ObjectIndex));
  }
}

void NumberHMLinks(TranslationContext& ctx, PartitionRecord& partition, PartitionNumbering& numbering) {
  Heading(ctx, !partition.HMLinks.empty(), "\t\tPartition HM Links:\n");
  for (PartitionHMLinkRecord& link : partition.HMLinks) {
    link.ObjectIndex = static_cast<int32_t>(numbering.Allocate(1));
    // A non-ARINC partition's run-time layer does not look them up by name.
    if (partition.NoObjects == 0) {
      ObjectEntry entry = MakeObjectEntry(ctx, link.Name, kKindPartitionHMLink);
      entry.ObjectIndex = link.ObjectIndex;
      numbering.entries.push_back(std::move(entry));
    }
    if (VerboseWanted(ctx)) Verbose(ctx, VerboseObject(link.Name, link.ObjectIndex));
  }
}

}  // namespace

void NumberPartitionObjects(TranslationContext& ctx, ObjectTablesRun& run, PartitionRecord& partition,
                            PartitionNumbering& numbering) {
  const bool arinc = partition.NoObjects == 0;
  if (arinc) NumberProcesses(ctx, partition, numbering);
  NumberTasks(ctx, partition, numbering);
  if (arinc || ctx.settings.PortsInNonArincPartitions != 0 || partition.ARINC653Ports != 0) {
    NumberPorts(ctx, run, partition, numbering);
  }
  NumberConnections(ctx, partition, numbering);
  NumberSimpleObjects(ctx, partition.IODevices, numbering, kKindIODevice, "\t\tIODevices:\n");
  NumberSimpleObjects(ctx, partition.Semaphores, numbering, kKindSemaphore, "\t\tSemaphores:\n");
  NumberSimpleObjects(ctx, partition.Links, numbering, kKindLink, "\t\tLinks:\n");
  NumberSimpleObjects(ctx, partition.Clocks, numbering, kKindClock, "\t\tClocks:\n");
  NumberMemoryRegions(ctx, partition, numbering);
  NumberHMLinks(ctx, partition, numbering);
}

}  // namespace cfgxlate
