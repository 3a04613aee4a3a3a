#include "partitions/partition_element.h"

#include <string>
#include <string_view>

#include "core/diagnostics.h"
#include "partitions/devices_semaphores_clocks.h"
#include "partitions/implicit_objects.h"
#include "partitions/links.h"
#include "partitions/memory_regions.h"
#include "partitions/partition_children.h"
#include "partitions/partition_lookup.h"
#include "partitions/partition_objects.h"
#include "partitions/ports.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/numbers.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

bool EndsWithEmptyElement(std::string_view tag_line) {
  return tag_line.size() >= 2 && tag_line.substr(tag_line.size() - 2) == "/>";
}

// Reads an optional boolean into `field`; true when the attribute was given.
bool ReadBoolean(TranslationContext& ctx, const char* tag_line, const char* value, const char* message,
                 int32_t& field) {
  if (value == nullptr) return false;
  field = ParseBoolean(ctx.report, value, message, tag_line);
  return true;
}

// The partition name becomes part of output file names and assembler
// symbols, so it may not lead out of the output directory.
void CheckPartitionName(TranslationContext& ctx, const std::string& name, const char* tag_line) {
  bool safe = name != "." && name != "..";
  for (char c : name) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                         c == '-' || c == '.' || c == '$';
    if (!allowed) safe = false;
  }
  if (!safe) FatalError(ctx, "Invalid PartitionName, only letters, digits and _ - . $ allowed:", tag_line);
}

PartitionRecord& CreatePartition(TranslationContext& ctx, const char* tag_line) {
  PartitionModel& model = ctx.model.partitions;
  const ModuleSettings& settings = ctx.settings;
  // Slot 0 belongs to the kernel partition, so without one the last slot
  // stays unused.
  const int32_t limit = AddWrapping(settings.MaxPartitions, model.KernelPartitionSeen != 0 ? 1 : 0);
  if (model.PartitionCount == limit) FatalError(ctx, "Maximum number of partitions exceeded.", tag_line);

  PartitionRecord& partition = model.Partitions.emplace_back();
  partition.PartitionIndex = model.PartitionCount;
  model.PartitionCount = AddWrapping(model.PartitionCount, 1);
  partition.DefinitionLine = ctx.reader.LineNumber;
  partition.ErrorProcessObject = AddWrapping(settings.VirtualStartObject, -5);
  partition.ErrorProcessLength = settings.PageSize;
  partition.LogicalCores = settings.LogicalCoreMapping;
  return partition;
}

// Identifier and name, from the <Partition line or from the definition line
// that follows it.
void ReadIdentity(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  std::string name;
  bool named = false;
  // The definition line read below must outlive the name check.
  TagLine definition;
  const char* name_line = tag_line;
  if (const char* identifier = FindAttribute(ctx.report, tag_line, "PartitionIdentifier")) {
    partition.PartitionIdentifier = ParseDecOrHex(ctx.report, identifier, tag_line);
    if (const char* value = FindAttribute(ctx.report, tag_line, "PartitionName")) {
      name = AttributeText(value);
      named = true;
    }
  } else {
    const bool read = NextTagLine(ctx, definition);
    if (!read ||
        !(StartsWith(definition, "<PartitionDefinition ") || StartsWith(definition, "<Partition_Definition "))) {
      FatalError(ctx, "Required PartitionIdentifier field or subsequent PartitionDefinition missing:", tag_line);
    }
    const char* line = definition.c_str();
    const char* definition_identifier = FindAttribute(ctx.report, line, "Identifier");
    if (definition_identifier == nullptr) FatalError(ctx, "Required Identifier field missing:", line);
    partition.PartitionIdentifier = ParseDecOrHex(ctx.report, definition_identifier, line);
    const char* value = FindAttribute(ctx.report, line, "Name");
    if (value == nullptr) FatalError(ctx, "Required Name field missing:", line);
    name = AttributeText(value);
    named = true;
    name_line = line;
  }
  partition.PartitionName =
      named ? BlanksToUnderscores(name) : Format("Partition_%d", static_cast<int>(partition.PartitionIdentifier));
  CheckPartitionName(ctx, partition.PartitionName, name_line);
}

