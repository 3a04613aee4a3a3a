#include "gen/objtables/core_map.h"

#include <cctype>

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {
namespace {

constexpr const char* kZeroLine = "\t.byte\t0,0,0,0\n";
// What a .byte line takes, as signed or unsigned byte.
constexpr long long kHighestByte = 255;
constexpr long long kLowestByte = -128;

void WriteAllCores(const ModuleSettings& settings, TextBuffer& out) {
  const long long cores = settings.NumberOfCores;
  const long long rounded = (cores + 3) / 4 * 4;
  int line = 0;
  for (long long i = 0; i < rounded && line < kCoreMapLines; i += 4, ++line) {
    // The first value of a line is always below the core count here.
    const auto core = [&](long long c) { return static_cast<int>(c < cores ? c : 0); };
    APPEND_FORMAT(out, "\t.byte\t%d,%d,%d,%d\n", static_cast<int>(i), core(i + 1), core(i + 2), core(i + 3));
  }
  for (; line < kCoreMapLines; ++line) out += kZeroLine;
}

// A listed number that no byte holds. A text the core-list reader refuses
// is refused with the reader's own message and detail, the ones the
// affinity groups of the integrate file would give; otherwise the number is
// named from its start.
[[noreturn]] void RefuseUnwritableCore(TranslationContext& ctx, const std::string& text, size_t start,
                                       bool negative) {
  for (const char* item = text.c_str(); item != nullptr;) {
    int32_t core = 0;
    item = NextCoreListItem(ctx.report, ctx.settings, item, &core);
  }
  FatalError(ctx, negative ? "Invalid core list value:" : "Invalid core value in list:", text.c_str() + start);
}

// The next number of a core list, like strtol: leading blanks and a sign
// are accepted, no digits reads as 0. The position moves past the number
// and one separator character. The number is read in full, and one that
// no byte can hold is refused with the text from its start: a wrapped or
// clipped value would put a core number into the map that was never given.
int NextListedCore(TranslationContext& ctx, const std::string& text, size_t& pos) {
  size_t p = pos;
  while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p]))) ++p;
  const size_t start = p;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  long long magnitude = 0;
  bool digits = false;
  while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) {
    // Once above 255 the exact value no longer matters: it is refused.
    if (magnitude <= kHighestByte) magnitude = magnitude * 10 + (text[p] - '0');
    digits = true;
    ++p;
  }
  if (!digits) {
    pos += 1;  // nothing read: only the separator is skipped
    return 0;
  }
  if (magnitude > (negative ? -kLowestByte : kHighestByte)) RefuseUnwritableCore(ctx, text, start, negative);
  pos = p + 1;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

void WriteListedCores(TranslationContext& ctx, const std::string& text, TextBuffer& out) {
  size_t pos = 0;
  for (int line = 0; line < kCoreMapLines; ++line) {
    int values[4];
    for (int& value : values) value = pos < text.size() ? NextListedCore(ctx, text, pos) : 0;
    APPEND_FORMAT(out, "\t.byte\t%d,%d,%d,%d\n", values[0], values[1], values[2], values[3]);
  }
}

}  // namespace

void WriteCoreMap(TranslationContext& ctx, TextBuffer& out, const std::string* core_text) {
  if (core_text == nullptr) {
    for (int line = 0; line < kCoreMapLines; ++line) out += kZeroLine;
  } else if (EqualsIgnoreCase(*core_text, "all")) {
    WriteAllCores(ctx.settings, out);
  } else {
    WriteListedCores(ctx, *core_text, out);
  }
}

}  // namespace cfgxlate
