// The objects of each address space in the integrate file (and of the kernel
// partition inside the kernel block), from whole runs on small modules.
// Object numbers follow the documented numbering: user objects from 28, the
// fixed objects from 20, the error-process group from 15, kernel objects
// from 410. Expected lines are worked out by hand from the documented formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// A window in slot 0..3 of the 20 ms frame for the partition.
std::string Scheduled(int identifier, int slot, const std::string& extra = "") {
  return "<Partition_Schedule PartitionIdentifier=\"" + std::to_string(identifier) +
         "\" PartitionPeriod=\"20000000\" PartitionDuration=\"5000000\" Core=\"0\"" + extra +
         ">\n<Window_Schedule WindowIdentifier=\"" + std::to_string(identifier) + "\" Offset=\"" +
         std::to_string(slot * 5000000) +
         "\" Duration=\"5000000\" PartitionPeriodStart=\"true\"/>\n"
         "</Partition_Schedule>\n";
}

std::string Module(const std::string& partitions, const std::string& schedules = "", const std::string& channels = "",
                   bool multicore = true) {
  const std::string schedule =
      multicore ? "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
                  "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n" +
                      schedules + "</Module_Sub_Schedule>\n</Module_Schedule>\n"
                : "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\" "
                  "MajorFrameSeconds=\"0.02\">\n" +
                      schedules + "</Module_Schedule>\n";
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n" + partitions + schedule +
         "<Connection_Table>\n" + channels + "</Connection_Table>\n</ARINC_653_Module>\n";
}

std::string Partition(int identifier, const std::string& name, const std::string& children = "",
                      const std::string& attributes = "") {
  return "<Partition PartitionIdentifier=\"" + std::to_string(identifier) + "\" PartitionName=\"" + name + "\"" +
         attributes + ">\n" + children + "</Partition>\n";
}

// A channel from a port of one partition to ports of another; partition 0
// stands for a PseudoPartition end.
std::string Channel(int source_partition, const std::string& source, int destination_partition,
                    const std::vector<std::string>& destinations, const std::string& mode = "") {
  auto end = [&](int partition, const std::string& port) {
    return partition == 0 ? std::string("<Pseudo_Partition Name=\"X\"/>\n")
                          : "<Standard_Partition PartitionIdentifier=\"" + std::to_string(partition) +
                                "\" PortName=\"" + port + "\"" + mode + "/>\n";
  };
  std::string text = "<Channel>\n<Source>\n" + end(source_partition, source) + "</Source>\n<Destination>\n";
  for (const std::string& destination : destinations) text += end(destination_partition, destination);
  return text + "</Destination>\n</Channel>\n";
}

// The objects of one AddressSpace block: its lines after the header.
std::string Objects(const std::string& text, const std::string& name) {
  size_t start = text.find("\nAddressSpace\t\t" + name + "\n");
  if (start == std::string::npos) return "<no address space " + name + ">";
  const size_t end = text.find("EndAddressSpace\n", start);
  start = text.find('\n', start + 1) + 1;
  const std::vector<std::string> header = {"\tFilename\t", "\tSetTaskCoreAffinity\t", "\tMaximumPriority\t",
                                           "\tLanguage\t", "\tHeaderFilename\t",      "\tIsVMDomain\t"};
  while (std::any_of(header.begin(), header.end(),
                     [&](const std::string& line) { return text.compare(start, line.size(), line) == 0; })) {
    start = text.find('\n', start) + 1;
  }
  return text.substr(start, end - start);
}

// text from the first occurrence of marker on.
std::string From(const std::string& text, const std::string& marker) {
  const size_t start = text.find(marker);
  return start == std::string::npos ? "<no " + marker + ">" : text.substr(start);
}

std::string Object(int number, const std::string& body) {
  return "\tObject\t" + std::to_string(number) + "\n" + body + "\tEndObject\n";
}

// An object after its comment line.
std::string Titled(const std::string& name, const std::string& kind, int number, const std::string& body) {
  return "\t# " + name + " " + kind + "\n" + Object(number, body);
}

std::string KernelLink(int number, int other, bool in_kernel = false) {
  return Object(number, "\t\tLink\t\tKernelSpace\n\t\tOtherObjectNumber\t" + std::to_string(other) + "\n" +
                            (in_kernel ? "\t\tUsedByKernelTask\ttrue\n" : ""));
}

std::string Mapping(int number, const std::string& region, bool write) {
  return Object(number, "\t\tMemoryRegion\n\t\tMapTo\t\tMR_" + region + "\n\t\tRead\t\tTrue\n\t\tWrite\t\t" +
                            (write ? "True" : "False") + "\n\t\tExecute\t\tFalse\n\t\tPaged\t\tFalse\n");
}