void ReadFilesAndLanguage(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  if (const char* value = FindAttribute(ctx.report, tag_line, "FileName")) {
    p.FileName = BlanksToUnderscores(AttributeText(value));
    p.FileNameGiven = true;
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "HeaderFileName")) {
    p.HeaderFileName = BlanksToUnderscores(AttributeText(value));
    p.HeaderFileNameGiven = true;
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "Language")) {
    p.Language = AttributeText(value);
    p.LanguageGiven = true;
    if (p.Language != "C" && p.Language != "C++" && p.Language != "Ada" && p.Language != "None") {
      FatalError(ctx, "Invalid Language specifier", "Must be one of \"C\", \"C++\", \"Ada\" or \"None\"", tag_line);
    }
  }
  ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "SetTaskLockPriority", "SetProcessLockPriority"),
              "Invalid SetTaskLockPriority or SetProcessLockPriority value: ", p.SetTaskLockPriority);
}

// The kernel partition is renamed, keeps the user's name and always takes
// index 0; the others are numbered from 1 in definition order.
void ReadKernelPartition(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  PartitionModel& model = ctx.model.partitions;
  int32_t kernel = 0;
  ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "KernelPartition"),
              "Invalid KernelPartition value: ", kernel);
  if (kernel != 0) {
    p.KernelPartition = 1;
    if (model.KernelPartitionSeen != 0) FatalError(ctx, "Multiple kernel partitions.");
    model.KernelPartitionSeen = 1;
    if (!p.FileNameGiven) {
      p.FileName = p.PartitionName;
      p.FileNameGiven = true;
    }
    p.KernelUserName = p.PartitionName;
    p.PartitionName = "KernelSpace";
    p.ErrorProcessObject = AddWrapping(ctx.settings.KernelStartObject, -5);
  }
  if (p.KernelPartition == 0 && p.PartitionIndex == 0) {
    p.PartitionIndex = 1;
    model.PartitionCount = AddWrapping(model.PartitionCount, 1);
  } else if (p.KernelPartition != 0 && p.PartitionIndex != 0) {
    p.PartitionIndex = 0;
    model.PartitionCount = AddWrapping(model.PartitionCount, -1);
  }
}

void ReadStartAttributes(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  const bool kernel = p.KernelPartition != 0;
  if (ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "StartInitial"),
                  "Invalid StartInitial value: ", p.StartInitial) &&
      kernel) {
    Warning(ctx, "Cannot specify StartInitial for kernel partition, ignoring specification:", tag_line);
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "InitialProcessLength")) {
    p.InitialProcessLength = ParseDecOrHex(ctx.report, value, tag_line);
    if (kernel) {
      Warning(ctx, "Cannot specify InitialProcessLength for kernel partition, ignoring specification:", tag_line);
    }
  }
}

// Whether the partition is an ARINC 653 partition. ErrorProcessObject 0
// records that it was made one without ARINC 653 objects.
void ReadPartitionKind(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "ARINC653HM", "ARINCHM"),
              "Invalid ARINC653HM or ARINCHM value: ", p.ARINC653HM);
  ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "ARINC653Ports", "ARINCPorts"),
              "Invalid ARINC653Ports or ARINCPorts value: ", p.ARINC653Ports);
  if (ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "NoObjects"), "Invalid NoObjects value: ", p.NoObjects)) {
    if (p.NoObjects != 0 && p.ARINC653HM == 0) {
      p.ErrorProcessObject = 0;
    } else if (p.NoObjects == 0 && p.ErrorProcessObject == 0) {
      FatalError(ctx,
                 "Can't set NoObjects to false after previously setting it to true or after setting "
                 "ARINC653Partition to false.",
                 tag_line);
    }
  }
  int32_t arinc = 0;
  if (ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "ARINC653Partition", "ARINCPartition"),
                  "Invalid ARINC653Partition or ARINCPartition value: ", arinc)) {
    p.NoObjects = arinc != 0 ? 0 : 1;
    if (arinc != 0 && p.ErrorProcessObject == 0) {
      FatalError(ctx,
                 "Cannot set ARINC653Partition to true after previously setting it to false or after setting "
                 "NoObjects to true.",
                 tag_line);
    }
    if (arinc == 0 && p.ARINC653HM == 0) p.ErrorProcessObject = 0;
  }
  ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "POSIXPartition"),
              "Invalid POSIXPartition value: ", p.POSIXPartition);
  if (ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "FACEClockWritePermissions", "FACEClockWritePermission"),
                  "Invalid FACEClockWritePermissions value: ", p.FACEClockWritePermissions)) {
    p.FACEClockSpecified = 1;
  }
  if (p.ARINC653HM != 0 && p.NoObjects == 0) {
    FatalError(ctx,
               "ARINC653HM can be set to true only if NoObjects is set to true or ARINC653Partition is set to false.",
               tag_line);
  }
  if (p.ARINC653Ports != 0 && p.NoObjects == 0) {
    FatalError(
        ctx, "ARINC653Ports can be set to true only if NoObjects is set to true or ARINC653Partition is set to false.",
        tag_line);
  }
}

