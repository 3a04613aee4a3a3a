// The Procedure and Shared_Memory attributes of channel ends, which set and
// must agree on the channel's transfer mode.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// The source fixes the mode; called after the source is linked.
void ReadSourceTransfer(TranslationContext& ctx, ChannelRecord& channel, const PortReference& source,
                        const char* tag_line);

// Each destination must repeat the source's mode; without a source the
// destinations set it themselves.
void ReadDestinationTransfer(TranslationContext& ctx, ChannelRecord& channel, const PortReference& destination,
                             const char* tag_line);

}  // namespace cfgxlate