// The error-process group at E; `arinc` adds the MaximumPriority lines.
std::string ErrorGroup(int e, int partition_index, bool arinc = true, const std::string& id = "-1") {
  auto task = [&](const std::string& name, const std::string& entry, const std::string& stack, int priority) {
    const std::string p = std::to_string(priority);
    return "\tTask\t\t" + name + "\n\t\tEntryPoint\t" + entry + "\n\t\tStackLength\t" + stack + "\n" +
           (arinc ? "\t\tMaximumPriority\t" + p + "\n" : "") + "\t\tPriority\t" + p +
           "\n\t\tWeight\t\t0\n\t\tTimeSlice\tNONPREEMPTIBLE\n\t\tStartIt\t\tfalse\n\t\tIdentification\t" + id +
           "\n\tEndTask\n";
  };
  return task("ARINC653ErrorProcess", "ARINC653ErrorProcessEntry", "0x2000", 253) +
         Object(e, "\t\tTask\tARINC653ErrorProcess\n") +
         task("ARINC653IODeviceHandlerTask", "ARINC653IODeviceHandlerEntry", "0x1000", 254) +
         Object(e + 1, "\t\tTask\tARINC653IODeviceHandlerTask\n") +
         Object(e + 2, "\t\tIODevice\t\"ModuleHMDev" + std::to_string(partition_index) + "\"\n") +
         task("ARINC653IODeviceMonitorTask", "ARINC653IODeviceMonitorEntry", "0x1000", 255) +
         Object(e + 3, "\t\tTask\tARINC653IODeviceMonitorTask\n");
}

const char kInitialTaskStart[] = "\tTask\t\tInitial\n\t\tTimeSlice\tNONPREEMPTIBLE\n";
const char kScheduleLinkComment[] =
    "# Link to KernelSpace object to get all SetModuleSchedule=\"true\" partitions in the same ODG\n";

std::string OwnConnection(int number, const std::string& partition, int other) {
  return Object(number, "\t\tConnection\t" + partition + "\n\t\tOtherObjectNumber\t" + std::to_string(other) + "\n");
}

// The second connection pair V+6, V+7 of an ARINC partition.
std::string SecondPair(const std::string& partition) {
  return OwnConnection(26, partition, 27) +
         "# KernelSpace object to get all SetModuleSchedule=\"true\" partitions in the same ODG\n" +
         OwnConnection(27, partition, 26);
}

std::string PortTask(const std::string& partition, int number, const std::string& identification = "") {
  return "\tTask\t" + partition +
         "_port_task\n\t\tEntryPoint\tARINC653PortTaskEntry\n\t\tStackLength\t0x1000\n"
         "\t\tMaximumPriority\t253\n\t\tPriority\t251\n\t\tWeight\t\t0\n\t\tTimeSlice\tNONPREEMPTIBLE\n"
         "\t\tStartIt\t\ttrue\n" +
         identification + "\tEndTask\n" + Object(number, "\t\tTask\t\t" + partition + "_port_task\n");
}

std::string PartitionRegion(const std::string& partition) {
  return Object(20, "\t\tMemoryRegion\n\t\tMapTo\t\tMR_" + partition +
                        "\n\t\tRead\t\tTrue\n\t\tWrite\t\tTrue\n\t\tPaged\t\tFalse\n");
}

TEST(AddressSpace, ImplicitObjectsOfPartitionKinds) {
  // P1 (ARINC) and P2 (no ARINC objects) both set the module schedule and
  // have release points: release semaphores 411 and 413 after their regions
  // 410 and 412. P3 has no ARINC objects but ARINC HM and leaves
  // SetModuleSchedule unset, which counts as set.
  const std::string partitions =
      Partition(1, "P1", "", " StartInitial=\"true\" InitialProcessLength=\"0x1000\" InitialTaskIdentification=\"7\"") +
      Partition(2, "P2", "", " NoObjects=\"true\"") + Partition(3, "P3", "", " NoObjects=\"true\" ARINC653HM=\"true\"");
  IntRun r = Translate(Module(
      partitions, Scheduled(1, 0, " SetModuleSchedule=\"true\"") + Scheduled(2, 1, " SetModuleSchedule=\"true\"")));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  // 0x1000 + 500 rounds to 0x2000.
  const std::string initial = std::string(kInitialTaskStart) +
                              "\t\tMaximumPriority\t253\n\t\tPriority\t253\n\t\tStartIt\t\ttrue\n"
                              "\t\tStackLength\t0x2000\n\t\tIdentification\t7\n\tEndTask\n";
  const std::string semaphore = Object(21, "\t\tSemaphore\tHighestLocker\n\t\tPriority\t253\n");
  const std::string connections = OwnConnection(24, "P1", 25) + OwnConnection(25, "P1", 24) + SecondPair("P1");
  EXPECT_EQ(Objects(r.text, "P1"), initial + ErrorGroup(15, 1) + PartitionRegion("P1") + semaphore +
                                       kScheduleLinkComment + KernelLink(22, 407) + KernelLink(23, 411) + connections);
  EXPECT_EQ(Objects(r.text, "P2"),
            PartitionRegion("P2") + kScheduleLinkComment + KernelLink(22, 407) + KernelLink(23, 413));
  EXPECT_EQ(Objects(r.text, "P3"), std::string(kInitialTaskStart) +
                                       "\t\tPriority\t253\n\t\tStartIt\t\tfalse\n\tEndTask\n" +
                                       ErrorGroup(15, 3, false) + PartitionRegion("P3") +
                                       Object(21, "\t\tSemaphore\tHighestLocker\n\t\tPriority\t253\n") +
                                       kScheduleLinkComment + KernelLink(22, 407));

  // -z drops the partition's region, -n its semaphore, -n2 the first pair.
  IntRun dropped = Translate(Module(partitions), {"-z", "-n", "-n2"});
  ASSERT_EQ(dropped.run.status, 0) << dropped.run.err;
  EXPECT_EQ(From(Objects(dropped.text, "P1"), "\tObject\t18\n"),
            Object(18, "\t\tTask\tARINC653IODeviceMonitorTask\n") + SecondPair("P1"));

  // -f: identifications in hexadecimal, and no pairs without multiple cores.
  IntRun phase4 = Translate(Module(partitions, "", "", false), {"-f"});
  ASSERT_EQ(phase4.run.status, 0) << phase4.run.err;
  EXPECT_EQ(Objects(phase4.text, "P1"),
            std::string(kInitialTaskStart) +
                "\t\tMaximumPriority\t253\n\t\tPriority\t253\n\t\tStartIt\t\ttrue\n\t\tStackLength\t0x2000\n"
                "\t\tIdentification\t0x7\n\tEndTask\n" +
                ErrorGroup(15, 1, true, "0xffffffff") + PartitionRegion("P1") + semaphore);
}

