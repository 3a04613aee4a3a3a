// The partition schedules of the integrate file: single-core Partition
// blocks, affinity groups and sub-schedule blocks, from whole runs on small
// configurations. Expected lines are worked out by hand from the documented
// formats; kernel object numbers follow the kernel numbering (K = 400,
// partition objects from 410 on).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gen/integrate/partition_schedules.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

std::string Partition(int identifier, const std::string& name, const std::string& children = "",
                      const std::string& attributes = "") {
  return "<Partition PartitionIdentifier=\"" + std::to_string(identifier) + "\" PartitionName=\"" + name + "\"" +
         attributes + ">\n" + children + "</Partition>\n";
}

std::string Kernel(const std::string& children = "") {
  return Partition(9, "Kern", children, " KernelPartition=\"true\"");
}

std::string Semaphore(const std::string& name) {
  return "<Semaphore Name=\"" + name + "\" Kind=\"Counting\" InitialValue=\"0\"/>\n";
}

// A Partition_Schedule with a 20 ms period and 10 ms duration.
std::string Scheduled(const std::string& identifier, const std::string& attributes, const std::string& children) {
  return "<Partition_Schedule PartitionIdentifier=\"" + identifier +
         "\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\"" + attributes + ">\n" + children +
         "</Partition_Schedule>\n";
}

// NULLPartition and Restart schedules take no period.
std::string Special(const std::string& identifier, const std::string& core, const std::string& children) {
  return "<Partition_Schedule PartitionIdentifier=\"" + identifier + "\" Core=\"" + core + "\">\n" + children +
         "</Partition_Schedule>\n";
}

std::string Window(long long offset_ns, long long duration_ns, const std::string& extra = "") {
  return "<Window_Schedule WindowIdentifier=\"1\" Offset=\"" + std::to_string(offset_ns) + "\" Duration=\"" +
         std::to_string(duration_ns) + "\"" + extra + "/>\n";
}

const std::string kPeriodStart = " PartitionPeriodStart=\"true\"";

std::string Link(int identifier) {
  return "<Shared_Schedule PartitionIdentifier=\"" + std::to_string(identifier) + "\"/>\n";
}

std::string Sub(int identifier, const std::string& major_frame, const std::string& body) {
  return "<Module_Sub_Schedule SubScheduleIdentifier=\"" + std::to_string(identifier) + "\" MajorFrameSeconds=\"" +
         major_frame + "\">\n" + body + "</Module_Sub_Schedule>\n";
}

// `attributes` add MajorFrameSeconds for single-core schedules.
std::string Schedule(const std::string& name, int identifier, bool initial, const std::string& body,
                     const std::string& attributes = "") {
  return "<Module_Schedule ScheduleName=\"" + name + "\" ScheduleIdentifier=\"" + std::to_string(identifier) + "\"" +
         (initial ? " InitialModuleSchedule=\"true\"" : "") + attributes + ">\n" + body + "</Module_Schedule>\n";
}

std::string Module(const std::string& partitions, const std::string& schedules,
                   const std::string& module_attributes = "") {
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\"" + module_attributes + ">\n" + partitions +
         schedules + "</ARINC_653_Module>\n";
}

// From the first group or schedule line to the last schedule end line.
std::string ScheduleText(const std::string& text) {
  const size_t start = std::min(text.find("\n\tAffinityGroup\t"), text.find("\n\tPartitionSchedule\t"));
  const std::string last = "\tEndPartitionSchedule\n";
  const size_t end = text.rfind(last);
  if (start == std::string::npos || end == std::string::npos) return "";
  return text.substr(start + 1, end + last.size() - start - 1);
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const size_t start = text.find(from);
  if (start == std::string::npos) return "<no " + from + ">";
  return text.substr(start, text.find(to, start) - start);
}

