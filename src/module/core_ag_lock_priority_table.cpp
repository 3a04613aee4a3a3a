#include "module/core_ag_lock_priority_table.h"

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

void ReadCoreAGLockPriorityTable(TranslationContext& ctx, const char*) {
  std::vector<CoreAGLockPriorityEntry> entries;
  TagLine tag;
  while (NextTagLine(ctx, tag) && !StartsWith(tag.c_str(), "</CoreAGLockPriorityTable")) {
    const char* line = tag.c_str();
    if (StartsWith(line, "<Entry ")) {
      const char* text = FindAttribute(ctx.report, line, "String");
      // An entry without its text would give the integrate file an empty line.
      if (text == nullptr) FatalError(ctx, "Incorrect CoreAGLockPriorityTable entry:", line);
      entries.push_back({AttributeText(text)});
    } else if (StartsWith(line, "<Core ")) {
      const char* id = FindAttribute(ctx.report, line, "ID");
      const char* priority = FindAttribute(ctx.report, line, "AGPriority");
      if (id == nullptr || priority == nullptr) {
        FatalError(ctx, "Incorrect CoreAGLockPriorityTable entry (ID and AGPriority not specified correctly):", line);
      }
      entries.push_back({AttributeText(id) + " " + AttributeText(priority)});
    } else {
      FatalError(ctx, "Incorrect CoreAGLockPriorityTable entry:", line);
    }
  }
  // A later table with entries replaces the earlier one.
  if (!entries.empty()) ctx.settings.CoreAGLockPriorities = std::move(entries);
}

}  // namespace cfgxlate
