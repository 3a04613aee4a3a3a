#include "channels/channel_end.h"

#include <cstring>
#include <string>

#include "channels/port_index.h"
#include "channels/transfer_mode.h"
#include "core/diagnostics.h"
#include "partitions/partition_lookup.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

PortReference ResolveEnd(TranslationContext& ctx, const char* tag_line) {
  const char* identifier = FindAttribute(ctx.report, tag_line, "PartitionIdentifier");
  if (identifier == nullptr) FatalError(ctx, "Channel missing PartitionIdentifier:", tag_line);
  PartitionRecord* partition =
      FindPartitionByIdentifier(ctx.model.partitions, ParseDecOrHex(ctx.report, identifier, tag_line));
  if (partition == nullptr) {
    FatalError(ctx, "PartitionIdentifier in Channel does not map to an existing partition:", tag_line);
  }
  const char* partition_name = FindAttribute(ctx.report, tag_line, "PartitionName");
  if (partition_name != nullptr && !PartitionNameMatches(partition_name, partition->LookupName())) {
    FatalError(ctx, "PartitionName is not correct in channel specification:", tag_line);
  }
  const char* port_name = FindAttribute(ctx.report, tag_line, "PortName");
  if (port_name == nullptr) FatalError(ctx, "Channel missing PortName:", tag_line);
  return FindChannelEnd(ctx.model.channels, *partition, BlanksToUnderscores(AttributeText(port_name)));
}

ChannelRecord*& ChannelOf(const PortReference& port) {
  if (port.Sampling != nullptr) return port.Sampling->Channel;
  if (port.Queuing != nullptr) return port.Queuing->Channel;
  return port.Connection->Channel;
}

void RequireUnused(TranslationContext& ctx, const PortReference& port, const char* tag_line) {
  if (ChannelOf(port) != nullptr) FatalError(ctx, "Port already used in channel specification:", tag_line);
}

void RequireSourceDirection(TranslationContext& ctx, int32_t direction, const char* tag_line) {
  if (direction != kSourcePort) {
    FatalError(ctx, "Source port in channel does not have Direction = SOURCE:", tag_line);
  }
}

void RequireDestinationDirection(TranslationContext& ctx, int32_t direction, const char* tag_line) {
  if (direction != kDestinationPort) {
    FatalError(ctx, "Destination port in channel does not have Direction = DESTINATION:", tag_line);
  }
}

void RequireKind(TranslationContext& ctx, const ChannelState& state, SourceKind kind, const char* tag_line) {
  if (state.Kind != SourceKind::kNone && state.Kind != kind) {
    FatalError(ctx, "Source and Destination port types do not match:", tag_line);
  }
}

}  // namespace

void RequireEmptyElementTag(TranslationContext& ctx, const char* tag_line) {
  const size_t length = std::strlen(tag_line);
  if (length < 2 || std::strcmp(tag_line + length - 2, "/>") != 0) {
    FatalError(ctx, "Line should end with empty-element tag \"/>\".", tag_line);
  }
}

void ReadSourceEnd(TranslationContext& ctx, ChannelState& state, const char* tag_line) {
  RequireEmptyElementTag(ctx, tag_line);
  const PortReference port = ResolveEnd(ctx, tag_line);
  if (port.Sampling != nullptr) {
    state.Kind = SourceKind::kSampling;
    RequireSourceDirection(ctx, port.Sampling->Direction, tag_line);
  } else if (port.Queuing != nullptr) {
    state.Kind = SourceKind::kQueuing;
    RequireSourceDirection(ctx, port.Queuing->Direction, tag_line);
  } else if (port.Connection != nullptr) {
    state.Kind = SourceKind::kConnection;
    port.Connection->IsDestination = 0;
  } else {
    FatalError(ctx, "PortName in Channel does not map to an existing port or connection:", tag_line);
  }
  RequireUnused(ctx, port, tag_line);

  ChannelRecord& channel = *state.Channel;
  ChannelOf(port) = &channel;
  channel.Source = port;
  channel.TransferMode = kPlainTransfer;
  ReadSourceTransfer(ctx, channel, port, tag_line);
}

void ReadDestinationEnd(TranslationContext& ctx, ChannelState& state, const char* tag_line) {
  ChannelRecord& channel = *state.Channel;
  // Listed before any check, so the single-destination rules count it.
  channel.Destinations.emplace_back();
  const bool had_destination = channel.Destinations.size() > 1;
  const PortReference port = ResolveEnd(ctx, tag_line);
  if (port.Sampling != nullptr) {
    RequireKind(ctx, state, SourceKind::kSampling, tag_line);
    const SamplingPortRecord* source = channel.Source.Sampling;
    if (state.Kind == SourceKind::kSampling && source != nullptr &&
        source->MaxMessageSize != port.Sampling->MaxMessageSize) {
      FatalError(ctx, "Channel contains sampling ports with differing MaxMessageSize values:", tag_line);
    }
    RequireDestinationDirection(ctx, port.Sampling->Direction, tag_line);
  } else if (port.Queuing != nullptr) {
    if (had_destination) FatalError(ctx, "Queuing port channel contains multiple destinations:", tag_line);
    RequireKind(ctx, state, SourceKind::kQueuing, tag_line);
    const QueuingPortRecord* source = channel.Source.Queuing;
    if (state.Kind == SourceKind::kQueuing && source != nullptr &&
        source->MaxMessageSize != port.Queuing->MaxMessageSize) {
      FatalError(ctx, "Channel contains queuing ports with differing MaxMessageSize values:", tag_line);
    }
    RequireDestinationDirection(ctx, port.Queuing->Direction, tag_line);
  } else if (port.Connection != nullptr) {
    if (had_destination) FatalError(ctx, "Connection channel contains multiple destinations:", tag_line);
    RequireKind(ctx, state, SourceKind::kConnection, tag_line);
    port.Connection->IsDestination = 1;
  } else {
    FatalError(ctx, "PortName in Channel does not map to an existing port:", tag_line);
  }
  RequireUnused(ctx, port, tag_line);

  ChannelOf(port) = &channel;
  channel.Destinations.back() = port;
  ReadDestinationTransfer(ctx, channel, port, tag_line);
}

}  // namespace cfgxlate
