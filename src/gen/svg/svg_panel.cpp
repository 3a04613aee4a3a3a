#include "gen/svg/svg_panel.h"

#include <algorithm>

#include "gen/svg/svg_layout.h"
#include "gen/svg/svg_text.h"
#include "gen/svg/time_axis.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// Maps nanoseconds to x across the plot. The axis runs from 0 (or an
// earlier window start) to the major frame (or a later window end), so
// that a window outside the frame is seen, not cut off.
struct TimeScale {
  double low = 0.0;
  double high = 0.0;
  double left = 0.0;
  double width = 0.0;
  double X(double ns) const { return left + (ns - low) / (high - low) * width; }
};

TimeScale ScaleFor(const PicturePanel& panel, double plot_width) {
  TimeScale scale;
  scale.left = kPlotLeft;
  scale.width = plot_width;
  scale.high = static_cast<double>(panel.major_frame_ns);
  for (const PictureLane& lane : panel.lanes) {
    for (const PictureBar& bar : lane.bars) {
      const double start = static_cast<double>(bar.start_ns);
      scale.low = std::min(scale.low, start);
      scale.high = std::max(scale.high, start + static_cast<double>(bar.duration_ns));
    }
  }
  if (!(scale.high > scale.low)) scale.high = scale.low + 1e6;  // nothing to show: 1 ms
  return scale;
}

std::string Text(double x, double y, double size, const char* anchor, const std::string& fill,
                 const std::string& text, const char* extra = "") {
  return "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" font-size=\"" + Coordinate(size) +
         "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\"" + extra + ">" + XmlEscape(text) + "</text>";
}

std::string Line(double x1, double y1, double x2, double y2, const char* style) {
  return "<line x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" + Coordinate(x2) + "\" y2=\"" +
         Coordinate(y2) + "\" " + style + "/>";
}

struct PanelWriter {
  std::string& out;
  const SchedulePicture& picture;
  const PicturePanel& panel;
  TimeScale scale;
};

void WriteBar(PanelWriter& w, const PictureLane& lane, const PictureBar& bar, double lane_top) {
  const LegendEntry& look = w.picture.legend[bar.legend];
  const double x = w.scale.X(static_cast<double>(bar.start_ns));
  const double end = w.scale.X(static_cast<double>(bar.start_ns) + static_cast<double>(bar.duration_ns));
  // A very short window stays visible as a hairline.
  const double width = std::max(end - x, 1.0);
  const double bar_top = lane_top + kMarkerSpace;
  w.out += "<g><title>" + XmlEscape(bar.tooltip) + "</title>";
  if (lane.restart) {
    w.out += "<rect class=\"restart-window\"";
  } else {
    w.out += "<rect class=\"window\"";
  }
  w.out += Format(" data-schedule=\"%d\" data-sub-schedule=\"%d\"", w.panel.schedule_identifier,
                  w.panel.sub_schedule_identifier);
  if (lane.restart) {
    w.out += " data-cores=\"" + XmlEscape(lane.core_text) + "\"";
  } else {
    w.out += Format(" data-core=\"%d\" data-partition=\"", lane.core) + XmlEscape(bar.partition) + "\"";
  }
  w.out += Format(" data-start-ns=\"%lld\" data-duration-ns=\"%lld\"", static_cast<long long>(bar.start_ns),
                  static_cast<long long>(bar.duration_ns));
  w.out += " x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(bar_top) + "\" width=\"" + Coordinate(width) +
           "\" height=\"" + Coordinate(kBarHeight) + "\" fill=\"" + FillOf(look) + "\" " + OutlineOf(look) + "/>";
  for (const std::string& label : bar.labels) {
    if (TextWidth(label, kBarFontSize) + 6 <= width) {
      w.out += Text(x + width / 2, bar_top + kBarHeight / 2 + kBarFontSize * 0.36, kBarFontSize, "middle",
                    LabelColourOf(look), label);
      break;
    }
  }
  if (bar.period_start) w.out += PeriodStartMark(x, lane_top);
  w.out += "</g>\n";
}

