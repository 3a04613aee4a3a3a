// The kernel block of the integrate file: header, the kernel objects each
// partition adds (memory regions, semaphores, connection pairs, shared
// regions, physical regions, stacks, pools) and the memory-pool check.
// Expected lines are worked out by hand from the documented formats.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

const char kHead[] = "<?xml version=\"1.0\"?>\n";

// A window for the partition with the given identifier in schedule 1.
std::string Scheduled(int identifier, const std::string& extra = "", bool multicore = true) {
  return "<Partition_Schedule PartitionIdentifier=\"" + std::to_string(identifier) +
         "\" PartitionPeriod=\"20000000\" PartitionDuration=\"5000000\"" + (multicore ? " Core=\"0\"" : "") +
         extra + ">\n"
         "<Window_Schedule WindowIdentifier=\"" + std::to_string(identifier) + "\" Offset=\"" +
         std::to_string(identifier * 5000000) + "\" Duration=\"5000000\" PartitionPeriodStart=\"true\"/>\n"
         "</Partition_Schedule>\n";
}

// A module with the given partitions, the given partition schedules in one
// sub-schedule (or directly in the schedule without multiple-core support),
// and the given channels.
std::string Module(const std::string& partitions, const std::string& schedules, const std::string& channels = "",
                   const std::string& module_extra = "", bool multicore = true) {
  const std::string schedule =
      multicore ? "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
                  "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n" + schedules +
                  "</Module_Sub_Schedule>\n</Module_Schedule>\n"
                : "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\" "
                  "MajorFrameSeconds=\"0.02\">\n" + schedules + "</Module_Schedule>\n";
  return std::string(kHead) + "<ARINC_653_Module ModuleName=\"M\">\n" + module_extra + partitions + schedule +
         "<Connection_Table>\n" + channels + "</Connection_Table>\n</ARINC_653_Module>\n";
}

std::string Partition(int identifier, const std::string& name, const std::string& children = "",
                      const std::string& attributes = "") {
  return "<Partition PartitionIdentifier=\"" + std::to_string(identifier) + "\" PartitionName=\"" + name + "\"" +
         attributes + ">\n" + children + "</Partition>\n";
}

// The file from its start up to the first line the schedule or the kernel
// partition's own objects begin with.
std::string KernelObjects(const std::string& text) {
  size_t end = text.size();
  for (const char* marker : {"\n\tAffinityGroup\t", "\n\tPartitionSchedule\t", "\n\tTask\t", "\nEndKernel\n"}) {
    end = std::min(end, text.find(marker));
  }
  return end == std::string::npos ? text : text.substr(0, end + 1);
}

std::string Object(int number, const std::string& body) {
  return "\tObject\t" + std::to_string(number) + "\n" + body + "\tEndObject\n";
}

std::string PartitionRegion(int number, const std::string& name) {
  return Object(number, "\t\tMemoryRegion\n\t\tName\t\tMR_" + name + "\n\t\tSection\t\t.mr_rweu_" + name + "\n");
}

std::string Pair(int number, bool one_way = false, const std::string& kernel_task = "\t\tUsedByKernelTask\tfalse\n") {
  return Object(number, "\t\tConnection\tKernelSpace\n" + kernel_task + "\t\tOtherObjectNumber\t" +
                            std::to_string(number + 1) + "\n" + (one_way ? "\t\tOneWay\t\tTrue\n" : "")) +
         Object(number + 1, "\t\tConnection\tKernelSpace\n" + kernel_task + "\t\tOtherObjectNumber\t" +
                                std::to_string(number) + "\n");
}

const char kReleaseSemaphore[] =
    "\t\tSemaphore\tCounting\n\t\tInitialValue\t0\n\t\tUsedByFrameRelease\ttrue\n";

std::string SamplingPort(const std::string& name, const std::string& direction) {
  return "<Sampling_Port PortName=\"" + name + "\" Direction=\"" + direction +
         "\" MaxMessageSize=\"100\" RefreshRateSeconds=\"1.0\"" +
         (direction == "DESTINATION" ? " MaxTransfersPerWindow=\"1\"" : "") + "/>\n";
}

