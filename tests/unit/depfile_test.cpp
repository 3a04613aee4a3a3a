// --depfile and --version: what a build system reads from the translator.
#include <gtest/gtest.h>

#include <string>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

const char kMain[] =
    "<?xml version=\"1.0\"?>\n"
    "<ARINC_653_Module ModuleName=\"M\">\n"
    "<Include FileName=\"my parts#1.xml\"/>\n"
    "<Include FileName=\"/abs/$sched.xml\"/>\n"
    "<Include FileName=\"my parts#1.xml\"/>\n"
    "</ARINC_653_Module>\n";
const char kPartitions[] =
    "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n"
    "</Partition>\n";
const char kSchedule[] =
    "<Module_Schedule ScheduleName=\"Main\" ScheduleIdentifier=\"1\" MajorFrameSeconds=\"1.0\""
    " InitialModuleSchedule=\"true\">\n"
    "<Partition_Schedule PartitionIdentifier=\"1\" PeriodSeconds=\"1.0\" PeriodDurationSeconds=\"1.0\">\n"
    "<Window_Schedule WindowStartSeconds=\"0.0\" WindowDurationSeconds=\"1.0\"/>\n"
    "</Partition_Schedule>\n"
    "</Module_Schedule>\n";

TEST(DepFile, RuleWithEveryFileOpenedOnceAbsoluteAndEscaped) {
  MemoryFileSystem fs;
  fs.current_directory = "/home/me/img";
  fs.files["cfg/main.xml"] = kMain;
  fs.files["my parts#1.xml"] = kPartitions;
  fs.files["/abs/$sched.xml"] = kSchedule;
  RunResult run = RunCommand(fs, {"-q0", "-m", "-outputdir", "gen", "--depfile=gen/main.d", "cfg/main.xml"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(fs.files["gen/main.d"],
            "/home/me/img/gen/main.int: \\\n"
            " /home/me/img/cfg/main.xml \\\n"
            " /home/me/img/my\\ parts\\#1.xml \\\n"
            " /abs/$$sched.xml\n"
            "\n/home/me/img/cfg/main.xml:\n"
            "\n/home/me/img/my\\ parts\\#1.xml:\n"
            "\n/abs/$$sched.xml:\n");
}

TEST(DepFile, OnlyASuccessfulRunWritesIt) {
  MemoryFileSystem fs;
  fs.files["main.xml"] = kMain;
  fs.files["my parts#1.xml"] = kPartitions;
  fs.files["deps.d"] = "older\n";
  // The schedule include is missing: the run fails and the older file stays.
  RunResult run = RunCommand(fs, {"-q0", "-m", "--depfile", "deps.d", "main.xml"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(fs.files["deps.d"], "older\n");

  fs.files["/abs/$sched.xml"] = kSchedule;
  fs.unwritable["deps.d"] = true;
  run = RunCommand(fs, {"-q0", "-m", "--depfile", "deps.d", "main.xml"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ErrorLine("Line 7 - Unable to open file:") + ErrorLine("deps.d"));
}

TEST(LongOptions, VersionAndUnknownOptions) {
  MemoryFileSystem fs;
  std::vector<const char*> argv{"cfgxlate", "--version"};
  BufferConsole console;
  EXPECT_EQ(RunTranslator(2, argv.data(), fs, console), 0);
  EXPECT_EQ(console.out.rfind("cfgxlate ", 0), 0u);
  EXPECT_EQ(console.out.back(), '\n');
  EXPECT_EQ(console.err, "");
  // Unknown long options, and known ones without their value, print the usage.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--verbose", "a.xml"}, {"a.xml", "--depfile"}, {"--diagnostics=plain", "a.xml"},
        {"--version=2"}}) {
    RunResult run = RunCommand(fs, args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("ARINC653 201x XML Translator\nusage: cfgxlate [options] xml_file", 0), 0u);
  }
}

}  // namespace
}  // namespace cfgxlate::test
