// "kernel_additions.ld": one placement line per non-kernel partition's
// object-table section.
#pragma once

#include <cstdint>
#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

// Bytes the partition's table puts into its section: header, recovery
// actions, entry count, entries, schedule count and schedule records.
uint32_t ObjectTableBytes(const TranslationContext& ctx, size_t entry_count);

// The section's reserved size: whole pages, less 4 bytes for the checksum
// that follows the section with -checksum.
uint32_t SectionMinimumSize(const ModuleSettings& settings, uint32_t table_bytes);

// Appends the partition's lines; with -r also stores RomTableSize.
void WriteLinkerAdditions(const TranslationContext& ctx, TextBuffer& out, PartitionRecord& partition,
                          uint32_t table_bytes);

}  // namespace cfgxlate
