#include "partitions/memory_blocks.h"

#include "core/diagnostics.h"
#include "partitions/memory_regions.h"
#include "partitions/partition_lookup.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// The partition a block belongs to: by name first, then by identifier,
// which must agree with the name when both are given.
PartitionRecord& BlockPartition(TranslationContext& ctx, const char* tag_line) {
  PartitionRecord* partition = nullptr;
  if (const char* name = FindAttributeEither(ctx.report, tag_line, "PartitionNameRef", "PartitionName")) {
    partition = FindPartitionByLookupName(ctx.model.partitions, BlanksToUnderscores(AttributeText(name)));
  }
  const char* identifier_value = FindAttributeEither(ctx.report, tag_line, "PartitionID", "PartitionIdentifier");
  if (identifier_value == nullptr && partition == nullptr) {
    FatalError(ctx, "MemoryBlock specification missing valid PartitionID and PartitionNameRef:", tag_line);
  }
  if (identifier_value != nullptr) {
    const int32_t identifier = ParseDecOrHex(ctx.report, identifier_value, tag_line);
    if (partition == nullptr) {
      partition = FindPartitionByIdentifier(ctx.model.partitions, identifier);
    } else if (partition->PartitionIdentifier != identifier) {
      FatalError(ctx, "PartitionID and PartitionNameRef in MemoryBlock do not specify the same partition:", tag_line);
    }
  }
  if (partition == nullptr) {
    FatalError(ctx, "PartitionID or PartitionNameRef in MemoryBlock do not map to an existing partition:", tag_line);
  }
  return *partition;
}

void ReadMemoryBlock(TranslationContext& ctx, const char* tag_line) {
  PartitionRecord& partition = BlockPartition(ctx, tag_line);

  const char* name = FindAttribute(ctx.report, tag_line, "MemoryBlockName");
  if (name == nullptr) FatalError(ctx, "Required MemoryBlockName field missing:", tag_line);
  std::string block_name = BlanksToUnderscores(AttributeText(name));
  CheckObjectNameLength(ctx.report, ctx.settings, block_name);

  // Blocks go in front of the partition's other regions.
  MemoryRegionRecord& block = partition.MemoryRegions.emplace_front();
  block.Name = std::move(block_name);
  block.Flags = kRegionNamed | kRegionIsMemoryBlock;

  if (const char* size = FindAttributeEither(ctx.report, tag_line, "SizeBytes", "Size")) {
    block.Size = static_cast<uint64_t>(ParseDecOrHex64(ctx.report, size, tag_line));
  }

  block.AlignmentValue = 0;
  ReadCommonMemoryAttributes(ctx, block, tag_line, false, partition);
}

}  // namespace

void ReadMemoryBlocks(TranslationContext& ctx, const char*) {
  TagLine line;
  while (NextTagLine(ctx, line)) {
    const char* tag = line.c_str();
    if (StartsWith(tag, "</MemoryBlocks") || StartsWith(tag, "</Memory_Blocks")) return;
    if (StartsWith(tag, "<MemoryBlock ") || StartsWith(tag, "<Memory_Block ")) {
      ReadMemoryBlock(ctx, tag);
    } else {
      Warning(ctx, "Unexpected MemoryBlocks XML tag line:", tag);
    }
  }
}

}  // namespace cfgxlate
