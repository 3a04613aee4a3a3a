// Object elements inside a partition: processes, tasks, IO devices,
// semaphores, clocks, links, partition HM links and the implicit objects of
// POSIX and FACE partitions.
#include <gtest/gtest.h>

#include <tuple>

#include "partitions/devices_semaphores_clocks.h"
#include "partitions/implicit_objects.h"
#include "partitions/links.h"
#include "partitions/partition_objects.h"
#include "partitions/ports.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

using Handler = void (*)(TranslationContext&, const char*, PartitionRecord&);

// An ordinary partition (threshold 28) read at line 7.
class PartitionObjects : public ::testing::Test {
 protected:
  PartitionObjects() { t_.ctx.reader.LineNumber = 7; }

  void Read(Handler handler, const std::string& tag) { handler(t_.ctx, tag.c_str(), partition_); }
  std::string Fatal(Handler handler, const std::string& tag) {
    return FatalLines([&] { Read(handler, tag); });
  }
  // The lines of a refusal that quotes the tag line.
  static std::string Refused(const std::string& message, const std::string& tag) {
    return ErrorLine("Line 7 - " + message) + ErrorLine(tag);
  }
  // Expects `tag` to be refused with `message`.
  void ExpectRefused(Handler handler, const std::string& tag, const std::string& message) {
    EXPECT_EQ(Fatal(handler, tag), Refused(message, tag)) << tag;
  }
  void MakeKernelPartition() {
    partition_.KernelPartition = 1;
    // As after a kernel partition ErrorProcessObject of 60.
    t_.ctx.settings.KernelStartObject = 65;
    t_.ctx.settings.NextKernelObject = 75;
  }

  TestContext t_;
  PartitionRecord partition_;
};

const std::string kTooSmall = "Invalid ObjectNumber specification, value too small:";
const std::string kNoName = "Required Name field missing:";

TEST_F(PartitionObjects, ProcessRecordsEveryAttribute) {
  Read(ReadProcess,
       "<Process Name=\"Main Proc\" StackSize=\"0x2000\" StackPhysicalAddress=\"0x100000000\" ClearStack=\"TRUE\" "
       "FastPacketCache=\"false\" ProcessUserIdentification=\"5\" LockPriority=\"sCHEDULER\"/>");
  Read(ReadProcess, "<Process Name=\"B\" StackSize=\"100\" LockPriority=\"12\"/>");
  Read(ReadProcess, "<Process Name=\"C\" StackSize=\"100\"/>");
  ASSERT_EQ(partition_.Processes.size(), 3u);
  const ProcessRecord& p = partition_.Processes[0];
  EXPECT_EQ(std::tie(p.Name, p.StackSize, p.StackPhysicalAddress, p.ClearStack, p.FastPacketCache),
            std::make_tuple("Main_Proc", 8192, 0x100000000u, 1, 0));
  EXPECT_EQ(std::tie(p.ProcessUserIdentification, p.LockPriority, p.LockPrioritySpecified), std::make_tuple(5, -1, 1));
  const ProcessRecord& b = partition_.Processes[1];
  EXPECT_EQ(std::tie(b.Name, b.LockPriority, b.LockPrioritySpecified), std::make_tuple("B", 12, 1));
  const ProcessRecord& c = partition_.Processes[2];
  EXPECT_EQ(std::tie(c.LockPrioritySpecified, c.ClearStack), std::make_tuple(0, 0));
}

