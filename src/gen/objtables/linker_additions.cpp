#include "gen/objtables/linker_additions.h"

#include "gen/objtables/module_schedule_table.h"
#include "gen/objtables/object_entries.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

uint32_t ObjectTableBytes(const TranslationContext& ctx, size_t entry_count) {
  const uint64_t bytes = uint64_t{kTableHeaderBytes} + kRecoveryActionBytes + kCountBytes +
                         uint64_t{static_cast<uint32_t>(ObjectEntryBytes(ctx.settings))} * entry_count + kCountBytes +
                         uint64_t{static_cast<uint32_t>(ModuleScheduleRecordSize(ctx.settings))} *
                             static_cast<uint32_t>(ModuleScheduleCount(ctx));
  return static_cast<uint32_t>(bytes);
}

uint32_t SectionMinimumSize(const ModuleSettings& settings, uint32_t table_bytes) {
  const uint32_t page = static_cast<uint32_t>(settings.PageSize);
  uint32_t size = table_bytes;
  if (page != 0) size = (table_bytes + page - 1) / page * page;
  if (settings.Checksum != 0) size -= 4;
  return size;
}

void WriteLinkerAdditions(const TranslationContext& ctx, TextBuffer& out, PartitionRecord& partition,
                          uint32_t table_bytes) {
  const char* name = partition.PartitionName.c_str();
  const uint32_t minimum = SectionMinimumSize(ctx.settings, table_bytes);
  APPEND_FORMAT(out, "\t.mr_rweu_%s align(0x%x) MIN_SIZE(0x%x)\t:\n", name, static_cast<unsigned>(ctx.settings.PageSize),
                minimum);
  if (ctx.settings.RomObjectTables != 0) {
    partition.RomTableSize = static_cast<int32_t>(minimum);
    APPEND_FORMAT(out, "\t.rmr_rweu_%s ROM_NOCOPY(.mr_rweu_%s)\t:\n", name, name);
  }
}

}  // namespace cfgxlate