// Attributes that only a partition without ARINC 653 objects may have.
void ReadNonArincAttributes(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  if (const char* value = FindAttribute(ctx.report, tag_line, "IncludeFileName")) {
    if (p.NoObjects == 0) {
      FatalError(ctx,
                 "IncludeFileName can only be specified with NoObjects set to true or ARINC653Partition set to false.",
                 tag_line);
    }
    p.IncludeFileName = AttributeText(value);
    p.IncludeFileNameGiven = true;
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "MaximumPriority")) {
    if (p.NoObjects == 0) {
      FatalError(ctx,
                 "MaximumPriority can only be specified with NoObjects set to true or ARINC653Partition set to false.",
                 tag_line);
    }
    if (value[0] == '$') {
      p.MaximumPrioritySymbol = BlanksToUnderscores(AttributeText(value));
    } else {
      p.MaximumPriority = ParseDecOrHex(ctx.report, value, tag_line);
      if (p.MaximumPriority == 0) FatalError(ctx, "Invalid MaximumPriority specification:", tag_line);
    }
  }
}

// The error process's object number; in the kernel partition it also moves
// the kernel's first object numbers.
void ReadErrorProcessObject(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  const char* value = FindAttribute(ctx.report, tag_line, "ErrorProcessObject");
  if (value == nullptr) return;
  if (p.NoObjects != 0 && p.ARINC653HM == 0) {
    FatalError(ctx, "Cannot set ErrorProcessObject for non-ARINC HM partitions.", tag_line);
  }
  p.ErrorProcessObject = ParseDecOrHex(ctx.report, value, tag_line);
  if (p.ErrorProcessObject > 255) {
    FatalError(ctx, "Failure specifying ErrorProcessTaskObject, value greater than 255.", tag_line);
  }
  if (p.KernelPartition != 0) {
    if (p.ErrorProcessObject < 45) {
      FatalError(ctx, "Failure specifying ErrorProcessTaskObject, value less than 45.", tag_line);
    }
    ModuleSettings& settings = ctx.settings;
    settings.KernelStartObject = AddWrapping(p.ErrorProcessObject, 5);
    settings.NextKernelObject = AddWrapping(settings.KernelStartObject, 10);
  } else if (p.ErrorProcessObject < 10) {
    FatalError(ctx, "Failure specifying ErrorProcessTaskObject, value less than 10.", tag_line);
  }
}

void ReadMemoryAndShadow(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  const bool kernel = p.KernelPartition != 0;
  if (const char* value = FindAttribute(ctx.report, tag_line, "ErrorProcessLength")) {
    p.ErrorProcessLength = ParseDecOrHex(ctx.report, value, tag_line);
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "MemoryPoolSize")) {
    p.MemoryPoolSize = ParseDecOrHex(ctx.report, value, tag_line);
    if (kernel) Warning(ctx, "Cannot specify MemoryPoolSize for kernel partition, ignoring specification:", tag_line);
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "MemoryPoolPhysicalAddress")) {
    p.MemoryPoolPhysicalAddress = ParseDecOrHex64(ctx.report, value, tag_line);
    if (kernel) {
      Warning(ctx, "Cannot specify MemoryPoolPhysicalAddress for kernel partition, ignoring specification:", tag_line);
    }
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "Shadow")) {
    if (kernel) Warning(ctx, "Cannot specify Shadow for kernel partition, ignoring specification:", tag_line);
    p.Shadow = ParseBoolean(ctx.report, value, "Invalid Shadow value: ", tag_line);
    if (p.Shadow != 0) ctx.model.partitions.ShadowTableWanted = 1;
  }
  ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "SystemPartition"),
              "Invalid SystemPartition value: ", p.SystemPartition);
  if (FindAttribute(ctx.report, tag_line, "SharedPartitionHMText") != nullptr) {
    FatalError(ctx,
               "SharedPartitionHMText specification deprecated, see PartitionHM Memory_Requirements attribute for "
               "similar functionality:",
               tag_line);
  }
}

void ReadTaskIdentifications(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  if (const char* value = FindAttribute(ctx.report, tag_line, "InitialTaskIdentification")) {
    if (p.KernelPartition != 0) FatalError(ctx, "InitialTaskIdentification not allowed for KernelPartition:", tag_line);
    p.InitialTaskIdentification = ParseDecOrHex(ctx.report, value, tag_line);
    p.InitialTaskIdentificationSpecified = 1;
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "PortTaskIdentification")) {
    p.PortTaskIdentification = ParseDecOrHex(ctx.report, value, tag_line);
    p.PortTaskIdentificationSpecified = 1;
  }
}