TEST_F(PartitionObjects, ProcessRefusalsInExaminationOrder) {
  ExpectRefused(ReadProcess, "<Process StackSize=\"0\"/>", kNoName);
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackPhysicalAddress=\"0\"/>", "Missing StackSize specification:");
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackSize=\"0\" StackPhysicalAddress=\"0\"/>",
                "Invalid StackSize specification:");
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackSize=\"1\" StackPhysicalAddress=\"0\" ClearStack=\"yes\"/>",
                "Invalid StackPhysicalAddress specification:");
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackSize=\"1\" ClearStack=\"yes\" FastPacketCache=\"1\"/>",
                "Invalid ClearStack value: ");
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackSize=\"1\" FastPacketCache=\"1\"/>",
                "Invalid FastPacketCache value: ");
  // "Scheduler" must be followed by the closing quote; anything else is a
  // number.
  const std::string tag = "<Process Name=\"P\" StackSize=\"1\" LockPriority=\"Scheduler \"/>";
  EXPECT_EQ(Fatal(ReadProcess, tag),
            ErrorLine("Line 7 - Invalid DecOrHexValue:") + ErrorLine("Scheduler \"/>") + ErrorLine(tag));
  EXPECT_TRUE(partition_.Processes.empty());
}

TEST_F(PartitionObjects, ProcessesNeedAnArincPartitionButTasksDoNot) {
  partition_.NoObjects = 1;
  ExpectRefused(ReadProcess, "<Process Name=\"P\" StackSize=\"1\"/>",
                "Cannot specify ARINC653 objects if NoObjects is true or ARINC653Partition is false:");
  // The refusal comes before anything else is examined.
  ExpectRefused(ReadProcess, "<Process/>",
                "Cannot specify ARINC653 objects if NoObjects is true or ARINC653Partition is false:");
  Read(ReadTask, "<Task Name=\"T\" StackSize=\"4096\"/>");
  EXPECT_EQ(partition_.Tasks.size(), 1u);
}

TEST_F(PartitionObjects, TaskRecordsEveryAttribute) {
  Read(ReadTask,
       "<Task Name=\"Worker One\" EntryPoint=\"worker main\" StackSize=\"4096\" StackPhysicalAddress=\"0x8000\" "
       "Priority=\"$PRIO A\" MaximumPriority=\"200\" ClearStack=\"false\" FastPacketCache=\"True\" StartIt=\"False\" "
       "TaskUserIdentification=\"0x10\" LockPriority=\"7\" ObjectNumber=\"40\" UsedByCallback=\"true\" "
       "UsedByKernelTask=\"false\" CoreID=\"3\"/>");
  Read(ReadTask, "<Task Name=\"T\" Priority=\"9\" MaximumPriority=\"$MAX\" CoreID=\"2\" CoreId=\"1\"/>");
  Read(ReadTask, "<Task Name=\"Bare\"/>");
  ASSERT_EQ(partition_.Tasks.size(), 3u);
  const TaskRecord& a = partition_.Tasks[0];
  EXPECT_EQ(std::make_tuple(a.Name, a.EntryPoint.Text(), a.EntryPoint.Given(), a.StackSize, a.StackPhysicalAddress),
            std::make_tuple("Worker_One", "worker_main", true, 4096, 0x8000u));
  EXPECT_EQ(std::tie(a.Priority, a.PrioritySymbol.Text(), a.MaximumPriority, a.MaximumPrioritySymbol.Text()),
            std::make_tuple(0, "$PRIO_A", 200, ""));
  EXPECT_EQ(std::tie(a.ClearStack, a.FastPacketCache, a.StartIt, a.TaskUserIdentification),
            std::make_tuple(0, 1, 0, 16));
  EXPECT_EQ(std::tie(a.LockPriority, a.LockPrioritySpecified, a.ObjectNumber, a.CoreId), std::make_tuple(7, 1, 40, 3));
  // Callback given and true, kernel task given and false, core given, stack
  // size given.
  EXPECT_EQ(a.ObjectFlags, 0x02 | 0x01 | 0x08 | 0x10 | 0x20);

  const TaskRecord& b = partition_.Tasks[1];
  // CoreId is preferred to CoreID.
  EXPECT_EQ(std::make_tuple(b.Priority, b.MaximumPriority, b.MaximumPrioritySymbol.Text(), b.CoreId, b.ObjectFlags),
            std::make_tuple(9, 0, "$MAX", 1, 0x10));

  const TaskRecord& bare = partition_.Tasks[2];
  EXPECT_EQ(
      std::make_tuple(bare.EntryPoint.Given(), bare.StartIt, bare.ObjectNumber, bare.ObjectFlags, bare.LockPrioritySpecified),
      std::make_tuple(false, 1, -1, 0, 0));
}

