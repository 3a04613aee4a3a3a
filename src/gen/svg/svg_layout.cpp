#include "gen/svg/svg_layout.h"

#include "gen/svg/svg_text.h"

namespace cfgxlate {

std::string FillOf(const LegendEntry& entry) {
  switch (entry.look) {
    case BarLook::Idle: return "url(#idle-hatch)";
    case BarLook::Restart: return "#f7d9d9";
    case BarLook::Partition:
    case BarLook::Kernel: break;
  }
  return entry.colour.fill;
}

std::string OutlineOf(const LegendEntry& entry) {
  switch (entry.look) {
    case BarLook::Idle: return "stroke=\"#8c8c8c\" stroke-width=\"1\"";
    case BarLook::Restart: return "stroke=\"#a61b1b\" stroke-width=\"1.2\" stroke-dasharray=\"4 2\"";
    case BarLook::Partition:
    case BarLook::Kernel: break;
  }
  // Light edges keep neighbouring windows of one partition apart.
  return "stroke=\"#ffffff\" stroke-width=\"1\"";
}

std::string LabelColourOf(const LegendEntry& entry) {
  switch (entry.look) {
    case BarLook::Idle: return "#303030";
    case BarLook::Restart: return "#7a1010";
    case BarLook::Partition:
    case BarLook::Kernel: break;
  }
  return entry.colour.text;
}

std::string PeriodStartMark(double x, double y) {
  return "<path class=\"period-start\" d=\"M" + Coordinate(x - 4) + " " + Coordinate(y) + " L" + Coordinate(x + 4) +
         " " + Coordinate(y) + " L" + Coordinate(x) + " " + Coordinate(y + kMarkerSpace) + " Z\" fill=\"#000000\"/>";
}

}  // namespace cfgxlate
