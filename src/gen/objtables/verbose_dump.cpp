#include "gen/objtables/verbose_dump.h"

#include "gen/objtables/table_header.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

std::string Banner(const ModuleSettings& settings, const PartitionRecord& partition) {
  std::string text;
  if (partition.KernelPartition != 0) {
    text += "*****************\n";
    APPEND_FORMAT(text, "Kernel Partition: %s => ARINC653KernelObjectTable Global Variable\n",
                   partition.PartitionName.c_str());
    text += "*****************\n";
    APPEND_FORMAT(text, "\tARINC653KernelStartObject = %d\n", settings.KernelStartObject - 1);
    return text;
  }
  text += "**********\n";
  APPEND_FORMAT(text, "Partition: %s => ", partition.PartitionName.c_str());
  if (settings.PerApplicationTables != 0) {
    APPEND_FORMAT(text, "ARINC653VirtualObjectTable in object_table_%s.s File\n", partition.PartitionName.c_str());
  } else {
    APPEND_FORMAT(text, ".mr_rweu_%s Section\n", partition.PartitionName.c_str());
  }
  text += "**********\n";
  return text;
}

std::string RecoveryActions(const PartitionRecord& partition) {
  if (partition.HMTable == nullptr) {
    return "#\tPartition Recovery Actions (Size = 32):\n"
           "\t\t\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\n"
           "\t\t\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n";
  }
  std::string text = "#\tPartition Recovery Actions (Size = 32)\n";
  for (int half = 0; half < 2; ++half) {
    text += "\t\t\t";
    for (int i = 0; i < 16; ++i) {
      APPEND_FORMAT(text, "%d", partition.HMTable->Actions[half * 16 + i] & 7);
      if (i < 15 || half == 0) text += ",";
    }
    text += "\n";
  }
  return text;
}

}  // namespace

std::string VerboseTableStart(TranslationContext& ctx, const PartitionRecord& partition, uint32_t task_objects) {
  const ModuleSettings& settings = ctx.settings;
  std::string text = Banner(settings, partition);
  text += "\tHeader Information (32 bytes):\n";
  APPEND_FORMAT(text, "\t\tValue = 0x%x, Size = 1\n", 0x41);
  text += "\t\t\tOPERATING_MODE = COLD_START(1)\n";
  text += "\t\t\tSTART_CONDITION = NORMAL_START(0)\n";

  const int release = ReleasePointByte(ctx, partition);
  APPEND_FORMAT(text, "\t\tValue = %d, Size = 1\n", release);
  APPEND_FORMAT(text, "\t\t\tPartition has release point = %s\n", release != 0 ? "true" : "false");

  text += "\t\tValue = 0, Size = 1\n";
  APPEND_FORMAT(text, "\t\t\tLocking Discipline = %s\n", LockingDisciplineName(partition.ARINC653LockingDiscipline));

  const bool affinity_any = settings.DefaultProcessAffinityAny != 0 || partition.DefaultProcessCoreAffinityAny != 0;
  APPEND_FORMAT(text, "\t\tValue = %d, Size = 1\n", PartitionFlagByte(settings, partition) & ~0x40);
  APPEND_FORMAT(text, "\t\t\tPartition HM exists = %s\n", partition.HMTable != nullptr ? "true" : "false");
  APPEND_FORMAT(text, "\t\t\tARINC653SetAffinityPermission = %s\n",
                 AffinityPermissionName(partition.ARINC653SetAffinityPermission));
  APPEND_FORMAT(text, "\t\t\tDefault Process Core Affinity Any = %s\n", affinity_any ? "true" : "false");
  APPEND_FORMAT(text, "\t\t\tMax Name Length = %d\n", settings.NameLength32 != 0 ? 32 : 30);

  APPEND_FORMAT(text, "\t\tValue = %d, Size = 4\n", static_cast<int>(task_objects));
  APPEND_FORMAT(text, "\t\t\tError process task object = %d\n", static_cast<int>(task_objects));
  APPEND_FORMAT(text, "\t\tValue = 0x%x, Size = 4\n", partition.ProcessLevelErrors);
  APPEND_FORMAT(text, "\t\t\tPROCESS Level Error Value Table = 0x%x\n", partition.ProcessLevelErrors);
  APPEND_FORMAT(text, "\t\tValue = %d, Size = 4\n", partition.PartitionIdentifier);
  APPEND_FORMAT(text, "\t\t\tPartition Identifier = %d\n", partition.PartitionIdentifier);
  APPEND_FORMAT(text, "\t\tValue = %lld, Size = 8\n", static_cast<long long>(partition.Period));
  APPEND_FORMAT(text, "\t\t\tPartition Period = %lld\n", static_cast<long long>(partition.Period));
  APPEND_FORMAT(text, "\t\tValue = %lld, Size = 8\n", static_cast<long long>(partition.Duration));
  APPEND_FORMAT(text, "\t\t\tPartition Duration = %lld\n", static_cast<long long>(partition.Duration));
  text += RecoveryActions(partition);
  // The documented heading keeps 48 bytes even for 52-byte entries.
  text += "\tPartition's Object Table (48 bytes per object):\n";
  return text;
}

