#include "partitions/partition_memory.h"

#include "core/diagnostics.h"
#include "partitions/memory_regions.h"
#include "partitions/partition_lookup.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void CheckPartitionName(TranslationContext& ctx, const char* value, const PartitionRecord& partition,
                        const char* tag_line) {
  const std::string& stored = partition.LookupName();
  if (MatchPartitionName(value, stored) == nullptr) {
    FatalError(ctx,
               partition.KernelPartition != 0
                   ? "PartitionName and PartitionIdentifier do not specify the same partition in Partition_Memory "
                     "specification:"
                   : "PartitionName is not correct in Partition_Memory specification:",
               tag_line);
  }
  if (value[stored.size()] != '"') {
    FatalError(ctx, "PartitionName is not correct in Partition_Memory specification:", tag_line);
  }
}

bool IsRegionStart(const char* tag) {
  return StartsWith(tag, "<Memory_Requirements ") || StartsWith(tag, "<MemoryRequirements ") ||
         StartsWith(tag, "<Memory_Region ") || StartsWith(tag, "<MemoryRegion ");
}

bool IsRegionEnd(const char* tag) {
  return StartsWith(tag, "</Memory_Requirements") || StartsWith(tag, "</MemoryRequirements") ||
         StartsWith(tag, "</Memory_Region") || StartsWith(tag, "</MemoryRegion");
}

}  // namespace

void ReadPartitionMemory(TranslationContext& ctx, const char* tag_line) {
  const char* identifier = FindAttribute(ctx.report, tag_line, "PartitionIdentifier");
  if (identifier == nullptr) FatalError(ctx, "Required PartitionIdentifier field missing:", tag_line);
  PartitionRecord* partition =
      FindPartitionByIdentifier(ctx.model.partitions, ParseDecOrHex(ctx.report, identifier, tag_line));
  if (partition == nullptr) FatalError(ctx, "No partition exists matching PartitionIdentifier:", tag_line);

  if (const char* name = FindAttribute(ctx.report, tag_line, "PartitionName")) {
    CheckPartitionName(ctx, name, *partition, tag_line);
  }

  // A partition's memory is described in one place only.
  if (!partition->MemoryRegions.empty()) {
    FatalError(ctx, "Partition_Memory for partition already specified:", tag_line);
  }

  TagLine line;
  while (NextTagLine(ctx, line)) {
    const char* tag = line.c_str();
    if (StartsWith(tag, "</Partition_Memory") || StartsWith(tag, "</PartitionMemory")) return;
    if (IsRegionEnd(tag)) continue;
    if (IsRegionStart(tag)) {
      ReadMemoryRegion(ctx, tag, *partition);
    } else {
      Warning(ctx, "Unexpected Partition_Memory tag line:", tag);
    }
  }
}

}  // namespace cfgxlate
