#include "reader/vocabulary.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/diagnostics.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

struct VocabularyRow {
  std::vector<std::string_view> elements;
  std::vector<std::string_view> attributes;
};

#define MEMORY_ATTRIBUTES                                                                                        \
  "Type", "SizeBytes", "Size", "RegionName", "Name", "PhysicalAddress", "Address", "VirtualAddress", "SectionName", \
      "MapToName", "UsedByCallback", "UsedByKernelTask", "CoreId", "Access", "AccessRights", "ObjectNumber",        \
      "AlignmentValue", "CoreID"

const std::vector<VocabularyRow>& TagVocabulary() {
  static const std::vector<VocabularyRow> rows = {
      {{"ARINC_653_Module", "ARINC653Module"},
       {"Target", "Partition_HM_Text_Size", "NumberOfCores", "xmlns:xsi", "xsi:noNamespaceSchemaLocation",
        "ModuleName", "ModuleVersion", "IncludeName"}},
      {{"Entry"}, {"String", "ErrorIdentifier", "Description"}},
      {{"ModuleHMTable"}, {"ModuleCallback", "UnspecifiedAction", "StateIdentifier", "Description"}},
      {{"ErrorAction"},
       {"ErrorIdentifierRef", "ModuleRecoveryAction", "ErrorLevel", "Description", "PartitionRecoveryAction",
        "ErrorCode", "Notes"}},
      {{"MultiPartitionHMTable"}, {"TableName", "TableIdentifier", "UnspecifiedAction"}},
      {{"PartitionHMTable"}, {"MultiPartitionHMTableNameRef", "TableName", "TableIdentifier"}},
      {{"PartitionHMRef"}, {"TableName", "TableIdentifier"}},
      {{"Partition"},
       {"PartitionIdentifier", "FileName", "HeaderFileName", "Language", "StartInitial", "SetProcessLockPriority",
        "KernelPartition", "ARINC653HM", "ARINCHM", "ARINC653Partition", "ARINCPartition", "POSIXPartition",
        "FACEClockWritePermissions", "FACEClockWritePermission", "IncludeFileName", "MaximumPriority",
        "ErrorProcessObject", "ErrorProcessLength", "MemoryPoolSize", "MemoryPoolPhysicalAddress", "Shadow",
        "SystemPartition", "InitialTaskIdentification", "PortTaskIdentification", "SetProcessCoreAffinity",
        "ARINC653LockingDiscipline", "PartitionName", "Criticality", "NoObjects", "InitialProcessLength",
        "SetTaskCoreAffinity", "LogicalCores", "DebuggerMayHalt", "IsVMDomain", "HeapSize", "ARINC653Ports",
        "ARINCPorts", "ARINC653SetAffinityPermission", "DefaultProcessCoreAffinityAny", "IsIODomain",
        "SetTaskLockPriority"}},
      // A definition line is read only for these two.
      {{"PartitionDefinition", "Partition_Definition"}, {"Identifier", "Name"}},
      {{"FileSystemPermissions", "File_System_Permissions"}, {"Permissions", "Disk", "Volume"}},
      {{"PartitionPeriodicity", "Partition_Periodicity"}, {"Period", "Duration"}},
      {{"IODevice"}, {"Name", "ObjectNumber", "UsedByCallback", "UsedByKernelTask", "CoreId", "RegisteredName", "CoreID"}},
      {{"Semaphore"},
       {"Name", "Kind", "InitialValue", "Priority", "ObjectNumber", "UsedByFrameRelease", "UsedByCallback",
        "UsedByKernelTask", "CoreId", "CoreID"}},
      {{"Clock"},
       {"Name", "SetTime", "ReadTime", "Alarm", "ObjectNumber", "UsedByCallback", "UsedByKernelTask", "CoreId",
        "PhysicalClock", "CoreID"}},
      {{"Link", "AddressSpace"},
       {"Name", "PartitionName", "LinkedObjectName", "ObjectNumber", "UsedByCallback", "UsedByKernelTask", "CoreId",
        "CoreID"}},
      {{"Process"},
       {"Name", "StackSize", "StackPhysicalAddress", "ClearStack", "FastPacketCache", "ProcessUserIdentification",
        "LockPriority"}},
      {{"Task"},
       {"Name", "StackSize", "StackPhysicalAddress", "ClearStack", "FastPacketCache", "TaskUserIdentification",
        "LockPriority", "EntryPoint", "Priority", "MaximumPriority", "StartIt", "ObjectNumber", "UsedByCallback",
        "UsedByKernelTask", "CoreId", "CoreID"}},
      {{"Sampling_Port", "SamplingPort"},
       {"PortName", "Name", "Direction", "MaxMessageSize", "RefreshRateSeconds", "MaxTransfersPerWindow",
        "PortMapping"}},
      {{"Queuing_Port", "QueuingPort"},
       {"PortName", "Name", "Direction", "MaxMessageSize", "MaxNbMessages", "MaxNbMessage", "MaxTransfersPerWindow",
        "PortMapping"}},
      {{"Connection"}, {"PortName", "Name", "ObjectNumber", "UsedByCallback", "UsedByKernelTask"}},
      {{"Partition_HM_Link", "PartitionHMLink"}, {"Name", "PartitionName"}},
      {{"Memory_Requirements", "MemoryRequirements"}, {MEMORY_ATTRIBUTES}},
      {{"Memory_Region", "MemoryRegion"}, {MEMORY_ATTRIBUTES, "AddressSpace"}},
      {{"Partition_Memory", "PartitionMemory"}, {"PartitionIdentifier", "PartitionName"}},
      {{"Module_Schedule", "ModuleSchedule"},
       {"MajorFrameSeconds", "ScheduleName", "ScheduleIdentifier", "InitialModuleSchedule"}},
      {{"Module_Sub_Schedule", "ModuleSubSchedule"}, {"MajorFrameSeconds", "SubScheduleIdentifier"}},
      {{"Partition_Schedule", "PartitionSchedule"},
       {"PartitionIdentifier", "PartitionName", "PeriodSeconds", "PeriodDurationSeconds", "SetModuleSchedule",
        "ScheduleChangeAction", "Core", "MajorFrameReleaseSemaphore", "TaskCoreAffinity", "ProcessCoreAffinity",
        "LockPriority", "LockQuantum", "LockSlicing", "PartitionPeriod", "PartitionDuration"}},
      {{"Shared_Schedule", "SharedSchedule"}, {"PartitionIdentifier"}},
      {{"Window_Schedule", "WindowSchedule", "PartitionTimeWindow", "Partition_Time_Window"},
       {"WindowIdentifier", "PartitionNameRef", "WindowUserData", "WindowStartSeconds", "Offset",
        "WindowDurationSeconds", "Duration", "PartitionPeriodStart", "PeriodicProcessingStart",
        "MinorFrameReleaseSemaphore"}},
      {{"WindowUserData"}, {"Value", "Description"}},
      {{"ProcessCoreAffinity", "TaskCoreAffinity"}, {"Name", "CoreID", "Front", "CoreId"}},
      {{"Core"}, {"ID", "AGPriority"}},
      {{"Channel"}, {"ChannelIdentifier", "ChannelName"}},
      {{"Standard_Partition", "StandardPartition"},
       {"PartitionIdentifier", "PartitionName", "PortName", "Procedure", "Shared_Memory", "SharedMemory"}},
      {{"Pseudo_Partition", "PseudoPartition"}, {"Name", "Procedure"}},
      {{"Memory_Block", "MemoryBlock"},
       {"PartitionNameRef", "PartitionID", "PartitionIdentifier", "MemoryBlockName", "PhysicalAddress", "Address",
        "VirtualAddress", "SectionName", "MapToName", "UsedByCallback", "UsedByKernelTask", "CoreId", "Access",
        "AccessRights", "ObjectNumber", "PartitionName", "CoreID", "SizeBytes", "Size", "AlignmentValue"}},
      {{"CoreAGLockPriorityTable", "PartitionPort", "PartitionPorts", "MemoryRegions", "ConnectionTable",
        "Connection_Table", "Source", "Destination", "Memory_Blocks", "MemoryBlocks", "HM_Error_Descriptions",
        "CoreAffinities"},
       {}},
  };
  return rows;
}

