#include "schedules/schedule_times.h"

#include <cstdio>

#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

double NanosecondsToSeconds(int64_t nanoseconds) {
  return static_cast<double>(static_cast<uint64_t>(nanoseconds)) / 1000000000.0;
}

bool SecondsToNanoseconds(double seconds, int64_t* nanoseconds) {
  const double product = 1000000000.0 * seconds;
  // -2^63 and 2^63 are exact doubles; NaN fails both comparisons.
  constexpr double kLowest = -9223372036854775808.0;
  constexpr double kBeyondHighest = 9223372036854775808.0;
  if (!(product >= kLowest && product < kBeyondHighest)) return false;
  *nanoseconds = static_cast<int64_t>(product);
  return true;
}

std::string NanosecondsToSecondsText(int64_t nanoseconds) { return Format("%lf", NanosecondsToSeconds(nanoseconds)); }

double ScanSeconds(const char* value) {
  double seconds = 0.0;
  // Only the value itself is scanned, not the rest of the tag line.
  if (std::sscanf(AttributeText(value).c_str(), "%lf", &seconds) != 1) return 0.0;
  return seconds;
}

}  // namespace cfgxlate
