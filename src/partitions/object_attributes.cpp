#include "partitions/object_attributes.h"

#include "core/diagnostics.h"
#include "partitions/partition_objects.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate::object_attributes {

std::string ReadRequiredName(TranslationContext& ctx, const char* tag_line, const char* attribute,
                             const char* missing_message) {
  const char* value = FindAttribute(ctx.report, tag_line, attribute);
  if (value == nullptr) FatalError(ctx, missing_message, tag_line);
  return BlanksToUnderscores(AttributeText(value));
}

void ReadOptionalBoolean(TranslationContext& ctx, const char* tag_line, const char* attribute, const char* message,
                         int32_t& field) {
  if (const char* value = FindAttribute(ctx.report, tag_line, attribute)) {
    field = ParseBoolean(ctx.report, value, message, tag_line);
  }
}

void CheckObjectNumber(TranslationContext& ctx, const char* tag_line, const PartitionRecord& partition,
                       int64_t lowest_number_used) {
  if (lowest_number_used < ObjectNumberThreshold(ctx, partition)) {
    FatalError(ctx, "Invalid ObjectNumber specification, value too small:", tag_line);
  }
}

int32_t ReadObjectNumber(TranslationContext& ctx, const char* tag_line, const PartitionRecord& partition) {
  const char* value = FindAttribute(ctx.report, tag_line, "ObjectNumber");
  if (value == nullptr) return -1;
  int32_t number = ParseDecOrHex(ctx.report, value, tag_line);
  CheckObjectNumber(ctx, tag_line, partition, number);
  return number;
}

uint8_t ReadUsedByFlags(TranslationContext& ctx, const char* tag_line) {
  uint8_t flags = 0;
  if (const char* value = FindAttribute(ctx.report, tag_line, "UsedByCallback")) {
    flags |= kUsedByCallbackGiven;
    if (ParseBoolean(ctx.report, value, "Invalid UsedByCallback value: ", tag_line) != 0) flags |= kUsedByCallbackValue;
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "UsedByKernelTask")) {
    flags |= kUsedByKernelTaskGiven;
    if (ParseBoolean(ctx.report, value, "Invalid UsedByKernelTask value: ", tag_line) != 0) {
      flags |= kUsedByKernelTaskValue;
    }
  }
  return flags;
}

void ReadCoreId(TranslationContext& ctx, const char* tag_line, uint8_t& flags, int32_t& core_id) {
  const char* value = FindAttributeEither(ctx.report, tag_line, "CoreId", "CoreID");
  if (value == nullptr) return;
  core_id = ParseDecOrHex(ctx.report, value, tag_line);
  flags |= kCoreIdGiven;
}

void ReadLockPriority(TranslationContext& ctx, const char* tag_line, int32_t& value, int32_t& specified) {
  const char* text = FindAttribute(ctx.report, tag_line, "LockPriority");
  if (text == nullptr) return;
  value = EqualsIgnoreCase(AttributeText(text), "Scheduler") ? -1 : ParseDecOrHex(ctx.report, text, tag_line);
  specified = 1;
}

uint64_t ReadStackPhysicalAddress(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "StackPhysicalAddress");
  if (value == nullptr) return 0;
  uint64_t address = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, value, tag_line));
  if (address == 0) FatalError(ctx, "Invalid StackPhysicalAddress specification:", tag_line);
  return address;
}

}  // namespace cfgxlate::object_attributes