void WriteLane(PanelWriter& w, const PictureLane& lane, double lane_top) {
  const double bar_top = lane_top + kMarkerSpace;
  w.out += "<rect class=\"lane\" x=\"" + Coordinate(kPlotLeft) + "\" y=\"" + Coordinate(bar_top) + "\" width=\"" +
           Coordinate(w.scale.width) + "\" height=\"" + Coordinate(kBarHeight) + "\" fill=\"" +
           (lane.restart ? "#fcf3f3" : "#f3f3f3") + "\"/>\n";
  const double label_y = bar_top + kBarHeight / 2 + kLaneFontSize * 0.36;
  std::string label = Text(kPlotLeft - 8, label_y, kLaneFontSize, "end", "#202020", lane.label);
  if (!lane.tooltip.empty()) {
    label.insert(label.find('>') + 1, "<title>" + XmlEscape(lane.tooltip) + "</title>");
  }
  w.out += label + "\n";
}

void WriteAxis(PanelWriter& w, const std::vector<AxisTick>& ticks, double lanes_top, double axis_y) {
  w.out += Line(kPlotLeft, axis_y, kPlotLeft + w.scale.width, axis_y, "stroke=\"#404040\" stroke-width=\"1\"") + "\n";
  for (size_t i = 0; i < ticks.size(); ++i) {
    const double x = w.scale.X(ticks[i].nanoseconds);
    // The unit goes with the last label only.
    const std::string label = i + 1 == ticks.size() ? ticks[i].label + " ms" : ticks[i].label;
    w.out += Line(x, axis_y, x, axis_y + 5, "stroke=\"#404040\" stroke-width=\"1\"");
    w.out += Text(x, axis_y + 17, kTickFontSize, "middle", "#303030", label) + "\n";
  }
  const double frame_x = w.scale.X(static_cast<double>(w.panel.major_frame_ns));
  w.out += "<g><title>end of major frame, " + Milliseconds(w.panel.major_frame_ns) + " ms</title>" +
           Line(frame_x, lanes_top, frame_x, axis_y + 5,
                "class=\"major-frame-end\" stroke=\"#c00000\" stroke-width=\"1.5\" stroke-dasharray=\"5 3\"") +
           "</g>\n";
}

}  // namespace

double WritePanel(std::string& out, const SchedulePicture& picture, const PicturePanel& panel, double width,
                  double top) {
  out += Format("<g class=\"schedule\" data-schedule=\"%d\" data-sub-schedule=\"%d\" data-major-frame-ns=\"%lld\"",
                panel.schedule_identifier, panel.sub_schedule_identifier,
                static_cast<long long>(panel.major_frame_ns));
  out += " transform=\"translate(0," + Coordinate(top) + ")\">\n";
  out += Text(kMargin, 18, kTitleFontSize, "start", "#101010", panel.title, " font-weight=\"bold\"") + "\n";
  if (panel.lanes.empty()) {
    out += "</g>\n";
    return kTitleHeight;
  }
  PanelWriter w{out, picture, panel, ScaleFor(panel, width - kPlotLeft - kPlotRightMargin)};
  const double lanes_top = kTitleHeight;
  const double axis_y = lanes_top + static_cast<double>(panel.lanes.size()) * kLanePitch;
  for (size_t i = 0; i < panel.lanes.size(); ++i) WriteLane(w, panel.lanes[i], lanes_top + kLanePitch * i);
  // Grid lines behind the bars, one per tick.
  const std::vector<AxisTick> ticks = AxisTicks(w.scale.low, w.scale.high, kMostTickSteps);
  for (const AxisTick& tick : ticks) {
    const double x = w.scale.X(tick.nanoseconds);
    out += Line(x, lanes_top, x, axis_y, "stroke=\"#d0d0d0\" stroke-width=\"1\"") + "\n";
  }
  for (size_t i = 0; i < panel.lanes.size(); ++i) {
    for (const PictureBar& bar : panel.lanes[i].bars) WriteBar(w, panel.lanes[i], bar, lanes_top + kLanePitch * i);
  }
  WriteAxis(w, ticks, lanes_top, axis_y);
  out += "</g>\n";
  return axis_y + kAxisHeight;
}

}  // namespace cfgxlate
