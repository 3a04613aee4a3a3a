// What the schedule picture shows, gathered from the configuration model
// before anything is laid out: one panel per module schedule (with
// multiple-core support one per sub-schedule), its lanes and bars, and the
// legend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/context.h"
#include "gen/svg/palette.h"

namespace cfgxlate {

enum class BarLook { Partition, Kernel, Idle, Restart };

struct LegendEntry {
  std::string text;
  BarLook look = BarLook::Partition;
  BarColour colour;  // partitions and the kernel
};

struct PictureBar {
  size_t legend = 0;      // the entry whose look the bar has
  std::string partition;  // PartitionName, or NULLPartition; empty for restart windows
  int64_t start_ns = 0;
  int64_t duration_ns = 0;
  bool period_start = false;
  // Labels from the fullest to the shortest; the first that fits inside the
  // bar is shown.
  std::vector<std::string> labels;
  std::string tooltip;  // always shown on hover
};

struct PictureLane {
  bool restart = false;
  int32_t core = 0;       // core lanes
  std::string core_text;  // restart lanes: their Core text
  std::string label;
  std::string tooltip;  // empty: none
  std::vector<PictureBar> bars;
};

struct PicturePanel {
  int32_t schedule_identifier = 0;
  int32_t sub_schedule_identifier = 0;  // 0 without multiple-core support
  int64_t major_frame_ns = 0;
  std::string title;
  std::vector<PictureLane> lanes;  // cores in ascending order, then restart lanes
};

struct SchedulePicture {
  std::string module_name;
  std::vector<PicturePanel> panels;
  std::vector<LegendEntry> legend;  // every partition in definition order, then idle and restart
  bool any_period_start = false;
};

SchedulePicture BuildSchedulePicture(const TranslationContext& ctx);

// A window or major-frame text read as the translator reads seconds
// elsewhere ("%lf", times 1e9, truncated toward zero); 0 when it does not
// scan or is beyond the 64-bit range.
int64_t TimeTextToNanoseconds(const std::string& seconds_text);

// The cores a Core text names: every core for "all" (any letter case),
// otherwise the comma-separated list, each core once, in ascending order.
// Items the core-list reader would refuse are left out, so that a text the
// integrate file never had to read still draws what it can.
std::vector<int32_t> CoresOf(const std::string& core_text, int32_t number_of_cores);

}  // namespace cfgxlate
