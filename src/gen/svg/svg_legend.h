// The legend of the schedule picture: every partition with its colour, the
// idle and restart looks when used, and the two marks.
#pragma once

#include <string>

#include "gen/svg/schedule_picture.h"

namespace cfgxlate {

// Width of one legend column: the longest entry with its swatch.
double LegendColumnWidth(const SchedulePicture& picture);

// Appends the legend drawn `top` pixels down a picture `width` wide, in as
// many columns as fit, filled top to bottom; returns its height.
double WriteLegend(std::string& out, const SchedulePicture& picture, double width, double top);

}  // namespace cfgxlate
