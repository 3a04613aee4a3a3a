#include "gen/objtables/core_map.h"

#include <cctype>
#include <climits>

#include "util/text.h"

namespace cfgxlate {
namespace {

constexpr const char* kZeroLine = "\t.byte\t0,0,0,0\n";

void WriteAllCores(const ModuleSettings& settings, std::string& out) {
  const long long cores = settings.NumberOfCores;
  const long long rounded = (cores + 3) / 4 * 4;
  int line = 0;
  for (long long i = 0; i < rounded && line < kCoreMapLines; i += 4, ++line) {
    // The first value of a line is always below the core count here.
    const auto core = [&](long long c) { return static_cast<int>(c < cores ? c : 0); };
    out += Format("\t.byte\t%d,%d,%d,%d\n", static_cast<int>(i), core(i + 1), core(i + 2), core(i + 3));
  }
  for (; line < kCoreMapLines; ++line) out += kZeroLine;
}

// The next number of a core list, like strtol: leading blanks and a sign
// are accepted, no digits reads as 0. The position moves past the number
// and one separator character.
int NextListedCore(const std::string& text, size_t& pos) {
  size_t p = pos;
  while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p]))) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  long long value = 0;
  bool digits = false;
  while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) {
    if (value <= INT_MAX) value = value * 10 + (text[p] - '0');
    digits = true;
    ++p;
  }
  if (!digits) {
    value = 0;
    p = pos;  // nothing read: only the separator is skipped
  }
  if (value > INT_MAX) value = INT_MAX;  // keeps an absurd text from overflowing
  pos = p + 1;
  return static_cast<int>(negative ? -value : value);
}

void WriteListedCores(const std::string& text, std::string& out) {
  size_t pos = 0;
  for (int line = 0; line < kCoreMapLines; ++line) {
    int values[4];
    for (int& value : values) value = pos < text.size() ? NextListedCore(text, pos) : 0;
    out += Format("\t.byte\t%d,%d,%d,%d\n", values[0], values[1], values[2], values[3]);
  }
}

}  // namespace

void WriteCoreMap(const ModuleSettings& settings, std::string& out, const std::string* core_text) {
  if (core_text == nullptr) {
    for (int line = 0; line < kCoreMapLines; ++line) out += kZeroLine;
  } else if (EqualsIgnoreCase(*core_text, "all")) {
    WriteAllCores(settings, out);
  } else {
    WriteListedCores(*core_text, out);
  }
}

}  // namespace cfgxlate
