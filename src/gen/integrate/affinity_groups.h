// Affinity groups of the kernel and of the partitions, numbered across the
// file; their numbers are stored into the schedule entries.
#pragma once

#include <string>

#include "util/text_buffer.h"
#include "gen/integrate/schedule_index.h"

namespace cfgxlate {

void WriteAffinityGroups(TranslationContext& ctx, const ScheduleIndex& index, TextBuffer& out);

}  // namespace cfgxlate
