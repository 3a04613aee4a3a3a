#include "partitions/memory_access.h"

#include <strings.h>

#include <cstring>

#include "core/diagnostics.h"
#include "reader/attributes.h"

namespace cfgxlate {

namespace {

struct AccessKeyword {
  const char* word;
  uint8_t MemoryRegionRecord::*byte;
  uint8_t value_bit;
  uint8_t given_bit;
  const char* message;
  const char* other_spelling_suffix;  // Read_Only means Read
};

// Tried in this order at each cursor position.
constexpr AccessKeyword kAccessKeywords[] = {
    {"FastPacketCache", &MemoryRegionRecord::Access1, kFastPacketCacheValue, kFastPacketCacheGiven,
     "Invalid FastPacketCache value: ", nullptr},
    {"Clear", &MemoryRegionRecord::Access1, kClearValue, kClearGiven, "Invalid Clear value: ", nullptr},
    {"Read", &MemoryRegionRecord::Access1, kReadValue, kReadGiven, "Invalid Read value: ", "_Only"},
    {"Write", &MemoryRegionRecord::Access1, kWriteValue, kWriteGiven, "Invalid Write value: ", nullptr},
    {"Execute", &MemoryRegionRecord::Access2, kExecuteValue, kExecuteGiven, "Invalid Execute value: ", nullptr},
    {"Volatile", &MemoryRegionRecord::Access2, kVolatileValue, kVolatileGiven, "Invalid Volatile value: ", nullptr},
    {"IOCoherent", &MemoryRegionRecord::Access2, kIOCoherentValue, kIOCoherentGiven,
     "Invalid IOCoherent value: ", nullptr},
    {"IOSpace", &MemoryRegionRecord::Access2, kIOSpaceValue, kIOSpaceGiven, "Invalid IOSpace value: ", nullptr},
    {"Unmapped", &MemoryRegionRecord::Access3, kUnmappedValue, kUnmappedGiven, "Invalid Unmapped value: ", nullptr},
    {"Paged", &MemoryRegionRecord::Access3, kPagedValue, kPagedGiven, "Invalid Paged value: ", nullptr},
    {"StackSegment", &MemoryRegionRecord::Access3, kStackSegmentValue, kStackSegmentGiven,
     "Invalid StackSegment value: ", nullptr},
};

bool EndsKeyword(char c) { return c == '_' || c == '=' || c == '"'; }

// Length of `word` (in any letter case) at `p` when a keyword ends there,
// else 0. The comparison stops at the first differing character, so it
// never runs past the value's closing quote.
size_t MatchWord(const char* p, const char* word) {
  size_t length = std::strlen(word);
  return strncasecmp(p, word, length) == 0 && EndsKeyword(p[length]) ? length : 0;
}

size_t MatchKeyword(const char* p, const AccessKeyword& keyword) {
  size_t length = MatchWord(p, keyword.word);
  // The suffix is consumed with the keyword; otherwise the next pass would
  // take "Only" for a keyword of its own and refuse it.
  if (length != 0 && keyword.other_spelling_suffix != nullptr) {
    length += MatchWord(p + length, keyword.other_spelling_suffix);
  }
  return length;
}

const char* NextUnderscoreOrQuote(const char* p) {
  while (*p != '_' && *p != '"') ++p;
  return p;
}

}  // namespace

void ParseMemoryAccess(TranslationContext& ctx, MemoryRegionRecord& region, const char* value, const char* tag_line) {
  const char* cursor = value;
  while (*cursor != '"') {
    if (*cursor == '_') ++cursor;
    bool matched = false;
    for (const AccessKeyword& keyword : kAccessKeywords) {
      size_t length = MatchKeyword(cursor, keyword);
      if (length == 0) continue;
      matched = true;
      uint8_t& bits = region.*keyword.byte;
      bits |= keyword.given_bit;
      const char* after = cursor + length;
      bool on = true;
      if (*after == '=') on = ParseBooleanPrefix(ctx.report, after + 1, keyword.message, tag_line) != 0;
      // A later occurrence of the keyword replaces an earlier value.
      bits = static_cast<uint8_t>(on ? (bits | keyword.value_bit) : (bits & ~keyword.value_bit));
      cursor = NextUnderscoreOrQuote(after);
    }
    if (!matched) FatalError(ctx, "Incorrect access field:", tag_line);
  }
}

}  // namespace cfgxlate
