// Sizes and looks shared by the panels and the legend of the schedule
// picture, in SVG user units (pixels).
#pragma once

#include <string>

#include "gen/svg/schedule_picture.h"

namespace cfgxlate {

constexpr double kMinimumWidth = 1200;
constexpr double kMargin = 12;
constexpr double kLaneLabelWidth = 92;  // left of the plot: "core 12", "restart"
constexpr double kPlotLeft = kMargin + kLaneLabelWidth;
constexpr double kPlotRightMargin = 28;  // room for the last tick label
constexpr double kPanelGap = 18;

constexpr double kTitleFontSize = 14;
constexpr double kLaneFontSize = 12;
constexpr double kBarFontSize = 11;
constexpr double kTickFontSize = 10;
constexpr double kLegendFontSize = 12;

constexpr double kTitleHeight = 28;
constexpr double kMarkerSpace = 7;  // above each bar, for period-start marks
constexpr double kBarHeight = 22;
constexpr double kLaneGap = 5;
constexpr double kLanePitch = kMarkerSpace + kBarHeight + kLaneGap;
constexpr double kAxisHeight = 30;
constexpr int kMostTickSteps = 10;

// The fill of a bar or legend swatch of this look.
std::string FillOf(const LegendEntry& entry);
// The outline attributes of a bar or swatch of this look.
std::string OutlineOf(const LegendEntry& entry);
// The colour of a label written on such a fill.
std::string LabelColourOf(const LegendEntry& entry);

// A downward triangle whose tip is at (x, y + kMarkerSpace): the mark of a
// window that starts a partition period.
std::string PeriodStartMark(double x, double y);

}  // namespace cfgxlate
