// The <Partition element: identity and numbering, the kernel partition,
// attribute rules and their order, the small child elements and the child
// loop.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "module/module_element.h"
#include "partitions/partition_lookup.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// A module holding `body`: line 1 is the declaration, line 2 the module
// start, so body line k stands on file line k + 2.
std::string Module(const std::vector<std::string>& body, bool with_end = true) {
  std::string xml = "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n";
  for (const std::string& line : body) xml += line + "\n";
  return with_end ? xml + "</ARINC_653_Module>\n" : xml;
}

// "Line <line> - <message>" and the detail lines, as a fatal error writes them.
std::string Fatal(int line, const std::string& message, const std::vector<std::string>& details = {}) {
  std::string lines = ErrorLine("Line " + std::to_string(line) + " - " + message);
  for (const std::string& detail : details) lines += ErrorLine(detail);
  return lines;
}

std::string Warned(int line, const std::string& message, const std::string& tag) {
  return WarningLine("Line " + std::to_string(line) + " - " + message) + WarningLine(tag);
}

// Reads a module straight into a context (with -m). Reading always ends in
// a fatal error, at the latest at the missing initial module schedule.
struct Read {
  TestContext t;
  std::string fatal;
  std::string finished;  // the error of a configuration read to its end

  explicit Read(const std::vector<std::string>& body, const std::function<void(ModuleSettings&)>& configure = {}) {
    t.fs.files["a.xml"] = Module(body);
    t.ctx.settings.XmlFileName = "a.xml";
    t.ctx.settings.NoModuleHM = 1;
    if (configure) configure(t.ctx.settings);
    fatal = FatalLines([&] { ReadConfiguration(t.ctx); });
    finished = NoInitialSchedule(static_cast<int>(body.size()) + 4);
  }
  PartitionModel& model() { return t.ctx.model.partitions; }
  const PartitionRecord& operator[](size_t i) { return model().Partitions.at(i); }
  std::vector<int32_t> Indices() {
    std::vector<int32_t> indices;
    for (const PartitionRecord& p : model().Partitions) indices.push_back(p.PartitionIndex);
    return indices;
  }
};

// The error that a single-partition configuration stops with.
std::string FatalFor(const std::string& partition_line) { return Read({partition_line}).fatal; }