TEST_F(PartitionObjects, TaskRefusalsInExaminationOrder) {
  ExpectRefused(ReadTask, "<Task StackSize=\"0\"/>", kNoName);
  ExpectRefused(ReadTask, "<Task Name=\"T\" StackSize=\"0\" StackPhysicalAddress=\"0\"/>",
                "Invalid StackSize specification:");
  ExpectRefused(ReadTask, "<Task Name=\"T\" StackPhysicalAddress=\"0\" Priority=\"0\"/>",
                "Invalid StackPhysicalAddress specification:");
  ExpectRefused(ReadTask, "<Task Name=\"T\" Priority=\"0\" MaximumPriority=\"0\"/>", "Invalid Priority specification:");
  ExpectRefused(ReadTask, "<Task Name=\"T\" MaximumPriority=\"0\" ClearStack=\"x\"/>",
                "Invalid MaximumPriority specification:");
  ExpectRefused(ReadTask, "<Task Name=\"T\" ClearStack=\"x\" FastPacketCache=\"x\"/>", "Invalid ClearStack value: ");
  ExpectRefused(ReadTask, "<Task Name=\"T\" FastPacketCache=\"x\" StartIt=\"x\"/>", "Invalid FastPacketCache value: ");
  ExpectRefused(ReadTask, "<Task Name=\"T\" StartIt=\"1\" ObjectNumber=\"1\"/>", "Invalid StartIt value: ");
  ExpectRefused(ReadTask, "<Task Name=\"T\" ObjectNumber=\"1\" UsedByCallback=\"x\"/>", kTooSmall);
  ExpectRefused(ReadTask, "<Task Name=\"T\" UsedByCallback=\"x\" UsedByKernelTask=\"x\"/>",
                "Invalid UsedByCallback value: ");
  ExpectRefused(ReadTask, "<Task Name=\"T\" UsedByKernelTask=\"x\" CoreId=\"x\"/>", "Invalid UsedByKernelTask value: ");
  EXPECT_TRUE(partition_.Tasks.empty());
}

TEST_F(PartitionObjects, TaskStackSizeZeroOnlyInVirtualDomains) {
  const std::string tag = "<Task Name=\"Guest\" StackSize=\"0\"/>";
  // Given but false does not count.
  partition_.IsVMDomainSpecified = 1;
  ExpectRefused(ReadTask, tag, "Invalid StackSize specification:");
  partition_.IsVMDomain = 1;
  Read(ReadTask, tag);
  partition_.IsVMDomain = partition_.IsVMDomainSpecified = 0;
  partition_.IsIODomain = partition_.IsIODomainSpecified = 1;
  Read(ReadTask, tag);
  ASSERT_EQ(partition_.Tasks.size(), 2u);
  EXPECT_EQ(partition_.Tasks[1].StackSize, 0);
  EXPECT_EQ(partition_.Tasks[1].ObjectFlags, 0x20);
}

