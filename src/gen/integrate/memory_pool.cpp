#include "gen/integrate/memory_pool.h"

#include <string>

#include "core/diagnostics.h"

namespace cfgxlate {

namespace {

void CheckMemoryPool(TranslationContext& ctx, PartitionRecord& p) {
  uint32_t units = 5;
  const size_t threads = p.Processes.size() + p.Tasks.size();
  units += static_cast<uint32_t>(threads);
  p.PoolUnits = static_cast<int32_t>(static_cast<uint32_t>(p.PoolUnits) + 2 * static_cast<uint32_t>(threads));
  units += (static_cast<uint32_t>(p.PoolUnits) + 63) / 64;
  const uint32_t calculated = static_cast<uint32_t>(ctx.settings.PageSize) * units;

  if (p.MemoryPoolSize == -1 || (p.MemoryPoolPhysicalAddress != 0 && p.MemoryPoolSize == 0)) {
    p.MemoryPoolSize = static_cast<int32_t>(calculated);
  } else if (static_cast<uint32_t>(p.MemoryPoolSize) < calculated) {
    // Reported against the partition's definition, not the end of input.
    const int32_t line = ctx.reader.LineNumber;
    ctx.reader.LineNumber = p.DefinitionLine;
    const std::string specified = std::to_string(static_cast<uint32_t>(p.MemoryPoolSize));
    const std::string wanted = std::to_string(calculated);
    Warning(ctx, "Specified MemoryPoolSize value less than calculated:", specified.c_str(), wanted.c_str());
    ctx.reader.LineNumber = line;
  }
}

}  // namespace

void CheckMemoryPools(TranslationContext& ctx) {
  for (PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.MemoryPoolSize != 0 || partition.MemoryPoolPhysicalAddress != 0) CheckMemoryPool(ctx, partition);
  }
}

}  // namespace cfgxlate
