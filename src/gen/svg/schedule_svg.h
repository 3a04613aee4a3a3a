// The schedule picture (--schedule-svg): a standalone SVG 1.1 document with
// one panel per module schedule or sub-schedule, a lane per core, every
// time window as a bar, and a legend.
#pragma once

#include <string>

#include "core/context.h"
#include "gen/svg/schedule_picture.h"

namespace cfgxlate {

// The document for a gathered picture; the same picture gives the same
// bytes.
std::string RenderScheduleSvg(const SchedulePicture& picture);

// Writes the picture of the model to the file named by --schedule-svg, as
// given (not in the output directory); "Unable to open file:" with the name
// when it cannot be written.
void WriteScheduleSvg(TranslationContext& ctx);

}  // namespace cfgxlate