TEST_F(PartitionObjects, TaskObjectNumberThresholds) {
  // The threshold is 28; a task with a stack region of its own also needs
  // the number below its own.
  ExpectRefused(ReadTask, "<Task Name=\"T\" ObjectNumber=\"27\"/>", kTooSmall);
  Read(ReadTask, "<Task Name=\"T\" ObjectNumber=\"28\"/>");
  ExpectRefused(ReadTask, "<Task Name=\"T\" ClearStack=\"true\" ObjectNumber=\"28\"/>", kTooSmall);
  ExpectRefused(ReadTask, "<Task Name=\"T\" FastPacketCache=\"true\" ObjectNumber=\"28\"/>", kTooSmall);
  ExpectRefused(ReadTask, "<Task Name=\"T\" StackPhysicalAddress=\"0x1000\" ObjectNumber=\"28\"/>", kTooSmall);
  Read(ReadTask, "<Task Name=\"T\" ClearStack=\"true\" ObjectNumber=\"29\"/>");
  // The lowest number there is must not wrap when one is taken from it.
  ExpectRefused(ReadTask, "<Task Name=\"T\" ClearStack=\"true\" ObjectNumber=\"-2147483648\"/>", kTooSmall);
  // False stack switches do not ask for the extra number.
  Read(ReadTask, "<Task Name=\"T\" ClearStack=\"false\" ObjectNumber=\"28\"/>");
  // Only a task named exactly Initial is exempt.
  Read(ReadTask, "<Task Name=\"Initial\" ClearStack=\"true\" ObjectNumber=\"1\"/>");
  ExpectRefused(ReadTask, "<Task Name=\"initial\" ObjectNumber=\"1\"/>", kTooSmall);
  ASSERT_EQ(partition_.Tasks.size(), 4u);
  EXPECT_EQ(partition_.Tasks[3].ObjectNumber, 1);
}

TEST_F(PartitionObjects, KernelPartitionThresholdFollowsNextKernelObject) {
  MakeKernelPartition();
  for (Handler handler : {ReadTask, ReadIODevice, ReadClock}) {
    ExpectRefused(handler, "<X Name=\"N\" ObjectNumber=\"74\"/>", kTooSmall);
    Read(handler, "<X Name=\"N\" ObjectNumber=\"75\"/>");
  }
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting\" ObjectNumber=\"74\"/>", kTooSmall);
  Read(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting\" ObjectNumber=\"75\"/>");
  ExpectRefused(ReadLink, "<Link PartitionName=\"P\" Name=\"L\" LinkedObjectName=\"O\" ObjectNumber=\"74\"/>",
                kTooSmall);
  Read(ReadLink, "<Link PartitionName=\"P\" Name=\"L\" LinkedObjectName=\"O\" ObjectNumber=\"75\"/>");
  EXPECT_EQ(partition_.Tasks.size(), 1u);
  EXPECT_EQ(partition_.IODevices.size(), 1u);
  EXPECT_EQ(partition_.Clocks.size(), 1u);
  EXPECT_EQ(partition_.Semaphores.size(), 1u);
  EXPECT_EQ(partition_.Links.size(), 1u);
  EXPECT_EQ(partition_.Links[0].ObjectNumber, 75);
}

TEST_F(PartitionObjects, IODevices) {
  Read(ReadIODevice,
       "<IODevice Name=\"Serial Port\" RegisteredName=\"/dev/serial 0\" ObjectNumber=\"30\" UsedByKernelTask=\"TRUE\" "
       "CoreId=\"0x1\"/>");
  Read(ReadIODevice, "<IODevice Name=\"D\"/>");
  ASSERT_EQ(partition_.IODevices.size(), 2u);
  const IODeviceRecord& d = partition_.IODevices[0];
  // The registered name is copied as written.
  EXPECT_EQ(std::tie(d.Name, d.RegisteredName, d.RegisteredNameGiven, d.ObjectNumber, d.ObjectFlags, d.CoreId),
            std::make_tuple("Serial_Port", "/dev/serial 0", true, 30, 0x04 | 0x08 | 0x10, 1));
  const IODeviceRecord& e = partition_.IODevices[1];
  EXPECT_EQ(std::tie(e.RegisteredNameGiven, e.ObjectNumber), std::make_tuple(false, -1));

  ExpectRefused(ReadIODevice, "<IODevice ObjectNumber=\"1\"/>", kNoName);
  ExpectRefused(ReadIODevice, "<IODevice Name=\"D\" ObjectNumber=\"27\" UsedByCallback=\"x\"/>", kTooSmall);
}

