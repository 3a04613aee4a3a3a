// --diagnostics=gnu names the file being read in compiler layout; the
// classic layout stays as documented.
#include <gtest/gtest.h>

#include <string>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// module.xml pulls in parts/p1.xml through xi:include, which pulls in
// parts/objects.xml through Include.
MemoryFileSystem NestedIncludes(const std::string& stack_size) {
  MemoryFileSystem fs;
  fs.files["module.xml"] =
      "<?xml version=\"1.0\"?>\n"
      "<ARINC_653_Module ModuleName=\"M\">\n"
      "  <IncludedPartitions>\n"
      "    <xi:include href=\"parts/p1.xml\"/>\n"
      "  </IncludedPartitions>\n"
      "  <Bogus/>\n"
      "</ARINC_653_Module>\n";
  fs.files["parts/p1.xml"] =
      "<?xml version=\"1.0\"?>\n"
      "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\" Colour=\"red\">\n"
      "  <Include FileName=\"parts/objects.xml\"/>\n"
      "</Partition>\n";
  fs.files["parts/objects.xml"] =
      "<Semaphore Name=\"S\" Kind=\"Counting\" Flavour=\"x\"/>\n"
      "<Process Name=\"PROC\" StackSize=\"" + stack_size + "\"/>\n";
  return fs;
}

TEST(GnuDiagnostics, WarningsAndErrorsNameTheFileBeingRead) {
  MemoryFileSystem fs = NestedIncludes("0x1000");
  // Warnings in both included files and in the main file, then the
  // end-of-module check, raised after reading: the XML file given.
  RunResult run = RunCommand(fs, {"-wa", "-m", "--diagnostics=gnu", "module.xml"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "parts/p1.xml:2: warning: Unused attribute found: Colour\n"
            "parts/p1.xml:2: note: <Partition PartitionIdentifier=\"1\" PartitionName=\"P1\" Colour=\"red\">\n"
            "parts/objects.xml:1: warning: Unused attribute found: Flavour\n"
            "parts/objects.xml:1: note: <Semaphore Name=\"S\" Kind=\"Counting\" Flavour=\"x\"/>\n"
            "module.xml:6: warning: Tag line not found\n"
            "module.xml:6: note: <Bogus/>\n"
            "module.xml:8: error: No Module_Schedule found with InitialModuleSchedule value of true\n");

  // The same run in the classic layout, as documented.
  RunResult classic = RunCommand(fs, {"-wa", "-m", "--diagnostics", "classic", "module.xml"});
  EXPECT_EQ(classic.err, WarningLine("Line 2 - Unused attribute found: Colour") +
                             WarningLine("<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\" Colour=\"red\">") +
                             WarningLine("Line 1 - Unused attribute found: Flavour") +
                             WarningLine("<Semaphore Name=\"S\" Kind=\"Counting\" Flavour=\"x\"/>") +
                             WarningLine("Line 6 - Tag line not found") + WarningLine("<Bogus/>") +
                             NoInitialSchedule(8));

  MemoryFileSystem bad = NestedIncludes("zz");
  RunResult error = RunCommand(bad, {"-m", "--diagnostics", "gnu", "module.xml"});
  EXPECT_EQ(error.err,
            "parts/objects.xml:2: error: Invalid DecOrHexValue:\n"
            "parts/objects.xml:2: note: zz\"/>\n"
            "parts/objects.xml:2: note: <Process Name=\"PROC\" StackSize=\"zz\"/>\n");
  // An include that cannot be opened is reported from the file including it.
  bad.files.erase("parts/objects.xml");
  error = RunCommand(bad, {"-m", "--diagnostics=gnu", "module.xml"});
  EXPECT_EQ(error.err,
            "parts/p1.xml:3: error: Unable to open include file:\n"
            "parts/p1.xml:3: note: parts/objects.xml\n");
}

TEST(GnuDiagnostics, GeneratorsNameTheXmlFileAndEarlyMessagesStayClassic) {
  const std::string name31(31, 'n');
  MemoryFileSystem fs;
  fs.files["cfg/m.xml"] =
      "<?xml version=\"1.0\"?>\n"
      "<ARINC_653_Module ModuleName=\"M\">\n"
      "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n"
      "<Process Name=\"" + name31 + "\" StackSize=\"0x1000\"/>\n"
      "</Partition>\n"
      "<Module_Schedule ScheduleName=\"Main\" ScheduleIdentifier=\"1\" MajorFrameSeconds=\"1.0\""
      " InitialModuleSchedule=\"true\">\n"
      "<Partition_Schedule PartitionIdentifier=\"1\" PeriodSeconds=\"1.0\" PeriodDurationSeconds=\"1.0\">\n"
      "<Window_Schedule WindowStartSeconds=\"0.0\" WindowDurationSeconds=\"1.0\"/>\n"
      "</Partition_Schedule>\n"
      "</Module_Schedule>\n"
      "</ARINC_653_Module>\n";
  RunResult run = RunCommand(fs, {"-q0", "-m", "--diagnostics=gnu", "cfg/m.xml"});
  EXPECT_EQ(run.err, "cfg/m.xml:12: error: Name longer than 30 characters:\ncfg/m.xml:12: note: " + name31 + "\n");

  // Before any input is read there is no file to name.
  EXPECT_EQ(RunCommand(fs, {"--diagnostics=gnu", "-b", "2", "cfg/m.xml"}).err,
            ErrorLine("Line 1 - BackgroundMaxPriority must be positive and odd"));
  EXPECT_EQ(RunCommand(fs, {"--diagnostics=gnu", "-p", "0", "cfg/m.xml"}).err,
            ErrorLine("Line 1 - PageSize must be a positive number"));
}

}  // namespace
}  // namespace cfgxlate::test
