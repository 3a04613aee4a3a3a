// Module schedules, sub-schedules and the period and duration of partition
// schedules, read from hand-written inputs with hand-built partitions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/end_of_module_checks.h"
#include "partitions/partition_lookup.h"
#include "run_helpers.h"
#include "schedules/module_schedule.h"
#include "util/text.h"

namespace cfgxlate::test {
namespace {

using Lines = std::vector<std::string>;

// "Line n - message" and the quoted text, as a fatal error prints them.
std::string Fatal(int line, const std::string& message, const std::string& detail) {
  return ErrorLine("Line " + std::to_string(line) + " - " + message) + ErrorLine(detail);
}

// A context in which partitions 1 "Alpha" and 2 "Beta" (indices 1 and 2)
// exist; each string of an input is one tag on a line of its own.
struct ScheduleReader {
  explicit ScheduleReader(bool multi_core = true, bool with_partitions = true) {
    t.ctx.settings.MultiCore = multi_core ? 1 : 0;
    if (with_partitions) {
      AddPartition(1, "Alpha");
      AddPartition(2, "Beta");
    }
  }

  PartitionRecord& AddPartition(int32_t identifier, const std::string& name, bool kernel = false) {
    PartitionModel& model = t.ctx.model.partitions;
    PartitionRecord& partition = model.Partitions.emplace_back();
    partition.PartitionIdentifier = identifier;
    partition.PartitionName = kernel ? "KernelSpace" : name;
    partition.KernelUserName = kernel ? name : "";
    partition.KernelPartition = kernel ? 1 : 0;
    if (!kernel) partition.PartitionIndex = ++non_kernel_count;
    RegisterPartition(model, partition);
    return partition;
  }

  void Read(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    t.fs.files["a.xml"] = text;
    StartReader(t.ctx, t.fs.OpenForReading("a.xml"), "a.xml");
    TagLine tag;
    while (NextTagLine(t.ctx, tag)) {
      if (StartsWith(tag, "<Module_Schedule") || StartsWith(tag, "<ModuleSchedule")) {
        ParseModuleSchedule(t.ctx, tag.c_str());
      }
    }
  }

  std::string Fails(const Lines& lines) {
    return FatalLines([&] { Read(lines); });
  }

  ScheduleModel& model() { return t.ctx.model.schedules; }
  ModuleScheduleRecord& Schedule(size_t i) { return model().ModuleSchedules[i]; }
  PartitionRecord& Partition(size_t i) { return t.ctx.model.partitions.Partitions[i]; }

