#include "gen/svg/time_axis.h"

#include <cmath>

#include "util/text.h"

namespace cfgxlate {

double TickStep(double span_ns, int most_steps) {
  const double wanted = span_ns / most_steps;
  for (double power = 1.0; power < 1e20; power *= 10.0) {
    for (double factor : {1.0, 2.0, 5.0}) {
      if (factor * power >= wanted) return factor * power;
    }
  }
  return 1e20;
}

std::vector<AxisTick> AxisTicks(double low_ns, double high_ns, int most_steps) {
  std::vector<AxisTick> ticks;
  if (!(high_ns > low_ns)) return ticks;
  const double step = TickStep(high_ns - low_ns, most_steps);
  // Decimals that a step of 0.5 ms (1), 0.02 ms (2) ... needs.
  const double step_ms = step / 1e6;
  const int decimals = step_ms >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step_ms) - 1e-9));
  // The step is at least 1 ns and the span at most about 2e19 ns, so the
  // count of ticks stays small.
  for (double k = std::ceil(low_ns / step); k * step <= high_ns; k += 1.0) {
    const double at = k * step + 0.0;  // + 0.0 turns -0 into 0
    const double ms = at / 1e6 + 0.0;
    ticks.push_back({at, Format("%.*f", decimals, ms)});
  }
  return ticks;
}

}  // namespace cfgxlate
