// Object numbers for one partition's objects, stored into the model, and the
// table entries that go with them.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "gen/objtables/object_entries.h"
#include "gen/objtables/object_numbering.h"

namespace cfgxlate {

// State that lasts for the whole run.
struct ObjectTablesRun {
  // Procedure ports count down from here across all partitions.
  int32_t ProcedureCounter = 0xFFFF;
};

struct PartitionNumbering {
  explicit PartitionNumbering(const PartitionRecord& partition, int64_t first)
      : taken(ReservedObjectNumbers(partition)), cursor(first) {}

  // The first of n free numbers at or after the cursor; the cursor moves
  // past them.
  int64_t Allocate(int64_t count);

  TakenObjectNumbers taken;
  int64_t cursor;
  std::vector<ObjectEntry> entries;  // insertion order
};

// Whether a port of the partition is on a plain kernel channel, which needs
// the partition's port task.
bool HasPlainChannelPort(const PartitionRecord& partition);

// Numbers every object of the partition in the documented kind order,
// collects the entries and grows PoolUnits; verbose lines as it goes.
void NumberPartitionObjects(TranslationContext& ctx, ObjectTablesRun& run, PartitionRecord& partition,
                            PartitionNumbering& numbering);

}  // namespace cfgxlate
