// One panel of the schedule picture: title, lanes with their bars, grid,
// time axis and the end of the major frame.
#pragma once

#include <string>

#include "gen/svg/schedule_picture.h"

namespace cfgxlate {

// Appends the panel drawn `top` pixels down a picture `width` wide;
// returns its height.
double WritePanel(std::string& out, const SchedulePicture& picture, const PicturePanel& panel, double width,
                  double top);

}  // namespace cfgxlate
