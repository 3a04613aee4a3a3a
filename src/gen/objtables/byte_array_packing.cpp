#include "gen/objtables/byte_array_packing.h"

#include <cstdint>

#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

void BytePacker::Add(TextBuffer& out, int value) {
  if (column_ == 0) {
    out += "\t.byte\t";
    column_ = 1;
  } else if (column_ == 4) {
    out += "\n\t.byte\t";
    column_ = 1;
  } else {
    out += ",";
    ++column_;
  }
  APPEND_FORMAT(out, "%d", static_cast<int>(static_cast<int8_t>(value)));
}

void BytePacker::Finish(TextBuffer& out) {
  if (column_ > 0) {
    for (int missing = 4 - column_; missing > 0; --missing) out += ",0";
  }
  out += "\n";
}

}  // namespace cfgxlate