TEST_F(PartitionObjects, SemaphoreKindsAndValues) {
  Read(ReadSemaphore, "<Semaphore Name=\"Count Sem\" Kind=\"counting\" InitialValue=\"  -12abc\"/>");
  Read(ReadSemaphore, "<Semaphore Name=\"C2\" Kind=\"COUNTING\" InitialValue=\"none\"/>");
  Read(ReadSemaphore, "<Semaphore Name=\"C3\" Kind=\"Counting\"/>");
  Read(ReadSemaphore, "<Semaphore Name=\"H\" Kind=\"highestlocker\" Priority=\"+10\" InitialValue=\"3\"/>");
  // Too large for 32 bits: still read without a message.
  Read(ReadSemaphore, "<Semaphore Name=\"C4\" Kind=\"Counting\" InitialValue=\"99999999999999999999\"/>");
  ASSERT_EQ(partition_.Semaphores.size(), 5u);
  const auto& s = partition_.Semaphores;
  EXPECT_EQ(std::tie(s[0].Name, s[0].Kind, s[0].Value), std::make_tuple("Count_Sem", 1, -12));
  EXPECT_EQ(std::tie(s[1].Value, s[2].Value), std::make_tuple(0, 0));
  EXPECT_EQ(std::tie(s[3].Kind, s[3].Value, s[3].ObjectNumber, s[3].UsedByFrameRelease), std::make_tuple(2, 10, -1, 0));
  EXPECT_EQ(t_.console.err, "");

  ExpectRefused(ReadSemaphore, "<Semaphore Kind=\"Counting\"/>", kNoName);
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" ObjectNumber=\"1\"/>", "Required Kind field missing:");
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Binary\"/>", "Binary semaphores not supported:");
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting \"/>", "Invalid Semaphore Kind value:");
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Mutex\" ObjectNumber=\"1\"/>",
                "Invalid Semaphore Kind value:");
  // HighestLocker wants Priority; InitialValue does not stand in for it.
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"HighestLocker\" InitialValue=\"3\"/>",
                "Required Priority field missing for HighestLocker Semaphore:");
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting\" ObjectNumber=\"27\" UsedByFrameRelease=\"x\"/>",
                kTooSmall);
  EXPECT_EQ(partition_.Semaphores.size(), 5u);
}

TEST_F(PartitionObjects, UsedByFrameReleaseOnlyOnKernelSemaphores) {
  const std::string release =
      "<Semaphore Name=\"S\" Kind=\"Counting\" UsedByFrameRelease=\"true\" UsedByCallback=\"x\"/>";
  ExpectRefused(ReadSemaphore, release, "UsedByFrameRelease can only be specified on KernelSpace semaphores:");
  MakeKernelPartition();
  t_.ctx.settings.Phase4 = 1;
  ExpectRefused(ReadSemaphore, release, "UsedByFrameRelease not supported with Phase 4 Kernel:");
  t_.ctx.settings.Phase4 = 0;
  ExpectRefused(ReadSemaphore, release, "Invalid UsedByCallback value: ");
  ExpectRefused(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting\" UsedByFrameRelease=\"yes\"/>",
                "Invalid UsedByFrameRelease value: ");
  Read(ReadSemaphore, "<Semaphore Name=\"S\" Kind=\"Counting\" UsedByFrameRelease=\"True\" CoreID=\"1\"/>");
  ASSERT_EQ(partition_.Semaphores.size(), 1u);
  const SemaphoreRecord& s = partition_.Semaphores[0];
  EXPECT_EQ(std::tie(s.UsedByFrameRelease, s.ObjectFlags, s.CoreId), std::make_tuple(1, 0x10, 1));
}

