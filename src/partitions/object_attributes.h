// Attribute readers shared by the object and port elements of a partition.
// Every reader examines one attribute (or one pair of alternatives) of the
// tag line, so a handler's sequence of calls fixes the order in which its
// checks fail.
#pragma once

#include <cstdint>
#include <string>

#include "core/context.h"

namespace cfgxlate::object_attributes {

// A required name, blanks turned into underscores; fatal with
// `missing_message` when the attribute is absent.
std::string ReadRequiredName(TranslationContext& ctx, const char* tag_line, const char* attribute,
                             const char* missing_message);

// Sets `field` from a boolean attribute when it is present.
void ReadOptionalBoolean(TranslationContext& ctx, const char* tag_line, const char* attribute, const char* message,
                         int32_t& field);

// Fatal "value too small" unless `lowest_number_used` reaches the
// partition's threshold. 64-bit so that callers may subtract from a
// 32-bit number without overflow.
void CheckObjectNumber(TranslationContext& ctx, const char* tag_line, const PartitionRecord& partition,
                       int64_t lowest_number_used);

// ObjectNumber, checked against the threshold; -1 when absent.
int32_t ReadObjectNumber(TranslationContext& ctx, const char* tag_line, const PartitionRecord& partition);

// UsedByCallback and UsedByKernelTask, in that order, as ObjectFlags bits.
uint8_t ReadUsedByFlags(TranslationContext& ctx, const char* tag_line);

// CoreId, or CoreID when CoreId is absent; giving it sets kCoreIdGiven.
void ReadCoreId(TranslationContext& ctx, const char* tag_line, uint8_t& flags, int32_t& core_id);

// LockPriority of processes and tasks: "Scheduler" in any letter case is
// -1, anything else a number.
void ReadLockPriority(TranslationContext& ctx, const char* tag_line, int32_t& value, int32_t& specified);

// StackPhysicalAddress, which must not be 0; 0 when absent.
uint64_t ReadStackPhysicalAddress(TranslationContext& ctx, const char* tag_line);

}  // namespace cfgxlate::object_attributes
