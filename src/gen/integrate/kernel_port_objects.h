// Kernel connection pairs and shared-memory regions of port channels.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"
#include "gen/integrate/kernel_numbering.h"

namespace cfgxlate {

// The kernel objects of the partition's sampling ports, then of its queuing
// ports. Each channel's objects are written when its source is visited.
void WritePortKernelObjects(TranslationContext& ctx, TextBuffer& out, KernelNumbering& numbering,
                            PartitionRecord& partition);

}  // namespace cfgxlate