TEST_F(PartitionObjects, Clocks) {
  Read(ReadClock, "<Clock Name=\"Wall Clock\" PhysicalClock=\"RTC 1\" SetTime=\"false\" Alarm=\"FALSE\"/>");
  Read(ReadClock, "<Clock Name=\"C\"/>");
  ASSERT_EQ(partition_.Clocks.size(), 2u);
  const ClockRecord& c = partition_.Clocks[0];
  EXPECT_EQ(std::tie(c.Name, c.PhysicalClock, c.PhysicalClockGiven, c.SetTime, c.ReadTime, c.Alarm),
            std::make_tuple("Wall_Clock", "RTC_1", true, 0, 1, 0));
  const ClockRecord& d = partition_.Clocks[1];
  EXPECT_EQ(std::tie(d.PhysicalClockGiven, d.SetTime, d.ReadTime, d.Alarm), std::make_tuple(false, 1, 1, 1));

  ExpectRefused(ReadClock, "<Clock SetTime=\"x\"/>", kNoName);
  ExpectRefused(ReadClock, "<Clock Name=\"C\" SetTime=\"x\" ReadTime=\"x\"/>", "Invalid SetTime value: ");
  ExpectRefused(ReadClock, "<Clock Name=\"C\" ReadTime=\"x\" Alarm=\"x\"/>", "Invalid ReadTime value: ");
  ExpectRefused(ReadClock, "<Clock Name=\"C\" Alarm=\"x\" ObjectNumber=\"1\"/>", "Invalid Alarm value: ");
  ExpectRefused(ReadClock, "<Clock Name=\"C\" ObjectNumber=\"1\" UsedByKernelTask=\"x\"/>", kTooSmall);
}

TEST_F(PartitionObjects, LinksAndAddressSpaces) {
  Read(ReadLink, "<AddressSpace PartitionName=\"P2\"/>");
  Read(ReadLink, "<AddressSpace PartitionName=\"P2\" Name=\"A\" LinkedObjectName=\"B\"/>");
  Read(ReadLink,
       "<Link PartitionName=\"Other Part\" Name=\"To Sem\" LinkedObjectName=\"Shared Sem\" ObjectNumber=\"28\" "
       "UsedByCallback=\"false\" CoreId=\"2\"/>");
  ASSERT_EQ(partition_.Links.size(), 3u);
  const LinkRecord& whole = partition_.Links[0];
  EXPECT_EQ(std::tie(whole.Name, whole.LinkedObjectName, whole.NameFromPartitionName,
                     whole.LinkedObjectNameFromPartitionName, whole.ObjectNumber),
            std::make_tuple("P2", "P2", true, true, -1));
  const LinkRecord& named = partition_.Links[1];
  EXPECT_EQ(std::tie(named.Name, named.LinkedObjectName, named.NameFromPartitionName,
                     named.LinkedObjectNameFromPartitionName),
            std::make_tuple("A", "B", false, false));
  const LinkRecord& link = partition_.Links[2];
  EXPECT_EQ(
      std::tie(link.PartitionName, link.Name, link.LinkedObjectName, link.ObjectNumber, link.ObjectFlags, link.CoreId),
      std::make_tuple("Other_Part", "To_Sem", "Shared_Sem", 28, 0x02 | 0x10, 2));
  EXPECT_EQ(partition_.HasPartitionReleaseSemaphore, 0);

  ExpectRefused(ReadLink, "<Link Name=\"L\"/>", "Link must specify PartitionName.");
  ExpectRefused(ReadLink, "<AddressSpace Name=\"L\" LinkedObjectName=\"O\"/>", "Link must specify PartitionName.");
  ExpectRefused(ReadLink, "<Link PartitionName=\"P\" LinkedObjectName=\"O\"/>", kNoName);
  ExpectRefused(ReadLink, "<Link PartitionName=\"P\" Name=\"L\" ObjectNumber=\"1\"/>",
                "Link must specify LinkedObjectName.");
  ExpectRefused(ReadLink, "<Link PartitionName=\"P\" Name=\"L\" LinkedObjectName=\"O\" ObjectNumber=\"27\"/>",
                kTooSmall);
}

TEST_F(PartitionObjects, PartitionReleaseSemaphoreLinkMarksThePartition) {
  Read(ReadLink, "<Link PartitionName=\"P\" Name=\"R\" LinkedObjectName=\"partitionreleasesemaphore\"/>");
  EXPECT_EQ(partition_.HasPartitionReleaseSemaphore, 0);
  Read(ReadLink, "<Link PartitionName=\"P\" Name=\"R\" LinkedObjectName=\"PartitionReleaseSemaphore\"/>");
  EXPECT_EQ(partition_.HasPartitionReleaseSemaphore, 1);
}

