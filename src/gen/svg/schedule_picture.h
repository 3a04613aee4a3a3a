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

}  // namespace cfgxlate
