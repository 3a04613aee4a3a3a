// PartitionHMTable: the partition-level handling of the errors that a
// multi-partition table passes to the partition, bound to the partitions
// that refer to it or are named by it.
#include "hm/partition_hm_table.h"

#include <vector>

#include "core/diagnostics.h"
#include "hm/hm_binding.h"
#include "hm/hm_entries.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void Bind(TranslationContext& ctx, PartitionRecord& partition, PartitionHMTableRecord& table, const char* tag_line) {
  partition.HMTable = &table;
  // A kernel partition cannot be idled or restarted.
  if (partition.KernelPartition != 0) table.KernelMark = true;
  if (partition.NoObjects != 0 && partition.ARINC653HM == 0) {
    FatalError(ctx, "PartitionHMTable specified for a non-ARINC653 partition, but the",
               "\"ARINC653HM\" specification has not been set to true.", tag_line);
  }
}

// Binds by PartitionHMRef, then by name; returns the partitions bound.
std::vector<PartitionRecord*> BindPartitions(TranslationContext& ctx, PartitionHMTableRecord& table,
                                             const std::string& table_name, int32_t table_identifier,
                                             const char* tag_line) {
  std::vector<PartitionRecord*> bound = PartitionsReferringTo(ctx, table_name);
  for (PartitionRecord* partition : bound) {
    Bind(ctx, *partition, table, tag_line);
    if (table_identifier != -1 && partition->HMTableIdentifier != -1 &&
        partition->HMTableIdentifier != table_identifier) {
      FatalError(ctx, "TableIdentifier does not match the value specified in PartitionHMTableRef specification:",
                 tag_line);
    }
  }
  if (PartitionRecord* named = FirstUnboundPartitionNamed(ctx, table_name)) {
    Bind(ctx, *named, table, tag_line);
    bound.push_back(named);
  }
  if (bound.empty()) {
    FatalError(ctx, "PartitionHMTable specification does not match to any defined Partition.",
               "Partitions must be specified before PartitionHMTable specifications.", tag_line);
  }
  return bound;
}

// The recovery value of a PartitionRecoveryAction (letter case ignored).
uint8_t RecoveryAction(TranslationContext& ctx, const char* value, int32_t error, bool kernel, const char* line) {
  if (BeginsWithIgnoreCase(value, "IDLE")) {
    if (kernel) FatalError(ctx, "Cannot specify IDLE as a PartitionRecoveryAction for a kernel partition:", line);
    return kPartitionActionIdle;
  }
  if (BeginsWithIgnoreCase(value, "WARM_START") || BeginsWithIgnoreCase(value, "WARM_RESTART")) {
    if (kernel) FatalError(ctx, "Cannot specify WARM_START as a PartitionRecoveryAction for a kernel partition:", line);
    return kPartitionActionWarmStart;
  }
  if (BeginsWithIgnoreCase(value, "COLD_START") || BeginsWithIgnoreCase(value, "COLD_RESTART")) {
    if (kernel) {
      FatalError(ctx, "Cannot specify COLD_START or COLD_RESTART as a PartitionRecoveryAction for a kernel partition:",
                 line);
    }
    return kPartitionActionColdStart;
  }
  if (BeginsWithIgnoreCase(value, "IGNORE")) {
    if (error == 8) {
      FatalError(ctx, "Incorrect PartitionRecoveryAction entry.", "Error 8 (CheckSuccess Failure) cannot be ignored:",
                 line);
    }
    return kPartitionActionIgnore;
  }
  FatalError(ctx, "Incorrect ErrorAction entry.", "Incorrect or misspelled PartitionRecoveryAction:", line);
}