TEST_F(PartitionObjects, PartitionHMLinks) {
  Read(ReadPartitionHMLink, "<Partition_HM_Link Name=\"HM Link\" PartitionName=\"Part One\"/>");
  ASSERT_EQ(partition_.HMLinks.size(), 1u);
  EXPECT_EQ(partition_.HMLinks[0].Name, "HM_Link");
  EXPECT_EQ(partition_.HMLinks[0].PartitionName, "Part_One");
  ExpectRefused(ReadPartitionHMLink, "<PartitionHMLink PartitionName=\"P\"/>", kNoName);
  ExpectRefused(ReadPartitionHMLink, "<PartitionHMLink Name=\"L\"/>", "Required ParitionName field missing:");
}

TEST_F(PartitionObjects, PosixPartitionGetsAConnectionPairAndAClockDevice) {
  partition_.POSIXPartition = 1;
  CreateImplicitObjects(t_.ctx, partition_);
  Read(ReadConnection, "<Connection Name=\"Mine\"/>");
  Read(ReadIODevice, "<IODevice Name=\"Dev\"/>");

  ASSERT_EQ(partition_.Connections.size(), 3u);
  const ConnectionRecord& source = partition_.Connections[0];
  const ConnectionRecord& destination = partition_.Connections[1];
  EXPECT_EQ(std::tie(source.Name, source.ObjectNumber, source.IsDestination),
            std::make_tuple("POSIXConnection1", 50, 0));
  EXPECT_EQ(std::tie(destination.Name, destination.ObjectNumber, destination.IsDestination),
            std::make_tuple("POSIXConnection2", 51, 1));
  EXPECT_EQ(partition_.Connections[2].Name, "Mine");
  for (const ConnectionRecord* end : {&source, &destination}) {
    EXPECT_EQ(end->ObjectFlags, 0);
    EXPECT_EQ(end->Partition, &partition_);
  }

  ASSERT_EQ(t_.ctx.model.channels.Channels.size(), 1u);
  const ChannelRecord& channel = t_.ctx.model.channels.Channels[0];
  EXPECT_EQ(source.Channel, &channel);
  EXPECT_EQ(destination.Channel, &channel);
  EXPECT_EQ(partition_.Connections[2].Channel, nullptr);
  EXPECT_EQ(std::tie(channel.ChannelIdentifier, channel.ChannelNameGiven, channel.TransferMode),
            std::make_tuple(0, false, kPlainTransfer));
  EXPECT_EQ(channel.Source.Connection, &source);
  ASSERT_EQ(channel.Destinations.size(), 1u);
  EXPECT_EQ(channel.Destinations[0].Connection, &destination);

  ASSERT_EQ(partition_.IODevices.size(), 2u);
  const IODeviceRecord& clock = partition_.IODevices[0];
  EXPECT_EQ(std::tie(clock.Name, clock.ObjectNumber, clock.RegisteredNameGiven, clock.ObjectFlags, clock.CoreId),
            std::make_tuple("FACETimeReadOnlyDev", 52, false, 0, 0));
  EXPECT_EQ(partition_.IODevices[1].Name, "Dev");
}

TEST_F(PartitionObjects, FaceClockPermissionAloneGivesOnlyTheDevice) {
  partition_.FACEClockSpecified = 1;
  partition_.FACEClockWritePermissions = 1;
  CreateImplicitObjects(t_.ctx, partition_);
  ASSERT_EQ(partition_.IODevices.size(), 1u);
  EXPECT_EQ(partition_.IODevices[0].Name, "FACETimeReadWriteDev");
  EXPECT_EQ(partition_.IODevices[0].ObjectNumber, 52);
  EXPECT_TRUE(partition_.Connections.empty());
  EXPECT_TRUE(t_.ctx.model.channels.Channels.empty());
}

}  // namespace
}  // namespace cfgxlate::test
