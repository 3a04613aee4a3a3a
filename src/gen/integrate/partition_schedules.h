// The partition schedules inside the kernel block of the integrate file:
// the single-core Partition blocks, or the affinity groups and sub-schedule
// blocks with multiple-core support.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

// Appends nothing when there is no module schedule or no window at all.
// Stores the affinity-group numbers into the schedule entries.
void WritePartitionSchedules(TranslationContext& ctx, TextBuffer& out);

}  // namespace cfgxlate
