// Object numbers chosen by the translator never land on a number the same
// block already holds: explicit ObjectNumbers, stack regions, runs of port
// numbers, the error process group and, in the kernel block, the kernel
// partition's own objects. Without such a number in the way, the documented
// numbers are unchanged.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/options.h"
#include "gen/integrate/integrate_file.h"
#include "gen/objtables/object_tables.h"
#include "module/module_element.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

struct Translation {
  std::unique_ptr<TestContext> t = std::make_unique<TestContext>();
  PartitionRecord& Partition(size_t i) { return t->ctx.model.partitions.Partitions.at(i); }
  std::string Integrate() { return t->fs.files["a.int"]; }
};

// Reads the configuration and writes the object tables and the integrate
// file in-process, so that the model can be inspected afterwards.
Translation Translate(const std::string& partitions, const std::string& channels = "") {
  Translation run;
  run.t->fs.files["a.xml"] =
      "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n" + partitions +
      "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
      "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n</Module_Sub_Schedule>\n"
      "</Module_Schedule>\n<Connection_Table>\n" + channels + "</Connection_Table>\n</ARINC_653_Module>\n";
  const char* argv[] = {"cfgxlate", "-m", "a.xml"};
  EXPECT_TRUE(DecodeOptions(run.t->ctx, 3, argv));
  try {
    DeriveSettings(run.t->ctx);
    ReadConfiguration(run.t->ctx);
    GenerateObjectTables(run.t->ctx);
    WriteIntegrateFile(run.t->ctx);
  } catch (const FatalExit& fatal) {
    ADD_FAILURE() << fatal.lines;
  }
  EXPECT_EQ(run.t->console.err, "");
  return run;
}

std::string Partition(int identifier, const std::string& name, const std::string& children,
                      const std::string& attributes = "") {
  return "<Partition PartitionIdentifier=\"" + std::to_string(identifier) + "\" PartitionName=\"" + name + "\"" +
         attributes + ">\n" + children + "</Partition>\n";
}

std::string SamplingChannel(int destinations) {
  std::string text = "<Channel ChannelIdentifier=\"1\">\n<Source>\n<Standard_Partition PartitionIdentifier=\"1\" "
                     "PortName=\"src\"/>\n</Source>\n<Destination>\n";
  for (int i = 1; i <= destinations; ++i) {
    text += "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"d" + std::to_string(i) + "\"/>\n";
  }
  return text + "</Destination>\n</Channel>\n";
}

std::string SamplingPorts(int destinations) {
  std::string text;
  for (int i = 1; i <= destinations; ++i) {
    text += "<Sampling_Port PortName=\"d" + std::to_string(i) +
            "\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
            "MaxTransfersPerWindow=\"1\"/>\n";
  }
  return text;
}

const char kSource[] = "<Sampling_Port PortName=\"src\" Direction=\"SOURCE\" MaxMessageSize=\"8\" "
                       "RefreshRateSeconds=\"1.0\"/>\n";

// Every "\tObject\t" number of the block that starts with `start`.
std::vector<int> BlockObjects(const std::string& text, const std::string& start, const std::string& end) {
  std::vector<int> numbers;
  const size_t from = text.find(start);
  const size_t to = text.find(end, from);
  for (size_t at = text.find("\tObject\t", from); at < to; at = text.find("\tObject\t", at + 1)) {
    numbers.push_back(std::stoi(text.substr(at + 8)));
  }
  return numbers;
}

TEST(ObjectNumberCollisions, KernelObjectsSkipTheKernelPartitionsNumbers) {
  // The kernel partition holds 417 (a semaphore) and 419-420 (a task with a
  // stack region). Its own numbering stops at 410, so the integrate file
  // counts from 410: P1's region 410, the three connection pairs of its
  // source 411-416 (one free run), then P2's region would be 417: it takes
  // 418 instead.
  Translation run = Translate(
      Partition(7, "Kern",
                "<Semaphore Name=\"s\" Kind=\"Counting\" InitialValue=\"0\" ObjectNumber=\"417\"/>\n"
                "<Task Name=\"t\" StackSize=\"0x1000\" Priority=\"3\" ClearStack=\"true\" ObjectNumber=\"420\"/>\n",
                " KernelPartition=\"true\"") +
          Partition(1, "P1", kSource) + Partition(2, "P2", SamplingPorts(3)),
      SamplingChannel(3));
  EXPECT_EQ(run.Partition(1).SamplingPorts[0].KernelObjectNumber, 411);
  EXPECT_EQ(run.Partition(2).SamplingPorts[2].KernelObjectNumber, 416);
  EXPECT_EQ(BlockObjects(run.Integrate(), "Kernel\n", "\tTask"),
            (std::vector<int>{400, 403, 404, 405, 406, 410, 411, 412, 413, 414, 415, 416, 418}));

  // A run of pairs moves past a taken number as a whole: with the semaphore
  // at 416, P1's region takes 410 and its pairs need six free numbers from
  // 411: 411-416 holds 416, so they take 417-422, and P2's region 423.
  Translation shifted = Translate(
      Partition(7, "Kern", "<Semaphore Name=\"s\" Kind=\"Counting\" InitialValue=\"0\" ObjectNumber=\"416\"/>\n",
                " KernelPartition=\"true\"") +
          Partition(1, "P1", kSource) + Partition(2, "P2", SamplingPorts(3)),
      SamplingChannel(3));
  EXPECT_EQ(shifted.Partition(1).SamplingPorts[0].KernelObjectNumber, 417);
  EXPECT_EQ(BlockObjects(shifted.Integrate(), "Kernel\n", "\tTask"),
            (std::vector<int>{400, 403, 404, 405, 406, 410, 417, 418, 419, 420, 421, 422, 423}));
}

TEST(ObjectNumberCollisions, StackRegionsAndErrorProcessGroup) {
  // The task holds 28; the process's stack region needs the number below
  // its own, so it takes 29-30 and is 30.
  Translation stack = Translate(Partition(
      1, "P1",
      "<Process Name=\"p\" StackSize=\"0x1000\" ClearStack=\"true\"/>\n"
      "<Task Name=\"t\" StackSize=\"0x1000\" Priority=\"3\" ObjectNumber=\"28\"/>\n"));
  EXPECT_EQ(stack.Partition(0).Processes[0].ObjectIndex, 30);
  // Without a number in the way: 28 is skipped as documented, 29 is the
  // process's.
  Translation free = Translate(Partition(1, "P1", "<Process Name=\"p\" StackSize=\"0x1000\" ClearStack=\"true\"/>\n"));
  EXPECT_EQ(free.Partition(0).Processes[0].ObjectIndex, 29);

  // The error process group moved to 30-33: the third semaphore skips it.
  Translation error_group = Translate(Partition(1, "P1",
                                                "<Semaphore Name=\"a\" Kind=\"Counting\" InitialValue=\"0\"/>\n"
                                                "<Semaphore Name=\"b\" Kind=\"Counting\" InitialValue=\"0\"/>\n"
                                                "<Semaphore Name=\"c\" Kind=\"Counting\" InitialValue=\"0\"/>\n",
                                                " ErrorProcessObject=\"30\""));
  const std::deque<SemaphoreRecord>& semaphores = error_group.Partition(0).Semaphores;
  EXPECT_EQ(semaphores[0].ObjectIndex, 28);
  EXPECT_EQ(semaphores[1].ObjectIndex, 29);
  EXPECT_EQ(semaphores[2].ObjectIndex, 34);
}

}  // namespace
}  // namespace cfgxlate::test
