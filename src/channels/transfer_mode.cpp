#include "channels/transfer_mode.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"

namespace cfgxlate {

namespace {

// Shared_Memory, or SharedMemory when that is absent; false when neither.
bool ReadSharedMemory(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "Shared_Memory");
  if (value == nullptr) value = FindAttribute(ctx.report, tag_line, "SharedMemory");
  return value != nullptr && ParseBoolean(ctx.report, value, "Invalid SharedMemory/Shared_Memory value:", tag_line) != 0;
}

bool HasProcedure(TranslationContext& ctx, const char* tag_line) {
  return FindAttribute(ctx.report, tag_line, "Procedure") != nullptr;
}

int32_t MaxTransfersPerWindow(const PortReference& port) {
  if (port.Sampling != nullptr) return port.Sampling->MaxTransfersPerWindow;
  if (port.Queuing != nullptr) return port.Queuing->MaxTransfersPerWindow;
  return 0;
}

// A queuing destination passed the kind check, so a source is queuing too.
bool SharesSourceName(const ChannelRecord& channel, const PortReference& destination) {
  return destination.Queuing != nullptr && channel.Source.Queuing != nullptr &&
         channel.Source.Queuing->Name == destination.Queuing->Name;
}

}  // namespace

void ReadSourceTransfer(TranslationContext& ctx, ChannelRecord& channel, const PortReference& source,
                        const char* tag_line) {
  if (HasProcedure(ctx, tag_line)) {
    if (source.Connection != nullptr) {
      FatalError(ctx, "Procedure specification not allowed in Channel of a Connection:", tag_line);
    }
    channel.TransferMode = kProcedureTransfer;
  }
  if (ReadSharedMemory(ctx, tag_line)) {
    if (channel.TransferMode == kProcedureTransfer) {
      FatalError(ctx, "Cannot specify SharedMemory/Shared_Memory and Procedure in Channel specification:", tag_line);
    }
    if (source.Connection != nullptr) {
      FatalError(ctx, "SharedMemory/Shared_Memory specification not allowed in Channel of a Connection:", tag_line);
    }
    channel.TransferMode = kSharedMemoryTransfer;
  }
}

void ReadDestinationTransfer(TranslationContext& ctx, ChannelRecord& channel, const PortReference& destination,
                             const char* tag_line) {
  const bool shared_memory = ReadSharedMemory(ctx, tag_line);
  const bool procedure = HasProcedure(ctx, tag_line);
  const bool has_source = !channel.Source.IsNone();
  if (procedure && shared_memory) {
    FatalError(ctx, "Cannot specify SharedMemory/Shared_Memory and Procedure in Channel specification:", tag_line);
  }
  if (procedure) {
    if (destination.Connection != nullptr) {
      FatalError(ctx, "Procedure specification not allowed in Channel of a Connection:", tag_line);
    }
    if (MaxTransfersPerWindow(destination) > 0) {
      FatalError(
          ctx, "Procedure specification not allowed with Ports specifying MaxTransfersPerWindow value > 0:", tag_line);
    }
    if (has_source && channel.TransferMode != kProcedureTransfer) {
      FatalError(
          ctx, "Destination of channel specified with Procedure but Source contains no such specification:", tag_line);
    }
    channel.TransferMode = kProcedureTransfer;
  } else if (shared_memory) {
    if (destination.Connection != nullptr) {
      FatalError(ctx, "SharedMemory/Shared_Memory specification not allowed in Channel of a Connection:", tag_line);
    }
    // Sampling ports may combine shared memory with a transfer limit.
    if (destination.Queuing != nullptr && destination.Queuing->MaxTransfersPerWindow > 0) {
      FatalError(ctx,
                 "SharedMemory/Shared_Memory specification not allowed with Ports specifying "
                 "MaxTransfersPerWindow value > 0:",
                 tag_line);
    }
    if (has_source && channel.TransferMode != kSharedMemoryTransfer) {
      FatalError(ctx,
                 "Destination of channel specified with SharedMemory/Shared_Memory but Source contains no such "
                 "specification:",
                 tag_line);
    }
    if (has_source && SharesSourceName(channel, destination)) {
      FatalError(ctx,
                 "SharedMemory/Shared_Memory Queuing Ports must have different PortNames for the Source and "
                 "Destination:",
                 tag_line);
    }
    channel.TransferMode = kSharedMemoryTransfer;
  } else if (has_source && channel.TransferMode != kPlainTransfer) {
    FatalError(ctx,
               "Destination of channel specified without Procedure or SharedMemory/Shared_Memory specification but "
               "Source was:",
               tag_line);
  }
}

}  // namespace cfgxlate
