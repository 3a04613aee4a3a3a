// Colours of the schedule picture. Partitions take the colours of a fixed
// list in definition order, so a partition keeps its colour in every panel
// and from run to run; the kernel partition is dark grey.
#pragma once

#include <cstddef>
#include <string>

namespace cfgxlate {

struct BarColour {
  std::string fill;  // "#rrggbb"
  std::string text;  // black or white, whichever reads better on `fill`
};

// Number of clearly different base colours before the list repeats them,
// lighter and then darker.
constexpr size_t kPaletteSize = 12;

// The colour of the `slot`-th non-kernel partition (0 for the first).
BarColour PartitionColour(size_t slot);

BarColour KernelColour();

}  // namespace cfgxlate
