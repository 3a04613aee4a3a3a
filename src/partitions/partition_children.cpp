#include "partitions/partition_children.h"

#include <array>
#include <cctype>
#include <cstring>
#include <memory>

#include "core/diagnostics.h"
#include "reader/attributes.h"

namespace cfgxlate {

namespace {

constexpr int32_t kEverything = -1;  // "All" disks or volumes

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// 0 NONE, 1 READ, 2 READ_WRITE. READ may be followed by any run of
// underscores; WRITE counts only after such a run and before "_" or the
// closing quote, otherwise the value still means READ.
int32_t ReadPermission(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "Permissions");
  if (value == nullptr) FatalError(ctx, "Required Permissions field missing:", tag_line);
  if (IsKeyword(value, "NONE")) return 0;
  if (BeginsWithKeyword(value, "READ") && (value[4] == '_' || value[4] == '"')) {
    const char* rest = value + 4;
    while (*rest == '_') ++rest;
    if (BeginsWithKeyword(rest, "WRITE") && (rest[5] == '_' || rest[5] == '"')) return 2;
    return 1;
  }
  FatalError(ctx, "Invalid permissions value.  Must be NONE, READ or READ_WRITE:", tag_line);
}

// A disk or volume number in 0..count-1, or kEverything for "All" or -1.
int32_t ReadSelector(TranslationContext& ctx, const char* tag_line, const char* name, const char* missing,
                     const char* out_of_range, int32_t count) {
  const char* value = FindAttribute(ctx.report, tag_line, name);
  if (value == nullptr) FatalError(ctx, missing, tag_line);
  if (IsKeyword(value, "All")) return kEverything;
  int32_t number = ParseDecOrHex(ctx.report, value, tag_line);
  if (number == kEverything) return kEverything;
  if (number < 0 || number >= count) FatalError(ctx, out_of_range, tag_line);
  return number;
}

// A required non-zero 64-bit time of <PartitionPeriodicity.
int64_t ReadPeriodicityTime(TranslationContext& ctx, const char* tag_line, const char* name, const char* missing,
                            const char* invalid) {
  const char* value = FindAttribute(ctx.report, tag_line, name);
  if (value == nullptr) FatalError(ctx, missing, tag_line);
  int64_t time = ParseDecOrHex64(ctx.report, value, tag_line);
  if (time == 0) FatalError(ctx, invalid, tag_line);
  return time;
}

}  // namespace

bool BeginsWithKeyword(const char* value, const char* keyword) {
  for (; *keyword != '\0'; ++value, ++keyword) {
    const bool same = IsLetter(*keyword) ? std::tolower(static_cast<unsigned char>(*value)) ==
                                               std::tolower(static_cast<unsigned char>(*keyword))
                                         : *value == *keyword;
    if (!same) return false;
  }
  return true;
}

bool IsKeyword(const char* value, const char* keyword) {
  return BeginsWithKeyword(value, keyword) && value[std::strlen(keyword)] == '"';
}

void ReadPartitionHMRef(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  const char* name = FindAttribute(ctx.report, tag_line, "TableName");
  if (name == nullptr) FatalError(ctx, "Required TableName field missing:", tag_line);
  partition.HMTableName = AttributeText(name);
  partition.HMTableNameGiven = true;
  if (const char* identifier = FindAttribute(ctx.report, tag_line, "TableIdentifier")) {
    partition.HMTableIdentifier = ParseDecOrHex(ctx.report, identifier, tag_line);
  }
}

void ReadFileSystemPermissions(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  if (partition.FileSystemPermissions == nullptr) {
    // Value-initialised: every entry starts at 0 (NONE).
    partition.FileSystemPermissions = std::make_unique<std::array<uint8_t, kFileSystemDisks * kFileSystemVolumes>>();
    ctx.model.partitions.ClientTableWanted = 1;
  }
  const int32_t permission = ReadPermission(ctx, tag_line);
  const int32_t disk =
      ReadSelector(ctx, tag_line, "Disk", "Required Disk field missing:", "Disk out of range:", kFileSystemDisks);
  const int32_t volume = ReadSelector(ctx, tag_line, "Volume",
                                      "Required Volume field missing:", "Volume out of range:", kFileSystemVolumes);
  for (int32_t d = 0; d < kFileSystemDisks; ++d) {
    if (disk != kEverything && disk != d) continue;
    for (int32_t v = 0; v < kFileSystemVolumes; ++v) {
      if (volume != kEverything && volume != v) continue;
      (*partition.FileSystemPermissions)[static_cast<size_t>(d * kFileSystemVolumes + v)] =
          static_cast<uint8_t>(permission);
    }
  }
}

void ReadPartitionPeriodicity(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  Warning(ctx, "Partition periodicity should be specified using an appropriate partition schedule for the partition:",
          tag_line);
  partition.Period =
      ReadPeriodicityTime(ctx, tag_line, "Period", "Missing Period specification:", "Invalid Period specification:");
  partition.Duration = ReadPeriodicityTime(ctx, tag_line, "Duration",
                                           "Missing Duration specification:", "Invalid Duration specification:");
}

}  // namespace cfgxlate