// A channel from P1's port to ports of P2.
std::string Channel(const std::string& source, const std::vector<std::string>& destinations,
                    const std::string& mode = "") {
  std::string text = "<Channel ChannelIdentifier=\"1\">\n<Source>\n<Standard_Partition PartitionIdentifier=\"1\" "
                     "PortName=\"" + source + "\"" + mode + "/>\n</Source>\n<Destination>\n";
  for (const std::string& destination : destinations) {
    text += "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"" + destination + "\"" + mode + "/>\n";
  }
  return text + "</Destination>\n</Channel>\n";
}

TEST(KernelObjects, WithoutKernelPartition) {
  // The lock-priority table is not written without a kernel partition; each
  // partition's memory region comes from 410 on, P1's release semaphore
  // (a window starts its period) after its region.
  IntRun r = Translate(Module(Partition(1, "P1") + Partition(2, "P2"), Scheduled(1), "",
                              "<CoreAGLockPriorityTable>\n<Core ID=\"0\" AGPriority=\"5\"/>\n"
                              "</CoreAGLockPriorityTable>\n"));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(KernelObjects(r.text), "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") +
                                       Object(411, kReleaseSemaphore) + PartitionRegion(412, "P2"));

  // -z: the tables are not in partition sections, so no regions for them;
  // single-core: the release semaphore has no UsedByFrameRelease line.
  IntRun z = Translate(Module(Partition(1, "P1") + Partition(2, "P2"), Scheduled(1, "", false), "", "", false),
                       {"-z", "-q0"});
  ASSERT_EQ(z.run.status, 0) << z.run.err;
  EXPECT_EQ(KernelObjects(z.text), "Kernel\n\tFilename\tKernelFile\n" +
                                       Object(410, "\t\tSemaphore\tCounting\n\t\tInitialValue\t0\n"));
}

TEST(KernelObjects, KernelPartitionHeaderAndFixedObjects) {
  // Kernel partition "Kern" first: header from its attributes and the lock
  // priority table; K = 400: the ARINC semaphore, its release semaphore at
  // K+2, both connection pairs, and the module-schedule semaphore K+7 since
  // two partitions set the module schedule. Its own objects are numbered
  // from 410, so P1's region is 410 (no kernel object was numbered).
  const std::string partitions =
      Partition(9, "Kern", "", " KernelPartition=\"true\" HeaderFileName=\"kern.h\" SetTaskLockPriority=\"false\"") +
      Partition(1, "P1");
  IntRun r = Translate(Module(partitions, Scheduled(9, " SetModuleSchedule=\"true\"") +
                                              Scheduled(1, " SetModuleSchedule=\"true\""),
                              "", "<CoreAGLockPriorityTable>\n<Core ID=\"0\" AGPriority=\"5\"/>\n"
                                  "<Entry String=\"1 7\"/>\n</CoreAGLockPriorityTable>\n"));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  auto connection = [](int number, int other) {
    return Object(number, "\t\tConnection\tKernelSpace\n\t\tOtherObjectNumber\t" + std::to_string(other) + "\n");
  };
  EXPECT_EQ(KernelObjects(r.text),
            "Kernel\n\tFilename\tKern\n\tHeaderFilename\tkern.h\n\tSetTaskCoreAffinity\ttrue\n"
            "\tSetTaskLockPriority\tfalse\n\tCoreAGLockPriorityTable\n\t\t0 5\n\t\t1 7\n"
            "\tEndCoreAGLockPriorityTable\n" +
                Object(400, "\t\tSemaphore\tHighestLocker\n\t\tPriority\t253\n") +
                Object(402, "\t\tSemaphore\tCounting\n\t\tInitialValue\t0\n") + connection(403, 404) +
                connection(404, 403) + connection(405, 406) + connection(406, 405) +
                Object(407, "\t\tSemaphore\tCounting\n\t\tInitialValue\t0\n\t\tUsedByKernelTask\tfalse\n") +
                PartitionRegion(410, "P1") + Object(411, kReleaseSemaphore));
  // The kernel partition never gets an address space of its own.
  EXPECT_EQ(r.text.find("\nAddressSpace\t\tKernelSpace\n"), std::string::npos);
  EXPECT_NE(r.text.find("\nAddressSpace\t\tP1\n"), std::string::npos);

  // -n drops the ARINC semaphore, -n2 the preemption-lock pair.
  IntRun n = Translate(Module(partitions, Scheduled(1)), {"-n", "-n2"});
  ASSERT_EQ(n.run.status, 0) << n.run.err;
  EXPECT_EQ(KernelObjects(n.text).substr(KernelObjects(n.text).find("\tObject")),
            connection(405, 406) + connection(406, 405) + PartitionRegion(410, "P1") + Object(411, kReleaseSemaphore));
}

