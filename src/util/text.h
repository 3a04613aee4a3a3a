// Small text helpers.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace cfgxlate {

inline bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Equality ignoring ASCII letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// A copy with every blank replaced by "_" (names copied from attributes).
std::string BlanksToUnderscores(std::string_view text);

// printf into a std::string through the C formatting functions.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace cfgxlate