TEST(AddressSpace, KernelPartitionObjects) {
  // Kernel numbering from 410: the port task takes 410-411 (a plain port),
  // the process 412-413 (stack region below), the port 414, the semaphores
  // 415-416, the region 417. Kernel objects continue at 418: the pair of ks
  // (418-419), then P1's region 420. P1: port task 28-29, pd 30, links 31-32.
  const std::string kernel =
      "<Process Name=\"kp\" StackSize=\"0x1000\" StackPhysicalAddress=\"0x90000000\" ClearStack=\"true\"/>\n"
      "<Sampling_Port PortName=\"ks\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Semaphore Name=\"frame\" Kind=\"Counting\" InitialValue=\"0\" UsedByFrameRelease=\"true\"/>\n"
      "<Semaphore Name=\"linked\" Kind=\"Counting\" InitialValue=\"1\" UsedByFrameRelease=\"true\"/>\n"
      "<Memory_Region Name=\"dev\" PhysicalAddress=\"0xA0000000\" Size=\"0x100\" Access=\"Read_Write_Clear_Paged\"/>\n";
  const std::string p1 =
      "<Sampling_Port PortName=\"pd\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
      "MaxTransfersPerWindow=\"1\"/>\n"
      "<Link Name=\"byuser\" PartitionName=\"Kern\" LinkedObjectName=\"linked\"/>\n"
      "<Link Name=\"byspace\" PartitionName=\"KernelSpace\" LinkedObjectName=\"frame\"/>\n";
  IntRun r = Translate(Module(Partition(9, "Kern", kernel, " KernelPartition=\"true\"") + Partition(1, "P1", p1), "",
                              Channel(9, "ks", 1, {"pd"})));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  const size_t end = r.text.find("EndKernel\n");
  const size_t start = r.text.find("\tTask\t\tARINC653ErrorProcess\n");
  ASSERT_LT(start, end);
  // No Initial task and no fixed objects; stacks and regions placed with
  // First; no access flags but Clear and Paged; every port end used by
  // kernel tasks; only the semaphore no other partition links to by the
  // kernel's user name is released by a kernel task.
  EXPECT_GT(r.text.find("\tTask\t\tInitial\n"), end);
  EXPECT_EQ(r.text.substr(start, end - start),
            ErrorGroup(395, 0) +
                Object(412, "\t\tMemoryRegion\n\t\tFirst\t\t0x90000000\n\t\tLength\t\t8192\n\t\tClear\t\ttrue\n") +
                "\tTask\tkp\n\t\tTimeSlice\tNONPREEMPTIBLE\n\t\tEntryPoint\tmain\n\t\tMaximumPriority\t253\n"
                "\t\tStartIt\t\tfalse\n\t\tStackMemoryRegionNumber\t412\n\tEndTask\n" +
                Object(413, "\t\tTask\t\tkp\n") + "\t# ks Sampling Port\n" + KernelLink(414, 418, true) +
                PortTask("KernelSpace", 411) +
                Titled("frame", "Semaphore", 415,
                       "\t\tSemaphore\tCounting\n\t\tName\t\tframe\n\t\tInitialValue\t0\n"
                       "\t\tUsedByKernelTask\ttrue\n\t\tUsedByFrameRelease\ttrue\n") +
                Titled("linked", "Semaphore", 416,
                       "\t\tSemaphore\tCounting\n\t\tName\t\tlinked\n\t\tInitialValue\t1\n"
                       "\t\tUsedByFrameRelease\ttrue\n") +
                Titled("dev", "Memory Region", 417,
                       "\t\tMemoryRegion\n\t\tName\t\tdev\n\t\tFirst\t\t0xa0000000\n\t\tLength\t\t0x100\n"
                       "\t\tClear\t\tTrue\n\t\tPaged\t\tTrue\n"));
  // The kernel partition is found by its user name and by KernelSpace.
  EXPECT_EQ(
      From(Objects(r.text, "P1"), "\t# pd"),
      "\t# pd Sampling Port\n" + KernelLink(30, 419) + PortTask("P1", 29) +
          Titled("byuser", "Link", 31, "\t\tLink\t\tKernelSpace\n\t\tName\t\tbyuser\n\t\tOtherObjectNumber\t416\n") +
          Titled("byspace", "Link", 32, "\t\tLink\t\tKernelSpace\n\t\tName\t\tbyspace\n\t\tOtherObjectNumber\t415\n"));
}

