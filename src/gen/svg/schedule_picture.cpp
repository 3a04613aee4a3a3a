#include "gen/svg/schedule_picture.h"

#include <map>
#include <unordered_map>

#include "gen/svg/bar_tooltips.h"
#include "gen/svg/model_texts.h"
#include "gen/svg/svg_text.h"
#include "schedules/schedule_times.h"
#include "util/paths.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// Windows of one module schedule and sub-schedule share a key.
using Key = uint64_t;
Key KeyOf(int32_t schedule_identifier, int32_t sub_schedule_identifier) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(schedule_identifier)) << 32) |
         static_cast<uint32_t>(sub_schedule_identifier);
}

struct OwnedWindow {
  size_t ordinal;  // position in the partition list
  const WindowRecord* window;
};

using Ordinals = std::vector<size_t>;

// Everything the panels look up, built in one walk over all windows.
struct WindowIndex {
  std::vector<const PartitionRecord*> partitions;  // definition order
  std::vector<size_t> legend_of;                   // parallel to partitions
  // Time windows under a key, partition by partition in definition order.
  std::unordered_map<Key, std::vector<OwnedWindow>> windows;
  // Partitions with a Shared_Schedule link under a key, by the identifier
  // of the partition whose windows they share.
  std::unordered_map<Key, std::unordered_map<int32_t, Ordinals>> sharers;
  std::unordered_map<Key, std::vector<const WindowRecord*>> idle;
};

struct Builder {
  const TranslationContext& ctx;
  SchedulePicture& picture;
  WindowIndex index;
  size_t idle_entry = SIZE_MAX;
  size_t restart_entry = SIZE_MAX;
};

void IndexWindows(Builder& b) {
  size_t slot = 0;
  for (const PartitionRecord& p : b.ctx.model.partitions.Partitions) {
    const size_t ordinal = b.index.partitions.size();
    b.index.partitions.push_back(&p);
    b.index.legend_of.push_back(b.picture.legend.size());
    if (p.KernelPartition != 0) {
      b.picture.legend.push_back({p.PartitionName + " (kernel, K)", BarLook::Kernel, KernelColour()});
    } else {
      b.picture.legend.push_back(
          {p.PartitionName + Format(" (%d)", p.PartitionIdentifier), BarLook::Partition, PartitionColour(slot++)});
    }
    for (const WindowRecord* window : p.Windows) {
      const Key key = KeyOf(window->ScheduleIdentifier, window->SubScheduleIdentifier);
      if (window->IsSharedSchedule != 0) {
        Ordinals& sharers = b.index.sharers[key][window->SharedPartitionIdentifier];
        if (sharers.empty() || sharers.back() != ordinal) sharers.push_back(ordinal);
      } else {
        b.index.windows[key].push_back({ordinal, window});
      }
    }
  }
  for (const WindowRecord* window : b.ctx.model.schedules.NULLPartition.Windows) {
    b.index.idle[KeyOf(window->ScheduleIdentifier, window->SubScheduleIdentifier)].push_back(window);
  }
}

size_t LegendEntryFor(Builder& b, size_t* entry, const char* text, BarLook look) {
  if (*entry == SIZE_MAX) {
    *entry = b.picture.legend.size();
    b.picture.legend.push_back({text, look, {}});
  }
  return *entry;
}

// The names of the partitions that run in P's windows under a key.
std::vector<std::string> SharerNames(const Builder& b, Key key, size_t ordinal) {
  std::vector<std::string> names;
  const auto in_key = b.index.sharers.find(key);
  if (in_key == b.index.sharers.end()) return names;
  const auto found = in_key->second.find(b.index.partitions[ordinal]->PartitionIdentifier);
  if (found == in_key->second.end()) return names;
  for (size_t sharer : found->second) {
    if (sharer != ordinal) names.push_back(b.index.partitions[sharer]->PartitionName);
  }
  return names;
}

// The Partition_Schedule settings of P in a record, or null.
const PartitionScheduleEntry* EntryIn(const ModuleScheduleRecord* record, const PartitionRecord& p) {
  if (record == nullptr) return nullptr;
  if (p.KernelPartition != 0) return &record->KernelEntry;
  const size_t position = static_cast<size_t>(p.PartitionIndex) - 1;
  if (p.PartitionIndex < 1 || position >= record->PartitionEntries.size()) return nullptr;
  return &record->PartitionEntries[position];
}

