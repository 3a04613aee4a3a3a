// Object numbers of one partition: the numbers users gave explicitly, and
// the search for free runs of numbers among them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/partitions.h"

namespace cfgxlate {

// Numbers already held in one block of objects, and the search for free
// runs of numbers among them.
class TakenObjectNumbers {
 public:
  explicit TakenObjectNumbers(std::vector<int64_t> numbers);

  // The smallest s >= start such that none of s .. s+count-1 is taken;
  // start itself when count is 0. Searches begin where the previous one
  // left off when start does not go back, so a whole partition's numbering
  // costs about one pass over the taken numbers.
  int64_t FindFreeObjectNumbers(int64_t start, int64_t count);

  const std::vector<int64_t>& Numbers() const { return numbers_; }

 private:
  std::vector<int64_t> numbers_;  // sorted, no duplicates
  int64_t last_start_ = INT64_MIN;
  size_t position_ = 0;  // first taken number >= last_start_
};

// The numbers a partition's automatic numbering must avoid: every explicit
// ObjectNumber (with the stack number below a task's own) and the error
// process group E .. E+3.
std::vector<int64_t> ReservedObjectNumbers(const PartitionRecord& partition);

// A task with ClearStack, FastPacketCache or a physical stack address takes
// a second number just below its own.
bool TaskTakesTwoNumbers(const TaskRecord& task);
bool ProcessTakesTwoNumbers(const ProcessRecord& process);

}  // namespace cfgxlate
