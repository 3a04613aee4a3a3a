// What the partition-schedule writers look up: every partition's windows
// and links by (schedule, sub-schedule), built in one walk so that no writer
// has to scan all partitions or windows again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/context.h"

namespace cfgxlate {

// A (ScheduleIdentifier, SubScheduleIdentifier) pair as one hash key.
using WindowKey = uint64_t;

inline WindowKey KeyOf(int32_t schedule_identifier, int32_t sub_schedule_identifier) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(schedule_identifier)) << 32) |
         static_cast<uint32_t>(sub_schedule_identifier);
}

// The key of a sub-schedule's windows (multiple-core support).
inline WindowKey SubScheduleKey(const ModuleScheduleRecord& sub_schedule) {
  return KeyOf(sub_schedule.Parent->ScheduleIdentifier, sub_schedule.ScheduleIdentifier);
}

using Ordinals = std::vector<size_t>;  // positions in the partition list
using WindowList = std::vector<const WindowRecord*>;

// One partition's windows and links by key, in list order.
using WindowsByKey = std::unordered_map<WindowKey, WindowList>;

// Everything the writers look up, built in one walk over the windows so
// that no writer has to scan all partitions or windows again.
struct ScheduleIndex {
  std::vector<PartitionRecord*> partitions;  // definition order
  std::vector<WindowsByKey> windows;         // parallel to partitions
  const PartitionRecord* kernel = nullptr;
  size_t kernel_ordinal = 0;
  size_t non_kernel_count = 0;
  // Ordinal of the partition with each PartitionIndex (slot 0 unused).
  std::vector<size_t> by_partition_index;
  // Partitions with any window or link under a key, in definition order.
  std::unordered_map<WindowKey, Ordinals> present;
  // Partitions with a link under a key, by the identifier they link to.
  std::unordered_map<WindowKey, std::unordered_map<int32_t, Ordinals>> sharers;
  // Partitions whose very first window links to an identifier.
  std::unordered_map<int32_t, Ordinals> first_linked_to;
  // Kernel partition semaphores by lower-case name; the first one wins.
  std::unordered_map<std::string, const SemaphoreRecord*> kernel_semaphores;
  // NULLPartition windows under each key, in list order.
  std::unordered_map<WindowKey, WindowList> null_windows;
};

ScheduleIndex BuildScheduleIndex(TranslationContext& ctx);

// P's windows under a key; empty when it has none there.
const WindowList& WindowsOf(const ScheduleIndex& index, size_t ordinal, WindowKey key);

// Partitions that link to P's identifier under a key.
const Ordinals& SharersOf(const ScheduleIndex& index, WindowKey key, const PartitionRecord& p);

// P's settings in a schedule: the kernel entry, or the entry at
// PartitionIndex - 1; null when the schedule has none for P.
PartitionScheduleEntry* EntryOf(ModuleScheduleRecord& schedule, const PartitionRecord& p);

// Object number of the kernel semaphore a release names; fatal with
// `message` and the name when the kernel partition has none of that name.
int32_t KernelSemaphoreNumber(TranslationContext& ctx, const ScheduleIndex& index, const std::string& name,
                              const char* message);

// The cores of a comma-separated list, read with the core-list reader.
std::vector<int32_t> ListedCores(TranslationContext& ctx, const std::string& text);

}  // namespace cfgxlate