// P's period and duration in a module schedule: the kernel's are kept on
// the module schedule itself, the others' on the record that holds the
// values agreeing across sub-schedules (the first sub-schedule).
PeriodTimes PeriodOf(const Builder& b, const ModuleScheduleRecord& schedule, const PartitionRecord& p) {
  const ModuleScheduleRecord* record = &schedule;
  if (p.KernelPartition == 0 && b.ctx.settings.MultiCore != 0) {
    record = schedule.SubSchedules.empty() ? nullptr : &schedule.SubSchedules.front();
  }
  const PartitionScheduleEntry* entry = EntryIn(record, p);
  PeriodTimes times;
  if (entry == nullptr) return times;
  times.given = true;
  if (!SecondsToNanoseconds(entry->PeriodSeconds, &times.period_ns)) times.period_ns = 0;
  if (!SecondsToNanoseconds(entry->DurationSeconds, &times.duration_ns)) times.duration_ns = 0;
  return times;
}

struct PanelBuilder {
  Builder& b;
  const ModuleScheduleRecord& schedule;  // the module schedule
  const ModuleScheduleRecord& record;    // the schedule, or the sub-schedule drawn
  bool multicore;
  std::map<int32_t, PictureLane> lanes;  // by core
};

void Place(PanelBuilder& pb, const std::vector<int32_t>& cores, const PictureBar& bar) {
  for (int32_t core : cores) {
    PictureLane& lane = pb.lanes[core];
    lane.core = core;
    lane.bars.push_back(bar);
  }
}

void AddPartitionBars(PanelBuilder& pb, Key key) {
  const auto found = pb.b.index.windows.find(key);
  if (found == pb.b.index.windows.end()) return;
  for (const OwnedWindow& owned : found->second) {
    const PartitionRecord& p = *pb.b.index.partitions[owned.ordinal];
    const WindowRecord& window = *owned.window;
    std::string core_text = "0";
    std::vector<int32_t> cores{0};
    if (pb.multicore) {
      const PartitionScheduleEntry* entry = EntryIn(&pb.record, p);
      core_text = entry != nullptr && entry->CoreGiven ? entry->Core : "";
      cores = CoresOf(core_text, pb.b.ctx.settings.NumberOfCores);
    }
    PictureBar bar;
    bar.legend = pb.b.index.legend_of[owned.ordinal];
    bar.partition = p.PartitionName;
    bar.start_ns = TimeTextToNanoseconds(window.WindowStartSeconds);
    bar.duration_ns = TimeTextToNanoseconds(window.WindowDurationSeconds);
    bar.period_start = window.PartitionPeriodStart != 0;
    const std::vector<std::string> sharers = SharerNames(pb.b, key, owned.ordinal);
    if (!sharers.empty()) {
      std::string with_sharers = p.PartitionName;
      for (const std::string& name : sharers) with_sharers += " + " + name;
      bar.labels.push_back(with_sharers);
    }
    bar.labels.push_back(p.PartitionName);
    // The legend gives each name with its identifier (the kernel's with K).
    bar.labels.push_back(p.KernelPartition != 0 ? "K" : Format("%d", p.PartitionIdentifier));
    bar.tooltip = PartitionWindowTooltip({p, window, bar.start_ns, bar.duration_ns, core_text, pb.multicore},
                                         PeriodOf(pb.b, pb.schedule, p), sharers);
    if (bar.period_start) pb.b.picture.any_period_start = true;
    Place(pb, cores, bar);
  }
}

void AddIdleBars(PanelBuilder& pb, Key key) {
  const auto found = pb.b.index.idle.find(key);
  if (found == pb.b.index.idle.end()) return;
  const size_t entry = LegendEntryFor(pb.b, &pb.b.idle_entry, "idle (NULLPartition)", BarLook::Idle);
  for (const WindowRecord* window : found->second) {
    const std::string core_text = pb.multicore ? window->Core : "0";
    PictureBar bar;
    bar.legend = entry;
    bar.partition = "NULLPartition";
    bar.start_ns = TimeTextToNanoseconds(window->WindowStartSeconds);
    bar.duration_ns = TimeTextToNanoseconds(window->WindowDurationSeconds);
    bar.labels = {"idle"};
    bar.tooltip = IdleWindowTooltip({pb.b.ctx.model.schedules.NULLPartition, *window, bar.start_ns,
                                     bar.duration_ns, core_text, pb.multicore});
    Place(pb, pb.multicore ? CoresOf(core_text, pb.b.ctx.settings.NumberOfCores) : std::vector<int32_t>{0}, bar);
  }
}