const char* DirectionName(int32_t direction) { return direction == kDestinationPort ? "Destination" : "Source"; }

std::string VerboseProcess(const ProcessRecord& process) {
  return Format("\t\t\t%s, ObjectIndex=%d, ProcessUserIdentification=0x%x\n", process.Name.c_str(),
                process.ObjectIndex, static_cast<unsigned>(process.ProcessUserIdentification));
}

std::string VerboseTask(const PartitionRecord& partition, const TaskRecord& task) {
  if (partition.NoObjects != 0 && !task.PrioritySymbol.empty()) {
    return Format("\t\t\t%s, ObjectIndex=%d, Priority=%s, StackSize=0x%x, TaskUserIdentification=0x%x\n",
                  task.Name.c_str(), task.ObjectIndex, task.PrioritySymbol.c_str(),
                  static_cast<unsigned>(task.StackSize), static_cast<unsigned>(task.TaskUserIdentification));
  }
  return Format("\t\t\t%s, ObjectIndex=%d, Priority=%d, StackSize=0x%x, TaskUserIdentification=0x%x\n",
                task.Name.c_str(), task.ObjectIndex, task.Priority, static_cast<unsigned>(task.StackSize),
                static_cast<unsigned>(task.TaskUserIdentification));
}

std::string VerboseSamplingPort(const SamplingPortRecord& port, int destinations, bool procedure) {
  const long long refresh = static_cast<long long>(port.RefreshRateSeconds);
  if (procedure) {
    return Format(
        "\t\t\t%s, NumberDestinations=%d, MaxMessageSize=%d, Direction=%s, PortMapping=%d, RefreshPeriod=%lld\n",
        port.Name.c_str(), destinations, port.MaxMessageSize, DirectionName(port.Direction), port.PortMapping,
        refresh);
  }
  return Format(
      "\t\t\t%s, ObjectIndex=%d, NumberDestinations=%d, MaxMessageSize=%d, Direction=%s, PortMapping=%d, "
      "RefreshPeriod=%lld\n",
      port.Name.c_str(), port.ObjectIndex, destinations, port.MaxMessageSize, DirectionName(port.Direction),
      port.PortMapping, refresh);
}

std::string VerboseQueuingPort(const QueuingPortRecord& port, bool procedure) {
  const char* discipline = port.Discipline == 1 ? "Priority" : "FIFO";
  if (procedure) {
    return Format("\t\t\t%s, MaxMessageSize=%d, MaxNbMessages=%d, Direction=%s, Discipline=%s, PortMapping=%d\n",
                  port.Name.c_str(), port.MaxMessageSize, port.MaxNbMessages, DirectionName(port.Direction),
                  discipline, port.PortMapping);
  }
  return Format(
      "\t\t\t%s, ObjectIndex=%d, MaxMessageSize=%d, MaxNbMessages=%d, Direction=%s, Discipline=%s, PortMapping=%d\n",
      port.Name.c_str(), port.ObjectIndex, port.MaxMessageSize, port.MaxNbMessages, DirectionName(port.Direction),
      discipline, port.PortMapping);
}

std::string VerboseConnection(const ConnectionRecord& connection) {
  return Format("\t\t\t%s, ObjectIndex=%d, Direction=%s\n", connection.Name.c_str(), connection.ObjectIndex,
                connection.IsDestination != 0 ? "Destination" : "Source");
}

std::string VerboseObject(const std::string& name, int32_t object_index) {
  return Format("\t\t\t%s, ObjectIndex=%d\n", name.c_str(), object_index);
}

}  // namespace cfgxlate
