// Packing of the "%d" byte arrays of the module tables: four values to a
// ".byte" line, the last line padded with zeros.
#pragma once

#include <string>

#include "util/text_buffer.h"

namespace cfgxlate {

class BytePacker {
 public:
  // Appends one value (written as a signed byte). A new line is begun only
  // when the next value arrives, so text appended between two values stands
  // right behind the last value of a full line.
  void Add(TextBuffer& out, int value);
  // Pads a line holding fewer than four values with zeros and ends it; an
  // empty array writes only the line end.
  void Finish(TextBuffer& out);

 private:
  int column_ = 0;  // values on the current line; 0 before the first
};

}  // namespace cfgxlate