  TestContext t;
  int32_t non_kernel_count = 0;
};

const std::string kEnd = "</Module_Schedule>";
const std::string kSubEnd = "</Module_Sub_Schedule>";
const std::string kPsEnd = "</Partition_Schedule>";

std::string SingleCoreSchedule(const std::string& attributes) {
  return "<Module_Schedule MajorFrameSeconds=\"0.05\" " + attributes + ">";
}

std::string PartitionSchedule(const std::string& attributes) { return "<Partition_Schedule " + attributes + ">"; }

const std::string kSingle =
    SingleCoreSchedule("ScheduleName=\"S\" ScheduleIdentifier=\"3\" InitialModuleSchedule=\"true\"");
const std::string kTimes = "PeriodSeconds=\"0.1\" PeriodDurationSeconds=\"0.05\" ";

// Each case: input lines whose last line fails with the message.
using FailCases = std::vector<std::pair<Lines, std::string>>;
void ExpectLastLineFails(const FailCases& cases, bool multi_core, bool with_kernel = false) {
  for (const auto& [lines, message] : cases) {
    ScheduleReader r(multi_core);
    if (with_kernel) r.AddPartition(9, "Kern", true);
    EXPECT_EQ(r.Fails(lines), Fatal(static_cast<int>(lines.size()), message, lines.back())) << lines.back();
  }
}

TEST(ModuleSchedules, SingleCoreScheduleKeepsTextsAndGetsOneEntryPerPartition) {
  ScheduleReader r(false);
  r.t.ctx.settings.LogicalCoreMapping = 0;  // -j
  r.AddPartition(9, "Kern", true);
  r.Read({SingleCoreSchedule("ScheduleName=\"Main Schedule\" ScheduleIdentifier=\"7\" InitialModuleSchedule=\"TRUE\""),
          kEnd});
  ASSERT_EQ(r.model().ModuleSchedules.size(), 1u);
  ModuleScheduleRecord& s = r.Schedule(0);
  EXPECT_EQ(s.ScheduleName, "main_schedule");
  EXPECT_EQ(s.MajorFrameSeconds, "0.05");
  EXPECT_EQ(s.ScheduleIdentifier, 7);
  EXPECT_EQ(s.ScheduleNumber, 1);
  ASSERT_EQ(s.PartitionEntries.size(), 2u);  // the kernel partition has KernelEntry
  EXPECT_EQ(s.PartitionEntries[1].PartitionIndex, 2);
  const PartitionRecord& null_partition = r.model().NULLPartition;
  EXPECT_EQ(null_partition.PartitionIdentifier, 0);
  EXPECT_EQ(null_partition.PartitionIndex, -1);
  EXPECT_EQ(null_partition.LogicalCores, 0);
}

TEST(ModuleSchedules, InitialScheduleIsNumberedOneAndListedFirst) {
  ScheduleReader r(false);
  r.Read({SingleCoreSchedule("ScheduleName=\"A\" ScheduleIdentifier=\"10\""), kEnd,
          SingleCoreSchedule("ScheduleName=\"B\" ScheduleIdentifier=\"20\" InitialModuleSchedule=\"true\""), kEnd,
          SingleCoreSchedule("ScheduleName=\"C\" ScheduleIdentifier=\"30\" InitialModuleSchedule=\"false\""), kEnd});
  ASSERT_EQ(r.model().ModuleSchedules.size(), 3u);
  EXPECT_EQ(r.Schedule(0).ScheduleName + r.Schedule(1).ScheduleName + r.Schedule(2).ScheduleName, "bac");
  EXPECT_EQ(r.Schedule(0).ScheduleNumber, 1);
  EXPECT_EQ(r.Schedule(1).ScheduleNumber, 2);
  EXPECT_EQ(r.Schedule(2).ScheduleNumber, 3);
}

TEST(ModuleSchedules, RefusedSchedulesAndSubSchedules) {
  const std::string ok = "ScheduleName=\"S\" ScheduleIdentifier=\"1\"";
  ExpectLastLineFails(
      {{{"<Module_Schedule " + ok + ">"}, "Required MajorFrameSeconds field missing:"},
       {{SingleCoreSchedule("ScheduleIdentifier=\"1\"")}, "Required ScheduleName field missing:"},
       {{SingleCoreSchedule("ScheduleName=\"S\"")}, "Required ScheduleIdentifier field missing:"},
       {{SingleCoreSchedule("ScheduleName=\"S\" ScheduleIdentifier=\"0\"")}, "ScheduleIdentifier value out of range:"}},
      false);
  const std::string head = "<Module_Schedule " + ok + " InitialModuleSchedule=\"true\">";
  const std::string sub1 = "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.05\">";
  const std::string ps = "<Partition_Schedule PartitionIdentifier=\"1\" Core=\"0\">";
  ExpectLastLineFails(
      {{{"<Module_Schedule MajorFrameSeconds=\"0.05\" " + ok + ">"},
        "With MultiCore, MajorFrameSeconds cannot be defined in Module_Schedule specification:"},
       {{"<ModuleSchedule ScheduleName=\"S\" ScheduleIdentifier=\"-4\">"}, "ScheduleIdentifier value out of range:"},
       {{"<Module_Schedule " + ok + " InitialModuleSchedule=\"yes\">"}, "Invalid InitialModuleSchedule value: "},
       {{head, kEnd, "<Module_Schedule ScheduleName=\"B\" ScheduleIdentifier=\"1\">"},
        "A Module_Schedule with this ScheduleIdentifier is already defined:"},
       {{head, kEnd, "<Module_Schedule ScheduleName=\"B\" ScheduleIdentifier=\"2\" InitialModuleSchedule=\"True\">"},
        "Multiple schedules with InitialModuleSchedule set to true:"},
       {{head, sub1, kSubEnd, sub1},
        "Multiple Module_Sub_Schedules in the same Module_Schedule have the same SubScheduleIdentifier:"},
       {{head, sub1, "<Module_Sub_Schedule SubScheduleIdentifier=\"2\" MajorFrameSeconds=\"0.05\">"},
        "</Module_Sub_Schedule> tag line missing:"},
       {{head, sub1, kEnd}, "</Module_Sub_Schedule> tag line missing:"},
       {{head, sub1, kSubEnd, "</ModuleSubSchedule>"}, "Module_Sub_Schedule error:"},
       {{head, "<ModuleSubSchedule MajorFrameSeconds=\"0.05\">"}, "Required SubScheduleIdentifier field missing:"},
       {{head, "<Module_Sub_Schedule SubScheduleIdentifier=\"1\">"}, "Required MajorFrameSeconds field missing:"},
       {{head, ps}, "Module_Sub_Schedule not defined:"},
       {{head, sub1, kSubEnd, ps}, "Module_Sub_Schedule not defined:"}},
      true);
}

TEST(ModuleSchedules, ScheduleBeforeAnyPartitionIsRefused) {
  const std::string expected =
      ErrorLine("Line 2 - Cannot specify Module_Schedule before any partitions are specified.");
  ScheduleReader single(false, false);
  EXPECT_EQ(single.Fails({"<!-- none yet -->", SingleCoreSchedule("ScheduleName=\"S\" ScheduleIdentifier=\"1\"")}),
            expected);
  ScheduleReader multi(true, false);
  EXPECT_EQ(multi.Fails({"<Module_Schedule ScheduleName=\"S\" ScheduleIdentifier=\"1\">",
                         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.05\">"}),
            expected);
}

TEST(ModuleSchedules, NameLengthLimitAppliesToTheConvertedName) {
  const std::string name31 = "Abcdefghij Abcdefghij Abcdefghi";
  const std::string line = "<Module_Schedule ScheduleName=\"" + name31 + "\" ScheduleIdentifier=\"1\">";
  ScheduleReader r;
  EXPECT_EQ(r.Fails({line}), Fatal(1, "Name longer than 30 characters:", "abcdefghij_abcdefghij_abcdefghi"));

  ScheduleReader with32;
  with32.t.ctx.settings.NameLength32 = 1;
  with32.Read({line, kEnd});
  EXPECT_EQ(with32.Schedule(0).ScheduleName, "abcdefghij_abcdefghij_abcdefghi");
  const std::string line33 = "<Module_Schedule ScheduleName=\"" + name31 + "XY\" ScheduleIdentifier=\"2\">";
  EXPECT_EQ(with32.Fails({line33}), Fatal(1, "Name longer than 32 characters:", "abcdefghij_abcdefghij_abcdefghixy"));
}

TEST(ModuleSchedules, SubSchedulesBelongToTheirModuleSchedule) {
  ScheduleReader r;
  r.Read({"<Module_Schedule ScheduleName=\"One\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">",
          "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.05\">", kSubEnd,
          "<ModuleSubSchedule SubScheduleIdentifier=\"2\" MajorFrameSeconds=\"0.1\">", "</ModuleSubSchedule>", kEnd,
          "<ModuleSchedule ScheduleName=\"Two\" ScheduleIdentifier=\"2\">",
          "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">", kSubEnd,
          "</ModuleSchedule>"});
  ModuleScheduleRecord& one = r.Schedule(0);
  EXPECT_FALSE(one.HasPartitionEntries);
  ASSERT_EQ(one.SubSchedules.size(), 2u);
  const ModuleScheduleRecord& second_sub = one.SubSchedules.back();
  EXPECT_EQ(second_sub.ScheduleIdentifier, 2);
  EXPECT_EQ(second_sub.MajorFrameSeconds, "0.1");
  EXPECT_EQ(second_sub.Parent, &one);
  EXPECT_EQ(second_sub.PartitionEntries.size(), 2u);
  ModuleScheduleRecord& two = r.Schedule(1);  // has a sub-schedule 1 too
  ASSERT_EQ(two.SubSchedules.size(), 1u);
  EXPECT_EQ(two.SubSchedules.front().Parent, &two);
  EXPECT_EQ(two.SubSchedules.front().MajorFrameSeconds, "0.02");
}

TEST(ModuleSchedules, WithoutMultiCoreSubScheduleTagsOnlyWarn) {
  ScheduleReader r(false);
  const std::string sub = "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.05\">";
  r.Read({SingleCoreSchedule("ScheduleName=\"S\" ScheduleIdentifier=\"1\""), sub,
          PartitionSchedule("PartitionIdentifier=\"2\" PeriodSeconds=\"0.05\" PeriodDurationSeconds=\"0.01\""), kPsEnd,
          kSubEnd, kEnd});
  EXPECT_EQ(r.t.console.err, WarningLine("Line 2 - Unexpected Module_Schedule tag line:") + WarningLine(sub) +
                                 WarningLine("Line 5 - Unexpected Module_Schedule tag line:") + WarningLine(kSubEnd));
  ModuleScheduleRecord& s = r.Schedule(0);
  EXPECT_TRUE(s.SubSchedules.empty());
  EXPECT_DOUBLE_EQ(s.PartitionEntries[1].PeriodSeconds, 0.05);
  EXPECT_DOUBLE_EQ(s.PartitionEntries[1].DurationSeconds, 0.01);
}

TEST(ModuleSchedules, InitialScheduleCheckAtModuleEnd) {
  ScheduleReader r;
  r.t.ctx.settings.NoModuleHM = 1;  // only the schedule half of the checks
  EXPECT_EQ(FatalLines([&] { CheckEndOfModule(r.t.ctx); }),
            ErrorLine("Line 1 - No Module_Schedule found with InitialModuleSchedule value of true"));
  r.Read({"<Module_Schedule ScheduleName=\"S\" ScheduleIdentifier=\"1\">", kEnd});
  EXPECT_EQ(FatalLines([&] { CheckEndOfModule(r.t.ctx); }),
            ErrorLine("Line 3 - No Module_Schedule found with InitialModuleSchedule value of true"));
  r.Read({"<Module_Schedule ScheduleName=\"T\" ScheduleIdentifier=\"2\" InitialModuleSchedule=\"true\">", kEnd});
  CheckEndOfModule(r.t.ctx);
}

TEST(PartitionScheduleTimes, UnitsAndThePartitionRecord) {
  ScheduleReader r(false);
  r.Read({SingleCoreSchedule("ScheduleName=\"I\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\""),
          PartitionSchedule("PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" PeriodSeconds=\"0.5\" "
                            "PartitionDuration=\"5000000\""),
          kPsEnd, PartitionSchedule("PartitionIdentifier=\"2\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.005\""),
          kPsEnd, kEnd, SingleCoreSchedule("ScheduleName=\"O\" ScheduleIdentifier=\"2\""),
          PartitionSchedule("PartitionIdentifier=\"2\" PeriodSeconds=\"0.04\" PeriodDurationSeconds=\"0.01\""), kPsEnd,
          kEnd});
  const ModuleScheduleRecord& initial = r.Schedule(0);
  EXPECT_DOUBLE_EQ(initial.PartitionEntries[0].PeriodSeconds, 0.02);  // PeriodSeconds 0.5 is not used
  EXPECT_DOUBLE_EQ(initial.PartitionEntries[0].DurationSeconds, 0.005);
  EXPECT_EQ(r.Partition(0).Period, 20000000);
  EXPECT_EQ(r.Partition(0).Duration, 5000000);
  EXPECT_EQ(r.Partition(1).Period, 20000000);  // the initial schedule's, not 0.04 s
  EXPECT_EQ(r.Partition(1).Duration, 5000000);
  EXPECT_DOUBLE_EQ(r.Schedule(1).PartitionEntries[1].PeriodSeconds, 0.04);
}

TEST(PartitionScheduleTimes, LargestPeriodThatFitsIsConverted) {
  ScheduleReader r(false);
  r.Read({SingleCoreSchedule("ScheduleName=\"I\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\""),
          PartitionSchedule("PartitionIdentifier=\"1\" PeriodSeconds=\"9e9\" PeriodDurationSeconds=\"1.5e-9\""), kPsEnd,
          kEnd});
  EXPECT_EQ(r.Partition(0).Period, 9000000000000000000);
  EXPECT_EQ(r.Partition(0).Duration, 1);  // truncated toward zero
}

TEST(PartitionScheduleTimes, LineErrors) {
  const std::string p1 = "PartitionIdentifier=\"1\" ";
  const std::string greater =
      "PartitionDuration or PeriodDurationSeconds greater than PartitionPeriod or PeriodSeconds:";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {p1 + "PartitionPeriod=\"0\" PartitionDuration=\"1\"", "Invalid PartitionPeriod specification:"},
      {p1 + "PartitionPeriod=\"10\" PartitionDuration=\"0\"", "Invalid PartitionDuration specification:"},
      {p1 + "PeriodSeconds=\"abc\" PeriodDurationSeconds=\"0.01\"", greater},
      {p1 + "PartitionPeriod=\"10000000\" PartitionDuration=\"20000000\"", greater},
      {p1 + "PeriodDurationSeconds=\"0.01\"", "Required PartitionPeriod or PeriodSeconds field missing:"},
      {p1 + "PeriodSeconds=\"0.1\"", "Required PartitionDuration or PeriodDurationSeconds field missing:"},
      {p1 + "PeriodSeconds=\"1e10\" PeriodDurationSeconds=\"0.01\"", "PeriodSeconds value out of range:"},
      {p1 + "PeriodSeconds=\"nan\" PeriodDurationSeconds=\"0.01\"", "PeriodSeconds value out of range:"},
      {p1 + "PartitionPeriod=\"-1\" PartitionDuration=\"1\"", "PartitionPeriod value out of range:"},
      {p1 + "PeriodSeconds=\"1\" PeriodDurationSeconds=\"-inf\"", "PeriodDurationSeconds value out of range:"},
      {"PeriodSeconds=\"0.1\" PeriodDurationSeconds=\"0.01\"", "Required PartitionIdentifier field missing:"},
      {"PartitionIdentifier=\"3\" PeriodSeconds=\"0.1\"", "Partition in Partition_Schedule not yet defined:"},
      {p1 + "PartitionName=\"Alpha2\" PeriodSeconds=\"0.1\"",
       "PartitionName is not correct in Partition_Schedule specification:"},
      {"PartitionIdentifier=\"Restart\" Core=\"0\"",
       "Restart Partition_Schedule not allowed when not in MultiCore mode:"},
  };
  FailCases lines;
  for (const auto& [attributes, message] : cases) lines.push_back({{kSingle, PartitionSchedule(attributes)}, message});
  ExpectLastLineFails(lines, false);
}

// Multiple-core support: one module schedule with two sub-schedules, each
// holding one Partition_Schedule.
const std::string kInitialMulti =
    "<Module_Schedule ScheduleName=\"M\" ScheduleIdentifier=\"4\" InitialModuleSchedule=\"true\">";
std::string Sub(int identifier) {
  return "<Module_Sub_Schedule SubScheduleIdentifier=\"" + std::to_string(identifier) + "\" MajorFrameSeconds=\"0.1\">";
}
Lines TwoSubSchedules(const std::string& first, const std::string& second) {
  return {kInitialMulti, Sub(1), first, kPsEnd, kSubEnd, Sub(2), second};
}

TEST(PartitionScheduleTimes, EqualTimesAcrossSubSchedulesAreKeptOnceInTheFirst) {
  ScheduleReader r;
  r.AddPartition(9, "Kern", true);
  r.Partition(0).Period = 7;  // as from a PartitionPeriodicity element
  Lines input = TwoSubSchedules(
      PartitionSchedule("PartitionIdentifier=\"1\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\" Core=\"0\""),
      PartitionSchedule("PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" PeriodDurationSeconds=\"0.01\" "
                        "Core=\"0\""));
  input.insert(input.end(), {kPsEnd, kSubEnd, kEnd});
  r.Read(input);
  r.Read({"<Module_Schedule ScheduleName=\"K\" ScheduleIdentifier=\"5\">", Sub(1), kSubEnd, Sub(2),
          PartitionSchedule("PartitionIdentifier=\"9\" PartitionPeriod=\"10000000\" PartitionDuration=\"1000000\" "
                            "Core=\"1\""),
          kPsEnd, kSubEnd, kEnd});
  const ModuleScheduleRecord& initial = r.Schedule(0);
  EXPECT_DOUBLE_EQ(initial.SubSchedules.front().PartitionEntries[0].PeriodSeconds, 0.02);
  EXPECT_DOUBLE_EQ(initial.SubSchedules.back().PartitionEntries[0].PeriodSeconds, 0.0);
  EXPECT_EQ(r.Partition(0).Period, 7);  // a sub-schedule sets only a period still 0
  EXPECT_EQ(r.Partition(0).Duration, 10000000);
  const ModuleScheduleRecord& other = r.Schedule(1);
  EXPECT_DOUBLE_EQ(other.SubSchedules.front().KernelEntry.PeriodSeconds, 0.01);
  EXPECT_DOUBLE_EQ(other.SubSchedules.back().KernelEntry.PeriodSeconds, 0.0);
  EXPECT_DOUBLE_EQ(other.KernelEntry.PeriodSeconds, 0.01);
  EXPECT_DOUBLE_EQ(other.KernelEntry.DurationSeconds, 0.001);
  EXPECT_EQ(r.Partition(2).Period, 0);  // not the initial schedule
}

TEST(PartitionScheduleTimes, DifferentTimesAcrossSubSchedulesAreRefused) {
  const std::string core0 = "Core=\"0\" PartitionIdentifier=";
  const std::string period =
      "Partition defined in multiple Module_Sub_Schedules within the same Module_Schedule, "
      "but specifies different ";
  const std::string duration =
      "Partition defined in multiple Module_Sub_Schedules within the same ModuleSchedule, "
      "but specifies different ";
  auto two = [&](const std::string& first, const std::string& second) {
    return TwoSubSchedules(PartitionSchedule(core0 + first), PartitionSchedule(core0 + second));
  };
  ExpectLastLineFails({{two("\"1\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"",
                            "\"1\" PeriodSeconds=\"0.04\" PeriodDurationSeconds=\"0.01\""),
                        period + "PartitionPeriod or PeriodSeconds values:"},
                       {two("\"9\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"",
                            "\"9\" PartitionPeriod=\"40000000\" PeriodDurationSeconds=\"0.01\""),
                        period + "ParitionPeriod or PeriodSeconds values:"},
                       {two("\"9\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"",
                            "\"9\" PeriodSeconds=\"0.04\" PeriodDurationSeconds=\"0.01\""),
                        period + "PartitionPeriod or PeriodSeconds values:"},
                       {two("\"2\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"",
                            "\"2\" PeriodSeconds=\"0.02\" PartitionDuration=\"2000000\""),
                        duration + "PartitionDuration or PeriodDurationSeconds values:"},
                       {two("\"2\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"",
                            "\"2\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.005\""),
                        duration + "PeriodDurationSeconds values:"}},
                      true, true);
}

TEST(PartitionScheduleSettings, ValuesOfTheTagLineAndCoreAffinities) {
  ScheduleReader r(false);
  r.AddPartition(3, "Gamma_Ray");
  r.Read({kSingle,
          PartitionSchedule("PartitionIdentifier=\"1\" PartitionName=\"alpha\" " + kTimes +
                            "ScheduleChangeAction=\"WARM_RESTART\" LockPriority=\"none\" LockQuantum=\"INFINITY\" "
                            "LockSlicing=\"TRUE\" MajorFrameReleaseSemaphore=\"A\" MajorFrameReleaseSemaphore=\"B\" "
                            "ProcessCoreAffinity=\"a\" TaskCoreAffinity=\"b 1 true\" ProcessCoreAffinity=\"c\" "
                            "SetModuleSchedule=\"true\""),
          "<CoreAffinities>", "<TaskCoreAffinity Name=\"rx_task\" CoreID=\"1\" Front=\"true\"/>",
          "<ProcessCoreAffinity Name=\"p\" CoreId=\"2\"/>", "</CoreAffinities>", kPsEnd,
          PartitionSchedule("PartitionIdentifier=\"1\" " + kTimes +
                            "MajorFrameReleaseSemaphore=\"C\" "
                            "SetModuleSchedule=\"true\""),
          kPsEnd,
          PartitionSchedule("PartitionIdentifier=\"3\" PartitionName=\"gamma RAY\" " + kTimes +
                            "ScheduleChangeAction=\"IGNORE_ALL\" LockPriority=\"5\" LockQuantum=\"0x10\""),
          kPsEnd, kEnd});
  const PartitionScheduleEntry& alpha = r.Schedule(0).PartitionEntries[0];
  EXPECT_EQ(alpha.ScheduleChangeAction, 2);
  EXPECT_EQ(alpha.ScheduleChangeActionGiven, 1);
  EXPECT_EQ(alpha.LockPriority, -1);
  EXPECT_EQ(alpha.LockPriorityGiven, 1);
  EXPECT_EQ(alpha.LockQuantum, -1);
  EXPECT_EQ(alpha.LockSlicing, 1);
  EXPECT_EQ(alpha.MajorFrameReleaseSemaphores, (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(alpha.TaskCoreAffinities, (std::vector<std::string>{"b 1 true", "c", "rx_task 1 true", "p 2 false"}));
  const PartitionScheduleEntry& gamma = r.Schedule(0).PartitionEntries[2];
  EXPECT_EQ(gamma.ScheduleChangeAction, 0);
  EXPECT_EQ(gamma.ScheduleChangeActionGiven, 1);
  EXPECT_EQ(gamma.LockPriority, 5);
  EXPECT_EQ(gamma.LockQuantum, 16);
  EXPECT_EQ(gamma.LockSlicing, -1);
  EXPECT_EQ(r.Partition(0).SetModuleSchedule, 1);
  EXPECT_EQ(r.model().SetModuleScheduleCount, 1);  // counted once per partition
}

TEST(PartitionScheduleSettings, RefusedValues) {
  const std::string kernel = "PartitionIdentifier=\"9\" " + kTimes;
  const std::string alpha = "PartitionIdentifier=\"1\" " + kTimes;
  const std::string affinities = "<CoreAffinities>";
  ExpectLastLineFails(
      {
          {{kSingle, PartitionSchedule(alpha + "ScheduleChangeAction=\"RESET\"")}, "Incorrect ScheduleChangeAction:"},
          {{kSingle, PartitionSchedule(kernel + "ScheduleChangeAction=\"IDLE\"")},
           "IDLE not allowed as ScheduleChangeAction for Kernel partition:"},
          {{kSingle, PartitionSchedule(kernel + "ScheduleChangeAction=\"warm_restart\"")},
           "WARM_START not allowed as ScheduleChangeAction for Kernel partition:"},
          {{kSingle, PartitionSchedule(kernel + "ScheduleChangeAction=\"COLD_RESTART\"")},
           "COLD_START or COLD_RESTART not allowed as ScheduleChangeAction for Kernel partition:"},
          {{kSingle, PartitionSchedule(alpha + "LockSlicing=\"yes\"")}, "Invalid LockSlicing value: "},
          {{kSingle, PartitionSchedule(alpha + "Core=\"0\"")},
           "Core attribute only supported with MultiCore option(-q):"},
          {{kSingle, PartitionSchedule(alpha + "SetModuleSchedule=\"true\""), kPsEnd,
            PartitionSchedule(alpha + "SetModuleSchedule=\"false\"")},
           "SetModuleSchedule value must be the same for all instances of a partition:"},
          {{kSingle, PartitionSchedule(alpha), affinities, "<Task Name=\"t\" CoreId=\"1\"/>"},
           "Invalid CoreAffinities specification:"},
          {{kSingle, PartitionSchedule(alpha), affinities, "<TaskCoreAffinity CoreId=\"1\"/>"},
           "Required Name field missing:"},
          {{kSingle, PartitionSchedule(alpha), affinities, "<TaskCoreAffinity Name=\"t\" Core=\"1\"/>"},
           "Required CoreID field missing:"},
          {{kSingle, PartitionSchedule(alpha), affinities, "<TaskCoreAffinity Name=\"t\" CoreId=\"1\" Front=\"no\"/>"},
           "Invalid Front value: "},
      },
      false, true);
}

// Multiple-core support: partitions 1 and 9 (kernel) use logical cores,
// partition 2 does not.
TEST(PartitionScheduleSettings, CoresAndActionsAcrossSubSchedules) {
  auto ps = [](const std::string& identifier, const std::string& rest) {
    return PartitionSchedule("PartitionIdentifier=\"" + identifier + "\" " + kTimes + rest);
  };
  ScheduleReader r;
  r.AddPartition(9, "Kern", true);
  r.Partition(1).LogicalCores = 0;
  r.Read({kInitialMulti,
          Sub(1),
          ps("1", "Core=\"all\""),
          kPsEnd,
          ps("2", "Core=\"0\""),
          kPsEnd,
          ps("9", "Core=\"1\""),
          kPsEnd,
          ps("9", "Core=\"3\""),
          kPsEnd,
          kSubEnd,
          Sub(2),
          ps("1", "Core=\"ALL\" ScheduleChangeAction=\"IDLE\""),
          kPsEnd,
          ps("2", "Core=\"1\""),
          kPsEnd,
          ps("9", "Core=\"3\""),
          kPsEnd,
          kSubEnd,
          kEnd});
  const ModuleScheduleRecord& first = r.Schedule(0).SubSchedules.front();
  EXPECT_EQ(first.PartitionEntries[0].ScheduleChangeAction, 1);  // taken over from sub-schedule 2
  EXPECT_EQ(first.PartitionEntries[0].ScheduleChangeActionGiven, 1);
  EXPECT_EQ(r.Schedule(0).SubSchedules.back().PartitionEntries[0].Core, "ALL");
  EXPECT_EQ(first.KernelEntry.Core, "3");  // the kernel's second Core replaced the first

  const std::string p1 = "PartitionIdentifier=\"1\" " + kTimes;
  const std::string kernel = "PartitionIdentifier=\"9\" " + kTimes;
  const std::string logical =
      "Module_Sub_Schedules in the same Module_Schedule have different Core specifications for a partition that has "
      "LogicalCores set to true:";
  ExpectLastLineFails(
      {
          {{kInitialMulti, Sub(1), PartitionSchedule(p1)},
           "No Core specified in Partition_Schedule while in MultiCore mode:"},
          {{kInitialMulti, Sub(1), PartitionSchedule("PartitionIdentifier=\"NULLPartition\"")},
           "No Core specified in Partition_Schedule while in MultiCore mode:"},
          {{kInitialMulti, Sub(1), PartitionSchedule(p1 + "Core=\"1\""), kPsEnd, PartitionSchedule(p1 + "Core=\"2\"")},
           "Within a Module_Schedule, multiple Partition_Schedule specifications that reference the same "
           "PartitionIdentifier must have matching Core specifications:"},
          {{kInitialMulti, Sub(1), PartitionSchedule(p1 + "Core=\"0,1\""), kPsEnd, kSubEnd, Sub(2),
            PartitionSchedule(p1 + "Core=\"0,2\"")},
           logical},
          {{kInitialMulti, Sub(1), PartitionSchedule(kernel + "Core=\"1\""), kPsEnd, kSubEnd, Sub(2),
            PartitionSchedule(kernel + "Core=\"2\"")},
           logical},
          {{kInitialMulti, Sub(1), PartitionSchedule(p1 + "Core=\"1\" ScheduleChangeAction=\"IDLE\""), kPsEnd, kSubEnd,
            Sub(2), PartitionSchedule(p1 + "Core=\"1\" ScheduleChangeAction=\"COLD_START\"")},
           "ScheduleChangeAction specifications for a partition must be the same across Module_Sub_Schedules:"},
      },
      true, true);
}

TEST(ScheduleWindows, TimesFlagsSemaphoresAndUserData) {
  ScheduleReader r(false);
  r.Read({kSingle, PartitionSchedule("PartitionIdentifier=\"1\" " + kTimes),
          "<Window_Schedule WindowIdentifier=\"1\" Offset=\"5000000\" Duration=\"2500000\" "
          "PartitionPeriodStart=\"true\" MinorFrameReleaseSemaphore=\"A\" MinorFrameReleaseSemaphore=\"B\" "
          "WindowUserData=\"3\" WindowUserDataMode=\"7\">",
          "<WindowUserData Value=\"0x10\" Description=\"d\"/>", "</Window_Schedule>",
          "<Partition_Time_Window WindowStartSeconds=\"0.010\" WindowDurationSeconds=\"0.02\" "
          "PeriodicProcessingStart=\"false\" PartitionNameRef=\"Alpha one\"/>",
          "<WindowSchedule Offset=\"0\" Duration=\"1\"/>", "<WindowUserData Value=\"1\"/>",
          "<PartitionTimeWindow Offset=\"25000000\" Duration=\"1000000000\"/>", "<Bogus/>", kPsEnd, kEnd});
  EXPECT_EQ(r.t.console.err,
            WarningLine("Line 10 - Unexpected Partition_Schedule tag line:") + WarningLine("<Bogus/>"));
  EXPECT_EQ(r.model().WindowsDefined, 1);
  EXPECT_EQ(r.Partition(0).HasPartitionPeriodStart, 1);
  const std::deque<WindowRecord*>& windows = r.Partition(0).Windows;
  ASSERT_EQ(windows.size(), 4u);
  const WindowRecord& w = *windows[0];
  EXPECT_EQ(w.WindowStartSeconds + " " + w.WindowDurationSeconds, "0.005000 0.002500");
  EXPECT_EQ(w.PartitionPeriodStart, 1);
  EXPECT_EQ(w.SharedPartitionIdentifier, -1);
  EXPECT_EQ(w.ScheduleIdentifier, 3);
  EXPECT_EQ(w.SubScheduleIdentifier, 0);
  EXPECT_EQ(w.MinorFrameReleaseSemaphores, (std::vector<std::string>{"B", "A"}));
  ASSERT_EQ(w.UserData.size(), 3u);
  EXPECT_EQ(w.UserData[0].Value, 3);
  EXPECT_FALSE(w.UserData[0].DescriptionGiven);
  EXPECT_EQ(w.UserData[1].Value, 7);
  EXPECT_EQ(w.UserData[1].Description, "Mode");
  EXPECT_EQ(w.UserData[2].Value, 16);
  EXPECT_EQ(w.UserData[2].Description, "d");
  EXPECT_EQ(windows[1]->WindowStartSeconds + " " + windows[1]->WindowDurationSeconds, "0.010 0.02");
  EXPECT_EQ(windows[1]->PartitionPeriodStart, 0);
  EXPECT_EQ(windows[2]->WindowDurationSeconds, "0.000000");
  EXPECT_EQ(windows[2]->UserData.size(), 1u);
  // Read although it directly follows a user data line.
  EXPECT_EQ(windows[3]->WindowStartSeconds + " " + windows[3]->WindowDurationSeconds, "0.025000 1.000000");
}

TEST(ScheduleWindows, RefusedWindows) {
  const std::string ps = PartitionSchedule("PartitionIdentifier=\"1\" " + kTimes);
  ExpectLastLineFails(
      {
          {{kSingle, ps, "<Window_Schedule Duration=\"1\"/>"}, "Required WindowStartSeconds or Offset field missing:"},
          {{kSingle, ps, "<Window_Schedule WindowStartSeconds=\"0\"/>"},
           "Required WindowDurationSeconds or Duration field missing:"},
          {{kSingle, ps, "<Window_Schedule PartitionNameRef=\"Beta\" Offset=\"0\" Duration=\"1\"/>"},
           "PartitionNameRef does not match the Partition_Schedule specification:"},
          {{kSingle, ps, "<Window_Schedule Offset=\"0\" Duration=\"1\" PartitionPeriodStart=\"1\"/>"},
           "Invalid PartitionPeriodStart or PeriodicProcessingStart value: "},
          {{kSingle, ps, "<Window_Schedule Offset=\"0\" Duration=\"1\"/>", "<WindowUserData Description=\"x\"/>"},
           "Required Value field missing:"},
      },
      false);
}

TEST(ScheduleWindows, NullPartitionWindowsCarryUserDataAndTheCore) {
  ScheduleReader r;
  r.Read({kInitialMulti, Sub(2), PartitionSchedule("PartitionIdentifier=\"NULLPartition\" Core=\"all\""),
          "<Window_Schedule Offset=\"0\" Duration=\"1000000\" WindowUserData=\"5\"/>", kPsEnd, kSubEnd, kEnd});
  ASSERT_EQ(r.model().NULLPartition.Windows.size(), 1u);
  const WindowRecord& w = *r.model().NULLPartition.Windows.front();
  EXPECT_EQ(w.Core, "all");
  EXPECT_EQ(w.ScheduleIdentifier, 4);
  EXPECT_EQ(w.SubScheduleIdentifier, 2);
  EXPECT_EQ(w.WindowDurationSeconds, "0.001000");
  ASSERT_EQ(w.UserData.size(), 1u);
  EXPECT_EQ(w.UserData[0].Value, 5);

  const std::string null = "PartitionIdentifier=\"NULLPartition\" Core=\"0\" ";
  const std::string ps = PartitionSchedule(null);
  // User data children do not stand in for the attribute.
  const std::string window = "<Window_Schedule Offset=\"0\" Duration=\"1\">";
  ScheduleReader without_attribute;
  EXPECT_EQ(without_attribute.Fails({kInitialMulti, Sub(1), ps, window, "<WindowUserData Value=\"1\"/>"}),
            Fatal(4, "WindowUserData specification required with NULLPartition Partition_Schedule:", window));
  FailCases cases = {
      {{kInitialMulti, Sub(1), ps, "<Shared_Schedule PartitionIdentifier=\"1\"/>"},
       "Cannot specify Shared_Schedule for NULLPartition:"},
      {{kInitialMulti, Sub(1), ps, "<Window_Schedule PartitionNameRef=\"x\" Offset=\"0\" Duration=\"1\"/>"},
       "Cannot specify PartitionNameRef for NULLPartition:"},
      {{kInitialMulti, Sub(1), ps, "<CoreAffinities>", "<TaskCoreAffinity Name=\"t\" CoreId=\"1\"/>"},
       "Cannot specify ProcessCoreAffinity or TaskCoreAffinity for NULLPartition:"},
  };
  for (const std::string attribute : {"PartitionName", "PartitionPeriod", "PeriodSeconds", "PartitionDuration",
                                      "PeriodDurationSeconds", "ScheduleChangeAction", "MajorFrameReleaseSemaphore",
                                      "TaskCoreAffinity", "LockPriority", "LockQuantum", "LockSlicing"}) {
    cases.push_back({{kInitialMulti, Sub(1), PartitionSchedule(null + attribute + "=\"1\"")},
                     "Cannot specify " + attribute + " for NULLPartition:"});
  }
  ExpectLastLineFails(cases, true);
}

TEST(SharedSchedules, LinksAndTheirChecks) {
  ScheduleReader r(false);
  // Without multiple-core support no Core exists, so the order is free.
  r.Read({kSingle, PartitionSchedule("PartitionIdentifier=\"2\" " + kTimes),
          "<SharedSchedule PartitionIdentifier=\"1\"/>", kPsEnd, kEnd});
  ASSERT_EQ(r.Partition(1).Windows.size(), 1u);
  const WindowRecord& link = *r.Partition(1).Windows.front();
  EXPECT_EQ(link.IsSharedSchedule, 1);
  EXPECT_EQ(link.SharedPartitionIdentifier, 1);
  EXPECT_EQ(link.ScheduleIdentifier, 3);
  EXPECT_TRUE(link.WindowStartSeconds.empty());
  EXPECT_EQ(r.model().WindowsDefined, 0);

  const std::string single1 = PartitionSchedule("PartitionIdentifier=\"1\" " + kTimes);
  const std::string single2 = PartitionSchedule("PartitionIdentifier=\"2\" " + kTimes);
  const std::string to1 = "<Shared_Schedule PartitionIdentifier=\"1\"/>";
  ExpectLastLineFails(
      {
          {{kSingle, single2, to1, to1}, "Redundant Shared_Schedule specification:"},
          {{kSingle, single2, "<Shared_Schedule PartitionIdentifier=\"4\"/>"},
           "Incorrect PartitionIdentifier specification:"},
          {{kSingle, single2, "<Shared_Schedule Identifier=\"1\"/>"}, "Required PartitionIdentifier field missing:"},
          {{kSingle, single2, to1, kPsEnd, single1, "<Shared_Schedule PartitionIdentifier=\"2\"/>"},
           "Shared_Schedule partition cannot be linked to another Shared_Schedule partition:"},
      },
      false);
  const std::string multi1 = PartitionSchedule("PartitionIdentifier=\"1\" Core=\"1\" " + kTimes);
  const std::string multi2 = PartitionSchedule("PartitionIdentifier=\"2\" Core=\"0\" " + kTimes);
  ExpectLastLineFails(
      {
          {{kInitialMulti, Sub(1), multi2, to1},
           "With a Shared_Schedule, the Shared_Schedule Partition_Schedule must come after the Partition_Schedule it "
           "is sharing:"},
          {{kInitialMulti, Sub(1), multi1, kPsEnd, multi2, to1},
           "With a Shared_Schedule, the Core specified in the Partition_Schedule must match that of the schedule "
           "being shared:"},
      },
      true);
}

TEST(RestartSchedules, CoreAndWindowsOnly) {
  ScheduleReader r;
  r.Read({kInitialMulti, Sub(1), PartitionSchedule("PartitionIdentifier=\"Restart\" Core=\"2,3\" PeriodSeconds=\"x\""),
          "<Window_Schedule Offset=\"1000000\" Duration=\"2000000\"/>", "<Foo/>",
          "<PartitionTimeWindow WindowStartSeconds=\"0.5\" WindowDurationSeconds=\"0.1\"/>", kPsEnd, kSubEnd, kEnd});
  EXPECT_EQ(r.t.console.err, "");
  const ModuleScheduleRecord& sub = r.Schedule(0).SubSchedules.front();
  ASSERT_EQ(sub.RestartSchedules.size(), 1u);
  const RestartScheduleRecord& restart = sub.RestartSchedules.front();
  EXPECT_EQ(restart.Core, "2,3");
  ASSERT_EQ(restart.Windows.size(), 2u);
  EXPECT_EQ(restart.Windows[0].WindowStartSeconds + " " + restart.Windows[0].WindowDurationSeconds,
            "0.001000 0.002000");
  EXPECT_EQ(restart.Windows[1].WindowStartSeconds, "0.5");
  EXPECT_EQ(r.model().WindowsDefined, 0);
  ExpectLastLineFails({{{kInitialMulti, Sub(1), PartitionSchedule("PartitionIdentifier=\"Restart\"")},
                        "No Core specified, or specified incorrectly, in Restart Partition_Schedule while in "
                        "MultiCore mode:"}},
                      true);
}

}  // namespace
}  // namespace cfgxlate::test
