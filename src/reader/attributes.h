// Reading attribute values from a tag line. A value is handed out as the
// position after its opening double quote; it ends before the next quote.
#pragma once

#include <cstdint>
#include <string>

#include "core/reporter.h"
#include "model/settings.h"

namespace cfgxlate {

// The value of the first attribute named exactly `name`, or nullptr.
const char* FindAttribute(Reporter& report, const char* tag_line, const char* name);

// The same, searching from `from`, a later position inside `tag_line`
// (for example just after a value already found): the characters up to the
// next space are skipped first, so a repeated attribute is found occurrence
// after occurrence.
const char* FindAttributeFrom(Reporter& report, const char* tag_line, const char* from, const char* name);

// The next attribute after the word at `from` whose name begins with
// `prefix`; `suffix` receives the rest of its name.
const char* FindAttributePrefixFrom(Reporter& report, const char* tag_line, const char* from,
                                    const char* prefix, std::string* suffix);

// The value of `name`, or of `alternative` when `name` is absent.
const char* FindAttributeEither(Reporter& report, const char* tag_line, const char* name,
                                const char* alternative);

// A copy of a value (up to its closing quote).
std::string AttributeText(const char* value);

// Decimal (with optional "-") or "0x" hexadecimal, ending at the closing quote.
int32_t ParseDecOrHex(Reporter& report, const char* value, const char* tag_line);
int64_t ParseDecOrHex64(Reporter& report, const char* value, const char* tag_line);

// "true"/"false" in any letter case, ending at the closing quote; anything
// else is fatal with `message`. The prefix form only needs the value to
// begin with one of the words.
int ParseBoolean(Reporter& report, const char* value, const char* message, const char* tag_line);
int ParseBooleanPrefix(Reporter& report, const char* value, const char* message, const char* tag_line);

// Reads one number of a comma-separated core list (a NUL-terminated copy of
// the value). Returns the next item, or nullptr after the last.
const char* NextCoreListItem(Reporter& report, const ModuleSettings& settings, const char* text, int32_t* number);

// Fatal when a name is longer than the object-name limit (30, or 32 with -32).
void CheckObjectNameLength(Reporter& report, const ModuleSettings& settings, const std::string& name);

}  // namespace cfgxlate
