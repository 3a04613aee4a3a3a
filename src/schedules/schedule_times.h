// Unit rules for schedule times. Nanosecond attributes are 64-bit numbers
// taken as unsigned; seconds are doubles, or kept as the attribute's text.
#pragma once

#include <cstdint>
#include <string>

namespace cfgxlate {

double NanosecondsToSeconds(int64_t nanoseconds);

// 1000000000.0 * seconds truncated toward zero. False, leaving `nanoseconds`
// alone, when the product is NaN or outside the int64 range, where a plain
// cast would be undefined.
bool SecondsToNanoseconds(double seconds, int64_t* nanoseconds);

// Window times: the seconds printed with "%lf" (25000000 gives 0.025000).
std::string NanosecondsToSecondsText(int64_t nanoseconds);

// A seconds attribute value read with "%lf"; 0.0 when it does not scan.
double ScanSeconds(const char* value);

}  // namespace cfgxlate
