// The schedule picture (--schedule-svg), from whole runs on small
// configurations. Expected bars are worked out by hand from the
// configurations: times are the window texts (Offset/Duration become "%lf"
// texts) read as seconds, times 1e9, truncated; the plot runs from x = 104
// (12 margin + 92 lane labels) to 1172 (28 short of the 1200-wide picture).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gen/svg/model_texts.h"
#include "gen/svg/svg_text.h"
#include "gen/svg/time_axis.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// A kernel, Alpha and Beta in one 50 ms schedule without multiple-core
// support. Alpha's second window is 65000 ns, whose text 0.000065 reads
// back as 64999.99... ns; Beta's 1.5 ns window truncates to 1.
const char* const kSingleCore = R"(<?xml version="1.0"?>
<ARINC_653_Module ModuleName="Single">
<Partition PartitionIdentifier="0" PartitionName="Kern" KernelPartition="true"/>
<Partition PartitionIdentifier="1" PartitionName="Alpha"/>
<Partition PartitionIdentifier="2" PartitionName="Beta"/>
<Module_Schedule ScheduleName="Main" ScheduleIdentifier="7" InitialModuleSchedule="true" MajorFrameSeconds="0.05">
<Partition_Schedule PartitionIdentifier="0" PeriodSeconds="0.05" PeriodDurationSeconds="0.005">
<Window_Schedule WindowStartSeconds="0" WindowDurationSeconds="0.005"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="1" PartitionPeriod="25000000" PartitionDuration="10000000">
<Window_Schedule Offset="5000000" Duration="10000000" PartitionPeriodStart="true"/>
<Window_Schedule Offset="30000000" Duration="65000"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="2" PeriodSeconds="0.05" PeriodDurationSeconds="0.01">
<Window_Schedule WindowStartSeconds="0.02" WindowDurationSeconds="0.0000000015"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="NULLPartition">
<Window_Schedule WindowStartSeconds="0.04" WindowDurationSeconds="0.01" WindowUserData="3"/>
</Partition_Schedule>
</Module_Schedule>
</ARINC_653_Module>
)";

// Four cores. Schedule 3, sub-schedule 1 (40 ms): the kernel on all cores
// 0-2 ms, Nav on cores 0 and 2 from 2 ms for 8 ms with Shr sharing it,
// idle time on core 1 from 10 ms to 40 ms, a restart window on core 3 from
// 30 ms; sub-schedule 2 (20 ms): Disp on core 3 throughout. Schedule 4,
// sub-schedule 5 (10 ms): Nav on core 1 throughout.
const char* const kMultiCore = R"(<?xml version="1.0"?>
<ARINC_653_Module ModuleName="Multi" NumberOfCores="4">
<Partition PartitionIdentifier="0" PartitionName="Kern" KernelPartition="true"/>
<Partition PartitionIdentifier="1" PartitionName="Nav"/>
<Partition PartitionIdentifier="2" PartitionName="Disp"/>
<Partition PartitionIdentifier="3" PartitionName="Shr"/>
<Module_Schedule ScheduleName="Ops" ScheduleIdentifier="3" InitialModuleSchedule="true">
<Module_Sub_Schedule SubScheduleIdentifier="1" MajorFrameSeconds="0.04">
<Partition_Schedule PartitionIdentifier="0" PeriodSeconds="0.04" PeriodDurationSeconds="0.002" Core="all">
<Window_Schedule WindowStartSeconds="0" WindowDurationSeconds="0.002"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="1" PartitionPeriod="40000000" PartitionDuration="8000000" Core="0,2">
<Window_Schedule Offset="2000000" Duration="8000000" PartitionPeriodStart="true"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="3" PeriodSeconds="0.04" PeriodDurationSeconds="0.008" Core="0,2">
<Shared_Schedule PartitionIdentifier="1"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="NULLPartition" Core="1">
<Window_Schedule WindowStartSeconds="0.01" WindowDurationSeconds="0.03" WindowUserData="5"/>
</Partition_Schedule>
<Partition_Schedule PartitionIdentifier="Restart" Core="3">
<Window_Schedule WindowStartSeconds="0.03" WindowDurationSeconds="0.01"/>
</Partition_Schedule>
</Module_Sub_Schedule>
<Module_Sub_Schedule SubScheduleIdentifier="2" MajorFrameSeconds="0.02">
<Partition_Schedule PartitionIdentifier="2" PeriodSeconds="0.02" PeriodDurationSeconds="0.02" Core="3">
<Window_Schedule WindowStartSeconds="0" WindowDurationSeconds="0.02"/>
</Partition_Schedule>
</Module_Sub_Schedule>
</Module_Schedule>
<Module_Schedule ScheduleName="Alt" ScheduleIdentifier="4">
<Module_Sub_Schedule SubScheduleIdentifier="5" MajorFrameSeconds="0.01">
<Partition_Schedule PartitionIdentifier="1" PeriodSeconds="0.01" PeriodDurationSeconds="0.01" Core="1">
<Window_Schedule WindowStartSeconds="0" WindowDurationSeconds="0.01"/>
</Partition_Schedule>
</Module_Sub_Schedule>
</Module_Schedule>
</ARINC_653_Module>
)";

