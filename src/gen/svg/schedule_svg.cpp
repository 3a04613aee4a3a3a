#include "gen/svg/schedule_svg.h"

#include <algorithm>
#include <cmath>

#include "core/diagnostics.h"
#include "gen/svg/svg_layout.h"
#include "gen/svg/svg_legend.h"
#include "gen/svg/svg_panel.h"
#include "gen/svg/svg_text.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// The widest thing that must fit across: a panel title or a legend column.
double PictureWidth(const SchedulePicture& picture) {
  double width = kMinimumWidth;
  for (const PicturePanel& panel : picture.panels) {
    width = std::max(width, 2 * kMargin + TextWidth(panel.title, kTitleFontSize));
  }
  return std::max(width, 2 * kMargin + LegendColumnWidth(picture));
}

const char* const kDefinitions =
    "<defs>\n"
    "<pattern id=\"idle-hatch\" patternUnits=\"userSpaceOnUse\" width=\"6\" height=\"6\" "
    "patternTransform=\"rotate(45)\">"
    "<rect width=\"6\" height=\"6\" fill=\"#e8e8e8\"/>"
    "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#b4b4b4\" stroke-width=\"2\"/>"
    "</pattern>\n"
    "</defs>\n";

}  // namespace

std::string RenderScheduleSvg(const SchedulePicture& picture) {
  const double width = std::ceil(PictureWidth(picture));
  std::string body;
  double y = kMargin;
  for (const PicturePanel& panel : picture.panels) y += WritePanel(body, picture, panel, width, y) + kPanelGap;
  y += WriteLegend(body, picture, width, y) + kMargin;
  const std::string size = Coordinate(width) + "\" height=\"" + Coordinate(std::ceil(y));
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + size + "\" viewBox=\"0 0 " +
         Coordinate(width) + " " + Coordinate(std::ceil(y)) + "\" font-family=\"sans-serif\">\n";
  out += "<title>" + XmlEscape("Schedules of " + picture.module_name) + "</title>\n";
  out += kDefinitions;
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  out += body;
  out += "</svg>\n";
  return out;
}

void WriteScheduleSvg(TranslationContext& ctx) {
  const std::string& name = ctx.settings.ScheduleSvgFileName;
  const std::string text = RenderScheduleSvg(BuildSchedulePicture(ctx));
  if (!ctx.fs.WriteFile(name, text)) FatalError(ctx, "Unable to open file:", name.c_str());
}

}  // namespace cfgxlate
