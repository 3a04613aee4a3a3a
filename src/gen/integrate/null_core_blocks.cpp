// The NULLPartition windows of a sub-schedule, written once per core they
// name, under that core's NULL affinity group.
#include "gen/integrate/null_core_blocks.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "gen/integrate/window_lines.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

using Positions = std::vector<size_t>;  // into the sub-schedule's NULL windows

void WriteCoreBlock(TextBuffer& out, const WindowList& windows, int32_t core, const Positions& on_every_core,
                    const Positions& on_this_core) {
  Positions positions;
  std::merge(on_every_core.begin(), on_every_core.end(), on_this_core.begin(), on_this_core.end(),
             std::back_inserter(positions));
  out += "\t\t\tPartitionTimeWindows\n";
  APPEND_FORMAT(out, "\t\t\t\tAffinityGroup\tNULLCore%dAffinityGroup\n", core);
  for (size_t position : positions) {
    WriteWindowTimes(out, *windows[position]);
    WriteWindowUserData(out, *windows[position]);
  }
  out += "\t\t\tEndPartitionTimeWindows\n";
}

}  // namespace

void WriteNullCoreBlocks(TranslationContext& ctx, const ScheduleIndex& index, WindowKey key, TextBuffer& out) {
  const auto found = index.null_windows.find(key);
  if (found == index.null_windows.end()) return;
  const WindowList& windows = found->second;

  // Each list is read once; cores that no window names cost nothing unless
  // some window runs on every core.
  Positions on_every_core;
  std::map<int32_t, Positions> by_core;
  for (size_t position = 0; position < windows.size(); ++position) {
    const std::string& core_text = windows[position]->Core;
    if (EqualsIgnoreCase(core_text, "all")) {
      on_every_core.push_back(position);
      continue;
    }
    for (int32_t core : ListedCores(ctx, core_text)) {
      Positions& on_core = by_core[core];
      if (on_core.empty() || on_core.back() != position) on_core.push_back(position);
    }
  }

  if (on_every_core.empty()) {
    for (const auto& [core, positions] : by_core) WriteCoreBlock(out, windows, core, on_every_core, positions);
    return;
  }
  static const Positions kNone;
  for (int32_t core = 0; core < ctx.settings.NumberOfCores; ++core) {
    const auto listed = by_core.find(core);
    WriteCoreBlock(out, windows, core, on_every_core, listed != by_core.end() ? listed->second : kNone);
  }
}

}  // namespace cfgxlate
