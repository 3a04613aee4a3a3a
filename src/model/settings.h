// ModuleSettings: the command-line options and the module element's
// attributes of one translation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cfgxlate {

enum class VerboseStream { None, StandardOutput, StandardError };

// How messages that carry an input line are laid out (--diagnostics).
enum class DiagnosticsLayout { Classic, Gnu };

// One per-core lock priority text of a CoreAGLockPriorityTable.
struct CoreAGLockPriorityEntry {
  std::string Text;
};

struct ModuleSettings {
  // Command line.
  std::string XmlFileName;  // empty until given
  bool XmlFileNameSet = false;
  std::string IntegrateFileName;
  bool IntegrateFileNameSet = false;
  std::string OutputDirectory;
  int32_t NameLength32 = 0;
  int32_t KernelSpaceInAllWindows = 0;
  int32_t BackgroundMaxPriority = -1;
  int32_t Checksum = 0;
  int32_t PortsInNonArincPartitions = 0;
  int32_t VerboseDump = 0;
  VerboseStream Verbose = VerboseStream::None;
  int32_t UnusedAttributeErrors = 0;
  int32_t UnusedAttributeWarnings = 0;
  int32_t Phase4 = 0;
  int32_t DefaultProcessAffinityAny = 0;
  int32_t LittleEndian = 0;
  int32_t LogicalCoreMapping = 1;
  int32_t KernelStartObject = 400;
  int32_t NextKernelObject = 410;
  std::string DefaultLanguage = "Ada";
  int32_t NoModuleHM = 0;
  int32_t NoArincSemaphore = 0;
  int32_t NoPreemptionLockConnection = 0;
  int32_t PageSize = 0x1000;
  int32_t MultiCore = 1;
  int32_t MaxPartitions = 255;
  int32_t RomObjectTables = 0;
  int32_t DestinationPortsPassive = 0;
  int32_t OneWayConnections = 0;
  int32_t VirtualStartObject = 20;
  int32_t FirstVirtualUserObject = 28;
  int32_t Warnings = 1;
  int32_t RequireMaxTransfersPerWindow = 1;
  int32_t PerApplicationTables = 0;

  // Long options.
  bool ShowVersion = false;
  std::string DepFileName;  // empty: no depfile
  std::string ScheduleSvgFileName;  // empty: no picture
  DiagnosticsLayout Diagnostics = DiagnosticsLayout::Classic;

  // Module element.
  std::string ModuleName;  // as written; empty when not given
  std::string Target;
  bool TargetSet = false;
  std::string IncludeName;
  bool IncludeNameSet = false;
  int32_t NumberOfCores = 8;
  std::vector<CoreAGLockPriorityEntry> CoreAGLockPriorities;
};

}  // namespace cfgxlate
