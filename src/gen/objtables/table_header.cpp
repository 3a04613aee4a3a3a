#include "gen/objtables/table_header.h"

#include "gen/output_file.h"
#include "partitions/partition_lookup.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

int ReleasePointByte(TranslationContext& ctx, const PartitionRecord& partition) {
  if (!partition.Windows.empty() && partition.Windows.front()->IsSharedSchedule != 0) {
    const PartitionRecord* shared =
        FindPartitionByIdentifier(ctx.model.partitions, partition.Windows.front()->SharedPartitionIdentifier);
    return shared != nullptr ? shared->HasPartitionPeriodStart : 0;
  }
  return partition.HasPartitionPeriodStart;
}

uint8_t PartitionFlagByte(const ModuleSettings& settings, const PartitionRecord& partition) {
  unsigned flags = partition.HMTable != nullptr ? 0x01 : 0x00;
  flags |= (static_cast<unsigned>(partition.ARINC653SetAffinityPermission) & 0x3) << 3;
  if (settings.DefaultProcessAffinityAny != 0 || partition.DefaultProcessCoreAffinityAny != 0) flags |= 0x20;
  if (settings.NameLength32 != 0) flags |= 0x40;
  return static_cast<uint8_t>(flags);
}

const char* LockingDisciplineName(int32_t discipline) {
  if (discipline == 0) return "NON_BLOCKING";
  if (discipline == 1) return "BLOCKING_PRIORITY";
  return "BLOCKING_FIFO";
}

const char* AffinityPermissionName(int32_t permission) {
  if (permission == 0) return "NOT_PERMITTED";
  if (permission == 1) return "INIT_ONLY";
  return "ALL_MODES";
}

uint32_t TaskObjectsWord(const PartitionRecord& partition) {
  return (static_cast<uint32_t>(partition.PortTaskObject) << 16) | static_cast<uint32_t>(partition.ErrorProcessObject);
}

void WriteHeaderBytes(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition) {
  const ModuleSettings& settings = ctx.settings;
  out += "#\tOPERATING_MODE = COLD_START(1)\n";
  out += "#\tSTART_CONDITION = NORMAL_START(0)\n";
  APPEND_FORMAT(out, "\t.byte\t0x%x\n", 0x41);
  if (settings.PerApplicationTables != 0 && partition.KernelPartition == 0) {
    out += "\t.data\n";
    out += "\t.balign\t8\n";
    out += "\t.globl\tARINC653VirtualObjectTable\n";
    out += "ARINC653VirtualObjectTable:\n";
    out += "\t.byte\t0\n";
  }

  const int release = ReleasePointByte(ctx, partition);
  APPEND_FORMAT(out, "#\tPartition has release point = %d\n", release);
  APPEND_FORMAT(out, "\t.byte\t%d\n", release);

  const int32_t locking = partition.ARINC653LockingDiscipline;
  APPEND_FORMAT(out, "#\tARINC653 Locking Discipline = %s(%d)\n", LockingDisciplineName(locking), locking);
  APPEND_FORMAT(out, "\t.byte\t%d\n", locking);

  const bool affinity_any = settings.DefaultProcessAffinityAny != 0 || partition.DefaultProcessCoreAffinityAny != 0;
  APPEND_FORMAT(out, "#\tPartition HM exists = %s\n", partition.HMTable != nullptr ? "true" : "false");
  APPEND_FORMAT(out, "#\tARINC653SetAffinityPermission = %s\n",
                AffinityPermissionName(partition.ARINC653SetAffinityPermission));
  APPEND_FORMAT(out, "#\tDefault Process Core Affinity Any = %s\n", affinity_any ? "true" : "false");
  APPEND_FORMAT(out, "#\tMax Name Length = %d\n", settings.NameLength32 != 0 ? 32 : 30);
  APPEND_FORMAT(out, "\t.byte\t%d\n", PartitionFlagByte(settings, partition));
}

void WriteHeaderWords(const ModuleSettings& settings, TextBuffer& out, const PartitionRecord& partition) {
  APPEND_FORMAT(out, "#\tPort task object = %d\n", partition.PortTaskObject);
  APPEND_FORMAT(out, "#\tError process task object = %d\n", partition.ErrorProcessObject);
  EmitWord32(settings, out, TaskObjectsWord(partition));
  APPEND_FORMAT(out, "#\tPROCESS Level Error Value Table = 0x%x\n", partition.ProcessLevelErrors);
  EmitWord32(settings, out, partition.ProcessLevelErrors);
  APPEND_FORMAT(out, "#\tIDENTIFIER = %d\n", partition.PartitionIdentifier);
  EmitWord32(settings, out, static_cast<uint32_t>(partition.PartitionIdentifier));
  APPEND_FORMAT(out, "#\tPERIOD = %lld\n", static_cast<long long>(partition.Period));
  EmitWord64(settings, out, static_cast<uint64_t>(partition.Period));
  APPEND_FORMAT(out, "#\tDURATION = %lld\n", static_cast<long long>(partition.Duration));
  EmitWord64(settings, out, static_cast<uint64_t>(partition.Duration));
}

void WriteRecoveryActions(TextBuffer& out, const PartitionRecord& partition) {
  out += "#\tPartition Recovery Actions\n";
  for (int line = 0; line < 8; ++line) {
    if (partition.HMTable == nullptr) {
      out += "\t.byte\t0,0,0,0\n";
      continue;
    }
    const uint8_t* actions = partition.HMTable->Actions + line * 4;
    APPEND_FORMAT(out, "\t.byte\t%d,%d,%d,%d\n", actions[0] & 7, actions[1] & 7, actions[2] & 7, actions[3] & 7);
  }
}

}  // namespace cfgxlate
