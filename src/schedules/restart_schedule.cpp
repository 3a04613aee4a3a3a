// A Restart Partition_Schedule (multiple-core support): a core list and
// windows kept with the sub-schedule. Only window lines count inside it.
#include "schedules/restart_schedule.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "schedules/windows.h"

namespace cfgxlate {

void ParseRestartSchedule(TranslationContext& ctx, const char* tag_line, ModuleScheduleRecord& schedule) {
  RestartScheduleRecord& restart = schedule.RestartSchedules.emplace_back();
  const char* core = FindAttribute(ctx.report, tag_line, "Core");
  if (core == nullptr) {
    FatalError(ctx,
               "No Core specified, or specified incorrectly, in Restart Partition_Schedule while in MultiCore mode:",
               tag_line);
  }
  restart.Core = AttributeText(core);

  TagLine line;
  while (NextTagLine(ctx, line)) {
    const char* tag = line.c_str();
    if (IsPartitionScheduleEnd(tag)) return;
    if (!IsWindowStart(tag)) continue;
    RestartWindowRecord window;
    window.WindowStartSeconds = WindowStartText(ctx, tag);
    window.WindowDurationSeconds = WindowDurationText(ctx, tag);
    restart.Windows.push_back(std::move(window));
  }
}

}  // namespace cfgxlate
