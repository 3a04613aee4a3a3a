#include "gen/svg/bar_tooltips.h"

#include "gen/svg/svg_text.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// Start, duration and end in milliseconds, then the texts as written, which
// are what the integrate file carries.
std::string TimeLines(int64_t start_ns, int64_t duration_ns, const std::string& start_text,
                      const std::string& duration_text) {
  // The end is only shown; the sum of two int64 values may not fit one.
  const long double end = static_cast<long double>(start_ns) + static_cast<long double>(duration_ns);
  std::string end_text = end >= -9.2e18L && end <= 9.2e18L ? Milliseconds(start_ns + duration_ns) : "?";
  return "start " + Milliseconds(start_ns) + " ms, duration " + Milliseconds(duration_ns) + " ms, end " + end_text +
         " ms\nas written: start " + start_text + " s, duration " + duration_text + " s";
}

std::string CoreLine(const WindowFacts& facts) {
  return facts.multicore ? "\nCore " + facts.core_text : std::string();
}

std::string PartitionHeading(const PartitionRecord& p) {
  if (p.KernelPartition != 0) return p.PartitionName + " (kernel partition " + p.KernelUserName + ")";
  return p.PartitionName + Format(" (partition %d)", p.PartitionIdentifier);
}

}  // namespace

std::string PartitionWindowTooltip(const WindowFacts& facts, const PeriodTimes& period,
                                   const std::vector<std::string>& sharers) {
  std::string text = PartitionHeading(facts.partition) + "\n" +
                     TimeLines(facts.start_ns, facts.duration_ns, facts.window.WindowStartSeconds,
                               facts.window.WindowDurationSeconds);
  if (period.given) {
    text += "\nperiod " + Milliseconds(period.period_ns) + " ms, duration " + Milliseconds(period.duration_ns) +
            " ms";
  }
  if (facts.window.PartitionPeriodStart != 0) text += "\nstarts a partition period";
  if (!sharers.empty()) {
    text += "\nalso runs here (Shared_Schedule):";
    for (size_t i = 0; i < sharers.size(); ++i) text += (i == 0 ? " " : ", ") + sharers[i];
  }
  return text + CoreLine(facts);
}

std::string IdleWindowTooltip(const WindowFacts& facts) {
  std::string text = "idle (NULLPartition)\n" + TimeLines(facts.start_ns, facts.duration_ns,
                                                         facts.window.WindowStartSeconds,
                                                         facts.window.WindowDurationSeconds);
  if (!facts.window.UserData.empty()) {
    text += "\nuser data:";
    for (size_t i = 0; i < facts.window.UserData.size(); ++i) {
      const WindowUserDataItem& item = facts.window.UserData[i];
      text += i == 0 ? " " : ", ";
      if (item.DescriptionGiven) text += item.Description + " ";
      text += Format("0x%x", static_cast<unsigned>(item.Value));
    }
  }
  return text + CoreLine(facts);
}

std::string RestartWindowTooltip(const RestartWindowRecord& window, int64_t start_ns, int64_t duration_ns,
                                 const std::string& core_text) {
  return "restart window\n" +
         TimeLines(start_ns, duration_ns, window.WindowStartSeconds, window.WindowDurationSeconds) + "\nCore " +
         core_text;
}

}  // namespace cfgxlate