struct SvgRun {
  RunResult run;
  std::string svg;
  bool written = false;
};

SvgRun Picture(const std::string& xml, std::vector<std::string> options = {}) {
  options.insert(options.begin(), {"--schedule-svg", "picture.svg"});
  IntRun result = TranslateFor("picture.svg", xml, std::move(options));
  return {result.run, result.text, result.written};
}

// Every element beginning with `start` (up to its closing ">").
std::vector<std::string> Elements(const std::string& svg, const std::string& start) {
  std::vector<std::string> found;
  for (size_t at = svg.find(start); at != std::string::npos; at = svg.find(start, at + 1)) {
    found.push_back(svg.substr(at, svg.find('>', at) - at + 1));
  }
  return found;
}

std::string Attribute(const std::string& element, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const size_t at = element.find(key);
  if (at == std::string::npos) return "(none)";
  const size_t begin = at + key.size();
  return element.substr(begin, element.find('"', begin) - begin);
}

// A window bar's data attributes: schedule/sub-schedule/core partition start+duration.
std::vector<std::string> WindowBars(const std::string& svg) {
  std::vector<std::string> bars;
  for (const std::string& rect : Elements(svg, "<rect class=\"window\"")) {
    bars.push_back(Attribute(rect, "data-schedule") + "/" + Attribute(rect, "data-sub-schedule") + "/" +
                   Attribute(rect, "data-core") + " " + Attribute(rect, "data-partition") + " " +
                   Attribute(rect, "data-start-ns") + "+" + Attribute(rect, "data-duration-ns"));
  }
  return bars;
}

std::vector<std::string> Panels(const std::string& svg) {
  std::vector<std::string> panels;
  for (const std::string& g : Elements(svg, "<g class=\"schedule\"")) {
    panels.push_back(Attribute(g, "data-schedule") + "/" + Attribute(g, "data-sub-schedule") + " " +
                     Attribute(g, "data-major-frame-ns"));
  }
  return panels;
}

// The geometry and fill of the n-th window bar.
std::string Geometry(const std::string& svg, size_t n) {
  const std::string rect = Elements(svg, "<rect class=\"window\"").at(n);
  return Attribute(rect, "x") + "," + Attribute(rect, "y") + " " + Attribute(rect, "width") + "x" +
         Attribute(rect, "height") + " " + Attribute(rect, "fill");
}

// The group (title, bar, label, marks) of the n-th window bar.
std::string BarGroup(const std::string& svg, size_t n) {
  size_t at = std::string::npos;
  for (size_t i = 0, from = 0; i <= n; ++i, from = at + 1) at = svg.find("<rect class=\"window\"", from);
  const size_t begin = svg.rfind("<g><title>", at);
  return svg.substr(begin, svg.find("</g>", at) + 4 - begin);
}