TEST(KernelObjects, PortChannels) {
  // A sampling source with three destinations: three connection pairs in a
  // row after P1's region; -t marks the first object of each pair.
  const std::string p1 = SamplingPort("src", "SOURCE");
  const std::string p2 = SamplingPort("d1", "DESTINATION") + SamplingPort("d2", "DESTINATION") +
                         SamplingPort("d3", "DESTINATION");
  IntRun plain = Translate(Module(Partition(1, "P1", p1) + Partition(2, "P2", p2), "",
                                  Channel("src", {"d1", "d2", "d3"})),
                           {"-t"});
  ASSERT_EQ(plain.run.status, 0) << plain.run.err;
  EXPECT_EQ(KernelObjects(plain.text), "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") +
                                           Pair(411, true) + Pair(413, true) + Pair(415, true) +
                                           PartitionRegion(417, "P2"));

  // Shared memory: one region per destination, named after the source with
  // _1 .. _3. Length: 100 + 32 rounded to 64 is 192; 4 x 192 + 64 = 832,
  // one page.
  IntRun shared = Translate(Module(Partition(1, "P1", p1) + Partition(2, "P2", p2), "",
                                   Channel("src", {"d1", "d2", "d3"}, " SharedMemory=\"true\"")));
  ASSERT_EQ(shared.run.status, 0) << shared.run.err;
  auto region = [](int number, int index) {
    return Object(number, "\t\tMemoryRegion\tMR_src_" + std::to_string(index) +
                              "\n\t\tUsedByKernelTask\tfalse\n\t\tLength\t\t4096\n\t\tClear\t\ttrue\n"
                              "\t\tPaged\t\tfalse\n");
  };
  EXPECT_EQ(KernelObjects(shared.text), "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") +
                                            region(411, 1) + region(412, 2) + region(413, 3) +
                                            PartitionRegion(414, "P2"));

  // Shared-memory queue: 0x20 + 8 rounded to 64 is 64; 64 x (5 + 3) + 64 =
  // 576, one page for the source's region; the destination's is one page.
  const std::string queue_source =
      "<Queuing_Port PortName=\"qs\" Direction=\"SOURCE\" MaxMessageSize=\"0x20\" MaxNbMessages=\"5\"/>\n";
  const std::string queue_destination = "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" "
                                        "MaxMessageSize=\"0x20\" MaxNbMessages=\"3\"/>\n";
  IntRun queue = Translate(Module(Partition(1, "P1", queue_source) + Partition(2, "P2", queue_destination), "",
                                  Channel("qs", {"qd"}, " SharedMemory=\"true\""), "", false),
                           {"-q0", "-y"});
  ASSERT_EQ(queue.run.status, 0) << queue.run.err;
  const std::string tail = "\t\tLength\t\t4096\n\t\tClear\t\ttrue\n\t\tPaged\t\tfalse\n";
  EXPECT_EQ(KernelObjects(queue.text), "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") +
                                           Object(411, "\t\tMemoryRegion\tMR_qs\n" + tail) +
                                           Object(412, "\t\tMemoryRegion\tMR_qd\n" + tail) +
                                           PartitionRegion(413, "P2"));
}

