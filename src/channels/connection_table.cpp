#include "channels/connection_table.h"

#include "channels/channel.h"
#include "core/diagnostics.h"
#include "reader/tag_reader.h"
#include "util/text.h"

namespace cfgxlate {

void ReadConnectionTable(TranslationContext& ctx, const char*) {
  TagLine line;
  while (NextTagLine(ctx, line)) {
    if (StartsWith(line, "</Connection_Table") || StartsWith(line, "</ConnectionTable")) return;
    if (StartsWith(line, "<Channel")) {
      if (!ReadChannel(ctx, line.c_str())) return;
    } else {
      Warning(ctx, "Unexpected Connection_Table XML tag line:", line.c_str());
    }
  }
}

}  // namespace cfgxlate