TEST(AddressSpace, ProcessesAndTasks) {
  // Numbers: p1 28; p2 30 with its stack region 29; Initial 31; phys 33
  // with its region 32; zero 34; nostack 35. StackSize 0 needs IsVMDomain.
  const std::string p1 =
      "<Process Name=\"p1\" StackSize=\"0x1000\" LockPriority=\"Scheduler\"/>\n"
      "<Process Name=\"p2\" StackSize=\"0x1000\" ClearStack=\"true\" FastPacketCache=\"true\" LockPriority=\"5\"/>\n"
      "<Task Name=\"Initial\" StackSize=\"0x1000\"/>\n"
      "<Task Name=\"phys\" StackSize=\"0x800\" StackPhysicalAddress=\"0x90000000\" ClearStack=\"true\" "
      "Priority=\"$PRIO\" MaximumPriority=\"9\" StartIt=\"false\" UsedByCallback=\"true\" UsedByKernelTask=\"false\" "
      "CoreId=\"2\"/>\n"
      "<Task Name=\"zero\" StackSize=\"0\" EntryPoint=\"zero_main\" Priority=\"3\" MaximumPriority=\"$MAX\"/>\n"
      "<Task Name=\"nostack\" Priority=\"4\"/>\n";
  IntRun r =
      Translate(Module(Partition(1, "P1", p1, " IsVMDomain=\"true\"") +
                       Partition(2, "P2", "<Task Name=\"Initial\" StackSize=\"0x1000\"/>\n", " NoObjects=\"true\"")));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  const std::string objects = Objects(r.text, "P1");
  // The partition's own Initial task replaces the generated one.
  EXPECT_EQ(objects.find(kInitialTaskStart), std::string::npos);
  const std::string task_start = "\t\tTimeSlice\tNONPREEMPTIBLE\n\t\tEntryPoint\tmain\n";
  // Process stacks: 0x1000 + 500 rounds to 0x2000 (8192); the Initial task's
  // stack is only page-rounded; a task's region length is its size as given.
  // A physical stack maps to the kernel's region, which already clears it.
  EXPECT_EQ(From(objects, "\tTask\tp1\n"),
            "\tTask\tp1\n" + task_start +
                "\t\tMaximumPriority\t253\n\t\tStartIt\t\tfalse\n\t\tStackLength\t0x2000\n"
                "\t\tLockPriority\tSCHEDULER\n\tEndTask\n" +
                Object(28, "\t\tTask\t\tp1\n") +
                Object(29,
                       "\t\tMemoryRegion\n\t\tLength\t\t8192\n\t\tStackSegment\ttrue\n\t\tClear\t\ttrue\n"
                       "\t\tFastPacketCache\ttrue\n") +
                "\tTask\tp2\n" + task_start +
                "\t\tMaximumPriority\t253\n\t\tStartIt\t\tfalse\n\t\tStackMemoryRegionNumber\t29\n"
                "\t\tLockPriority\t5\n\tEndTask\n" +
                Object(30, "\t\tTask\t\tp2\n") +
                "\t# Initial Task\n\tTask\tInitial\n\t\tTimeSlice\tNONPREEMPTIBLE\n\t\tStartIt\t\ttrue\n"
                "\t\tStackLength\t0x1000\n\tEndTask\n" +
                Object(31, "\t\tTask\t\tInitial\n") +
                Object(32,
                       "\t\tMemoryRegion\n\t\tMapTo\t\tMR_phys_Stack\n\t\tLength\t\t2048\n"
                       "\t\tStackSegment\ttrue\n") +
                "\t# phys Task\n\tTask\tphys\n" + task_start +
                "\t\tPriority\t$PRIO\n\t\tMaximumPriority\t9\n\t\tStartIt\t\tfalse\n"
                "\t\tStackMemoryRegionNumber\t32\n\tEndTask\n" +
                Object(33,
                       "\t\tTask\t\tphys\n\t\tUsedByCallback\tTrue\n\t\tUsedByKernelTask\tFalse\n"
                       "\t\tCoreId\t\t2\n") +
                "\t# zero Task\n\tTask\tzero\n\t\tTimeSlice\tNONPREEMPTIBLE\n\t\tEntryPoint\tzero_main\n"
                "\t\tPriority\t3\n\t\tMaximumPriority\t$MAX\n\t\tStartIt\t\ttrue\n\t\tStackLength\t0\n\tEndTask\n" +
                Object(34, "\t\tTask\t\tzero\n") + "\t# nostack Task\n\tTask\tnostack\n" + task_start +
                "\t\tPriority\t4\n\t\tStartIt\t\ttrue\n\tEndTask\n" + Object(35, "\t\tTask\t\tnostack\n"));
  // Without ARINC objects the Initial task has no number and no object.
  EXPECT_EQ(Objects(r.text, "P2"), PartitionRegion("P2") +
                                       "\t# Initial Task\n\tTask\tInitial\n\t\tTimeSlice\tNONPREEMPTIBLE\n"
                                       "\t\tStartIt\t\ttrue\n\t\tStackLength\t0x1000\n\tEndTask\n");
}

