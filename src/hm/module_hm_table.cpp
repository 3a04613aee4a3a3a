// ModuleHMTable: one element gives the module recovery actions of one
// module state.
#include "hm/module_hm_table.h"

#include <cstring>

#include "core/diagnostics.h"
#include "hm/hm_entries.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

ModuleHMTableRecord& ModuleTable(HMModel& hm) {
  if (hm.ModuleHMTable == nullptr) {
    hm.ModuleHMTable = std::make_unique<ModuleHMTableRecord>();
    std::memset(hm.ModuleHMTable->Actions, kModuleActionNotSpecified, sizeof(hm.ModuleHMTable->Actions));
  }
  return *hm.ModuleHMTable;
}

void ReadModuleErrorAction(TranslationContext& ctx, const char* line, uint8_t* row) {
  int32_t error = ReadErrorIdentifierRef(ctx, line, "Incorrect ErrorAction entry.",
                                         "ErrorIdentifierRef out of range (0..31):");
  const char* value = FindAttribute(ctx.report, line, "ModuleRecoveryAction");
  if (value == nullptr) FatalError(ctx, "Incorrect ErrorAction entry.", "ModuleRecoveryAction not defined:", line);
  int action = ModuleRecoveryActionValue(value);
  if (action < 0) FatalError(ctx, "Incorrect ErrorAction entry.", "Invalid ModuleRecoveryAction action.", line);
  row[error] = static_cast<uint8_t>(action);
}

}  // namespace

void ReadModuleHMTable(TranslationContext& ctx, const char* tag_line) {
  HMModel& hm = ctx.model.hm;
  if (FindAttribute(ctx.report, tag_line, "Description") == nullptr) {
    FatalError(ctx, "Required Description field missing:", tag_line);
  }
  const char* callback = FindAttribute(ctx.report, tag_line, "ModuleCallback");
  if (callback != nullptr && hm.ModuleHMTable != nullptr && hm.ModuleHMTable->ModuleCallbackGiven) {
    FatalError(ctx, "Only one ModuleCallback specification allowed:", tag_line);
  }
  ModuleHMTableRecord& table = ModuleTable(hm);
  if (callback != nullptr) {
    table.ModuleCallback = AttributeText(callback);
    table.ModuleCallbackGiven = true;
  }

  uint8_t fill = kModuleActionNotSpecified;
  if (const char* value = FindAttribute(ctx.report, tag_line, "UnspecifiedAction")) {
    int action = ModuleRecoveryActionValue(value);
    if (action < 0) FatalError(ctx, "Invalid UnspecifiedAction value:", tag_line);
    fill = static_cast<uint8_t>(action);
  }
  const char* state_value = FindAttribute(ctx.report, tag_line, "StateIdentifier");
  if (state_value == nullptr) FatalError(ctx, "Required StateIdentifier field missing:", tag_line);
  int32_t state = ParseDecOrHex(ctx.report, state_value, tag_line);
  if (state < 0 || state >= StateCount) {
    FatalError(ctx, "Incorrect StateIdentifier specification.", "StateIdentifier out of range (0..2):", tag_line);
  }
  // A later element for the same state starts the row afresh.
  uint8_t* row = table.Actions[state];
  std::memset(row, fill, ErrorIdentifierCount);

  // An empty-element start tag does not end the table: only its end tag
  // does (or the end of the input).
  TagLine tag;
  while (NextTagLine(ctx, tag) && !StartsWith(tag.c_str(), "</ModuleHMTable")) {
    if (!StartsWith(tag.c_str(), "<ErrorAction ")) FatalError(ctx, "Incorrect ModuleHMTable entry.", tag.c_str());
    ReadModuleErrorAction(ctx, tag.c_str(), row);
  }

  if (fill != kModuleActionNotSpecified) return;
  for (int error = 0; error < ErrorIdentifierCount; ++error) {
    if (row[error] == kModuleActionNotSpecified) {
      FatalError(ctx, "Incorrect ModuleHMTable.", "Actions not specified for all Error/State pairs",
                 "or UnspecifiedAction not specified.");
    }
  }
}

}  // namespace cfgxlate
