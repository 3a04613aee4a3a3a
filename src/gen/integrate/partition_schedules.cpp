// Entry of the partition-schedule writer: the single-core form, or the
// affinity groups and sub-schedule blocks of multiple-core support.
#include "gen/integrate/partition_schedules.h"

#include "gen/integrate/affinity_groups.h"
#include "gen/integrate/schedule_blocks.h"
#include "gen/integrate/schedule_index.h"
#include "gen/integrate/single_core_schedules.h"

namespace cfgxlate {

void WritePartitionSchedules(TranslationContext& ctx, TextBuffer& out) {
  const ScheduleModel& schedules = ctx.model.schedules;
  if (schedules.ModuleSchedules.empty() || schedules.WindowsDefined == 0) return;
  const ScheduleIndex index = BuildScheduleIndex(ctx);
  if (ctx.settings.MultiCore == 0) {
    WriteSingleCoreSchedules(ctx, index, out);
    return;
  }
  // Groups first: the schedule blocks refer to the numbers they store.
  WriteAffinityGroups(ctx, index, out);
  WriteScheduleBlocks(ctx, index, out);
}

}  // namespace cfgxlate