TEST(AddressSpace, SharedMemoryQueuesNumberSuspensionDevicesOnce) {
  // qa (P1) to qb (P2), then qc (P2) to qd (P1): each port takes three
  // numbers. P1 is written first and numbers both channels: qa 1, qb 2;
  // qd, visited first of its channel although a destination, gives its
  // source qc 3 and itself 4.
  auto queue = [](const std::string& name, const std::string& direction) {
    return "<Queuing_Port PortName=\"" + name + "\" Direction=\"" + direction +
           "\" MaxMessageSize=\"0x20\" MaxNbMessages=\"2\"" +
           (direction == "DESTINATION" ? " MaxTransfersPerWindow=\"0\"" : "") + "/>\n";
  };
  const std::string shared = " SharedMemory=\"true\"";
  IntRun r = Translate(Module(Partition(1, "P1", queue("qa", "SOURCE") + queue("qd", "DESTINATION")) +
                                  Partition(2, "P2", queue("qb", "DESTINATION") + queue("qc", "SOURCE")),
                              "", Channel(1, "qa", 2, {"qb"}, shared) + Channel(2, "qc", 1, {"qd"}, shared)));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  auto devices = [](int number, int own, int other) {
    return Object(number, "\t\tIODevice\t\"SuspensionIODevice_" + std::to_string(own) +
                              "\"\n\t\tOtherIODevice\t\"SuspensionIODevice_" + std::to_string(other) + "\"\n");
  };
  // The source writes the message region, the destination its own region.
  EXPECT_EQ(From(Objects(r.text, "P1"), "\t# qa"),
            "\t# qa Queuing Port\n" + Mapping(28, "qa", true) + Mapping(29, "qb", false) + devices(30, 1, 2) +
                "\t# qd Queuing Port\n" + Mapping(31, "qc", false) + Mapping(32, "qd", true) + devices(33, 4, 3));
  EXPECT_EQ(From(Objects(r.text, "P2"), "\t# qb"),
            "\t# qb Queuing Port\n" + Mapping(28, "qa", false) + Mapping(29, "qb", true) + devices(30, 2, 1) +
                "\t# qc Queuing Port\n" + Mapping(31, "qc", true) + Mapping(32, "qd", false) + devices(33, 3, 4));
}