void ReadPartitionErrorAction(TranslationContext& ctx, const char* line, PartitionHMTableRecord& table,
                              const MultiPartitionHMTableRecord& multi, const std::vector<PartitionRecord*>& bound) {
  int32_t error =
      ReadErrorIdentifierRef(ctx, line, "Incorrect Error entry.", "ErrorIdentifier out of range (0..31):");
  if (multi.Actions[error] != kMultiActionPartition) {
    FatalError(ctx, "Incorrect PartitionHMTable entry.",
               "Corresponding MultiPartitionHMTable does not define ErrorLevel as PARTITION:", line);
  }
  const char* level_value = FindAttribute(ctx.report, line, "ErrorLevel");
  if (level_value == nullptr) FatalError(ctx, "Incorrect ErrorAction entry.", "ErrorLevel not defined:", line);
  uint8_t level;
  if (StartsWith(level_value, "PROCESS")) {
    if (error == 8) {
      FatalError(ctx, "Incorrect ErrorAction entry.",
                 "Error 8 (CheckSuccess Failure) must be handled as a PARTITION or MODULE level error:", line);
    }
    for (PartitionRecord* partition : bound) partition->ProcessLevelErrors |= 1u << (31 - error);
    level = kPartitionLevelProcess;
  } else if (StartsWith(level_value, "PARTITION")) {
    level = 0;
  } else {
    FatalError(ctx, "Incorrect ErrorAction entry.", "Invalid ErrorLevel specification:", line);
  }
  const char* recovery = FindAttribute(ctx.report, line, "PartitionRecoveryAction");
  if (recovery == nullptr) {
    FatalError(ctx, "Incorrect ErrorAction entry.", "PartitionRecoverAction not defined:", line);
  }
  table.Actions[error] = static_cast<uint8_t>(level + RecoveryAction(ctx, recovery, error, table.KernelMark, line));
}

}  // namespace

void ReadPartitionHMTable(TranslationContext& ctx, const char* tag_line) {
  HMModel& hm = ctx.model.hm;
  hm.PartitionHMTables.emplace_back();
  PartitionHMTableRecord& table = hm.PartitionHMTables.back();
  int32_t table_identifier = -1;
  if (const char* value = FindAttribute(ctx.report, tag_line, "TableIdentifier")) {
    table_identifier = ParseDecOrHex(ctx.report, value, tag_line);
  }
  const char* name = FindAttribute(ctx.report, tag_line, "TableName");
  if (name == nullptr) FatalError(ctx, "Incorrect PartitionHMTable entry.", "TableName not defined:", tag_line);
  std::vector<PartitionRecord*> bound = BindPartitions(ctx, table, AttributeText(name), table_identifier, tag_line);

  const char* ref = FindAttribute(ctx.report, tag_line, "MultiPartitionHMTableNameRef");
  if (ref == nullptr) {
    FatalError(ctx, "Incorrect PartitionHMTable entry.", "MultiPartitionHMTableNameRef not defined:", tag_line);
  }
  std::string ref_name = AttributeText(ref);
  for (PartitionRecord* partition : bound) {
    partition->MultiPartitionHMTableNameRef = ref_name;
    partition->MultiPartitionHMTableNameRefGiven = true;
  }
  auto multi = hm.MultiPartitionHMTablePositions.find(ref_name);
  if (multi == hm.MultiPartitionHMTablePositions.end()) {
    FatalError(ctx, "Incorrect PartitionHMTable entry.",
               "Define MultiPartitionHMTable before PartitionHMTable that references it:", tag_line);
  }
  const MultiPartitionHMTableRecord& multi_table = hm.MultiPartitionHMTables[multi->second];

  // As with the other tables, only the end tag (or the end of the input)
  // ends the element.
  std::string last_line = tag_line;
  int actions_read = 0;
  TagLine tag;
  while (NextTagLine(ctx, tag)) {
    last_line = tag;
    if (StartsWith(tag.c_str(), "</PartitionHMTable")) break;
    if (!StartsWith(tag.c_str(), "<ErrorAction ")) {
      FatalError(ctx, "Incorrect PartitionHMTable entry.", "Incorrect or misspelled ErrorAction:", tag.c_str());
    }
    ReadPartitionErrorAction(ctx, tag.c_str(), table, multi_table, bound);
    ++actions_read;
  }
  if (actions_read == 0) FatalError(ctx, "PartitionHMTable must have at least one ErrorAction:", last_line.c_str());
}

}  // namespace cfgxlate
