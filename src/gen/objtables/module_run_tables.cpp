#include "gen/objtables/module_run_tables.h"

#include <cstdint>
#include <vector>

#include "gen/objtables/module_schedule_table.h"
#include "gen/output_file.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

void WriteSetModuleSchedulePermissions(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653SetModuleSchedulePermissions\n";
  out += "ARINC653SetModuleSchedulePermissions:\n";
  const int32_t max_partitions = ctx.settings.MaxPartitions;
  const size_t words = max_partitions > 0 ? (static_cast<size_t>(max_partitions) + 1) / 32 : 0;
  std::vector<uint32_t> bitmap(words, 0);
  size_t position = 0;
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    const size_t word = position / 32;
    // A partition past the bitmap (MaxPartitions set below the partitions
    // defined) has no bit to set; it is left out rather than overrunning.
    if (partition.SetModuleSchedule == 1 && word < words) bitmap[word] |= 0x80000000u >> (position % 32);
    ++position;
  }
  for (uint32_t value : bitmap) EmitWord32(ctx.settings, out, value);
}

void WriteCopyTables(const TranslationContext& ctx, TextBuffer& out) {
  if (ctx.settings.RomObjectTables == 0 || ctx.settings.PerApplicationTables != 0) return;
  out += "\t.globl\tARINC653CopyTables\n";
  out += "ARINC653CopyTables:\n";
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition != 0) continue;
    const char* name = partition.PartitionName.c_str();
    APPEND_FORMAT(out, "\t.quad\t__kvxbegin_mr_rweu_%s\n", name);
    APPEND_FORMAT(out, "\t.quad\t__kvxbegin_rmr_rweu_%s\n", name);
    APPEND_FORMAT(out, "\t.quad\t%d\n", partition.RomTableSize);
  }
}

void WriteKernelMMSTable(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653KernelMMSTable\n";
  out += "ARINC653KernelMMSTable:\n";
  const int count = ModuleScheduleCount(ctx);
  APPEND_FORMAT(out, "#\tNumber of module schedules = %d\n", count);
  EmitWord32(ctx.settings, out, static_cast<uint32_t>(count));
  for (const ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    APPEND_FORMAT(out, "#\tSchedule Identifier = %d\n", schedule.ScheduleIdentifier);
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(schedule.ScheduleIdentifier));
    APPEND_FORMAT(out, "#\tSchedule Number = %d\n", schedule.ScheduleNumber);
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(schedule.ScheduleNumber));
  }
}

void WritePortTasksTable(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653PortTasksTable\n";
  out += "ARINC653PortTasksTable:\n";
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition != 0) continue;
    APPEND_FORMAT(out, "#\tAddressSpace Number = %d\n", partition.PartitionIndex);
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(partition.PartitionIndex));
    APPEND_FORMAT(out, "#\tPort Task Virtual Object = %d\n", partition.PortTaskObject);
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(partition.PortTaskObject));
  }
}

}  // namespace cfgxlate