std::vector<PictureLane> RestartLanes(PanelBuilder& pb) {
  std::vector<PictureLane> lanes;
  for (const RestartScheduleRecord& restart : pb.record.RestartSchedules) {
    const size_t entry = LegendEntryFor(pb.b, &pb.b.restart_entry, "restart window", BarLook::Restart);
    PictureLane lane;
    lane.restart = true;
    lane.label = "restart";
    lane.core_text = restart.Core;
    lane.tooltip = "Restart schedule on cores " + restart.Core;
    for (const RestartWindowRecord& window : restart.Windows) {
      PictureBar bar;
      bar.legend = entry;
      bar.start_ns = TimeTextToNanoseconds(window.WindowStartSeconds);
      bar.duration_ns = TimeTextToNanoseconds(window.WindowDurationSeconds);
      bar.labels = {"restart"};
      bar.tooltip = RestartWindowTooltip(window, bar.start_ns, bar.duration_ns, restart.Core);
      lane.bars.push_back(bar);
    }
    lanes.push_back(std::move(lane));
  }
  return lanes;
}

std::string PanelTitle(const Builder& b, const ModuleScheduleRecord& schedule, const ModuleScheduleRecord* sub,
                       int64_t major_frame_ns) {
  std::string title = b.picture.module_name + ": schedule " + schedule.ScheduleName +
                      Format(" (identifier %d%s)", schedule.ScheduleIdentifier,
                             schedule.ScheduleNumber == 1 ? ", initial" : "");
  if (sub != nullptr) title += Format(", sub-schedule %d", sub->ScheduleIdentifier);
  if (sub == nullptr && b.ctx.settings.MultiCore != 0) return title + ", no sub-schedules";
  return title + ", major frame " + Milliseconds(major_frame_ns) + " ms";
}

PicturePanel BuildPanel(Builder& b, const ModuleScheduleRecord& schedule, const ModuleScheduleRecord* sub) {
  const bool multicore = b.ctx.settings.MultiCore != 0;
  const ModuleScheduleRecord& record = sub != nullptr ? *sub : schedule;
  PicturePanel panel;
  panel.schedule_identifier = schedule.ScheduleIdentifier;
  panel.sub_schedule_identifier = sub != nullptr ? sub->ScheduleIdentifier : 0;
  panel.major_frame_ns = TimeTextToNanoseconds(record.MajorFrameSeconds);
  panel.title = PanelTitle(b, schedule, sub, panel.major_frame_ns);
  if (multicore && sub == nullptr) return panel;  // nothing can be scheduled in it

  PanelBuilder pb{b, schedule, record, multicore, {}};
  const Key key = KeyOf(schedule.ScheduleIdentifier, panel.sub_schedule_identifier);
  AddPartitionBars(pb, key);
  AddIdleBars(pb, key);
  if (pb.lanes.empty()) pb.lanes[0].core = 0;  // an empty panel still shows its axis
  for (auto& [core, lane] : pb.lanes) {
    lane.label = Format("core %d", core);
    panel.lanes.push_back(std::move(lane));
  }
  for (PictureLane& lane : RestartLanes(pb)) panel.lanes.push_back(std::move(lane));
  return panel;
}

}  // namespace

SchedulePicture BuildSchedulePicture(const TranslationContext& ctx) {
  SchedulePicture picture;
  picture.module_name = !ctx.settings.ModuleName.empty() ? ctx.settings.ModuleName : BaseName(ctx.settings.XmlFileName);
  Builder b{ctx, picture, {}};
  IndexWindows(b);
  for (const ModuleScheduleRecord& schedule : ctx.model.schedules.ModuleSchedules) {
    if (ctx.settings.MultiCore == 0 || schedule.SubSchedules.empty()) {
      picture.panels.push_back(BuildPanel(b, schedule, nullptr));
    } else {
      for (const ModuleScheduleRecord& sub : schedule.SubSchedules) picture.panels.push_back(BuildPanel(b, schedule, &sub));
    }
  }
  return picture;
}

}  // namespace cfgxlate
