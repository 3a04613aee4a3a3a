// Partition records and the objects a partition owns. Lists keep document
// order in deques, so records never move and may be referred to by pointer.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>

#include "model/optional_text.h"

namespace cfgxlate {

struct ChannelRecord;
struct PartitionHMTableRecord;
struct PartitionRecord;
struct WindowRecord;

// ObjectFlags bits shared by object records.
constexpr uint8_t kUsedByCallbackValue = 0x01;
constexpr uint8_t kUsedByCallbackGiven = 0x02;
constexpr uint8_t kUsedByKernelTaskValue = 0x04;
constexpr uint8_t kUsedByKernelTaskGiven = 0x08;
constexpr uint8_t kCoreIdGiven = 0x10;
constexpr uint8_t kStackSizeSpecified = 0x20;  // tasks only

struct ProcessRecord {
  std::string Name;
  int32_t StackSize = 0;
  int32_t ClearStack = 0;
  int32_t FastPacketCache = 0;
  int32_t ObjectIndex = 0;
  int32_t ProcessUserIdentification = 0;
  int32_t LockPriority = 0;
  int32_t LockPrioritySpecified = 0;
  uint64_t StackPhysicalAddress = 0;
};

struct TaskRecord {
  std::string Name;
  OptionalText EntryPoint;
  int32_t StackSize = 0;
  int32_t ClearStack = 0;
  int32_t FastPacketCache = 0;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  int32_t Priority = 0;
  OptionalText PrioritySymbol;  // "$..." symbol, not given when a number
  int32_t MaximumPriority = 0;
  OptionalText MaximumPrioritySymbol;
  int32_t StartIt = 1;
  int32_t TaskUserIdentification = 0;
  int32_t LockPriority = 0;
  int32_t LockPrioritySpecified = 0;
  uint8_t ObjectFlags = 0;
  int32_t CoreId = 0;
  uint64_t StackPhysicalAddress = 0;
};

struct IODeviceRecord {
  std::string Name;
  std::string RegisteredName;
  bool RegisteredNameGiven = false;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  uint8_t ObjectFlags = 0;
  int32_t CoreId = 0;
};

enum SemaphoreKind : int32_t { kBinarySemaphore = 0, kCountingSemaphore = 1, kHighestLockerSemaphore = 2 };

struct SemaphoreRecord {
  std::string Name;
  int32_t Kind = 0;
  int32_t Value = 0;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  int32_t UsedByFrameRelease = 0;
  uint8_t ObjectFlags = 0;
  int32_t CoreId = 0;
};

struct ClockRecord {
  std::string PhysicalClock;
  bool PhysicalClockGiven = false;
  std::string Name;
  int32_t SetTime = 1;
  int32_t ReadTime = 1;
  int32_t Alarm = 1;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  uint8_t ObjectFlags = 0;
  int32_t CoreId = 0;
};

struct LinkRecord {
  std::string Name;
  std::string PartitionName;
  std::string LinkedObjectName;
  // An AddressSpace element without Name / LinkedObjectName takes them from
  // PartitionName; the integrate file writes such links differently.
  bool NameFromPartitionName = false;
  bool LinkedObjectNameFromPartitionName = false;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  uint8_t ObjectFlags = 0;
  int32_t CoreId = 0;
};

struct PartitionHMLinkRecord {
  std::string Name;
  std::string PartitionName;
  int32_t ObjectIndex = 0;
};

constexpr int32_t kSourcePort = 0;
constexpr int32_t kDestinationPort = 1;
constexpr int32_t SYSTEM_LIMIT_MESSAGE_SIZE = 16777215;

struct SamplingPortRecord {
  std::string Name;
  int32_t Direction = kSourcePort;
  PartitionRecord* Partition = nullptr;
  ChannelRecord* Channel = nullptr;
  int32_t ObjectIndex = 0;
  int32_t KernelObjectNumber = 0;
  int32_t RegionIndex = 0;
  int32_t MaxMessageSize = 0;
  int64_t RefreshRateSeconds = 0;  // nanoseconds
  int32_t MaxTransfersPerWindow = 0;
  int32_t PortMapping = 0;
};

struct QueuingPortRecord {
  std::string Name;
  int32_t Direction = kSourcePort;
  int32_t Discipline = 0;
  ChannelRecord* Channel = nullptr;
  PartitionRecord* Partition = nullptr;
  int32_t ObjectIndex = 0;
  int32_t KernelObjectNumber = 0;
  int32_t SuspensionDevice = 0;
  int32_t MaxMessageSize = 0;
  int32_t MaxNbMessages = 0;
  int32_t MaxTransfersPerWindow = 0;
  int32_t PortMapping = 0;
};

struct ConnectionRecord {
  std::string Name;
  ChannelRecord* Channel = nullptr;
  PartitionRecord* Partition = nullptr;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  int32_t IsDestination = 0;
  uint8_t ObjectFlags = 0;
};

// Access byte 1.
constexpr uint8_t kFastPacketCacheValue = 0x01, kFastPacketCacheGiven = 0x02;
constexpr uint8_t kClearValue = 0x04, kClearGiven = 0x08;
constexpr uint8_t kReadValue = 0x10, kReadGiven = 0x20;
constexpr uint8_t kWriteValue = 0x40, kWriteGiven = 0x80;
// Access byte 2.
constexpr uint8_t kExecuteValue = 0x01, kExecuteGiven = 0x02;
constexpr uint8_t kVolatileValue = 0x04, kVolatileGiven = 0x08;
constexpr uint8_t kIOCoherentValue = 0x10, kIOCoherentGiven = 0x20;
constexpr uint8_t kIOSpaceValue = 0x40, kIOSpaceGiven = 0x80;
// Access byte 3.
constexpr uint8_t kUnmappedValue = 0x01, kUnmappedGiven = 0x02;
constexpr uint8_t kPagedValue = 0x04, kPagedGiven = 0x08;
constexpr uint8_t kStackSegmentValue = 0x10, kStackSegmentGiven = 0x20;
constexpr uint8_t kTypeCode = 0x40, kTypeData = 0x80;
// Region flag byte.
constexpr uint8_t kRegionNamed = 0x01;
constexpr uint8_t kRegionIsMemoryBlock = 0x02;
constexpr uint8_t kRegionUsedByCallbackValue = 0x04, kRegionUsedByCallbackGiven = 0x08;
constexpr uint8_t kRegionUsedByKernelTaskValue = 0x10, kRegionUsedByKernelTaskGiven = 0x20;
constexpr uint8_t kRegionCoreIdGiven = 0x40;

struct MemoryRegionRecord {
  std::string Name;
  OptionalText SharedRegionName;
  uint64_t PhysicalAddress = 0;
  uint64_t VirtualAddress = 0;
  OptionalText SectionName;
  OptionalText MapToName;
  OptionalText AddressSpace;
  uint64_t Size = 0;
  uint64_t AlignmentValue = 0;
  int32_t ObjectIndex = 0;
  int32_t ObjectNumber = -1;
  int32_t AssignedObjectNumber = 0;
  uint8_t Access1 = 0;
  uint8_t Access2 = 0;
  uint8_t Access3 = 0;
  uint8_t Flags = 0;
  uint32_t CoreId = 0;
};

constexpr int kFileSystemDisks = 3;
constexpr int kFileSystemVolumes = 6;

struct PartitionRecord {
  int32_t PartitionIdentifier = 0;
  int32_t PartitionIndex = 0;
  std::string PartitionName;
  std::string KernelUserName;  // kernel partition only
  std::string FileName;
  bool FileNameGiven = false;
  std::string HeaderFileName;
  bool HeaderFileNameGiven = false;
  int32_t DefinitionLine = 0;
  int32_t StartInitial = 0;
  int32_t SetTaskLockPriority = -1;
  int32_t InitialProcessLength = 0;
  int32_t KernelPartition = 0;
  int32_t NoObjects = 0;
  std::string IncludeFileName;
  bool IncludeFileNameGiven = false;
  int32_t ErrorProcessObject = 0;
  int32_t ErrorProcessLength = 0;
  int32_t MemoryPoolSize = 0;
  int64_t MemoryPoolPhysicalAddress = 0;
  std::string Language;  // empty: the module's default language applies
  bool LanguageGiven = false;