TEST(AddressSpace, PlainPortsSharedSamplingAndConnections) {
  // P1: port task 29 (28 skipped), s 30-31, m 32-33, q 34, c1 35; pp is a
  // Procedure port and gets nothing here. P2 alike: port task 29, d1 30,
  // d2 31, m1 32, m2 33, qd 34, c2 35. Kernel: P1's region 410, the pairs of
  // s 411-414, the regions of m 415-416, the pair of q 417-418.
  auto sampling = [](const std::string& name, const std::string& direction, int transfers = 1) {
    return "<Sampling_Port PortName=\"" + name + "\" Direction=\"" + direction +
           "\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\"" +
           (direction == "DESTINATION" ? " MaxTransfersPerWindow=\"" + std::to_string(transfers) + "\"" : "") + "/>\n";
  };
  const std::string p1 = sampling("s", "SOURCE") + sampling("m", "SOURCE") + sampling("pp", "SOURCE") +
                         "<Queuing_Port PortName=\"q\" Direction=\"SOURCE\" MaxMessageSize=\"8\" "
                         "MaxNbMessages=\"1\"/>\n<Connection Name=\"c1\" UsedByCallback=\"true\"/>\n";
  const std::string p2 = sampling("d1", "DESTINATION") + sampling("d2", "DESTINATION") + sampling("m1", "DESTINATION") +
                         sampling("m2", "DESTINATION") + sampling("pd", "DESTINATION", 0) +
                         "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" "
                         "MaxNbMessages=\"1\" MaxTransfersPerWindow=\"1\"/>\n<Connection Name=\"c2\"/>\n";
  IntRun r =
      Translate(Module(Partition(1, "P1", p1, " PortTaskIdentification=\"12\"") + Partition(2, "P2", p2), "",
                       Channel(1, "s", 2, {"d1", "d2"}) + Channel(1, "m", 2, {"m1", "m2"}, " SharedMemory=\"true\"") +
                           Channel(1, "pp", 2, {"pd"}, " Procedure=\"true\"") + Channel(1, "q", 2, {"qd"}) +
                           Channel(1, "c1", 2, {"c2"})));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  // A source on a plain channel links to the first object of each pair.
  EXPECT_EQ(From(Objects(r.text, "P1"), "\t# s"),
            "\t# s Sampling Port\n" + KernelLink(30, 411) + KernelLink(31, 413) + "\t# m Sampling Port\n" +
                Mapping(32, "m_1", true) + Mapping(33, "m_2", true) + "\t# q Queuing Port\n" + KernelLink(34, 417) +
                PortTask("P1", 29, "\t\tIdentification\t12\n") + "\t# c1 Connection\n" +
                Object(35,
                       "\t\tConnection\t\tP2\n\t\tName\t\t\tc1\n\t\tOtherObjectNumber\t35\n"
                       "\t\tUsedByCallback\tTrue\n"));
  EXPECT_EQ(From(Objects(r.text, "P2"), "\t# d1"),
            "\t# d1 Sampling Port\n" + KernelLink(30, 412) + "\t# d2 Sampling Port\n" + KernelLink(31, 414) +
                "\t# m1 Sampling Port\n" + Mapping(32, "m_1", true) + "\t# m2 Sampling Port\n" +
                Mapping(33, "m_2", true) + "\t# qd Queuing Port\n" + KernelLink(34, 418) + PortTask("P2", 29) +
                "\t# c2 Connection\n" +
                Object(35, "\t\tConnection\t\tP1\n\t\tName\t\t\tc2\n\t\tOtherObjectNumber\t35\n"));
}

TEST(AddressSpace, LinksFindTheirTargets) {
  // Kern's semaphore is 410, P2's objects: IO device dup 28, semaphores dup
  // 29 and sem 30, link lnk 31, region reg 32. A second partition named P2
  // (P3) is never found. P4 (no ARINC objects) gets the release semaphore
  // 415 after the regions 411-414 of P1 to P4.
  const std::string p1 =
      "<Link Name=\"a\" PartitionName=\"P2\" LinkedObjectName=\"dup\" CoreId=\"1\" UsedByCallback=\"false\"/>\n"
      "<Link Name=\"b\" PartitionName=\"P2\" LinkedObjectName=\"reg\"/>\n"
      "<Link Name=\"c\" PartitionName=\"P2\" LinkedObjectName=\"lnk\"/>\n"
      "<Link Name=\"d\" PartitionName=\"P2\" LinkedObjectName=\"only3\"/>\n"
      "<Link Name=\"e\" PartitionName=\"Nowhere\" LinkedObjectName=\"thing\"/>\n"
      "<Link Name=\"f\" PartitionName=\"Kern\" LinkedObjectName=\"ksem\"/>\n"
      "<AddressSpace PartitionName=\"P2\"/>\n<AddressSpace PartitionName=\"P2\" Name=\"asp\"/>\n";
  const std::string p2 =
      "<IODevice Name=\"dup\"/>\n<Semaphore Name=\"dup\" Kind=\"Counting\" InitialValue=\"0\"/>\n"
      "<Semaphore Name=\"sem\" Kind=\"HighestLocker\" Priority=\"5\"/>\n"
      "<Link Name=\"lnk\" PartitionName=\"P1\" LinkedObjectName=\"a\"/>\n<Memory_Region Name=\"reg\"/>\n";
  IntRun r = Translate(
      Module(Partition(9, "Kern", "<Semaphore Name=\"ksem\" Kind=\"Counting\" InitialValue=\"0\"/>\n",
                       " KernelPartition=\"true\"") +
                 Partition(1, "P1", p1) + Partition(2, "P2", p2) +
                 Partition(3, "P2", "<Semaphore Name=\"only3\" Kind=\"Counting\" InitialValue=\"0\"/>\n") +
                 Partition(4, "P4",
                           "<Link Name=\"rel\" PartitionName=\"P4\" LinkedObjectName=\"PartitionReleaseSemaphore\"/>\n",
                           " NoObjects=\"true\""),
             Scheduled(4, 0)));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(From(Objects(r.text, "P1"), "\t# a Link"),
            Titled("a", "Link", 28,
                   "\t\tLink\t\tP2\n\t\tName\t\ta\n\t\tOtherObjectNumber\t28\n\t\tCoreId\t\t1\n"
                   "\t\tUsedByCallback\tFalse\n") +
                Titled("b", "Link", 29, "\t\tLink\t\tP2\n\t\tName\t\tb\n\t\tOtherObjectNumber\t32\n") +
                Titled("c", "Link", 30, "\t\tLink\t\tP2\n\t\tName\t\tc\n\t\tOtherObjectNumber\t31\n") +
                Titled("d", "Link", 31, "\t\tLink\t\tP2\n\t\tName\t\td\n\t\tOtherObjectName\tonly3\n") +
                Titled("e", "Link", 32, "\t\tLink\t\tNowhere\n\t\tName\t\te\n\t\tOtherObjectName\tthing\n") +
                Titled("f", "Link", 33, "\t\tLink\t\tKernelSpace\n\t\tName\t\tf\n\t\tOtherObjectNumber\t410\n") +
                "\t# P2 AddressSpace\n" + Object(34, "\t\tAddressSpace\tP2\n") + "\t# asp AddressSpace\n" +
                Object(35, "\t\tAddressSpace\tP2\n\t\tName\t\tasp\n"));
  EXPECT_EQ(Objects(r.text, "P4"), PartitionRegion("P4") + KernelLink(23, 415) +
                                       Titled("rel", "Link", 28,
                                              "\t\tLink\t\t\tKernelSpace\n\t\tName\t\t\tParitionReleaseSemaphore\n"
                                              "\t\tOtherObjectNumber\t415\n"));
}

