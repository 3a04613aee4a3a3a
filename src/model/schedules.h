// Schedule records of the configuration model: module schedules and their
// sub-schedules, the per-partition settings inside each, time windows and
// restart schedules. Windows live in ScheduleModel::Windows and are listed by
// pointer on their partition, so records never move once created.
#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/partitions.h"

namespace cfgxlate {

// Schedule change actions, by stored value.
enum ScheduleChangeActionKind : int32_t {
  kScheduleChangeIgnore = 0,
  kScheduleChangeIdle = 1,
  kScheduleChangeWarmStart = 2,
  kScheduleChangeColdStart = 3
};

// The settings one Partition_Schedule gives a partition within one schedule.
// The kernel partition's settings use the same record (PartitionIndex 0).
struct PartitionScheduleEntry {
  int32_t PartitionIndex = 0;
  double PeriodSeconds = 0.0;    // 0.0: not given
  double DurationSeconds = 0.0;  // 0.0: not given
  int32_t ScheduleChangeAction = kScheduleChangeIgnore;
  int32_t AffinityGroup = 0;  // stored by the integrate-file writer
  std::string Core;
  bool CoreGiven = false;
  std::vector<std::string> MajorFrameReleaseSemaphores;  // reverse order of appearance
  std::vector<std::string> TaskCoreAffinities;           // order of appearance
  int32_t ScheduleChangeActionGiven = 0;
  int32_t LockPriority = 0;  // -1: None
  int32_t LockPriorityGiven = 0;
  int32_t LockQuantum = 0;  // -1: Infinity
  int32_t LockQuantumGiven = 0;
  int32_t LockSlicing = -1;  // -1 not given, 0 false, 1 true
};

struct WindowUserDataItem {
  int32_t Value = 0;
  std::string Description;
  bool DescriptionGiven = false;
};

// One time window, or one Shared_Schedule link (no times).
struct WindowRecord {
  std::string WindowStartSeconds;
  std::string WindowDurationSeconds;
  int32_t PartitionPeriodStart = 0;
  int32_t IsSharedSchedule = 0;
  int32_t SharedPartitionIdentifier = -1;
  int32_t ScheduleIdentifier = 0;
  int32_t SubScheduleIdentifier = 0;                     // 0 without multiple-core support
  std::vector<std::string> MinorFrameReleaseSemaphores;  // reverse order of appearance
  std::vector<WindowUserDataItem> UserData;
  std::string Core;  // NULLPartition windows with multiple-core support only
  bool CoreGiven = false;
};

struct RestartWindowRecord {
  std::string WindowStartSeconds;
  std::string WindowDurationSeconds;
};

// A Restart Partition_Schedule of a sub-schedule.
struct RestartScheduleRecord {
  int32_t AffinityGroup = 0;  // stored by the integrate-file writer
  std::string Core;
  std::vector<RestartWindowRecord> Windows;
};

// While a module schedule is read: the Core text a partition with logical
// cores uses in its sub-schedules, which must agree across them.
struct SubScheduleCoreText {
  std::string Core;
  int32_t SubSchedulesWithCore = 0;
};

// A Module_Schedule, or one of its Module_Sub_Schedules.
struct ModuleScheduleRecord {
  std::string MajorFrameSeconds;  // as written
  bool MajorFrameSecondsGiven = false;
  std::string ScheduleName;  // lower case, blanks as "_"; none in sub-schedules
  bool ScheduleNameGiven = false;
  int32_t ScheduleIdentifier = 0;  // SubScheduleIdentifier in a sub-schedule
  int32_t ScheduleNumber = 0;      // 1 initial, 2, 3 ... others; 0 in sub-schedules
  PartitionScheduleEntry KernelEntry;
  // Indexed by PartitionIndex - 1. A module schedule with multiple-core
  // support has none (its sub-schedules have them), which differs from an
  // empty array when only the kernel partition exists.
  std::vector<PartitionScheduleEntry> PartitionEntries;
  bool HasPartitionEntries = false;
  std::deque<RestartScheduleRecord> RestartSchedules;
  std::list<ModuleScheduleRecord> SubSchedules;  // document order
  ModuleScheduleRecord* Parent = nullptr;
  // Module schedule only, while reading: indexed by PartitionIndex (0 kernel).
  std::vector<SubScheduleCoreText> LogicalCoreTexts;
};

struct ScheduleModel {
  // The initial schedule first, the others after it in document order.
  std::deque<ModuleScheduleRecord> ModuleSchedules;
  int32_t NextScheduleNumber = 2;
  bool InitialScheduleSeen = false;
  std::unordered_set<int32_t> ScheduleIdentifiers;  // of every module schedule
  int32_t SetModuleScheduleCount = 0;
  int32_t WindowsDefined = 0;
  // Owns every window and link; partitions list them by pointer.
  std::deque<WindowRecord> Windows;
  // Pseudo partition for windows in which no partition runs. Outside the
  // partition list; prepared when the first module schedule is read.
  PartitionRecord NULLPartition;
  bool NULLPartitionReady = false;
};

}  // namespace cfgxlate
