// A CoreAffinities block: each ProcessCoreAffinity or TaskCoreAffinity line
// adds the text "<name> <core> <front>" to the entry's core affinities.
#include "schedules/core_affinities.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

void ReadCoreAffinities(TranslationContext& ctx, PartitionScheduleScope& scope) {
  TagLine line;
  while (NextTagLine(ctx, line)) {
    const char* tag = line.c_str();
    if (StartsWith(tag, "</CoreAffinities")) return;
    if (!StartsWith(tag, "<ProcessCoreAffinity ") && !StartsWith(tag, "<TaskCoreAffinity ")) {
      FatalError(ctx, "Invalid CoreAffinities specification:", tag);
    }
    if (scope.null_partition) {
      FatalError(ctx, "Cannot specify ProcessCoreAffinity or TaskCoreAffinity for NULLPartition:", tag);
    }
    const char* name = FindAttribute(ctx.report, tag, "Name");
    if (name == nullptr) FatalError(ctx, "Required Name field missing:", tag);
    const char* core = FindAttribute(ctx.report, tag, "CoreId");
    if (core == nullptr) core = FindAttribute(ctx.report, tag, "CoreID");
    if (core == nullptr) FatalError(ctx, "Required CoreID field missing:", tag);
    const int32_t core_number = ParseDecOrHex(ctx.report, core, tag);
    const char* front = FindAttribute(ctx.report, tag, "Front");
    const bool in_front = front != nullptr && ParseBoolean(ctx.report, front, "Invalid Front value: ", tag) != 0;
    scope.entry->TaskCoreAffinities.push_back(AttributeText(name) +
                                              Format(" %d %s", core_number, in_front ? "true" : "false"));
  }
}

}  // namespace cfgxlate