// Keyword values matched without regard to letter case; -1 when none fits.
int32_t MatchKeyword(const char* value, const char* const* keywords, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (IsKeyword(value, keywords[i])) return i;
  }
  return -1;
}

void ReadAffinityAndLocking(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  if (ReadBoolean(ctx, tag_line, FindAttributeEither(ctx.report, tag_line, "SetTaskCoreAffinity", "SetProcessCoreAffinity"),
                  "Invalid SetTaskCoreAffinity/SetProcessCoreAffinity value: ", p.SetTaskCoreAffinity) &&
      p.SetTaskCoreAffinity == 0 && (p.NoObjects == 0 || p.ARINC653HM != 0)) {
    FatalError(ctx, "SetTaskCoreAffinity/SetProcessCoreAffinity cannot be",
               "set to false for ARINC partitions (or partitions using ARINC HM):", tag_line);
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "ARINC653SetAffinityPermission")) {
    if (p.NoObjects != 0) FatalError(ctx, "ARINC653SetAffinityPermission set for a non-ARINC653 partition:", tag_line);
    static const char* const kPermissions[] = {"NOT_PERMITTED", "INIT_ONLY", "ALL_MODES"};
    p.ARINC653SetAffinityPermission = MatchKeyword(value, kPermissions, 3);
    if (p.ARINC653SetAffinityPermission < 0) {
      FatalError(ctx, "Invalid ARINC653SetAffinityPermission specifier",
                 "Must be one of \"NOT_PERMITTED\", \"INIT_ONLY\" or \"ALL_MODES\"", tag_line);
    }
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "ARINC653LockingDiscipline")) {
    static const char* const kDisciplines[] = {"NON_BLOCKING", "BLOCKING_PRIORITY", "BLOCKING_FIFO"};
    p.ARINC653LockingDiscipline = MatchKeyword(value, kDisciplines, 3);
    if (p.ARINC653LockingDiscipline < 0) FatalError(ctx, "Invalid ARINC653LockingDiscipline value:", tag_line);
  }
}

// A domain switch, which the kernel partition cannot have.
void ReadDomain(TranslationContext& ctx, const char* tag_line, PartitionRecord& p, const char* name,
                const char* kernel_warning, const char* message, int32_t& field, int32_t& specified) {
  const char* value = FindAttribute(ctx.report, tag_line, name);
  if (value == nullptr) return;
  if (p.KernelPartition != 0) {
    Warning(ctx, kernel_warning, tag_line);
    return;
  }
  specified = 1;
  field = ParseBoolean(ctx.report, value, message, tag_line);
}

void ReadRemainingAttributes(TranslationContext& ctx, const char* tag_line, PartitionRecord& p) {
  ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "LogicalCores"),
              "Invalid LogicalCores value: ", p.LogicalCores);
  if (const char* value = FindAttribute(ctx.report, tag_line, "DebuggerMayHalt")) {
    p.DebuggerMayHalt = AttributeText(value);
    p.DebuggerMayHaltGiven = true;
    if (p.DebuggerMayHalt != "Always" && p.DebuggerMayHalt != "Never" && p.DebuggerMayHalt != "AfterInit") {
      FatalError(ctx, "Invalid DebuggerMayHalt specifier", "Must be one of \"Always\", \"Never\" or \"AfterInit\"",
                 tag_line);
    }
  }
  ReadDomain(ctx, tag_line, p, "IsVMDomain", "Cannot specify IsVMDomain for kernel partition, ignoring specification:",
             "Invalid IsVMDomain value: ", p.IsVMDomain, p.IsVMDomainSpecified);
  ReadDomain(ctx, tag_line, p, "IsIODomain", "Cannot specify IsIODomain for kernel partition, ignoring specification:",
             "Invalid IsIODomain value: ", p.IsIODomain, p.IsIODomainSpecified);
  if (FindAttribute(ctx.report, tag_line, "HeapSize") != nullptr) {
    Warning(ctx, "HeapSize not supported by KERNAVOX-178, use .heap section, ignoring specification:", tag_line);
  }
  ReadBoolean(ctx, tag_line, FindAttribute(ctx.report, tag_line, "DefaultProcessCoreAffinityAny"),
              "Invalid DefaultProcessCoreAffinityAny value: ", p.DefaultProcessCoreAffinityAny);
}

