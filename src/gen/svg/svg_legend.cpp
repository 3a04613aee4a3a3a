#include "gen/svg/svg_legend.h"

#include <algorithm>

#include "gen/svg/svg_layout.h"
#include "gen/svg/svg_text.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

constexpr double kSwatchWidth = 18;
constexpr double kSwatchHeight = 12;
constexpr double kRowHeight = 20;
constexpr double kHeadingHeight = 26;

enum class Mark { None, PeriodStart, MajorFrameEnd };

struct Item {
  const LegendEntry* entry;  // null for a mark
  Mark mark;
  std::string text;
};

std::vector<Item> Items(const SchedulePicture& picture) {
  std::vector<Item> items;
  for (const LegendEntry& entry : picture.legend) items.push_back({&entry, Mark::None, entry.text});
  if (picture.any_period_start) items.push_back({nullptr, Mark::PeriodStart, "starts a partition period"});
  const bool any_lane =
      std::any_of(picture.panels.begin(), picture.panels.end(), [](const PicturePanel& p) { return !p.lanes.empty(); });
  if (any_lane) items.push_back({nullptr, Mark::MajorFrameEnd, "end of major frame"});
  return items;
}

std::string Swatch(const Item& item, double x, double y) {
  const double middle = y + kRowHeight / 2;
  switch (item.mark) {
    case Mark::PeriodStart:
      return PeriodStartMark(x + kSwatchWidth / 2, middle - kMarkerSpace / 2);
    case Mark::MajorFrameEnd:
      return "<line x1=\"" + Coordinate(x + kSwatchWidth / 2) + "\" y1=\"" + Coordinate(y + 2) + "\" x2=\"" +
             Coordinate(x + kSwatchWidth / 2) + "\" y2=\"" + Coordinate(y + kRowHeight - 2) +
             "\" stroke=\"#c00000\" stroke-width=\"1.5\" stroke-dasharray=\"5 3\"/>";
    case Mark::None:
      break;
  }
  return "<rect x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(middle - kSwatchHeight / 2) + "\" width=\"" +
         Coordinate(kSwatchWidth) + "\" height=\"" + Coordinate(kSwatchHeight) + "\" fill=\"" +
         FillOf(*item.entry) + "\" " + OutlineOf(*item.entry) + "/>";
}

}  // namespace

double LegendColumnWidth(const SchedulePicture& picture) {
  double widest = 0.0;
  for (const Item& item : Items(picture)) widest = std::max(widest, TextWidth(item.text, kLegendFontSize));
  return kSwatchWidth + 8 + widest + 28;
}

double WriteLegend(std::string& out, const SchedulePicture& picture, double width, double top) {
  const std::vector<Item> items = Items(picture);
  if (items.empty()) return 0.0;
  const double column_width = LegendColumnWidth(picture);
  const size_t columns = std::max<size_t>(1, static_cast<size_t>((width - 2 * kMargin) / column_width));
  const size_t rows = (items.size() + columns - 1) / columns;
  out += "<g class=\"legend\" transform=\"translate(0," + Coordinate(top) + ")\">\n";
  out += "<text x=\"" + Coordinate(kMargin) + "\" y=\"16\" font-size=\"13\" font-weight=\"bold\" fill=\"#101010\">" +
         "Legend</text>\n";
  for (size_t i = 0; i < items.size(); ++i) {
    const double x = kMargin + column_width * static_cast<double>(i / rows);
    const double y = kHeadingHeight + kRowHeight * static_cast<double>(i % rows);
    out += Swatch(items[i], x, y);
    out += "<text x=\"" + Coordinate(x + kSwatchWidth + 8) + "\" y=\"" +
           Coordinate(y + kRowHeight / 2 + kLegendFontSize * 0.36) + "\" font-size=\"" + Coordinate(kLegendFontSize) +
           "\" fill=\"#202020\">" + XmlEscape(items[i].text) + "</text>\n";
  }
  out += "</g>\n";
  return kHeadingHeight + kRowHeight * static_cast<double>(rows);
}

}  // namespace cfgxlate
