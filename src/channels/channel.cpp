#include "channels/channel.h"

#include "channels/channel_end.h"
#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

bool IsStandardPartition(const TagLine& line) {
  return StartsWith(line, "<Standard_Partition ") || StartsWith(line, "<StandardPartition ");
}

bool IsPseudoPartition(const TagLine& line) {
  return StartsWith(line, "<Pseudo_Partition") || StartsWith(line, "<PseudoPartition");
}

// Returns false when the input ends inside the block.
bool ReadSourceBlock(TranslationContext& ctx, ChannelState& state) {
  TagLine line;
  // The line after <Source is read before the repeat test, so a second
  // source is reported against it.
  if (!NextTagLine(ctx, line)) return false;
  if (state.SourceSeen) FatalError(ctx, "Multiple channel sources encountered", line.c_str());
  state.SourceSeen = true;
  while (!StartsWith(line, "</Source")) {
    if (IsStandardPartition(line)) {
      // A channel has one source: a second end would replace it while the
      // first port still points at the channel.
      if (state.SourceEndSeen) FatalError(ctx, "Multiple channel sources encountered", line.c_str());
      state.SourceEndSeen = true;
      ReadSourceEnd(ctx, state, line.c_str());
    } else if (IsPseudoPartition(line)) {
      // A peer outside the module: nothing is recorded.
      RequireEmptyElementTag(ctx, line.c_str());
    } else {
      Warning(ctx, "Unexpected Source XML tag line:", line.c_str());
    }
    if (!NextTagLine(ctx, line)) return false;
  }
  return true;
}

bool ReadDestinationBlock(TranslationContext& ctx, ChannelState& state) {
  TagLine line;
  while (NextTagLine(ctx, line)) {
    if (StartsWith(line, "</Destination")) return true;
    if (IsStandardPartition(line)) {
      ReadDestinationEnd(ctx, state, line.c_str());
    } else if (!IsPseudoPartition(line)) {
      Warning(ctx, "Unexpected Destination XML tag line:", line.c_str());
    }
  }
  return false;
}

}  // namespace

bool ReadChannel(TranslationContext& ctx, const char* tag_line) {
  ChannelRecord& channel = ctx.model.channels.Channels.emplace_back();
  if (const char* identifier = FindAttribute(ctx.report, tag_line, "ChannelIdentifier")) {
    channel.ChannelIdentifier = ParseDecOrHex(ctx.report, identifier, tag_line);
  }
  if (const char* name = FindAttribute(ctx.report, tag_line, "ChannelName")) {
    channel.ChannelName = BlanksToUnderscores(AttributeText(name));
    channel.ChannelNameGiven = true;
  }

  ChannelState state;
  state.Channel = &channel;
  TagLine line;
  while (NextTagLine(ctx, line)) {
    if (StartsWith(line, "</Channel")) return true;
    bool input_left = true;
    if (StartsWith(line, "<Source")) {
      input_left = ReadSourceBlock(ctx, state);
    } else if (StartsWith(line, "<Destination")) {
      if (!state.SourceSeen) FatalError(ctx, "Channel Destination encountered before Source", line.c_str());
      input_left = ReadDestinationBlock(ctx, state);
    } else {
      Warning(ctx, "Unexpected Channel XML tag line:", line.c_str());
    }
    if (!input_left) return false;
  }
  return false;
}

}  // namespace cfgxlate