  std::deque<SamplingPortRecord> SamplingPorts;
  std::deque<QueuingPortRecord> QueuingPorts;
  std::deque<ConnectionRecord> Connections;
  std::deque<ProcessRecord> Processes;
  std::deque<TaskRecord> Tasks;
  std::deque<IODeviceRecord> IODevices;
  std::deque<SemaphoreRecord> Semaphores;
  std::deque<LinkRecord> Links;
  std::deque<ClockRecord> Clocks;
  std::deque<MemoryRegionRecord> MemoryRegions;
  std::deque<PartitionHMLinkRecord> HMLinks;

  int64_t Period = 0;
  int64_t Duration = 0;
  int32_t ReleaseSemaphoreObject = 0;
  std::deque<WindowRecord*> Windows;
  PartitionHMTableRecord* HMTable = nullptr;
  uint32_t ProcessLevelErrors = 0;
  std::string MultiPartitionHMTableNameRef;
  bool MultiPartitionHMTableNameRefGiven = false;
  int32_t PortTaskObject = 0;
  int32_t HasPartitionPeriodStart = 0;
  int32_t ShadowLinkObject = 0;
  int32_t Shadow = 0;
  int32_t SystemPartition = -1;
  int32_t HasPartitionReleaseSemaphore = 0;
  int32_t MaximumPriority = 0;
  std::string MaximumPrioritySymbol;
  int32_t InitialTaskIdentification = 0;
  int32_t InitialTaskIdentificationSpecified = 0;
  int32_t ErrorProcessIdentification = -1;
  int32_t ErrorProcessIdentificationSpecified = 1;
  int32_t PortTaskIdentification = 0;
  int32_t PortTaskIdentificationSpecified = 0;
  int32_t ARINC653HM = 0;
  int32_t ARINC653Ports = 0;
  int32_t SetModuleSchedule = -1;
  int32_t SetTaskCoreAffinity = 1;
  int32_t ARINC653SetAffinityPermission = 0;
  int32_t ARINC653LockingDiscipline = 1;
  int32_t PoolUnits = 0;
  int32_t RomTableSize = 0;
  // Disk x 6 + volume; absent until the first FileSystemPermissions element.
  std::unique_ptr<std::array<uint8_t, kFileSystemDisks * kFileSystemVolumes>> FileSystemPermissions;
  int32_t POSIXPartition = 0;
  int32_t FACEClockWritePermissions = 0;
  int32_t FACEClockSpecified = 0;
  std::string HMTableName;
  bool HMTableNameGiven = false;
  int32_t HMTableIdentifier = -1;
  int32_t LogicalCores = 1;
  std::string DebuggerMayHalt;
  bool DebuggerMayHaltGiven = false;
  int32_t IsVMDomain = 0;
  int32_t IsVMDomainSpecified = 0;
  int32_t IsIODomain = 0;
  int32_t IsIODomainSpecified = 0;
  int32_t DefaultProcessCoreAffinityAny = 0;

  // The name other elements use to find this partition: the user's name for
  // the kernel partition, PartitionName otherwise.
  const std::string& LookupName() const { return KernelPartition != 0 ? KernelUserName : PartitionName; }
};

struct PartitionModel {
  std::deque<PartitionRecord> Partitions;  // definition order
  int32_t PartitionCount = 0;
  int32_t KernelPartitionSeen = 0;
  int32_t ShadowTableWanted = 0;
  int32_t ClientTableWanted = 0;
  // First partition with a given identifier / exact lookup name.
  std::unordered_map<int32_t, PartitionRecord*> FirstByIdentifier;
  std::unordered_map<std::string, PartitionRecord*> FirstByLookupName;
};

}  // namespace cfgxlate