// A run that stops in the schedule writer leaves no integrate file.
void ExpectFatal(const std::string& xml, const std::string& message, const std::string& detail) {
  const IntRun r = Translate(xml);
  const int end_line = static_cast<int>(std::count(xml.begin(), xml.end(), '\n')) + 1;
  EXPECT_EQ(r.run.status, 1);
  EXPECT_EQ(r.run.err, ErrorLine("Line " + std::to_string(end_line) + " - " + message) + ErrorLine(detail));
  EXPECT_FALSE(r.written);
}

TEST(PartitionSchedulesAbsent, NoScheduleOrNoWindowWritesNothing) {
  TestContext t;
  t.ctx.model.schedules.WindowsDefined = 1;  // but no module schedule
  TextBuffer out;
  WritePartitionSchedules(t.ctx, out);
  EXPECT_EQ(out.str(), "");

  // Scheduled partitions without any time window; a link is no window.
  const std::string partitions = Partition(1, "P1") + Partition(2, "P2");
  const std::string single = Scheduled("1", "", "") + Scheduled("2", "", Link(1));
  const IntRun single_run =
      Translate(Module(partitions, Schedule("S", 1, true, single, " MajorFrameSeconds=\"0.02\"")), {"-q0"});
  ASSERT_EQ(single_run.run.status, 0) << single_run.run.err;
  EXPECT_EQ(single_run.text.find("PartitionSchedule"), std::string::npos);
  const std::string multi = Sub(1, "0.02", Scheduled("1", " Core=\"0\"", "") + Scheduled("2", " Core=\"0\"", Link(1)));
  const IntRun multi_run = Translate(Module(partitions, Schedule("S", 1, true, multi)));
  ASSERT_EQ(multi_run.run.status, 0) << multi_run.run.err;
  EXPECT_EQ(multi_run.text.find("PartitionSchedule"), std::string::npos);
  EXPECT_EQ(multi_run.text.find("AffinityGroup"), std::string::npos);
}

// Kern links to P2, P3 links to P1; P1 has only period-start windows in S1
// and both kinds in S2; P2 has no period-start window and no ARINC objects.
// Kernel objects:
// P1 MR_P1 410 and release semaphore 411, P2 412, P3 413 and 414.
std::string SingleCoreModule() {
  const std::string partitions =
      Kernel() + Partition(1, "P1") + Partition(2, "P2", "", " NoObjects=\"true\"") + Partition(3, "P3");
  const std::string s1 =
      Scheduled("9", "", Link(2)) +
      Scheduled("1", "", Window(0, 5000000, kPeriodStart) + Window(10000000, 5000000, kPeriodStart)) +
      Scheduled("2", "", Window(5000000, 5000000)) + Scheduled("3", "", Link(1));
  const std::string s2 = Scheduled("1", "",
                                   "<Window_Schedule WindowStartSeconds=\"0.001\" WindowDurationSeconds=\"2e-3\"/>\n" +
                                       Window(10000000, 5000000, kPeriodStart));
  return Module(partitions, Schedule("S1", 1, true, s1, " MajorFrameSeconds=\"0.02\"") +
                                Schedule("S2", 2, false, s2, " MajorFrameSeconds=\"0.04\""));
}