TEST(AddressSpace, DevicesSemaphoresClocksRegionsAndHMLinks) {
  // P1's objects from 28 in kind order; P1's region io gets the kernel
  // region MR_io, which writes its Clear; P2's region at the same address
  // maps to it by that name.
  const std::string p1 =
      "<IODevice Name=\"dev\" RegisteredName=\"/dev/x\" UsedByKernelTask=\"true\" CoreId=\"3\"/>\n"
      "<IODevice Name=\"plain\"/>\n<Semaphore Name=\"cs\" Kind=\"Counting\" InitialValue=\"4\"/>\n"
      "<Semaphore Name=\"hs\" Kind=\"HighestLocker\" Priority=\"9\" UsedByCallback=\"true\"/>\n"
      "<Clock Name=\"clk\"/>\n<Clock Name=\"rtc\" PhysicalClock=\"RTC\" SetTime=\"false\" Alarm=\"false\"/>\n"
      "<Memory_Region Name=\"heap\" Size=\"0x3000\" AlignmentValue=\"0x100\" VirtualAddress=\"0x40000000\" "
      "Access=\"FastPacketCache_Read_Write=false_Execute_Volatile_IOCoherent=false_IOSpace_Unmapped_StackSegment_"
      "Paged\" UsedByCallback=\"true\" CoreId=\"1\"/>\n"
      "<Memory_Region Name=\"io\" Type=\"Code\" PhysicalAddress=\"0x80000000\" Size=\"0x2000\" "
      "Access=\"Read_Clear\"/>\n"
      "<Memory_Region Name=\"ks\" AddressSpace=\"KernelSpace\" PhysicalAddress=\"0x81000000\" "
      "SectionName=\".mysec\"/>\n"
      "<Memory_Region Name=\"mapped\" MapToName=\"Other Region\" Size=\"0x1000\" Access=\"Clear=false\"/>\n"
      "<Partition_HM_Link Name=\"hm2\" PartitionName=\"P2\"/>\n";
  IntRun r = Translate(
      Module(Partition(1, "P1", p1) +
             Partition(2, "P2", "<Memory_Region Name=\"alias\" PhysicalAddress=\"0x80000000\" Size=\"0x2000\"/>\n") +
             Partition(3, "P3", "", " NoObjects=\"true\" IncludeFileName=\"extra file.inc\"")));
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(From(Objects(r.text, "P1"), "\t# dev IODevice"),
            Titled("dev", "IODevice", 28,
                   "\t\tIODevice\t\"/dev/x\"\n\t\tName\t\tdev\n\t\tUsedByKernelTask\tTrue\n"
                   "\t\tCoreId\t\t3\n") +
                Titled("plain", "IODevice", 29, "\t\tIODevice\t\"plain\"\n\t\tName\t\tplain\n") +
                Titled("cs", "Semaphore", 30, "\t\tSemaphore\tCounting\n\t\tName\t\tcs\n\t\tInitialValue\t4\n") +
                Titled("hs", "Semaphore", 31,
                       "\t\tSemaphore\tHighestLocker\n\t\tName\t\ths\n\t\tPriority\t9\n"
                       "\t\tUsedByCallback\tTrue\n") +
                Titled("clk", "Clock", 32,
                       "\t\tClock\t\tHighResTimer\n\t\tName\t\tclk\n\t\tSetTime\t\tTrue\n"
                       "\t\tReadTime\tTrue\n\t\tAlarm\t\tTrue\n") +
                Titled("rtc", "Clock", 33,
                       "\t\tClock\t\tRTC\n\t\tName\t\trtc\n\t\tSetTime\t\tFalse\n\t\tReadTime\tTrue\n"
                       "\t\tAlarm\t\tFalse\n") +
                Titled("heap", "Memory Region", 34,
                       "\t\tMemoryRegion\n\t\tName\t\theap\n\t\tLength\t\t0x3000\n"
                       "\t\tAlignmentValue\t0x100\n\t\tFirst\t\t0x40000000\n\t\tRead\t\tTrue\n"
                       "\t\tWrite\t\tFalse\n\t\tExecute\t\tTrue\n\t\tVolatile\tTrue\n"
                       "\t\tIOCoherent\tFalse\n\t\tIOSpace\t\tTrue\n\t\tUnmapped\tTrue\n"
                       "\t\tStackSegment\tTrue\n\t\tFastPacketCache\tTrue\n\t\tPaged\t\tTrue\n"
                       "\t\tUsedByCallback\tTrue\n\t\tCoreId\t\t1\n") +
                Titled("io", "Memory Region", 35,
                       "\t\tMemoryRegion\n\t\tName\t\tio\n\t\tMapTo\t\tMR_io\n"
                       "\t\tSection\t\t.text\n\t\tRead\t\tTrue\n\t\tPaged\t\tFalse\n") +
                Titled("ks", "Memory Region", 36,
                       "\t\tMemoryRegion\tKernelSpace\n\t\tName\t\tks\n\t\tFirst\t\t0x81000000\n"
                       "\t\tSection\t\t.mysec\n\t\tPaged\t\tFalse\n") +
                Titled("mapped", "Memory Region", 37,
                       "\t\tMemoryRegion\n\t\tName\t\tmapped\n\t\tMapTo\t\tOther Region\n"
                       "\t\tClear\t\tFalse\n\t\tPaged\t\tFalse\n") +
                "\t# hm2 Partition HM Link\n" +
                Object(38, "\t\tLink\t\t\tP2\n\t\tName\t\t\thm2\n\t\tOtherObjectNumber\t17\n"));
  EXPECT_EQ(From(Objects(r.text, "P2"), "\t# alias"), Titled("alias", "Memory Region", 28,
                                                             "\t\tMemoryRegion\n\t\tName\t\talias\n\t\tMapTo\t\tMR_io\n"
                                                             "\t\tLength\t\t0x2000\n\t\tPaged\t\tFalse\n"));
  // The include line comes last.
  EXPECT_EQ(Objects(r.text, "P3"), PartitionRegion("P3") + "%include \"extra file.inc\"\n");
}

