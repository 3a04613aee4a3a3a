// The integrate file: the kernel block (header, kernel objects, partition
// schedules, the kernel partition's objects) and one AddressSpace block per
// other partition.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Builds the whole file in memory and writes it at the end. While it is
// built, its path is the integrate file in progress, which a fatal error
// removes, so a failed run leaves no integrate file behind.
void WriteIntegrateFile(TranslationContext& ctx);

}  // namespace cfgxlate
