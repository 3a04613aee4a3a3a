#include "gen/objtables/object_numbering.h"

#include <algorithm>
#include <utility>

namespace cfgxlate {

bool TaskTakesTwoNumbers(const TaskRecord& task) {
  return task.ClearStack != 0 || task.FastPacketCache != 0 || task.StackPhysicalAddress != 0;
}

bool ProcessTakesTwoNumbers(const ProcessRecord& process) {
  return process.ClearStack != 0 || process.FastPacketCache != 0 || process.StackPhysicalAddress != 0;
}

std::vector<int64_t> ReservedObjectNumbers(const PartitionRecord& partition) {
  std::vector<int64_t> numbers;
  auto add = [&numbers](int32_t number) {
    if (number != -1) numbers.push_back(number);
  };
  for (const TaskRecord& task : partition.Tasks) {
    add(task.ObjectNumber);
    if (task.ObjectNumber != -1 && TaskTakesTwoNumbers(task)) numbers.push_back(int64_t{task.ObjectNumber} - 1);
  }
  for (const ConnectionRecord& connection : partition.Connections) add(connection.ObjectNumber);
  for (const IODeviceRecord& device : partition.IODevices) add(device.ObjectNumber);
  for (const SemaphoreRecord& semaphore : partition.Semaphores) add(semaphore.ObjectNumber);
  for (const LinkRecord& link : partition.Links) add(link.ObjectNumber);
  for (const ClockRecord& clock : partition.Clocks) add(clock.ObjectNumber);
  for (const MemoryRegionRecord& region : partition.MemoryRegions) add(region.ObjectNumber);
  // The error process group may be moved into the automatic range.
  if (partition.ErrorProcessObject != 0) {
    for (int64_t i = 0; i < 4; ++i) numbers.push_back(int64_t{partition.ErrorProcessObject} + i);
  }
  return numbers;
}

TakenObjectNumbers::TakenObjectNumbers(std::vector<int64_t> numbers) : numbers_(std::move(numbers)) {
  std::sort(numbers_.begin(), numbers_.end());
  numbers_.erase(std::unique(numbers_.begin(), numbers_.end()), numbers_.end());
}

int64_t TakenObjectNumbers::FindFreeObjectNumbers(int64_t start, int64_t count) {
  if (count <= 0) return start;
  if (start < last_start_) {
    position_ = static_cast<size_t>(std::lower_bound(numbers_.begin(), numbers_.end(), start) - numbers_.begin());
  } else {
    while (position_ < numbers_.size() && numbers_[position_] < start) ++position_;
  }
  last_start_ = start;
  int64_t candidate = start;
  size_t next = position_;
  while (next < numbers_.size() && numbers_[next] <= candidate + count - 1) {
    candidate = numbers_[next] + 1;
    ++next;
  }
  return candidate;
}

}  // namespace cfgxlate
