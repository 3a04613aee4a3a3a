// The integrate file as a whole: include and target lines, the address-space
// header lines, where the file goes, and that a failed run leaves no
// integrate file while the files of earlier phases stay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

std::string Module(const std::string& partitions, const std::string& channels = "",
                   const std::string& module_attributes = "") {
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\"" + module_attributes + ">\n" + partitions +
         "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n</Module_Sub_Schedule>\n"
         "</Module_Schedule>\n<Connection_Table>\n" + channels + "</Connection_Table>\n</ARINC_653_Module>\n";
}

// The header lines of one address space: up to its first task or object.
std::string AddressSpaceHeader(const std::string& text, const std::string& name) {
  const size_t start = text.find("\nAddressSpace\t\t" + name + "\n");
  if (start == std::string::npos) return "";
  const size_t end = std::min(text.find("\n\tTask", start), text.find("\n\tObject", start));
  return text.substr(start, end + 1 - start);
}

TEST(IntegrateFile, IncludeTargetAndAddressSpaceHeaders) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = Module(
      "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\" FileName=\"p1.bin\" HeaderFileName=\"p1_api.h\" "
      "Language=\"C\" Shadow=\"true\" SetTaskLockPriority=\"true\" DebuggerMayHalt=\"Always\" IsVMDomain=\"false\" "
      "IsIODomain=\"true\" MemoryPoolSize=\"0x30000\"/>\n"
      "<Partition PartitionIdentifier=\"2\" PartitionName=\"P2\" ARINC653Partition=\"false\" "
      "MaximumPriority=\"$MAXP\" SetTaskCoreAffinity=\"false\"/>\n"
      "<Partition PartitionIdentifier=\"3\" PartitionName=\"P3\" ARINC653Partition=\"false\" MaximumPriority=\"77\" "
      "Language=\"C++\"/>\n",
      "", " IncludeName=\"board.h\" Target=\"tgt\"");
  RunResult run = RunCommand(fs, {"-m", "config.xml"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string& text = fs.files["config.int"];
  EXPECT_EQ(text.substr(0, text.find("\tObject")), "%include \"board.h\"\nTarget\ttgt\nKernel\n\tFilename\tKernelFile\n");
  EXPECT_EQ(AddressSpaceHeader(text, "P1"),
            "\nAddressSpace\t\tP1\n\tFilename\tp1.bin\n\tSetTaskCoreAffinity\ttrue\n\tMaximumPriority\t255\n"
            "\tMemoryPoolSize\t0x30000\n\tLanguage\tC\n\tHeaderFilename\tp1_api.h\n\tShadow\t\tTrue\n"
            "\tSetTaskLockPriority\ttrue\n\tDebuggerMayHalt\tAlways\n\tIsVMDomain\tfalse\n\tIsIODomain\ttrue\n");
  // Not ARINC 653: the maximum priority only when given (as a symbol here).
  EXPECT_EQ(AddressSpaceHeader(text, "P2"),
            "\nAddressSpace\t\tP2\n\tFilename\tP2\n\tSetTaskCoreAffinity\tfalse\n\tMaximumPriority\t$MAXP\n"
            "\tLanguage\tAda\n\tHeaderFilename\tP2.ads\n");
  // Any language but Ada gives a .h header.
  EXPECT_EQ(AddressSpaceHeader(text, "P3"),
            "\nAddressSpace\t\tP3\n\tFilename\tP3\n\tSetTaskCoreAffinity\ttrue\n\tMaximumPriority\t77\n"
            "\tLanguage\tC++\n\tHeaderFilename\tP3.h\n");
  // The file ends with the last address space.
  EXPECT_EQ(text.substr(text.size() - 16), "EndAddressSpace\n");
}

TEST(IntegrateFile, PlacedInTheOutputDirectoryUnderItsBaseName) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = Module("<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\"/>\n");
  RunResult run = RunCommand(fs, {"-m", "-outputdir", "gen", "config.xml", "-o", "elsewhere/out.int"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(fs.files.count("gen/out.int"), 1u);
  EXPECT_EQ(fs.files.count("elsewhere/out.int"), 0u);
}

TEST(IntegrateFile, FailedRunLeavesNoIntegrateFile) {
  // A plain channel from a port outside the module stops the run while the
  // integrate file is written: an integrate file from an earlier run is
  // removed; the object tables, complete before, stay.
  const std::string pseudo =
      "<Channel ChannelIdentifier=\"1\">\n<Source>\n<Pseudo_Partition Name=\"X\"/>\n</Source>\n<Destination>\n"
      "<Standard_Partition PartitionIdentifier=\"1\" PortName=\"in\"/>\n</Destination>\n</Channel>\n";
  MemoryFileSystem fs;
  fs.files["config.xml"] = Module(
      "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n<Queuing_Port PortName=\"in\" "
      "Direction=\"DESTINATION\" MaxMessageSize=\"8\" MaxNbMessages=\"2\" MaxTransfersPerWindow=\"1\"/>\n"
      "</Partition>\n",
      pseudo);
  fs.files["config.int"] = "from an earlier run\n";
  RunResult run = RunCommand(fs, {"-m", "config.xml"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ErrorLine("Line 21 - With KERNAVOX connection queuing ports, both ends of the port must be "
                               "defined as non-PseudoPartitions"));
  EXPECT_EQ(fs.files.count("config.int"), 0u);
  EXPECT_EQ(fs.files.count("object_table.s"), 1u);
  EXPECT_EQ(fs.files.count("kernel_additions.ld"), 1u);

  // An error while reading leaves an earlier integrate file alone.
  fs.files["config.xml"] = "<?xml version=\"1.0\"?>\n<ARINC_653_Module>\n<Partition/>\n";
  fs.files["config.int"] = "from an earlier run\n";
  EXPECT_EQ(RunCommand(fs, {"-m", "config.xml"}).status, 1);
  EXPECT_EQ(fs.files["config.int"], "from an earlier run\n");
}

TEST(IntegrateFile, UnwritableIntegrateFile) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = Module("<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\"/>\n");
  fs.unwritable["config.int"] = true;
  RunResult run = RunCommand(fs, {"-m", "config.xml"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ErrorLine("Line 11 - Unable to open file:") + ErrorLine("config.int"));
  EXPECT_EQ(fs.files.count("object_table.s"), 1u);
}

TEST(IntegrateFile, ObjectNumbersNearTheLimitWrap) {
  // -k 2147483645: K+3 and the numbers after it wrap around like the 32-bit
  // numbers they are, instead of overflowing (the sanitizer build checks).
  IntRun r = Translate(Module("<Partition PartitionIdentifier=\"0\" PartitionName=\"K\" KernelPartition=\"true\"/>\n"
                              "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\"/>\n"),
                       {"-k", "2147483645", "-v", "2147483645"});
  ASSERT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_NE(r.text.find("\tObject\t-2147483648\n\t\tConnection\tKernelSpace\n\t\tOtherObjectNumber\t-2147483647\n"),
            std::string::npos);
  EXPECT_NE(r.text.find("\tObject\t-2147483644\n\t\tConnection\tP1\n"), std::string::npos);
}

}  // namespace
}  // namespace cfgxlate::test