TEST(PartitionSchedulesSingleCore, PeriodStartAndRemainingBlocks) {
  const IntRun r = Translate(SingleCoreModule(), {"-q0"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(ScheduleText(r.text),
            "\tPartitionSchedule\t1\n\t\tMajorFramePeriod\t0.02\n\t\tBackgroundMaxPriority\t-1\n"
            "\t\tPartition\tP1-1\n\t\t\tAddressSpace\tP1\n\t\t\tAddressSpace\tP3\n"
            "\t\t\tPartitionReleaseNotification\t411\n"
            "\t\t\tOffset\t\t0.000000\n\t\t\tExecTime\t0.005000\n\t\t\tOffset\t\t0.010000\n\t\t\tExecTime\t0.005000\n"
            "\t\tEndPartition\n"
            "\t\tPartition\tP2-2\n\t\t\tAddressSpace\tP2\n\t\t\tAddressSpace\tKernelSpace\n"
            "\t\t\tOffset\t\t0.005000\n\t\t\tExecTime\t0.005000\n\t\tEndPartition\n"
            "\tEndPartitionSchedule\n"
            "\tPartitionSchedule\t2\n\t\tMajorFramePeriod\t0.04\n\t\tBackgroundMaxPriority\t-1\n"
            "\t\tPartition\tP1-1\n\t\t\tAddressSpace\tP1\n\t\t\tPartitionReleaseNotification\t411\n"
            "\t\t\tOffset\t\t0.010000\n\t\t\tExecTime\t0.005000\n\t\tEndPartition\n"
            "\t\tPartition\tP1-2\n\t\t\tAddressSpace\tP1\n\t\t\tOffset\t\t0.001\n\t\t\tExecTime\t2e-3\n"
            "\t\tEndPartition\n"
            "\tEndPartitionSchedule\n");
}

TEST(PartitionSchedulesSingleCore, KernelSpaceInAllWindowsAndBackgroundPriority) {
  // -a adds KernelSpace to P1's blocks, not to P2's "-2" block (no ARINC
  // objects), and drops the kernel as a sharer.
  const IntRun r = Translate(SingleCoreModule(), {"-q0", "-a", "-b", "7"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(ScheduleText(r.text),
            "\tPartitionSchedule\t1\n\t\tMajorFramePeriod\t0.02\n\t\tBackgroundMaxPriority\t7\n"
            "\t\tPartition\tP1-1\n\t\t\tAddressSpace\tP1\n\t\t\tAddressSpace\tKernelSpace\n\t\t\tAddressSpace\tP3\n"
            "\t\t\tPartitionReleaseNotification\t411\n"
            "\t\t\tOffset\t\t0.000000\n\t\t\tExecTime\t0.005000\n\t\t\tOffset\t\t0.010000\n\t\t\tExecTime\t0.005000\n"
            "\t\tEndPartition\n"
            "\t\tPartition\tP2-2\n\t\t\tAddressSpace\tP2\n\t\t\tOffset\t\t0.005000\n\t\t\tExecTime\t0.005000\n"
            "\t\tEndPartition\n"
            "\tEndPartitionSchedule\n"
            "\tPartitionSchedule\t2\n\t\tMajorFramePeriod\t0.04\n\t\tBackgroundMaxPriority\t7\n"
            "\t\tPartition\tP1-1\n\t\t\tAddressSpace\tP1\n\t\t\tAddressSpace\tKernelSpace\n"
            "\t\t\tPartitionReleaseNotification\t411\n\t\t\tOffset\t\t0.010000\n\t\t\tExecTime\t0.005000\n"
            "\t\tEndPartition\n"
            "\t\tPartition\tP1-2\n\t\t\tAddressSpace\tP1\n\t\t\tAddressSpace\tKernelSpace\n"
            "\t\t\tOffset\t\t0.001\n\t\t\tExecTime\t2e-3\n\t\tEndPartition\n"
            "\tEndPartitionSchedule\n");
}

// Four cores. Sub-schedule 1: the kernel on core 0, P1 on cores 1 and 2
// shared by P2, a restart on core 3 (P3 unscheduled); sub-schedule 2: P3 on
// all cores. Kernel semaphores FrameSem 410 and Tick 411; release
// semaphores P1 413, P2 415 (its first window links to P1), P3 417.
std::string MultiCoreModule(const std::string& p1_release = "TICK", const std::string& p1_children = "") {
  const std::string partitions = Kernel(Semaphore("FrameSem") + Semaphore("Tick")) + Partition(1, "P1", p1_children) +
                                 Partition(2, "P2") + Partition(3, "P3");
  const std::string sub1 =
      Scheduled("9",
                " Core=\"0\" TaskCoreAffinity=\"kt 0 true\" LockPriority=\"None\" LockSlicing=\"false\" "
                "MajorFrameReleaseSemaphore=\"framesem\"",
                Window(0, 2000000)) +
      Scheduled("1",
                " Core=\"1,2\" LockPriority=\"5\" LockQuantum=\"Infinity\" LockSlicing=\"true\" "
                "TaskCoreAffinity=\"t1 1 false\" MajorFrameReleaseSemaphore=\"" +
                    p1_release + "\"",
                Window(0, 10000000,
                       kPeriodStart + " MinorFrameReleaseSemaphore=\"Tick\" WindowUserData=\"3\" "
                                      "WindowUserDataMode=\"7\"") +
                    Window(10000000, 5000000)) +
      Scheduled("2", " Core=\"1,2\" TaskCoreAffinity=\"t2 2 true\" MajorFrameReleaseSemaphore=\"FrameSem\"", Link(1)) +
      Special("Restart", "3", Window(15000000, 5000000));
  const std::string sub2 = Scheduled("3", " Core=\"all\" LockQuantum=\"100\"", Window(0, 10000000, kPeriodStart));
  return Module(partitions, Schedule("S1", 1, true, Sub(1, "0.02", sub1) + Sub(2, "0.04", sub2)),
                " NumberOfCores=\"4\"");
}

TEST(PartitionSchedulesMultiCore, GroupsAndBlocksAcrossSubSchedules) {
  const IntRun r = Translate(MultiCoreModule());
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  // P2 gets no group: its first window in the schedule is a link.
  EXPECT_EQ(ScheduleText(r.text),
            "\tAffinityGroup\t1\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tKernelSpace\n"
            "\t\t\tTaskCoreAffinity\tkt 0 true\n\t\tLockPriority\tNONE\n\t\tLockSlicing\tfalse\n"
            "\tEndAffinityGroup\n"
            "\tAffinityGroup\t2\n\t\tCoreID\t1\n\t\tCoreID\t2\n"
            "\t\tLockPriority\t5\n\t\tLockQuantum\tINFINITY\n\t\tLockSlicing\ttrue\n"
            "\t\tPrimaryAddressSpace\tP1\n\t\t\tTaskCoreAffinity\tt1 1 false\n"
            "\t\tPrimaryAddressSpace\tP2\n\t\t\tTaskCoreAffinity\tt2 2 true\n"
            "\tEndAffinityGroup\n"
            "\tAffinityGroup\t3\n\t\tCoreID\t3\n\t\tRestartAddressSpace\tP3\n\tEndAffinityGroup\n"
            "\tAffinityGroup\t4\n\t\tCoreID\t0\n\t\tCoreID\t1\n\t\tCoreID\t2\n\t\tCoreID\t3\n"
            "\t\tLockQuantum\t100\n\t\tPrimaryAddressSpace\tP3\n\tEndAffinityGroup\n"
            "\tPartitionSchedule\t1\n"
            "\t\tPartitionSubSchedule\t1\n\t\t\tMajorFramePeriod\t0.02\n"
            "\t\t\tMajorFrameRelease\t410 1\n"
            "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\t1\n"
            "\t\t\t\tOffset\t\t0.000000\n\t\t\t\tExecTime\t0.002000\n"
            "\t\t\tEndPartitionTimeWindows\n"
            "\t\t\tMajorFrameRelease\t411 2\n\t\t\tMajorFrameRelease\t410 2\n"
            "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\t2\n"
            "\t\t\t\tOffset\t\t0.000000\n\t\t\t\tExecTime\t0.010000\n"
            "\t\t\t\t\tMinorFrameRelease\t413\n\t\t\t\t\tMinorFrameRelease\t415\n"
            "\t\t\t\t\tMinorFrameRelease\t411\n"
            "\t\t\t\t\tUserData\t0x3\n\t\t\t\t\tUserDataMode\t0x7\n"
            "\t\t\t\tOffset\t\t0.010000\n\t\t\t\tExecTime\t0.005000\n"
            "\t\t\tEndPartitionTimeWindows\n"
            "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\t3\n"
            "\t\t\t\tOffset\t\t0.015000\n\t\t\t\tExecTime\t0.005000\n"
            "\t\t\tEndPartitionTimeWindows\n"
            "\t\tEndPartitionSubSchedule\n"
            "\t\tPartitionSubSchedule\t2\n\t\t\tMajorFramePeriod\t0.04\n"
            "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\t4\n"
            "\t\t\t\tOffset\t\t0.000000\n\t\t\t\tExecTime\t0.010000\n\t\t\t\t\tMinorFrameRelease\t417\n"
            "\t\t\tEndPartitionTimeWindows\n"
            "\t\tEndPartitionSubSchedule\n"
            "\tEndPartitionSchedule\n");

  // -a: KernelSpace joins every partition group with the kernel entry's
  // affinities of that sub-schedule.
  const IntRun all_windows = Translate(MultiCoreModule(), {"-a"});
  ASSERT_EQ(all_windows.run.status, 0) << all_windows.run.err;
  EXPECT_EQ(Between(all_windows.text, "\tAffinityGroup\t2\n", "\tAffinityGroup\t3\n"),
            "\tAffinityGroup\t2\n\t\tCoreID\t1\n\t\tCoreID\t2\n"
            "\t\tLockPriority\t5\n\t\tLockQuantum\tINFINITY\n\t\tLockSlicing\ttrue\n"
            "\t\tPrimaryAddressSpace\tP1\n\t\t\tTaskCoreAffinity\tt1 1 false\n"
            "\t\tPrimaryAddressSpace\tKernelSpace\n\t\t\tTaskCoreAffinity\tkt 0 true\n"
            "\t\tPrimaryAddressSpace\tP2\n\t\t\tTaskCoreAffinity\tt2 2 true\n"
            "\tEndAffinityGroup\n");
  EXPECT_EQ(Between(all_windows.text, "\tAffinityGroup\t4\n", "\tPartitionSchedule\t"),
            "\tAffinityGroup\t4\n\t\tCoreID\t0\n\t\tCoreID\t1\n\t\tCoreID\t2\n\t\tCoreID\t3\n"
            "\t\tLockQuantum\t100\n\t\tPrimaryAddressSpace\tP3\n\t\tPrimaryAddressSpace\tKernelSpace\n"
            "\tEndAffinityGroup\n");
}

TEST(PartitionSchedulesMultiCore, ReleaseSemaphoresMustBeKernelSemaphores) {
  const std::string major = "MajorFrameReleaseSemaphore not found as a KernelSpace semaphore:";
  // P1's own semaphore is not a kernel semaphore.
  ExpectFatal(MultiCoreModule("Own", Semaphore("Own")), major, "Own");

  const std::string window = Window(0, 5000000, " MinorFrameReleaseSemaphore=\"Gone\"");
  const std::string minor_missing =
      Module(Kernel(Semaphore("Tick")) + Partition(1, "P1"),
             Schedule("S1", 1, true, Sub(1, "0.02", Scheduled("1", " Core=\"0\"", window))));
  ExpectFatal(minor_missing, "MinorFrameReleaseSemaphore not found as a KernelSpace semaphore:", "Gone");

  const std::string no_kernel = Module(
      Partition(1, "P1"),
      Schedule("S1", 1, true,
               Sub(1, "0.02", Scheduled("1", " Core=\"0\" MajorFrameReleaseSemaphore=\"Tick\"", Window(0, 5000000)))));
  ExpectFatal(no_kernel, major, "Tick");
}

// One time-window block.
std::string Block(const std::string& group, const std::string& offset, const std::string& exec_time,
                  const std::string& extra = "") {
  return "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\t" + group + "\n\t\t\t\tOffset\t\t" + offset +
         "\n\t\t\t\tExecTime\t" + exec_time + "\n" + extra + "\t\t\tEndPartitionTimeWindows\n";
}

TEST(PartitionSchedulesMultiCore, NullPartitionWindowsOncePerCore) {
  // Window A on all four cores, then B on cores 2 and 0: each core's block
  // lists the windows that hold the core, in their order.
  const std::string null_windows =
      Special("NULLPartition", "ALL", Window(5000000, 1000000, " WindowUserData=\"1\"")) +
      Special("NULLPartition", "2,0",
              "<Window_Schedule Offset=\"7000000\" Duration=\"1000000\" WindowUserDataX=\"0x20\">\n"
              "<WindowUserData Value=\"0xff\" Description=\"Y\"/>\n</Window_Schedule>\n");
  const std::string sub = Scheduled("1", " Core=\"0\"", Window(0, 5000000)) + null_windows;
  const IntRun r =
      Translate(Module(Partition(1, "P1"), Schedule("S1", 1, true, Sub(1, "0.02", sub)), " NumberOfCores=\"4\""));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  const std::string a = "\t\t\t\tOffset\t\t0.005000\n\t\t\t\tExecTime\t0.001000\n\t\t\t\t\tUserData\t0x1\n";
  const std::string b =
      "\t\t\t\tOffset\t\t0.007000\n\t\t\t\tExecTime\t0.001000\n\t\t\t\t\tUserDataX\t0x20\n\t\t\t\t\tUserDataY\t0xff\n";
  const auto null_block = [](int core, const std::string& windows) {
    return "\t\t\tPartitionTimeWindows\n\t\t\t\tAffinityGroup\tNULLCore" + std::to_string(core) + "AffinityGroup\n" +
           windows + "\t\t\tEndPartitionTimeWindows\n";
  };
  EXPECT_EQ(ScheduleText(r.text),
            "\tAffinityGroup\t1\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP1\n\tEndAffinityGroup\n"
            "\tPartitionSchedule\t1\n\t\tPartitionSubSchedule\t1\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("1", "0.000000", "0.005000") + null_block(0, a + b) + null_block(1, a) + null_block(2, a + b) +
                null_block(3, a) + "\t\tEndPartitionSubSchedule\n\tEndPartitionSchedule\n");
}

// A group is written for a partition only where its first window in the
// sub-schedule is a time window: not for P1 in sub-schedule 2 (no window
// there, although its first window in the schedule is one), but for P2 there
// (although its first window in the schedule is a link).
TEST(PartitionSchedulesMultiCore, GroupsFollowTheWindowsOfTheSubSchedule) {
  const std::string window = Window(0, 5000000);
  const std::string sub1 = Scheduled("1", " Core=\"0\"", window) + Scheduled("2", " Core=\"0\"", Link(1));
  const std::string sub2 = Scheduled("1", " Core=\"0\"", "") + Scheduled("2", " Core=\"0\"", window);
  const IntRun r = Translate(Module(Partition(1, "P1") + Partition(2, "P2"),
                                    Schedule("S1", 1, true, Sub(1, "0.02", sub1) + Sub(2, "0.02", sub2))));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(ScheduleText(r.text),
            "\tAffinityGroup\t1\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP1\n\t\tPrimaryAddressSpace\tP2\n"
            "\tEndAffinityGroup\n"
            "\tAffinityGroup\t2\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP2\n\tEndAffinityGroup\n"
            "\tPartitionSchedule\t1\n"
            "\t\tPartitionSubSchedule\t1\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("1", "0.000000", "0.005000") +
                "\t\tEndPartitionSubSchedule\n"
                "\t\tPartitionSubSchedule\t2\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("2", "0.000000", "0.005000") + "\t\tEndPartitionSubSchedule\n\tEndPartitionSchedule\n");
}

// A partition counts as unscheduled in a sub-schedule when it has no window
// or link there: P3's window in another sub-schedule of the same schedule
// and P4's link in a sub-schedule 1 of another schedule do not count; the
// kernel partition is never listed.
TEST(PartitionSchedulesRestart, GroupsListPartitionsWithoutWindowsInTheSubSchedule) {
  const std::string core0 = " Core=\"0\"";
  const std::string window = Window(0, 5000000);
  const std::string restart_window = Window(5000000, 5000000);
  const std::string s1 =
      Sub(1, "0.02",
          Scheduled("1", core0, window) + Scheduled("2", core0, Link(1)) + Special("Restart", "1", restart_window)) +
      Sub(2, "0.02", Scheduled("3", core0, window));
  // Everyone runs in S2's sub-schedule: no restart group, and the restart
  // windows keep group 0.
  const std::string s2 =
      Sub(1, "0.02",
          Scheduled("1", core0, window) + Scheduled("2", core0, Link(1)) + Scheduled("3", core0, Link(1)) +
              Scheduled("4", core0, Link(1)) + Special("Restart", "2,3", restart_window));
  const std::string partitions =
      Kernel() + Partition(1, "P1") + Partition(2, "P2") + Partition(3, "P3") + Partition(4, "P4");
  const IntRun r = Translate(Module(partitions, Schedule("S1", 1, true, s1) + Schedule("S2", 2, false, s2)));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(ScheduleText(r.text),
            "\tAffinityGroup\t1\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP1\n\t\tPrimaryAddressSpace\tP2\n"
            "\tEndAffinityGroup\n"
            "\tAffinityGroup\t2\n\t\tCoreID\t1\n\t\tRestartAddressSpace\tP3\n\t\tRestartAddressSpace\tP4\n"
            "\tEndAffinityGroup\n"
            "\tAffinityGroup\t3\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP3\n\tEndAffinityGroup\n"
            "\tAffinityGroup\t4\n\t\tCoreID\t0\n\t\tPrimaryAddressSpace\tP1\n\t\tPrimaryAddressSpace\tP2\n"
            "\t\tPrimaryAddressSpace\tP3\n\t\tPrimaryAddressSpace\tP4\n\tEndAffinityGroup\n"
            "\tPartitionSchedule\t1\n"
            "\t\tPartitionSubSchedule\t1\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("1", "0.000000", "0.005000") + Block("2", "0.005000", "0.005000") +
                "\t\tEndPartitionSubSchedule\n"
                "\t\tPartitionSubSchedule\t2\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("3", "0.000000", "0.005000") +
                "\t\tEndPartitionSubSchedule\n\tEndPartitionSchedule\n"
                "\tPartitionSchedule\t2\n"
                "\t\tPartitionSubSchedule\t1\n\t\t\tMajorFramePeriod\t0.02\n" +
                Block("4", "0.000000", "0.005000") + Block("0", "0.005000", "0.005000") +
                "\t\tEndPartitionSubSchedule\n\tEndPartitionSchedule\n");
}

TEST(PartitionSchedulesMultiCore, RefusedSchedulesAndCoreLists) {
  const std::string p1 = Partition(1, "P1");
  const std::string p1_window = Scheduled("1", " Core=\"0\"", Window(0, 5000000));
  const std::string running = Sub(1, "0.02", p1_window);
  ExpectFatal(Module(p1, Schedule("S1", 1, true, running) + Schedule("S2", 2, false, "")),
              "MultiCore ModuleSubSchedules error:", "s2");
  ExpectFatal(Module(p1, Schedule("S1", 1, true, "") + Schedule("S2", 2, false, running)),
              "MultiCore ModuleSubSchedules error:", "s1");

  ExpectFatal(Module(p1, Schedule("S1", 1, true, Sub(1, "0.02", Scheduled("1", " Core=\"0, 1\"", Window(0, 5000000))))),
              "Invalid core list value:", " 1");
  // A restart core list has no "all" (P2 is unscheduled, so it is read).
  const std::string restart = Special("Restart", "all", Window(5000000, 5000000));
  ExpectFatal(Module(p1 + Partition(2, "P2"), Schedule("S1", 1, true, Sub(1, "0.02", p1_window + restart))),
              "Invalid core list value:", "all");
  const std::string null_window = Special("NULLPartition", "4", Window(5000000, 1000000, " WindowUserData=\"1\""));
  ExpectFatal(Module(p1, Schedule("S1", 1, true, Sub(1, "0.02", null_window)), " NumberOfCores=\"4\""),
              "Invalid core value in list:", "4");
}

}  // namespace
}  // namespace cfgxlate::test
