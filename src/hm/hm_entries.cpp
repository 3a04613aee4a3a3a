#include "hm/hm_entries.h"

#include <cctype>

#include "core/diagnostics.h"
#include "model/hm.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

int ModuleRecoveryActionValue(const char* value) {
  if (StartsWith(value, "RESET")) return kModuleActionReset;
  if (StartsWith(value, "SHUTDOWN")) return kModuleActionShutdown;
  if (StartsWith(value, "IGNORE")) return kModuleActionIgnore;
  return -1;
}

bool BeginsWithIgnoreCase(const char* value, const char* keyword) {
  for (; *keyword != '\0'; ++value, ++keyword) {
    if (std::tolower(static_cast<unsigned char>(*value)) != std::tolower(static_cast<unsigned char>(*keyword))) {
      return false;
    }
  }
  return true;
}

int32_t ReadErrorIdentifierRef(TranslationContext& ctx, const char* tag_line, const char* range_message,
                               const char* range_detail) {
  const char* value = FindAttribute(ctx.report, tag_line, "ErrorIdentifierRef");
  if (value == nullptr) FatalError(ctx, "Incorrect ErrorAction entry.", "ErrorIdentifierRef not defined:", tag_line);
  int32_t error = ParseDecOrHex(ctx.report, value, tag_line);
  if (error < 0 || error >= ErrorIdentifierCount) FatalError(ctx, range_message, range_detail, tag_line);
  return error;
}

}  // namespace cfgxlate