TEST(ScheduleSvg, SingleCoreBarsOnOneLane) {
  SvgRun r = Picture(kSingleCore, {"-q0"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  ASSERT_TRUE(r.written);
  EXPECT_EQ(Panels(r.svg), (std::vector<std::string>{"7/0 50000000"}));
  EXPECT_EQ(WindowBars(r.svg), (std::vector<std::string>{
                                   "7/0/0 KernelSpace 0+5000000",
                                   "7/0/0 Alpha 5000000+10000000",
                                   "7/0/0 Alpha 30000000+64999",
                                   "7/0/0 Beta 20000000+1",
                                   "7/0/0 NULLPartition 40000000+10000000",
                               }));
  // 1068 pixels for 50 ms: 21.36 per ms. Bars sit 7 below the lane top
  // (28 below the panel's), 22 high; a 1 ns window stays 1 wide.
  EXPECT_EQ(Geometry(r.svg, 0), "104,35 106.8x22 #4a4a4a");
  EXPECT_EQ(Geometry(r.svg, 1), "210.8,35 213.6x22 #1f77b4");
  EXPECT_EQ(Geometry(r.svg, 2), "744.8,35 1.39x22 #1f77b4");
  EXPECT_EQ(Geometry(r.svg, 3), "531.2,35 1x22 #ff7f0e");
  EXPECT_EQ(Geometry(r.svg, 4), "958.4,35 213.6x22 url(#idle-hatch)");
  EXPECT_NE(r.svg.find("<title>Schedules of Single</title>"), std::string::npos);
  EXPECT_NE(r.svg.find(">Single: schedule main (identifier 7, initial), major frame 50 ms</text>"),
            std::string::npos);
}

TEST(ScheduleSvg, TooltipsLabelsAndMarks) {
  SvgRun r = Picture(kSingleCore, {"-q0"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  // Alpha's first window: its name fits, it starts a period (the mark's tip
  // at the bar's start x, on the bar's top edge).
  EXPECT_EQ(BarGroup(r.svg, 1).substr(0, BarGroup(r.svg, 1).find("<rect")),
            "<g><title>Alpha (partition 1)\nstart 5 ms, duration 10 ms, end 15 ms\n"
            "as written: start 0.005000 s, duration 0.010000 s\nperiod 25 ms, duration 10 ms\n"
            "starts a partition period</title>");
  EXPECT_NE(BarGroup(r.svg, 1).find(">Alpha</text>"), std::string::npos);
  EXPECT_NE(BarGroup(r.svg, 1).find("<path class=\"period-start\" d=\"M206.8 28 L214.8 28 L210.8 35 Z\""),
            std::string::npos);
  // The kernel's tooltip names the user's name; its period is the schedule's.
  EXPECT_NE(BarGroup(r.svg, 0).find("<title>KernelSpace (kernel partition Kern)\nstart 0 ms, duration 5 ms, end 5 ms\n"
                                    "as written: start 0 s, duration 0.005 s\nperiod 50 ms, duration 5 ms</title>"),
            std::string::npos);
  // A bar too narrow for any label has none, but keeps its tooltip.
  EXPECT_EQ(BarGroup(r.svg, 3).find("<text"), std::string::npos);
  EXPECT_NE(BarGroup(r.svg, 3).find("start 20 ms, duration 0.000001 ms"), std::string::npos);
  // Idle time: hatched, labelled idle, with its user data.
  EXPECT_NE(BarGroup(r.svg, 4).find(">idle</text>"), std::string::npos);
  EXPECT_NE(BarGroup(r.svg, 4).find("<title>idle (NULLPartition)\n"), std::string::npos);
  EXPECT_NE(BarGroup(r.svg, 4).find("\nuser data: 0x3</title>"), std::string::npos);
  EXPECT_NE(r.svg.find("<pattern id=\"idle-hatch\""), std::string::npos);
  // The legend lists every partition in definition order, then idle time.
  const size_t kernel = r.svg.find(">KernelSpace (kernel, K)</text>");
  const size_t alpha = r.svg.find(">Alpha (1)</text>");
  const size_t beta = r.svg.find(">Beta (2)</text>");
  const size_t idle = r.svg.find(">idle (NULLPartition)</text>");
  ASSERT_NE(idle, std::string::npos);
  EXPECT_TRUE(kernel < alpha && alpha < beta && beta < idle);
}

TEST(ScheduleSvg, MultiCoreBarsPerSubScheduleAndCore) {
  SvgRun r = Picture(kMultiCore);
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(Panels(r.svg), (std::vector<std::string>{"3/1 40000000", "3/2 20000000", "4/5 10000000"}));
  // Lanes by core; "all" puts the kernel on each of the four cores; Shr runs
  // in Nav's windows and has none of its own.
  EXPECT_EQ(WindowBars(r.svg), (std::vector<std::string>{
                                   "3/1/0 KernelSpace 0+2000000",
                                   "3/1/0 Nav 2000000+8000000",
                                   "3/1/1 KernelSpace 0+2000000",
                                   "3/1/1 NULLPartition 10000000+30000000",
                                   "3/1/2 KernelSpace 0+2000000",
                                   "3/1/2 Nav 2000000+8000000",
                                   "3/1/3 KernelSpace 0+2000000",
                                   "3/2/3 Disp 0+20000000",
                                   "4/5/1 Nav 0+10000000",
                               }));
  // 1068 pixels for 40 ms; lanes 34 apart.
  EXPECT_EQ(Geometry(r.svg, 1), "157.4,35 213.6x22 #1f77b4");
  EXPECT_EQ(Geometry(r.svg, 5), "157.4,103 213.6x22 #1f77b4");
  EXPECT_EQ(Geometry(r.svg, 3), "371,69 801x22 url(#idle-hatch)");
  // The same partition keeps its colour in another schedule.
  EXPECT_EQ(Geometry(r.svg, 8), "104,35 1068x22 #1f77b4");
  // The sharer is named in the owner's tooltip and label.
  EXPECT_NE(BarGroup(r.svg, 1).find("\nalso runs here (Shared_Schedule): Shr\nCore 0,2</title>"), std::string::npos);
  EXPECT_NE(BarGroup(r.svg, 1).find(">Nav + Shr</text>"), std::string::npos);
  EXPECT_NE(r.svg.find(">Multi: schedule ops (identifier 3, initial), sub-schedule 1, major frame 40 ms</text>"),
            std::string::npos);
  EXPECT_NE(r.svg.find(">Multi: schedule alt (identifier 4), sub-schedule 5, major frame 10 ms</text>"),
            std::string::npos);
}

TEST(ScheduleSvg, RestartScheduleHasALaneOfItsOwn) {
  SvgRun r = Picture(kMultiCore);
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  const std::vector<std::string> restarts = Elements(r.svg, "<rect class=\"restart-window\"");
  ASSERT_EQ(restarts.size(), 1u);
  const std::string& rect = restarts[0];
  EXPECT_EQ(Attribute(rect, "data-schedule") + "/" + Attribute(rect, "data-sub-schedule") + " cores " +
                Attribute(rect, "data-cores") + " " + Attribute(rect, "data-start-ns") + "+" +
                Attribute(rect, "data-duration-ns"),
            "3/1 cores 3 30000000+10000000");
  // Below the four core lanes: the fifth lane, 28 + 4 * 34 + 7 down.
  EXPECT_EQ(Attribute(rect, "x") + "," + Attribute(rect, "y") + " " + Attribute(rect, "width"), "905,171 267");
  EXPECT_NE(r.svg.find("<title>Restart schedule on cores 3</title>restart</text>"), std::string::npos);
  EXPECT_NE(r.svg.find(">restart window</text>"), std::string::npos) << "legend";
}

TEST(ScheduleSvg, SameBytesEveryRun) {
  SvgRun first = Picture(kMultiCore);
  SvgRun second = Picture(kMultiCore);
  ASSERT_EQ(first.run.status, 0) << first.run.err;
  EXPECT_EQ(first.svg, second.svg);
  EXPECT_EQ(first.svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg ", 0), 0u);
  EXPECT_EQ(first.svg.substr(first.svg.size() - 7), "</svg>\n");
}

TEST(ScheduleSvg, WrittenOnlyBySuccessfulRunsUnderTheNameAsGiven) {
  // Without -m the missing module HM table ends the run after reading.
  MemoryFileSystem fs;
  fs.files["config.xml"] = kSingleCore;
  RunResult failed = RunCommand(fs, {"-q0", "--schedule-svg=picture.svg", "config.xml"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(fs.files.count("picture.svg"), 0u);

  // -outputdir places the other outputs, not the picture.
  RunResult run = RunCommand(fs, {"-q0", "-m", "-outputdir", "out", "--schedule-svg", "picture.svg", "config.xml"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(fs.files.count("picture.svg"), 1u);
  EXPECT_EQ(fs.files.count("out/picture.svg"), 0u);
  EXPECT_EQ(fs.files.count("out/config.int"), 1u);

  // Without the option no picture is written.
  MemoryFileSystem plain;
  plain.files["config.xml"] = kSingleCore;
  EXPECT_EQ(RunCommand(plain, {"-q0", "-m", "config.xml"}).status, 0);
  for (const auto& [name, text] : plain.files) EXPECT_EQ(name.find(".svg"), std::string::npos) << name;
}

TEST(ScheduleSvg, UnwritablePictureIsAnError) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = kSingleCore;
  fs.unwritable["picture.svg"] = true;
  RunResult run = RunCommand(fs, {"-q0", "-m", "--schedule-svg", "picture.svg", "config.xml"});
  EXPECT_EQ(run.status, 1);
  // Reported, as other outputs are, on the line after the input's last.
  EXPECT_EQ(run.err, ErrorLine("Line 22 - Unable to open file:") + ErrorLine("picture.svg"));
  EXPECT_EQ(fs.files.count("config.int"), 1u) << "the outputs before it stay";
}

TEST(ScheduleSvg, ModuleNameIsEscapedForXml) {
  // The reader keeps attribute text as written: "&amp;" stays five
  // characters, and a Latin-1 byte stays one byte.
  std::string xml = kSingleCore;
  xml.replace(xml.find("\"Single\""), 8, "\"R&amp;D \xE9\"");
  SvgRun r = Picture(xml, {"-q0"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_NE(r.svg.find("<title>Schedules of R&amp;amp;D &#xE9;</title>"), std::string::npos);
  EXPECT_NE(r.svg.find(">R&amp;amp;D &#xE9;: schedule main"), std::string::npos);
}

TEST(ScheduleSvgText, EscapingAndMilliseconds) {
  EXPECT_EQ(XmlEscape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d&apos;");
  EXPECT_EQ(XmlEscape("caf\xC3\xA9"), "caf\xC3\xA9") << "valid UTF-8 passes";
  EXPECT_EQ(XmlEscape("caf\xE9!"), "caf&#xE9;!") << "a lone Latin-1 byte";
  EXPECT_EQ(XmlEscape("\xC0\xAF"), "&#xC0;&#xAF;") << "an overlong form";
  EXPECT_EQ(XmlEscape("\xED\xA0\x80"), "&#xED;&#xA0;&#x80;") << "a surrogate";
  EXPECT_EQ(XmlEscape("a\x01z\n"), "a?z\n");

  EXPECT_EQ(Milliseconds(5000000), "5");
  EXPECT_EQ(Milliseconds(2500), "0.0025");
  EXPECT_EQ(Milliseconds(-1500000), "-1.5");
  EXPECT_EQ(Milliseconds(0), "0");
  EXPECT_EQ(Milliseconds(INT64_MIN), "-9223372036854.775808");
}

TEST(ScheduleSvgText, TimesAndCoresAsTheIntegrateFileReadsThem) {
  EXPECT_EQ(TimeTextToNanoseconds("0.025000"), 25000000);
  EXPECT_EQ(TimeTextToNanoseconds("0.000065"), 64999) << "just below 65000, truncated";
  EXPECT_EQ(TimeTextToNanoseconds("0.0000000015"), 1);
  EXPECT_EQ(TimeTextToNanoseconds("-0.0000000015"), -1) << "toward zero";
  EXPECT_EQ(TimeTextToNanoseconds("fast"), 0);
  EXPECT_EQ(TimeTextToNanoseconds("1e30"), 0) << "beyond the 64-bit range";

  EXPECT_EQ(CoresOf("all", 3), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(CoresOf("ALL", 2), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(CoresOf("2,0,2", 4), (std::vector<int32_t>{0, 2})) << "each core once";
  EXPECT_EQ(CoresOf("1,x,9", 4), (std::vector<int32_t>{1})) << "refused items left out";
  EXPECT_EQ(CoresOf("", 4), (std::vector<int32_t>{0})) << "an empty item reads as 0";
}

TEST(ScheduleSvgText, RoundTicks) {
  EXPECT_EQ(TickStep(40e6, 10), 5e6);  // 4 ms wanted, 5 ms is the next round step
  EXPECT_EQ(TickStep(100e6, 10), 10e6);
  EXPECT_EQ(TickStep(1.5e6, 10), 0.2e6);
  std::vector<std::string> labels;
  for (const AxisTick& tick : AxisTicks(0, 1e6, 10)) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9",
                                              "1.0"}));
  labels.clear();
  for (const AxisTick& tick : AxisTicks(-3e6, 12e6, 10)) labels.push_back(tick.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"-2", "0", "2", "4", "6", "8", "10", "12"}));
}

}  // namespace
}  // namespace cfgxlate::test