#undef MEMORY_ATTRIBUTES

const VocabularyRow* FindRow(std::string_view element) {
  static const std::unordered_map<std::string_view, const VocabularyRow*> index = [] {
    std::unordered_map<std::string_view, const VocabularyRow*> map;
    for (const VocabularyRow& row : TagVocabulary()) {
      for (std::string_view name : row.elements) map.emplace(name, &row);
    }
    return map;
  }();
  auto it = index.find(element);
  return it == index.end() ? nullptr : it->second;
}

bool Accepts(const VocabularyRow& row, std::string_view attribute) {
  for (std::string_view accepted : row.attributes) {
    if (attribute == accepted) return true;
    if (accepted == "WindowUserData" && StartsWith(attribute, accepted)) return true;
  }
  return false;
}

void Report(TranslationContext& ctx, const char* message, const char* tag_line, const char* attribute) {
  if (ctx.settings.UnusedAttributeErrors != 0) AttributeError(ctx.report, message, tag_line, attribute);
  AttributeWarning(ctx.report, message, tag_line, attribute);
}

}  // namespace

void CheckTagVocabulary(TranslationContext& ctx, const char* tag_line) {
  if (ctx.settings.UnusedAttributeErrors == 0 && ctx.settings.UnusedAttributeWarnings == 0) return;
  if (StartsWith(tag_line, "<!") || StartsWith(tag_line, "<?xml")) return;
  const char* p = tag_line + 1;
  if (*p == '/') ++p;
  const char* name_end = p;
  while (*name_end != '\0' && *name_end != ' ' && *name_end != '>') ++name_end;
  const VocabularyRow* row = FindRow(std::string_view(p, static_cast<size_t>(name_end - p)));
  if (row == nullptr) {
    Report(ctx, "Tag line not found", tag_line, nullptr);
    return;
  }
  p = name_end;
  for (;;) {
    while (*p == ' ') ++p;
    if (*p == '\0' || *p == '>' || (p[0] == '/' && p[1] == '>')) return;
    const char* equals = std::strchr(p, '=');
    if (equals == nullptr) return;  // not an attribute; nothing more to check
    std::string attribute(p, static_cast<size_t>(equals - p));
    if (!Accepts(*row, attribute)) Report(ctx, "Unused attribute found", tag_line, attribute.c_str());
    const char* open = std::strchr(equals, '"');
    const char* close = open == nullptr ? nullptr : std::strchr(open + 1, '"');
    if (close == nullptr) return;
    p = close + 1;
  }
}

}  // namespace cfgxlate