TEST(KernelObjects, KernelDestinationOfSharedSamplingChannel) {
  // Destinations d1 (P2) and d2 (the kernel partition, second): regions 412
  // and 413, the second used by a kernel task. The kernel partition's d2
  // (number 410, its first object) reads its own region 413, not the first
  // destination's.
  const std::string port = "<Sampling_Port PortName=\"%s\" Direction=\"DESTINATION\" MaxMessageSize=\"100\" "
                           "RefreshRateSeconds=\"1.0\"/>\n";
  auto destination = [&](const std::string& name) {
    std::string text = port;
    return text.replace(text.find("%s"), 2, name);
  };
  const std::string channel =
      "<Channel ChannelIdentifier=\"1\">\n<Source>\n<Standard_Partition PartitionIdentifier=\"1\" PortName=\"src\" "
      "SharedMemory=\"true\"/>\n</Source>\n<Destination>\n<Standard_Partition PartitionIdentifier=\"2\" "
      "PortName=\"d1\" SharedMemory=\"true\"/>\n<Standard_Partition PartitionIdentifier=\"9\" PortName=\"d2\" "
      "SharedMemory=\"true\"/>\n</Destination>\n</Channel>\n";
  IntRun r = Translate(Module(Partition(9, "Kern", destination("d2"), " KernelPartition=\"true\"") +
                                  Partition(1, "P1", SamplingPort("src", "SOURCE")) +
                                  Partition(2, "P2", destination("d1")),
                              "", channel),
                       {"-y"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  auto region = [](int number, int index, const char* kernel_task) {
    return Object(number, "\t\tMemoryRegion\tMR_src_" + std::to_string(index) + "\n\t\tUsedByKernelTask\t" +
                              kernel_task + "\n\t\tLength\t\t4096\n\t\tClear\t\ttrue\n\t\tPaged\t\tfalse\n");
  };
  EXPECT_NE(r.text.find(PartitionRegion(411, "P1") + region(412, 1, "false") + region(413, 2, "true") +
                        PartitionRegion(414, "P2")),
            std::string::npos)
      << r.text;
  EXPECT_NE(r.text.find("\t# d2 Sampling Port\n" + Object(410, "\t\tLink\t\tKernelSpace\n\t\tOtherObjectNumber\t413\n"
                                                                "\t\tUsedByKernelTask\ttrue\n") +
                        "EndKernel\n"),
            std::string::npos)
      << r.text;
}

TEST(KernelObjects, PseudoPartitionEnds) {
  const std::string pseudo_source = "<Channel ChannelIdentifier=\"1\">\n<Source>\n<Pseudo_Partition Name=\"X\"%s/>\n"
                                    "</Source>\n<Destination>\n<Standard_Partition PartitionIdentifier=\"2\" "
                                    "PortName=\"d1\"%s/>\n</Destination>\n</Channel>\n";
  auto channel = [&](const std::string& mode) {
    std::string text = pseudo_source;
    for (int i = 0; i < 2; ++i) text.replace(text.find("%s"), 2, mode);
    return text;
  };
  // -y: the destination needs no MaxTransfersPerWindow (not allowed with a
  // Procedure channel).
  const std::string partitions = Partition(1, "P1") +
                                 Partition(2, "P2", "<Sampling_Port PortName=\"d1\" Direction=\"DESTINATION\" "
                                                    "MaxMessageSize=\"100\" RefreshRateSeconds=\"1.0\"/>\n");
  // The run stops at the destination port, at the end of input, and leaves
  // no integrate file.
  IntRun plain = Translate(Module(partitions, "", channel("")), {"-y"});
  EXPECT_EQ(plain.run.status, 1);
  EXPECT_EQ(plain.run.err, ErrorLine("Line 23 - With KERNAVOX connection sampling ports, both ends of the port "
                                     "must be defined as non-PseudoPartitions"));
  EXPECT_EQ(plain.text, "");
  IntRun shared = Translate(Module(partitions, "", channel(" SharedMemory=\"true\"")), {"-y"});
  EXPECT_EQ(shared.run.err, ErrorLine("Line 23 - With shared memory sampling ports, both ends of the port must be "
                                      "defined as non-PseudoPartitions"));
  // A Procedure channel passes and adds no kernel object.
  IntRun procedure = Translate(Module(partitions, "", channel(" Procedure=\"true\"")), {"-y"});
  ASSERT_EQ(procedure.run.status, 0) << procedure.run.err;
  EXPECT_EQ(KernelObjects(procedure.text),
            "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") + PartitionRegion(411, "P2"));
}

TEST(KernelObjects, PhysicalRegionsStacksAndPools) {
  // P1: a region at 0x80000000 with Clear given, a stack at a
  // physical address, a pool at a physical address. P2: a named region at
  // the same address and size (shares P1's object), a named one elsewhere.
  const std::string p1 =
      "<Process Name=\"proc\" StackSize=\"0x1000\" StackPhysicalAddress=\"0x90000000\" ClearStack=\"true\"/>\n"
      "<Memory_Region Name=\"buf\" Type=\"Data\" PhysicalAddress=\"0x80000000\" Size=\"0x2000\" "
      "Access=\"Read_Write_Clear\" Paged=\"true\"/>\n";
  const std::string p2 =
      "<Memory_Region Name=\"shared\" PhysicalAddress=\"0x80000000\" Size=\"0x2000\"/>\n"
      "<Memory_Region Name=\"dev\" PhysicalAddress=\"0xA0000000\" Size=\"0x100\" Access=\"Paged\"/>\n";
  IntRun r = Translate(Module(Partition(1, "P1", p1, " MemoryPoolPhysicalAddress=\"0xB0000000\"") +
                                  Partition(2, "P2", p2),
                              ""));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(KernelObjects(r.text),
            "Kernel\n\tFilename\tKernelFile\n" + PartitionRegion(410, "P1") +
                Object(411, "\t\tMemoryRegion\tMR_P1_MemoryPool\n\t\tFirst\t\t0xb0000000\n\t\tLength\t\t32768\n") +
                Object(412, "\t\tMemoryRegion\n\t\tName\t\tMR_buf\n\t\tFirst\t\t0x80000000\n"
                            "\t\tLength\t\t0x2000\n\t\tClear\t\tTrue\n\t\tPaged\t\tFalse\n") +
                Object(413, "\t\tMemoryRegion\tMR_proc_Stack\n\t\tFirst\t\t0x90000000\n\t\tLength\t\t8192\n"
                            "\t\tClear\t\ttrue\n") +
                PartitionRegion(414, "P2") +
                Object(415, "\t\tMemoryRegion\n\t\tName\t\tMR_dev\n\t\tFirst\t\t0xa0000000\n\t\tLength\t\t0x100\n"
                            "\t\tPaged\t\tTrue\n"));
  // The pool was calculated: 5 pages, one per process, and (pool units + 63)
  // / 64 more: 16 + 16 + the cursor 31 (the process took 28-29, the region
  // 30) + 2 = 65 units give 2 pages: 8 pages, 32768 bytes.
  EXPECT_NE(r.text.find("\tMemoryPoolMemoryRegionName\tMR_P1_MemoryPool\n"), std::string::npos);

  IntRun different = Translate(Module(Partition(1, "P1", p1) +
                                          Partition(2, "P2",
                                                    "<Memory_Region Name=\"shared\" PhysicalAddress=\"0x80000000\" "
                                                    "Size=\"0x1000\"/>\n"),
                                      ""));
  EXPECT_EQ(different.run.status, 1);
  EXPECT_EQ(different.run.err, ErrorLine("Line 17 - MemoryRegions have same physical address, but different sizes:") +
                                   ErrorLine("buf") + ErrorLine("shared"));
}

TEST(KernelObjects, MemoryPoolSizes) {
  // No objects: 5 pages plus (16 + the cursor 28 + 63) / 64 = 1: 0x6000.
  IntRun empty = Translate(Module(Partition(1, "P1", "", " MemoryPoolSize=\"-1\""), ""));
  ASSERT_EQ(empty.run.status, 0) << empty.run.err;
  EXPECT_NE(empty.text.find("\tMemoryPoolSize\t0x6000\n"), std::string::npos);
  // A task adds a page and 2 units: 16 + 29 + 2 = 47 units, still one page.
  IntRun task = Translate(Module(
      Partition(1, "P1", "<Task Name=\"t\" StackSize=\"0x1000\" Priority=\"3\"/>\n", " MemoryPoolSize=\"-1\""), ""));
  EXPECT_NE(task.text.find("\tMemoryPoolSize\t0x7000\n"), std::string::npos);
  // A smaller given size is kept, with a warning at the partition's line.
  IntRun small = Translate(Module(Partition(1, "P1", "", " MemoryPoolSize=\"0x1000\""), ""));
  ASSERT_EQ(small.run.status, 0);
  EXPECT_EQ(small.run.err, WarningLine("Line 3 - Specified MemoryPoolSize value less than calculated:") +
                               WarningLine("4096") + WarningLine("24576"));
  EXPECT_NE(small.text.find("\tMemoryPoolSize\t0x1000\n"), std::string::npos);
}

}  // namespace
}  // namespace cfgxlate::test
