#include "reader/attributes.h"

#include <cctype>
#include <cstring>

#include "core/reporter.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

bool AtTagEnd(const char* p) { return *p == '\0' || *p == '>' || (p[0] == '/' && p[1] == '>'); }

// Scans the attributes after the word at `p` for the first whose name is
// exactly `name` or, with `suffix` given, begins with `name` (the rest of the
// name goes to `suffix`). Lines are short, so plain loops beat library calls.
const char* ScanAttributes(Reporter& report, const char* tag_line, const char* p, const char* name,
                           std::string* suffix) {
  // Skip the element name (or the rest of the current word).
  while (*p != ' ') {
    if (AtTagEnd(p)) return nullptr;
    ++p;
  }
  const size_t name_length = std::strlen(name);
  for (;;) {
    while (*p == ' ') ++p;
    if (AtTagEnd(p)) return nullptr;
    const char* attribute = p;
    while (*p != '\0' && *p != ' ' && *p != '=') ++p;
    const size_t attribute_length = static_cast<size_t>(p - attribute);
    const bool match = (suffix != nullptr ? attribute_length >= name_length : attribute_length == name_length) &&
                       (name_length == 0 || attribute[0] == name[0]) &&
                       std::memcmp(attribute, name, name_length) == 0;
    while (*p == ' ') ++p;
    if (*p != '=') FatalError(report, "XML tag line not well-formed:", tag_line);
    ++p;
    while (*p == ' ') ++p;
    if (*p != '"') FatalError(report, "XML tag line not well-formed:", tag_line);
    const char* value = ++p;
    while (*p != '"') {
      if (*p == '\0') FatalError(report, "XML tag line not well-formed:", tag_line);
      ++p;
    }
    if (match) {
      if (suffix != nullptr) suffix->assign(attribute + name_length, attribute_length - name_length);
      return value;
    }
    ++p;
  }
}

[[noreturn]] void InvalidValue(Reporter& report, const char* message, const char* value,
                               const char* tag_line) {
  FatalError(report, message, value, tag_line);
}

// Reads the digits of a value; false when it does not end at the closing
// quote. `limit` bounds the magnitude of a non-negative value.
bool ReadMagnitude(const char* value, bool* negative, uint64_t* magnitude, bool* overflow) {
  const char* p = value;
  *negative = false;
  *magnitude = 0;
  *overflow = false;
  if (p[0] == '0' && p[1] == 'x') {
    p += 2;
    while (std::isxdigit(static_cast<unsigned char>(*p))) {
      int digit = std::isdigit(static_cast<unsigned char>(*p)) ? *p - '0'
                                                               : std::tolower(static_cast<unsigned char>(*p)) - 'a' + 10;
      if (*magnitude > (UINT64_MAX >> 4)) *overflow = true;
      *magnitude = (*magnitude << 4) | static_cast<uint64_t>(digit);
      ++p;
    }
  } else {
    if (*p == '-') {
      *negative = true;
      ++p;
    }
    while (std::isdigit(static_cast<unsigned char>(*p))) {
      uint64_t digit = static_cast<uint64_t>(*p - '0');
      if (*magnitude > (UINT64_MAX - digit) / 10) *overflow = true;
      *magnitude = *magnitude * 10 + digit;
      ++p;
    }
  }
  return *p == '"';
}

constexpr uint64_t kLowestNegativeMagnitude = 2147483648u;

}  // namespace

const char* FindAttribute(Reporter& report, const char* tag_line, const char* name) {
  return ScanAttributes(report, tag_line, tag_line, name, nullptr);
}

const char* FindAttributeFrom(Reporter& report, const char* tag_line, const char* from, const char* name) {
  return ScanAttributes(report, tag_line, from, name, nullptr);
}

const char* FindAttributePrefixFrom(Reporter& report, const char* tag_line, const char* from,
                                    const char* prefix, std::string* suffix) {
  return ScanAttributes(report, tag_line, from, prefix, suffix);
}

const char* FindAttributeEither(Reporter& report, const char* tag_line, const char* name,
                                const char* alternative) {
  const char* value = FindAttribute(report, tag_line, name);
  return value != nullptr ? value : FindAttribute(report, tag_line, alternative);
}

std::string AttributeText(const char* value) {
  const char* close = std::strchr(value, '"');
  return close == nullptr ? std::string(value) : std::string(value, static_cast<size_t>(close - value));
}

int32_t ParseDecOrHex(Reporter& report, const char* value, const char* tag_line) {
  bool negative, overflow;
  uint64_t magnitude;
  bool well_ended = ReadMagnitude(value, &negative, &magnitude, &overflow);
  if (!well_ended || overflow || (negative ? magnitude > kLowestNegativeMagnitude : magnitude > 0xFFFFFFFFu)) {
    InvalidValue(report, "Invalid DecOrHexValue:", value, tag_line);
  }
  uint32_t bits = negative ? static_cast<uint32_t>(0u - static_cast<uint32_t>(magnitude))
                           : static_cast<uint32_t>(magnitude);
  return static_cast<int32_t>(bits);
}

int64_t ParseDecOrHex64(Reporter& report, const char* value, const char* tag_line) {
  bool negative, overflow;
  uint64_t magnitude;
  bool well_ended = ReadMagnitude(value, &negative, &magnitude, &overflow);
  if (overflow || (negative && magnitude > kLowestNegativeMagnitude)) {
    InvalidValue(report, "Invalid DecOrHexValue:", value, tag_line);
  }
  if (!well_ended) InvalidValue(report, "Invalid DecOrHexValue(64-bit value):", value, tag_line);
  uint64_t bits = negative ? 0u - magnitude : magnitude;
  return static_cast<int64_t>(bits);
}

int ParseBoolean(Reporter& report, const char* value, const char* message, const char* tag_line) {
  if (strncasecmp(value, "true\"", 5) == 0) return 1;
  if (strncasecmp(value, "false\"", 6) == 0) return 0;
  FatalError(report, message, tag_line);
}

int ParseBooleanPrefix(Reporter& report, const char* value, const char* message, const char* tag_line) {
  if (strncasecmp(value, "true", 4) == 0) return 1;
  if (strncasecmp(value, "false", 5) == 0) return 0;
  FatalError(report, message, tag_line);
}

const char* NextCoreListItem(Reporter& report, const ModuleSettings& settings, const char* text, int32_t* number) {
  const char* p = text;
  int64_t value = 0;
  while (*p != ',' && *p != '\0') {
    if (!std::isdigit(static_cast<unsigned char>(*p))) FatalError(report, "Invalid core list value:", text);
    if (value <= INT32_MAX) value = value * 10 + (*p - '0');
    ++p;
  }
  if (value >= settings.NumberOfCores) FatalError(report, "Invalid core value in list:", text);
  *number = static_cast<int32_t>(value);
  return *p == ',' ? p + 1 : nullptr;
}

void CheckObjectNameLength(Reporter& report, const ModuleSettings& settings, const std::string& name) {
  if (settings.NameLength32 != 0) {
    if (name.size() > 32) FatalError(report, "Name longer than 32 characters:", name.c_str());
  } else if (name.size() > 30) {
    FatalError(report, "Name longer than 30 characters:", name.c_str());
  }
}

}  // namespace cfgxlate