TEST(Partition, IdentityComesFromTheTagOrTheDefinitionLine) {
  Read r({R"(<Partition PartitionIdentifier="3"/>)", "<Partition>",
          R"(<PartitionDefinition Identifier="0x10" Name="Flight Control"/>)", "</Partition>",
          R"(<Partition PartitionIdentifier="-2" PartitionName="Nav  Aid" Name="Ignored"/>)",
          R"(<Partition PartitionIdentifier="3" PartitionName="Second"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  ASSERT_EQ(r.model().Partitions.size(), 4u);
  EXPECT_EQ(r[0].PartitionName, "Partition_3");
  EXPECT_EQ(r[0].DefinitionLine, 3);
  EXPECT_EQ(r[1].PartitionIdentifier, 16);
  EXPECT_EQ(r[1].PartitionName, "Flight_Control");
  EXPECT_EQ(r[1].DefinitionLine, 4);
  EXPECT_EQ(r[2].PartitionIdentifier, -2);
  EXPECT_EQ(r[2].PartitionName, "Nav__Aid");
  EXPECT_EQ(r.Indices(), (std::vector<int32_t>{1, 2, 3, 4}));
  // Lookups find the first partition with an identifier or name.
  EXPECT_EQ(FindPartitionByIdentifier(r.model(), 3), &r[0]);
  EXPECT_EQ(FindPartitionByIdentifier(r.model(), 16), &r[1]);
  EXPECT_EQ(FindPartitionByLookupName(r.model(), "Nav__Aid"), &r[2]);
}

TEST(Partition, MissingIdentityIsFatal) {
  EXPECT_EQ(Read({R"(<Partition PartitionName="P">)", R"(<Process Name="A"/>)"}).fatal,
            Fatal(4, "Required PartitionIdentifier field or subsequent PartitionDefinition missing:",
                  {R"(<Partition PartitionName="P">)"}));
  EXPECT_EQ(Read({"<Partition>", R"(<Partition_Definition Name="X"/>)"}).fatal,
            Fatal(4, "Required Identifier field missing:", {R"(<Partition_Definition Name="X"/>)"}));
  EXPECT_EQ(Read({"<Partition>", R"(<PartitionDefinition Identifier="1"/>)"}).fatal,
            Fatal(4, "Required Name field missing:", {R"(<PartitionDefinition Identifier="1"/>)"}));
}

TEST(Partition, NamesThatCouldLeaveTheOutputDirectoryAreRefused) {
  const std::string message = "Invalid PartitionName, only letters, digits and _ - . $ allowed:";
  for (const char* name : {"../evil", "a/b", "a\\b", ".", "..", "x;y", "a*b"}) {
    const std::string line = std::string(R"(<Partition PartitionIdentifier="1" PartitionName=")") + name + "\"/>";
    EXPECT_EQ(FatalFor(line), Fatal(3, message, {line})) << name;
  }
  // Checked on the definition line's name, and before any later attribute.
  EXPECT_EQ(Read({R"(<Partition Language="c">)", R"(<PartitionDefinition Identifier="1" Name="d/x"/>)"}).fatal,
            Fatal(4, message, {R"(<PartitionDefinition Identifier="1" Name="d/x"/>)"}));
  Read r({R"(<Partition PartitionIdentifier="1" PartitionName="Ok-1.2$ x"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r[0].PartitionName, "Ok-1.2$_x");
}

TEST(Partition, KernelPartitionIsRenamedAndTakesIndexZero) {
  Read r({R"(<Partition PartitionIdentifier="1" PartitionName="A"/>)",
          R"(<Partition PartitionIdentifier="2" PartitionName="B"/>)",
          R"(<Partition PartitionIdentifier="9" PartitionName="Core OS" KernelPartition="TRUE"/>)",
          R"(<Partition PartitionIdentifier="4" PartitionName="D" KernelPartition="false"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r.Indices(), (std::vector<int32_t>{1, 2, 0, 3}));
  EXPECT_EQ(r.model().PartitionCount, 4);
  EXPECT_EQ(r[2].PartitionName, "KernelSpace");
  EXPECT_EQ(r[2].KernelUserName, "Core_OS");
  EXPECT_EQ(r[2].FileName, "Core_OS");
  EXPECT_EQ(r[2].ErrorProcessObject, 395);
  EXPECT_EQ(r[0].ErrorProcessObject, 15);
  EXPECT_EQ(FindPartitionByLookupName(r.model(), "Core_OS"), &r[2]);
  EXPECT_EQ(FindPartitionByLookupName(r.model(), "KernelSpace"), nullptr);

  Read first({R"(<Partition PartitionIdentifier="1" KernelPartition="true" FileName="k file.bin"/>)",
              R"(<Partition PartitionIdentifier="2"/>)"});
  EXPECT_EQ(first.Indices(), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(first[0].FileName, "k_file.bin");
  EXPECT_EQ(first[0].KernelUserName, "Partition_1");

  EXPECT_EQ(Read({R"(<Partition PartitionIdentifier="1" KernelPartition="true"/>)",
                  R"(<Partition PartitionIdentifier="2" KernelPartition="true"/>)"})
                .fatal,
            Fatal(4, "Multiple kernel partitions."));
}

TEST(Partition, PartitionLimitLeavesSlotZeroToTheKernel) {
  auto max_two = [](ModuleSettings& s) { s.MaxPartitions = 2; };
  const std::string p1 = R"(<Partition PartitionIdentifier="1"/>)";
  const std::string p2 = R"(<Partition PartitionIdentifier="2"/>)";
  const std::string p3 = R"(<Partition PartitionIdentifier="3"/>)";
  const std::string kernel = R"(<Partition PartitionIdentifier="9" KernelPartition="true"/>)";
  EXPECT_EQ(Read({p1, p2}, max_two).fatal, Fatal(4, "Maximum number of partitions exceeded.", {p2}));
  Read with_kernel({kernel, p1, p2}, max_two);
  EXPECT_EQ(with_kernel.fatal, with_kernel.finished);
  EXPECT_EQ(Read({kernel, p1, p2, p3}, max_two).fatal, Fatal(6, "Maximum number of partitions exceeded.", {p3}));
}

TEST(Partition, DefaultsFollowTheSettings) {
  Read r({R"(<Partition PartitionIdentifier="1"/>)", R"(<Partition PartitionIdentifier="2" LogicalCores="True"/>)",
          R"(<Partition PartitionIdentifier="3" KernelPartition="true"/>)"},
         [](ModuleSettings& s) {
           s.VirtualStartObject = 40;
           s.KernelStartObject = 1000;
           s.PageSize = 0x2000;
           s.LogicalCoreMapping = 0;
         });
  EXPECT_EQ(r[0].ErrorProcessObject, 35);
  EXPECT_EQ(r[0].ErrorProcessLength, 0x2000);
  EXPECT_EQ(r[0].LogicalCores, 0);
  EXPECT_EQ(r[1].LogicalCores, 1);
  EXPECT_EQ(r[2].ErrorProcessObject, 995);
  // An extreme start object wraps instead of overflowing.
  Read low({R"(<Partition PartitionIdentifier="1"/>)"}, [](ModuleSettings& s) { s.VirtualStartObject = INT_MIN; });
  EXPECT_EQ(low[0].ErrorProcessObject, INT_MAX - 4);
}

TEST(Partition, AttributesAreStoredUnderEitherName) {
  Read r({R"(<Partition PartitionIdentifier="1" FileName="a b.out" HeaderFileName="h h.h" Language="C++" )"
          R"(SetProcessLockPriority="TRUE" StartInitial="true" InitialProcessLength="0x40" ErrorProcessLength="512" )"
          R"(MemoryPoolSize="4096" MemoryPoolPhysicalAddress="0x100000000" SystemPartition="false" )"
          R"(InitialTaskIdentification="7" PortTaskIdentification="8" SetTaskCoreAffinity="true" )"
          R"(DebuggerMayHalt="AfterInit" IsVMDomain="true" IsIODomain="FALSE" DefaultProcessCoreAffinityAny="true"/>)",
          R"(<Partition PartitionIdentifier="2"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  const PartitionRecord& p = r[0];
  EXPECT_EQ((std::vector<std::string>{p.FileName, p.HeaderFileName, p.Language, p.DebuggerMayHalt}),
            (std::vector<std::string>{"a_b.out", "h_h.h", "C++", "AfterInit"}));
  EXPECT_EQ(p.MemoryPoolPhysicalAddress, 0x100000000LL);
  // SetTaskLockPriority, StartInitial, InitialProcessLength, ErrorProcessLength,
  // MemoryPoolSize, SystemPartition, the two identifications with their
  // flags, IsVMDomain, IsIODomain with their flags, DefaultProcessCoreAffinityAny.
  EXPECT_EQ((std::vector<int32_t>{p.SetTaskLockPriority, p.StartInitial, p.InitialProcessLength, p.ErrorProcessLength,
                                  p.MemoryPoolSize, p.SystemPartition, p.InitialTaskIdentification,
                                  p.InitialTaskIdentificationSpecified, p.PortTaskIdentification,
                                  p.PortTaskIdentificationSpecified, p.IsVMDomain, p.IsVMDomainSpecified, p.IsIODomain,
                                  p.IsIODomainSpecified, p.DefaultProcessCoreAffinityAny}),
            (std::vector<int32_t>{1, 1, 64, 512, 4096, 0, 7, 1, 8, 1, 1, 1, 0, 1, 1}));
  // Not given: the "not given" markers stay.
  EXPECT_EQ(r[1].SetTaskLockPriority, -1);
  EXPECT_EQ(r[1].SystemPartition, -1);
  EXPECT_FALSE(r[1].FileNameGiven);
}

// Each single partition line, the head followed by the attributes and "/>",
// stops with the message and quotes the line.
void ExpectRefused(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [attributes, message] : cases) {
    const std::string line = R"(<Partition PartitionIdentifier="1" )" + attributes + "/>";
    EXPECT_EQ(FatalFor(line), Fatal(3, message, {line})) << attributes;
  }
}

// The same for the messages with a second sentence before the tag line.
void ExpectRefused(const std::string& attributes, const std::string& message, const std::string& second) {
  const std::string line = R"(<Partition PartitionIdentifier="1" )" + attributes + "/>";
  EXPECT_EQ(FatalFor(line), Fatal(3, message, {second, line})) << attributes;
}

TEST(Partition, PartitionKindRulesDependOnEarlierAttributes) {
  ExpectRefused({
      {R"(NoObjects="true" ARINC653Partition="true")",
       "Cannot set ARINC653Partition to true after previously setting it to false or after setting NoObjects to true."},
      // With ARINC653HM the partition becomes an ARINC 653 partition again.
      {R"(NoObjects="true" ARINC653Partition="true" ARINC653HM="true")",
       "ARINC653HM can be set to true only if NoObjects is set to true or ARINC653Partition is set to false."},
      {R"(ARINCPorts="true")",
       "ARINC653Ports can be set to true only if NoObjects is set to true or ARINC653Partition is set to false."},
      {R"(ARINC653Partition="false" ErrorProcessObject="30")",
       "Cannot set ErrorProcessObject for non-ARINC HM partitions."},
      {R"(IncludeFileName="x.h")",
       "IncludeFileName can only be specified with NoObjects set to true or ARINC653Partition set to false."},
      {R"(MaximumPriority="5")",
       "MaximumPriority can only be specified with NoObjects set to true or ARINC653Partition set to false."},
      {R"(NoObjects="true" MaximumPriority="0")", "Invalid MaximumPriority specification:"},
  });
  const std::string affinity = "SetTaskCoreAffinity/SetProcessCoreAffinity cannot be";
  const std::string affinity2 = "set to false for ARINC partitions (or partitions using ARINC HM):";
  ExpectRefused(R"(SetTaskCoreAffinity="false")", affinity, affinity2);
  ExpectRefused(R"(NoObjects="true" ARINC653HM="true" SetTaskCoreAffinity="false")", affinity, affinity2);

  Read r({R"(<Partition PartitionIdentifier="1" ARINC653Partition="false" SetProcessCoreAffinity="false"/>)",
          R"(<Partition PartitionIdentifier="2" ARINCPartition="False" ARINCHM="true" ErrorProcessObject="30" )"
          R"(IncludeFileName="my file.h" MaximumPriority="$MAX PRIO"/>)",
          R"(<Partition PartitionIdentifier="3" NoObjects="true" ARINC653HM="true" MaximumPriority="0x20"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r[0].NoObjects, 1);
  EXPECT_EQ(r[0].ErrorProcessObject, 0);
  EXPECT_EQ(r[0].SetTaskCoreAffinity, 0);
  EXPECT_EQ(r[1].NoObjects, 1);
  EXPECT_EQ(r[1].ErrorProcessObject, 30);
  EXPECT_EQ(r[1].IncludeFileName, "my file.h");
  EXPECT_EQ(r[1].MaximumPrioritySymbol, "$MAX_PRIO");
  EXPECT_EQ(r[2].ErrorProcessObject, 15);
  EXPECT_EQ(r[2].MaximumPriority, 32);
}

TEST(Partition, ErrorProcessObjectLimitsAndKernelStartObject) {
  Read r({R"(<Partition PartitionIdentifier="1" KernelPartition="true" ErrorProcessObject="60"/>)",
          R"(<Partition PartitionIdentifier="2" ErrorProcessObject="10"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r[0].ErrorProcessObject, 60);
  EXPECT_EQ(r.t.ctx.settings.KernelStartObject, 65);
  EXPECT_EQ(r.t.ctx.settings.NextKernelObject, 75);
  EXPECT_EQ(r[1].ErrorProcessObject, 10);
  ExpectRefused({
      {R"(KernelPartition="true" ErrorProcessObject="44")",
       "Failure specifying ErrorProcessTaskObject, value less than 45."},
      {R"(KernelPartition="true" ErrorProcessObject="256")",
       "Failure specifying ErrorProcessTaskObject, value greater than 255."},
      {R"(ErrorProcessObject="9")", "Failure specifying ErrorProcessTaskObject, value less than 10."},
  });
}

TEST(Partition, KeywordValues) {
  ExpectRefused(R"(Language="c")", "Invalid Language specifier", R"(Must be one of "C", "C++", "Ada" or "None")");
  ExpectRefused(R"(DebuggerMayHalt="never")", "Invalid DebuggerMayHalt specifier",
                R"(Must be one of "Always", "Never" or "AfterInit")");
  ExpectRefused(R"(ARINC653SetAffinityPermission="INIT ONLY")", "Invalid ARINC653SetAffinityPermission specifier",
                R"(Must be one of "NOT_PERMITTED", "INIT_ONLY" or "ALL_MODES")");
  ExpectRefused({
      {R"(ARINC653LockingDiscipline="BLOCKING-FIFO")", "Invalid ARINC653LockingDiscipline value:"},
      {R"(ARINC653LockingDiscipline="BLOCKING_FIFOS")", "Invalid ARINC653LockingDiscipline value:"},
      {R"(ARINC653LockingDiscipline="BLOCKING_FIFO ")", "Invalid ARINC653LockingDiscipline value:"},
      {R"(NoObjects="true" ARINC653SetAffinityPermission="INIT_ONLY")",
       "ARINC653SetAffinityPermission set for a non-ARINC653 partition:"},
  });
  Read r({R"(<Partition PartitionIdentifier="1" ARINC653LockingDiscipline="blocking_fifo" )"
          R"(ARINC653SetAffinityPermission="init_Only"/>)",
          R"(<Partition PartitionIdentifier="2" ARINC653LockingDiscipline="Non_Blocking" )"
          R"(ARINC653SetAffinityPermission="ALL_MODES"/>)",
          R"(<Partition PartitionIdentifier="3"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ((std::vector<int32_t>{r[0].ARINC653LockingDiscipline, r[1].ARINC653LockingDiscipline,
                                  r[2].ARINC653LockingDiscipline}),
            (std::vector<int32_t>{2, 0, 1}));
  EXPECT_EQ((std::vector<int32_t>{r[0].ARINC653SetAffinityPermission, r[1].ARINC653SetAffinityPermission,
                                  r[2].ARINC653SetAffinityPermission}),
            (std::vector<int32_t>{1, 2, 0}));
}

TEST(Partition, FirstFailingCheckDecides) {
  // Language is examined before KernelPartition, StartInitial before NoObjects.
  ExpectRefused(R"(KernelPartition="maybe" Language="c")", "Invalid Language specifier",
                R"(Must be one of "C", "C++", "Ada" or "None")");
  ExpectRefused({
      {R"(NoObjects="y" StartInitial="1")", "Invalid StartInitial value: "},
      {R"(KernelPartition="1")", "Invalid KernelPartition value: "},
      {R"(SharedPartitionHMText="1")",
       "SharedPartitionHMText specification deprecated, see PartitionHM Memory_Requirements attribute for similar "
       "functionality:"},
  });
}

TEST(Partition, KernelPartitionAttributesAreWarnedAbout) {
  const std::string kernel =
      R"(<Partition PartitionIdentifier="1" KernelPartition="true" StartInitial="true" InitialProcessLength="8" )"
      R"(MemoryPoolSize="0x100" MemoryPoolPhysicalAddress="0x100000000" Shadow="true" IsVMDomain="true" )"
      R"(IsIODomain="bogus" HeapSize="1"/>)";
  Read r({kernel});
  EXPECT_EQ(r.fatal, r.finished);
  const char* const ignoring = " for kernel partition, ignoring specification:";
  std::string expected;
  for (const char* name : {"StartInitial", "InitialProcessLength", "MemoryPoolSize", "MemoryPoolPhysicalAddress",
                           "Shadow", "IsVMDomain", "IsIODomain"}) {
    expected += Warned(3, std::string("Cannot specify ") + name + ignoring, kernel);
  }
  expected += Warned(3, "HeapSize not supported by KERNAVOX-178, use .heap section, ignoring specification:", kernel);
  EXPECT_EQ(r.t.console.err, expected);
  // Warned-about values are stored all the same; the domains are not.
  EXPECT_EQ(r[0].StartInitial, 1);
  EXPECT_EQ(r[0].InitialProcessLength, 8);
  EXPECT_EQ(r[0].MemoryPoolPhysicalAddress, 0x100000000LL);
  EXPECT_EQ(r[0].Shadow, 1);
  EXPECT_EQ(r[0].IsVMDomainSpecified + r[0].IsVMDomain + r[0].IsIODomainSpecified, 0);

  ExpectRefused({{R"(KernelPartition="true" InitialTaskIdentification="1")",
                  "InitialTaskIdentification not allowed for KernelPartition:"}});
}

TEST(Partition, ShadowTableStaysWantedOnceAnyPartitionIsShadowed) {
  Read r({R"(<Partition PartitionIdentifier="1" Shadow="true"/>)",
          R"(<Partition PartitionIdentifier="2" Shadow="false"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r[0].Shadow, 1);
  EXPECT_EQ(r[1].Shadow, 0);
  EXPECT_EQ(r.model().ShadowTableWanted, 1);
  EXPECT_EQ(Read({R"(<Partition PartitionIdentifier="1" Shadow="false"/>)"}).model().ShadowTableWanted, 0);
}

// Each child line, alone in a partition on line 4, stops with the message
// and quotes the line.
void ExpectChildRefused(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [child, message] : cases) {
    EXPECT_EQ(Read({R"(<Partition PartitionIdentifier="1">)", child, "</Partition>"}).fatal,
              Fatal(4, message, {child}));
  }
}

TEST(Partition, FileSystemPermissionsFillTheDiskVolumeTable) {
  Read r({R"(<Partition PartitionIdentifier="1">)",
          R"(<FileSystemPermissions Permissions="READ" Disk="All" Volume="2"/>)",
          R"(<File_System_Permissions Permissions="read__Write" Disk="1" Volume="-1"/>)",
          R"(<FileSystemPermissions Permissions="None" Disk="0" Volume="2"/>)", "</Partition>",
          R"(<Partition PartitionIdentifier="2"/>)"});
  EXPECT_EQ(r.fatal, r.finished);
  ASSERT_NE(r[0].FileSystemPermissions, nullptr);
  // Disk x 6 + volume: READ put 1 in 2, 8 and 14; READ_WRITE then 2 in 6 to
  // 11; NONE cleared 2 again.
  const std::array<uint8_t, 18> expected{0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(*r[0].FileSystemPermissions, expected);
  EXPECT_EQ(r[1].FileSystemPermissions, nullptr);
  EXPECT_EQ(r.model().ClientTableWanted, 1);

  ExpectChildRefused({
      {R"(<FileSystemPermissions Permissions="READ" Disk="3" Volume="0"/>)", "Disk out of range:"},
      {R"(<FileSystemPermissions Permissions="READ" Disk="0" Volume="6"/>)", "Volume out of range:"},
      {R"(<FileSystemPermissions Permissions="READWRITE" Disk="0" Volume="0"/>)",
       "Invalid permissions value.  Must be NONE, READ or READ_WRITE:"},
      {R"(<FileSystemPermissions Permissions="NONE_" Disk="0" Volume="0"/>)",
       "Invalid permissions value.  Must be NONE, READ or READ_WRITE:"},
      {R"(<FileSystemPermissions Disk="0" Volume="0"/>)", "Required Permissions field missing:"},
      {R"(<FileSystemPermissions Permissions="READ" Volume="0"/>)", "Required Disk field missing:"},
      {R"(<FileSystemPermissions Permissions="READ" Disk="all"/>)", "Required Volume field missing:"},
  });
}

TEST(Partition, HMReferenceAndPeriodicity) {
  const std::string periodicity = R"(<Partition_Periodicity Period="5000000000" Duration="1000"/>)";
  Read r({R"(<Partition PartitionIdentifier="1">)", R"(<PartitionHMRef TableName="Main HM" TableIdentifier="0x10"/>)",
          periodicity, "</Partition>"});
  EXPECT_EQ(r.fatal, r.finished);
  EXPECT_EQ(r[0].HMTableName, "Main HM");
  EXPECT_EQ(r[0].HMTableIdentifier, 16);
  EXPECT_EQ(r[0].Period, 5000000000LL);
  EXPECT_EQ(r[0].Duration, 1000);
  EXPECT_EQ(r.t.console.err,
            Warned(5,
                   "Partition periodicity should be specified using an appropriate partition schedule for the "
                   "partition:",
                   periodicity));

  ExpectChildRefused({
      {R"(<PartitionHMRef TableIdentifier="1"/>)", "Required TableName field missing:"},
      {R"(<PartitionPeriodicity Duration="1"/>)", "Missing Period specification:"},
      {R"(<PartitionPeriodicity Period="0" Duration="1"/>)", "Invalid Period specification:"},
      {R"(<PartitionPeriodicity Period="1"/>)", "Missing Duration specification:"},
      {R"(<PartitionPeriodicity Period="1" Duration="0x0"/>)", "Invalid Duration specification:"},
  });
}

TEST(Partition, ChildLoop) {
  // A child that is not an empty-element tag is refused before dispatch.
  EXPECT_EQ(
      Read({R"(<Partition PartitionIdentifier="1">)", R"(<Process Name="A">)", "</Process>", "</Partition>"}).fatal,
      Fatal(4, R"(Line should end with empty-element tag "/>".)", {R"(<Process Name="A">)"}));
  // Grouping lines are skipped, an unknown child is warned about, and a
  // missing end tag ends the partition with the input.
  RunResult r = RunXml(
      Module({R"(<Partition PartitionIdentifier="1" PartitionName="P1">)", "<PartitionPorts>", "<PartitionPort>",
              "</PartitionPort>", "</PartitionPorts>", "<MemoryRegions>", "</MemoryRegions>", R"(<Bogus Name="x"/>)"},
             false),
      {"-m"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, Warned(10, "Unexpected Partition tag line:", R"(<Bogus Name="x"/>)") +
                       WarningLine("Line 11 - </ARINC_653_Module> tag line does not exist.") + NoInitialSchedule(11));
}

}  // namespace
}  // namespace cfgxlate::test
