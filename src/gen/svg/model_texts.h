// The model's time and core texts read for the schedule picture the way
// the translator reads them elsewhere, so that bars agree with the
// integrate file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cfgxlate {

// A window or major-frame text read as the translator reads seconds
// elsewhere ("%lf", times 1e9, truncated toward zero); 0 when it does not
// scan or is beyond the 64-bit range.
int64_t TimeTextToNanoseconds(const std::string& seconds_text);

// The cores a Core text names: every core for "all" (any letter case),
// otherwise the comma-separated list, each core once, in ascending order.
// Items the core-list reader would refuse are left out, so that a text the
// integrate file never had to read still draws what it can.
std::vector<int32_t> CoresOf(const std::string& core_text, int32_t number_of_cores);

}  // namespace cfgxlate
