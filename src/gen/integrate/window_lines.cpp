#include "gen/integrate/window_lines.h"

#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

void WriteWindowTimes(TextBuffer& out, const WindowRecord& window) {
  APPEND_FORMAT(out, "\t\t\t\tOffset\t\t%s\n", window.WindowStartSeconds.c_str());
  APPEND_FORMAT(out, "\t\t\t\tExecTime\t%s\n", window.WindowDurationSeconds.c_str());
}

void WriteWindowUserData(TextBuffer& out, const WindowRecord& window) {
  for (const WindowUserDataItem& item : window.UserData) {
    const unsigned value = static_cast<uint32_t>(item.Value);
    if (item.DescriptionGiven) {
      APPEND_FORMAT(out, "\t\t\t\t\tUserData%s\t0x%x\n", item.Description.c_str(), value);
    } else {
      APPEND_FORMAT(out, "\t\t\t\t\tUserData\t0x%x\n", value);
    }
  }
}

}  // namespace cfgxlate
