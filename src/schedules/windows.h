// Time windows of a Partition_Schedule and their user data.
#pragma once

#include <string>

#include "reader/tag_reader.h"
#include "schedules/partition_schedule.h"

namespace cfgxlate {

// A time window with its WindowUserData children. On return `line` holds
// the first line after them; false when the input ended.
bool ReadWindow(TranslationContext& ctx, PartitionScheduleScope& scope, TagLine& line);

// The start and duration texts of a window line.
std::string WindowStartText(TranslationContext& ctx, const char* tag_line);
std::string WindowDurationText(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate
