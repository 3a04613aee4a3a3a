// Channel ends: a Standard_Partition line inside Source or Destination,
// resolved to a port or connection and linked with the channel.
#pragma once

#include "core/context.h"

namespace cfgxlate {

enum class SourceKind { kNone, kSampling, kQueuing, kConnection };

// What is known about the channel while its elements are read. The kind
// stays none when the source is a pseudo partition.
struct ChannelState {
  ChannelRecord* Channel = nullptr;
  bool SourceSeen = false;
  // A Standard_Partition end was read inside the Source block.
  bool SourceEndSeen = false;
  SourceKind Kind = SourceKind::kNone;
};

// Fatal unless the tag line closes itself with "/>".
void RequireEmptyElementTag(TranslationContext& ctx, const char* tag_line);

void ReadSourceEnd(TranslationContext& ctx, ChannelState& state, const char* tag_line);
void ReadDestinationEnd(TranslationContext& ctx, ChannelState& state, const char* tag_line);

}  // namespace cfgxlate
