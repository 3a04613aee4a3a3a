// The hover texts of the schedule picture's bars: what a reviewer checks a
// window against (times in milliseconds and as written, period, cores, the
// partitions sharing it). Plain text; the SVG writer escapes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/schedules.h"

namespace cfgxlate {

struct WindowFacts {
  const PartitionRecord& partition;
  const WindowRecord& window;
  int64_t start_ns;
  int64_t duration_ns;
  const std::string& core_text;  // the Core text the bar's cores come from
  bool multicore;
};

struct PeriodTimes {
  bool given = false;  // false: the schedule holds no settings for the partition
  int64_t period_ns = 0;
  int64_t duration_ns = 0;
};

std::string PartitionWindowTooltip(const WindowFacts& facts, const PeriodTimes& period,
                                   const std::vector<std::string>& sharers);
std::string IdleWindowTooltip(const WindowFacts& facts);
std::string RestartWindowTooltip(const RestartWindowRecord& window, int64_t start_ns, int64_t duration_ns,
                                 const std::string& core_text);

}  // namespace cfgxlate
