// The child lines of a Partition_Schedule element.
#include "schedules/partition_schedule_children.h"

#include "core/diagnostics.h"
#include "reader/tag_reader.h"
#include "schedules/core_affinities.h"
#include "schedules/shared_schedule.h"
#include "schedules/windows.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

bool IsWindowEnd(const char* tag_line) {
  return StartsWith(tag_line, "</Window_Schedule") || StartsWith(tag_line, "</WindowSchedule") ||
         StartsWith(tag_line, "</PartitionTimeWindow") || StartsWith(tag_line, "</Partition_Time_Window");
}

}  // namespace

void ReadPartitionScheduleChildren(TranslationContext& ctx, PartitionScheduleScope& scope) {
  std::unordered_set<int32_t> linked;
  TagLine line;
  bool have_line = NextTagLine(ctx, line);
  while (have_line) {
    const char* tag = line.c_str();
    if (IsPartitionScheduleEnd(tag)) return;
    if (IsWindowStart(tag)) {
      // A window reads one line beyond its user data; that line is
      // dispatched here without reading another.
      have_line = ReadWindow(ctx, scope, line);
      continue;
    }
    if (StartsWith(tag, "<CoreAffinities")) {
      ReadCoreAffinities(ctx, scope);
    } else if (StartsWith(tag, "<Shared_Schedule ") || StartsWith(tag, "<SharedSchedule ")) {
      ReadSharedSchedule(ctx, scope, tag, linked);
    } else if (!IsWindowEnd(tag)) {
      Warning(ctx, "Unexpected Partition_Schedule tag line:", tag);
    }
    have_line = NextTagLine(ctx, line);
  }
}

}  // namespace cfgxlate
