#include "gen/svg/model_texts.h"

#include <algorithm>
#include <cctype>

#include "schedules/schedule_times.h"
#include "util/text.h"

namespace cfgxlate {

int64_t TimeTextToNanoseconds(const std::string& seconds_text) {
  int64_t nanoseconds = 0;
  if (!SecondsToNanoseconds(ScanSeconds(seconds_text.c_str()), &nanoseconds)) return 0;
  return nanoseconds;
}

std::vector<int32_t> CoresOf(const std::string& core_text, int32_t number_of_cores) {
  std::vector<int32_t> cores;
  if (EqualsIgnoreCase(core_text, "all")) {
    for (int32_t core = 0; core < number_of_cores; ++core) cores.push_back(core);
    return cores;
  }
  size_t begin = 0;
  for (;;) {
    const size_t end = std::min(core_text.find(',', begin), core_text.size());
    // As the core-list reader reads an item: digits only, an empty item is 0.
    int64_t value = 0;
    bool valid = true;
    for (size_t i = begin; i < end; ++i) {
      if (!std::isdigit(static_cast<unsigned char>(core_text[i]))) valid = false;
      if (valid && value <= INT32_MAX) value = value * 10 + (core_text[i] - '0');
    }
    if (valid && value < number_of_cores) cores.push_back(static_cast<int32_t>(value));
    if (end == core_text.size()) break;
    begin = end + 1;
  }
  std::sort(cores.begin(), cores.end());
  cores.erase(std::unique(cores.begin(), cores.end()), cores.end());
  return cores;
}

}  // namespace cfgxlate
