// The time axis of a schedule panel: ticks at round intervals (1, 2 or 5
// times a power of ten nanoseconds), labelled in milliseconds.
#pragma once

#include <string>
#include <vector>

namespace cfgxlate {

struct AxisTick {
  double nanoseconds = 0.0;
  std::string label;  // milliseconds, as many decimals as the step needs
};

// The smallest round step that cuts `span_ns` into at most `most_steps`.
double TickStep(double span_ns, int most_steps);

// Ticks from the first multiple of the step at or after `low_ns` up to
// `high_ns`.
std::vector<AxisTick> AxisTicks(double low_ns, double high_ns, int most_steps);

}  // namespace cfgxlate
