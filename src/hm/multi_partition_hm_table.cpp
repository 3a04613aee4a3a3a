// MultiPartitionHMTable: per error, module-level recovery or hand-over to
// the partition.
#include "hm/multi_partition_hm_table.h"

#include <cstring>

#include "core/diagnostics.h"
#include "hm/hm_entries.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void ReadMultiPartitionErrorAction(TranslationContext& ctx, const char* line, MultiPartitionHMTableRecord& table) {
  int32_t error = ReadErrorIdentifierRef(ctx, line, "Incorrect ErrorAction entry.",
                                         "ErrorIdentifierRef out of range (0..31):");
  const char* level = FindAttribute(ctx.report, line, "ErrorLevel");
  if (level == nullptr) FatalError(ctx, "Incorrect ErrorAction entry.", "ErrorLevel not defined:", line);
  int action;
  if (StartsWith(level, "MODULE")) {
    const char* value = FindAttribute(ctx.report, line, "ModuleRecoveryAction");
    if (value == nullptr) {
      FatalError(ctx, "Incorrect ErrorAction entry.", "ErrorLevel is MODULE, but no ModuleRecoveryAction defined:",
                 line);
    }
    action = ModuleRecoveryActionValue(value);
    if (action < 0) FatalError(ctx, "Incorrect ErrorAction entry.", "Invalid ModuleRecoveryAction action:", line);
  } else if (StartsWith(level, "PARTITION")) {
    action = kMultiActionPartition;
  } else {
    FatalError(ctx, "Incorrect ErrorAction entry.", "ErrorLevel value not \"MODULE\" or \"PARTITION\":", line);
  }
  table.Actions[error] = static_cast<uint8_t>(action);
}

}  // namespace

void ReadMultiPartitionHMTable(TranslationContext& ctx, const char* tag_line) {
  MultiPartitionHMTableRecord table;
  const char* name = FindAttribute(ctx.report, tag_line, "TableName");
  if (name == nullptr) FatalError(ctx, "Incorrect MultiPartitionHMTable entry.", "TableName not defined:", tag_line);
  table.TableName = AttributeText(name);

  if (const char* value = FindAttribute(ctx.report, tag_line, "TableIdentifier")) {
    table.TableIdentifier = ParseDecOrHex(ctx.report, value, tag_line);
    // 0 passes, whatever the message says.
    if (table.TableIdentifier < 0) {
      FatalError(ctx, "Incorrect MultiPartitionHMTable entry.", "TableIdentifier value must be greater than 0:",
                 tag_line);
    }
  }
  int fill = kModuleActionReset;
  if (const char* value = FindAttribute(ctx.report, tag_line, "UnspecifiedAction")) {
    fill = StartsWith(value, "PARTITION") ? kMultiActionPartition : ModuleRecoveryActionValue(value);
    if (fill < 0) FatalError(ctx, "Invalid UnspecifiedAction value:", tag_line);
  }
  std::memset(table.Actions, fill, sizeof(table.Actions));

  TagLine tag;
  while (NextTagLine(ctx, tag) && !StartsWith(tag.c_str(), "</MultiPartitionHMTable")) {
    if (!StartsWith(tag.c_str(), "<ErrorAction ")) {
      FatalError(ctx, "Incorrect MultiPartitionHMTable entry.", tag.c_str());
    }
    ReadMultiPartitionErrorAction(ctx, tag.c_str(), table);
  }

  HMModel& hm = ctx.model.hm;
  // Lookups by name take the first table of that name.
  hm.MultiPartitionHMTablePositions.emplace(table.TableName, hm.MultiPartitionHMTables.size());
  hm.MultiPartitionHMTables.push_back(std::move(table));
}

}  // namespace cfgxlate