bool IsGroupingLine(const char* tag) {
  return StartsWith(tag, "<MemoryRegions>") || StartsWith(tag, "</MemoryRegions>") ||
         StartsWith(tag, "<PartitionPorts>") || StartsWith(tag, "</PartitionPorts>") ||
         StartsWith(tag, "<PartitionPort>") || StartsWith(tag, "</PartitionPort>");
}

// Hands one child line to its handler; the first matching prefix decides.
void DispatchChild(TranslationContext& ctx, const char* tag, PartitionRecord& p) {
  if (StartsWith(tag, "<PartitionHMRef ")) {
    ReadPartitionHMRef(ctx, tag, p);
  } else if (StartsWith(tag, "<FileSystemPermissions ") || StartsWith(tag, "<File_System_Permissions ")) {
    ReadFileSystemPermissions(ctx, tag, p);
  } else if (StartsWith(tag, "<PartitionPeriodicity ") || StartsWith(tag, "<Partition_Periodicity ")) {
    ReadPartitionPeriodicity(ctx, tag, p);
  } else if (StartsWith(tag, "<IODevice ")) {
    ReadIODevice(ctx, tag, p);
  } else if (StartsWith(tag, "<Semaphore ")) {
    ReadSemaphore(ctx, tag, p);
  } else if (StartsWith(tag, "<Clock ")) {
    ReadClock(ctx, tag, p);
  } else if (StartsWith(tag, "<Link ") || StartsWith(tag, "<AddressSpace ")) {
    ReadLink(ctx, tag, p);
  } else if (StartsWith(tag, "<Process ")) {
    ReadProcess(ctx, tag, p);
  } else if (StartsWith(tag, "<Task ")) {
    ReadTask(ctx, tag, p);
  } else if (StartsWith(tag, "<Sampling_Port ") || StartsWith(tag, "<SamplingPort ")) {
    ReadSamplingPort(ctx, tag, p);
  } else if (StartsWith(tag, "<Queuing_Port ") || StartsWith(tag, "<QueuingPort ")) {
    ReadQueuingPort(ctx, tag, p);
  } else if (StartsWith(tag, "<Connection ")) {
    ReadConnection(ctx, tag, p);
  } else if (StartsWith(tag, "<Partition_HM_Link ") || StartsWith(tag, "<PartitionHMLink ")) {
    ReadPartitionHMLink(ctx, tag, p);
  } else if (StartsWith(tag, "<Memory_Requirements ") || StartsWith(tag, "<MemoryRequirements ") ||
             StartsWith(tag, "<Memory_Region ") || StartsWith(tag, "<MemoryRegion ")) {
    ReadMemoryRegion(ctx, tag, p);
  } else {
    Warning(ctx, "Unexpected Partition tag line:", tag);
  }
}

// Child lines up to "</Partition>", or up to the end of the input when the
// end tag is missing.
void ReadChildren(TranslationContext& ctx, PartitionRecord& p) {
  TagLine line;
  while (NextTagLine(ctx, line) && !StartsWith(line, "</Partition>")) {
    const char* tag = line.c_str();
    if (IsGroupingLine(tag)) continue;
    if (!EndsWithEmptyElement(line)) FatalError(ctx, "Line should end with empty-element tag \"/>\".", tag);
    DispatchChild(ctx, tag, p);
  }
}

}  // namespace

void ReadPartition(TranslationContext& ctx, const char* tag_line) {
  // The model keeps partitions in a deque, so this reference stays valid
  // while later partitions are appended.
  PartitionRecord& partition = CreatePartition(ctx, tag_line);
  ReadIdentity(ctx, tag_line, partition);
  ReadFilesAndLanguage(ctx, tag_line, partition);
  ReadKernelPartition(ctx, tag_line, partition);
  ReadStartAttributes(ctx, tag_line, partition);
  ReadPartitionKind(ctx, tag_line, partition);
  ReadNonArincAttributes(ctx, tag_line, partition);
  ReadErrorProcessObject(ctx, tag_line, partition);
  ReadMemoryAndShadow(ctx, tag_line, partition);
  ReadTaskIdentifications(ctx, tag_line, partition);
  ReadAffinityAndLocking(ctx, tag_line, partition);
  ReadRemainingAttributes(ctx, tag_line, partition);
  // Identifier and lookup name are final now; children may refer to them.
  RegisterPartition(ctx.model.partitions, partition);
  if (partition.POSIXPartition != 0 || partition.FACEClockSpecified != 0) CreateImplicitObjects(ctx, partition);
  if (!EndsWithEmptyElement(tag_line)) ReadChildren(ctx, partition);
}

}  // namespace cfgxlate
