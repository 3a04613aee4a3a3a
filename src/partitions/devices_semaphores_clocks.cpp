#include "partitions/devices_semaphores_clocks.h"

#include <cctype>
#include <limits>

#include "core/diagnostics.h"
#include "partitions/object_attributes.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace oa = object_attributes;

namespace {

// Semaphore values are read leniently: leading blanks and a sign, then as
// many decimal digits as there are. No digits gives 0 without a message;
// values beyond 32 bits stick at the nearest limit.
int32_t LeadingInteger(const char* value) {
  const char* p = value;
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  while (std::isdigit(static_cast<unsigned char>(*p))) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > limit) magnitude = limit;
    ++p;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

void ReadSemaphoreKind(TranslationContext& ctx, const char* tag_line, SemaphoreRecord& semaphore) {
  const char* kind = FindAttribute(ctx.report, tag_line, "Kind");
  if (kind == nullptr) FatalError(ctx, "Required Kind field missing:", tag_line);
  const std::string text = AttributeText(kind);
  if (EqualsIgnoreCase(text, "Binary")) FatalError(ctx, "Binary semaphores not supported:", tag_line);
  if (EqualsIgnoreCase(text, "Counting")) {
    semaphore.Kind = kCountingSemaphore;
    if (const char* initial = FindAttribute(ctx.report, tag_line, "InitialValue")) semaphore.Value = LeadingInteger(initial);
  } else if (EqualsIgnoreCase(text, "HighestLocker")) {
    semaphore.Kind = kHighestLockerSemaphore;
    const char* priority = FindAttribute(ctx.report, tag_line, "Priority");
    if (priority == nullptr) FatalError(ctx, "Required Priority field missing for HighestLocker Semaphore:", tag_line);
    semaphore.Value = LeadingInteger(priority);
  } else {
    FatalError(ctx, "Invalid Semaphore Kind value:", tag_line);
  }
}

}  // namespace

void ReadIODevice(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  IODeviceRecord device;
  device.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  device.ObjectNumber = oa::ReadObjectNumber(ctx, tag_line, partition);
  device.ObjectFlags = oa::ReadUsedByFlags(ctx, tag_line);
  oa::ReadCoreId(ctx, tag_line, device.ObjectFlags, device.CoreId);
  if (const char* value = FindAttribute(ctx.report, tag_line, "RegisteredName")) {
    device.RegisteredName = AttributeText(value);
    device.RegisteredNameGiven = true;
  }
  partition.IODevices.push_back(std::move(device));
}

void ReadSemaphore(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  SemaphoreRecord semaphore;
  semaphore.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  ReadSemaphoreKind(ctx, tag_line, semaphore);
  semaphore.ObjectNumber = oa::ReadObjectNumber(ctx, tag_line, partition);
  if (const char* value = FindAttribute(ctx.report, tag_line, "UsedByFrameRelease")) {
    if (partition.KernelPartition == 0) {
      FatalError(ctx, "UsedByFrameRelease can only be specified on KernelSpace semaphores:", tag_line);
    }
    if (ctx.settings.Phase4 != 0) FatalError(ctx, "UsedByFrameRelease not supported with Phase 4 Kernel:", tag_line);
    semaphore.UsedByFrameRelease = ParseBoolean(ctx.report, value, "Invalid UsedByFrameRelease value: ", tag_line);
  }
  semaphore.ObjectFlags = oa::ReadUsedByFlags(ctx, tag_line);
  oa::ReadCoreId(ctx, tag_line, semaphore.ObjectFlags, semaphore.CoreId);
  partition.Semaphores.push_back(std::move(semaphore));
}

void ReadClock(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  ClockRecord clock;
  clock.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  if (const char* value = FindAttribute(ctx.report, tag_line, "PhysicalClock")) {
    clock.PhysicalClock = BlanksToUnderscores(AttributeText(value));
    clock.PhysicalClockGiven = true;
  }
  oa::ReadOptionalBoolean(ctx, tag_line, "SetTime", "Invalid SetTime value: ", clock.SetTime);
  oa::ReadOptionalBoolean(ctx, tag_line, "ReadTime", "Invalid ReadTime value: ", clock.ReadTime);
  oa::ReadOptionalBoolean(ctx, tag_line, "Alarm", "Invalid Alarm value: ", clock.Alarm);
  clock.ObjectNumber = oa::ReadObjectNumber(ctx, tag_line, partition);
  clock.ObjectFlags = oa::ReadUsedByFlags(ctx, tag_line);
  oa::ReadCoreId(ctx, tag_line, clock.ObjectFlags, clock.CoreId);
  partition.Clocks.push_back(std::move(clock));
}

}  // namespace cfgxlate