TEST(AddressSpace, FatalErrors) {
  struct Case {
    std::string xml, message, detail;
  };
  auto release_link = [](const std::string& partition) {
    return "<Link Name=\"rel\" PartitionName=\"" + partition + "\" LinkedObjectName=\"PartitionReleaseSemaphore\"/>\n";
  };
  const std::string plain = " NoObjects=\"true\"";
  const std::vector<Case> cases = {
      // In an ARINC partition, at another partition, without a release semaphore.
      {Module(Partition(1, "P1", release_link("P1")), Scheduled(1, 0)),
       "Partition Release Semaphore Link can only be defined in non-ARINC653 partition:", "P1"},
      {Module(Partition(1, "P1", release_link("P2"), plain) + Partition(2, "P2"), Scheduled(1, 0)),
       "Partition Release Semaphore Link can only reference the current partition:", "P1"},
      {Module(Partition(1, "P1", release_link("P1"), plain)), "Partition Release Semaphore Link Error:", "P1"},
      {Module(Partition(1, "P1", "<Partition_HM_Link Name=\"h\" PartitionName=\"P9\"/>\n")),
       "Partition HM Link does not reference a valid partition:", "h"},
      {Module(Partition(1, "P1", "<Partition_HM_Link Name=\"h\" PartitionName=\"P2\"/>\n") +
              Partition(2, "P2", "", plain)),
       "Partition HM Link references a non-ARINC653 partition:", "h"},
      // A plain connection channel whose other end lies outside the module.
      {Module(Partition(1, "P1", "<Connection Name=\"c\"/>\n"), "", Channel(1, "c", 0, {"x"})),
       "With KERNAVOX connections, both ends of the connection must be defined as non-PseudoPartitions:", "c"},
      {Module(Partition(1, "P1", "<Connection Name=\"c\"/>\n"), "", Channel(0, "x", 1, {"c"})),
       "With KERNAVOX connections, both ends of the connection must be defined as non-PseudoPartitions:", "c"},
  };
  for (const Case& c : cases) {
    IntRun r = Translate(c.xml);
    const int end_line = static_cast<int>(std::count(c.xml.begin(), c.xml.end(), '\n')) + 1;
    EXPECT_EQ(r.run.status, 1) << c.message;
    EXPECT_EQ(r.run.err, ErrorLine("Line " + std::to_string(end_line) + " - " + c.message) + ErrorLine(c.detail));
    // No half-written integrate file stays.
    EXPECT_EQ(r.text, "") << c.message;
  }
}

}  // namespace
}  // namespace cfgxlate::test
