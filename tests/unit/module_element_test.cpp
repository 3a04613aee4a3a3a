// The configuration reader's frame: first tag, module element, module
// attributes, CoreAGLockPriorityTable and the end-of-module checks.
#include <gtest/gtest.h>

#include "module/module_element.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

const std::string kDeclaration = "<?xml version=\"1.0\"?>\n";

std::string Unexpected(int line, const std::string& tag) {
  return WarningLine("Line " + std::to_string(line) + " - Unexpected XML tag line:") + WarningLine(tag);
}

// Reads config.xml under -m; the run always ends at the initial-schedule
// check, after the settings were read.
struct ReadResult {
  ModuleSettings settings;
  std::string lines;
};
ReadResult ReadModule(const std::string& xml) {
  TestContext t;
  t.fs.files["config.xml"] = xml;
  t.ctx.settings.XmlFileName = "config.xml";
  t.ctx.settings.NoModuleHM = 1;
  ReadResult result;
  result.lines = FatalLines([&] { ReadConfiguration(t.ctx); });
  result.settings = t.ctx.settings;
  return result;
}

TEST(ModuleFile, FirstTagMustContainXml) {
  const std::string module = "<ARINC_653_Module Target=\"t\">\n</ARINC_653_Module>\n";
  // Comments are skipped before the first tag is taken.
  RunResult commented = RunXml("<!-- note -->\n" + kDeclaration + module);
  EXPECT_EQ(commented.status, 1);
  EXPECT_EQ(commented.err, NoModuleHMTable(5));
  EXPECT_EQ(RunXml("<!-- note -->\n" + kDeclaration + module, {"-m"}).err, NoInitialSchedule(5));

  const std::string invalid =
      ErrorLine("Line 1 - Invalid XML file:") + ErrorLine("config.xml") + ErrorLine("First line must contain 'xml'");
  EXPECT_EQ(RunXml("<Config/>\n" + module).err, invalid);
  EXPECT_EQ(RunXml("").err, invalid);
}

TEST(ModuleFile, ModuleStartTagWithoutDeclarationIsLost) {
  const std::string xml =
      "<ARINC_653_Module xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" Target=\"t\">\n"
      "<Partition PartitionName=\"P\">\n</Partition>\n</ARINC_653_Module>\n";
  const std::string warnings = Unexpected(2, "<Partition PartitionName=\"P\">") + Unexpected(3, "</Partition>") +
                               Unexpected(4, "</ARINC_653_Module>");
  EXPECT_EQ(RunXml(xml).err, warnings + NoModuleHMTable(5));
  EXPECT_EQ(RunXml(xml, {"-m"}).err, warnings + NoInitialSchedule(5));
}

TEST(ModuleFile, ModuleStartNeedsASpaceAfterItsName) {
  RunResult bare = RunXml(kDeclaration + "<ARINC_653_Module>\n</ARINC_653_Module>\n", {"-m"});
  EXPECT_EQ(bare.err, Unexpected(2, "<ARINC_653_Module>") + Unexpected(3, "</ARINC_653_Module>") + NoInitialSchedule(4));
  // The other spelling; unknown tags inside the module are skipped silently,
  // tags after its end draw the warning again.
  RunResult other = RunXml(kDeclaration + "<ARINC653Module Target=\"t\">\n<Stray/>\n</ARINC653Module>\n<After/>\n", {"-m"});
  EXPECT_EQ(other.err, Unexpected(5, "<After/>") + NoInitialSchedule(6));
}

TEST(ModuleFile, MissingModuleEndTagIsAWarning) {
  const std::string xml = kDeclaration + "<ARINC_653_Module Target=\"t\">\n<Foo/>\n";
  EXPECT_EQ(RunXml(xml).err,
            WarningLine("Line 4 - </ARINC_653_Module> tag line does not exist.") + NoModuleHMTable(4));
  EXPECT_EQ(RunXml(xml, {"-w"}).err, NoModuleHMTable(4));
}

TEST(ModuleFile, WarningDetailsArePrintedLiterally) {
  RunResult r = RunXml(kDeclaration + "<Note text=\"100% %s %d %n\"/>\n");
  EXPECT_EQ(r.err, Unexpected(2, "<Note text=\"100% %s %d %n\"/>") + NoModuleHMTable(3));
}

TEST(ModuleFile, ParsingErrorsLeaveAnEarlierIntegrateFile) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = kDeclaration + "<ARINC_653_Module NumberOfCores=\"0\">\n";
  fs.files["config.int"] = "earlier run\n";
  EXPECT_EQ(RunCommand(fs, {"config.xml"}).status, 1);
  EXPECT_EQ(fs.files["config.int"], "earlier run\n");
}

TEST(ModuleAttributes, NumberOfCoresChecks) {
  auto run = [](const std::string& cores, std::vector<std::string> options) {
    options.push_back("-m");
    return RunXml(kDeclaration + "<ARINC_653_Module NumberOfCores=\"" + cores + "\">\n</ARINC_653_Module>\n",
                  options);
  };
  auto tag = [](const std::string& cores) { return "<ARINC_653_Module NumberOfCores=\"" + cores + "\">"; };
  EXPECT_EQ(run("4", {}).err, NoInitialSchedule(4));
  EXPECT_EQ(run("1", {"-q0"}).err, NoInitialSchedule(4));
  EXPECT_EQ(run("1", {"-f"}).err, NoInitialSchedule(4));
  const std::string single = "Line 2 - NumberOfCores is greater than 1, but the MultiCore option (-q) not specified:";
  EXPECT_EQ(run("4", {"-q0"}).err, ErrorLine(single) + ErrorLine(tag("4")));
  EXPECT_EQ(run("4", {"-f"}).err, ErrorLine(single) + ErrorLine(tag("4")));
  for (const char* invalid : {"0", "-1"}) {
    EXPECT_EQ(run(invalid, {}).err,
              ErrorLine("Line 2 - Invalid Number_Of_Cores specification:") + ErrorLine(tag(invalid)));
  }
  // The deprecated attribute is looked at before NumberOfCores.
  const std::string deprecated = "<ARINC_653_Module NumberOfCores=\"0\" Partition_HM_Text_Size=\"4096\">";
  EXPECT_EQ(RunXml(kDeclaration + deprecated + "\n").err,
            ErrorLine("Line 2 - Partition_HM_Text_Size specification deprecated, see PartitionHM "
                      "Memory_Requirements attribute for similar functionality:") +
                ErrorLine(deprecated));
}

TEST(ModuleAttributes, SettingsAndLockPriorityEntriesAreKept) {
  const std::string start =
      kDeclaration + "<ARINC_653_Module Target=\"ppc_target\" IncludeName=\"kvx.h\" NumberOfCores=\"0x4\">\n";
  const std::string first =
      "<HM_Error_Descriptions>\n<CoreAGLockPriorityTable>\n<Core ID=\"0\" AGPriority=\"5\"/>\n"
      "<Entry String=\"1 7\"/>\n</CoreAGLockPriorityTable>\n</HM_Error_Descriptions>\n";
  const std::string empty = "<CoreAGLockPriorityTable>\n</CoreAGLockPriorityTable>\n";
  const std::string second = "<CoreAGLockPriorityTable>\n<Core AGPriority=\"9\" ID=\"2\"/>\n</CoreAGLockPriorityTable>\n";
  auto texts = [](const ModuleSettings& s) {
    std::vector<std::string> result;
    for (const CoreAGLockPriorityEntry& entry : s.CoreAGLockPriorities) result.push_back(entry.Text);
    return result;
  };
  ReadResult kept = ReadModule(start + first + empty + "</ARINC_653_Module>\n");
  EXPECT_EQ(kept.lines, NoInitialSchedule(12));
  EXPECT_EQ(kept.settings.Target, "ppc_target");
  EXPECT_EQ(kept.settings.IncludeName, "kvx.h");
  EXPECT_EQ(kept.settings.NumberOfCores, 4);
  // A Core entry is its ID, a space and its AGPriority; an empty later table
  // keeps the entries, a later one with entries replaces them.
  EXPECT_EQ(texts(kept.settings), (std::vector<std::string>{"0 5", "1 7"}));
  EXPECT_EQ(texts(ReadModule(start + first + second + "</ARINC_653_Module>\n").settings),
            (std::vector<std::string>{"2 9"}));
}

TEST(CoreAGLockPriorityTable, MalformedEntriesAreFatal) {
  auto lines = [](const std::string& entry) {
    return ReadModule(kDeclaration + "<ARINC_653_Module Target=\"t\">\n<CoreAGLockPriorityTable>\n\n" + entry +
                      "\n</CoreAGLockPriorityTable>\n</ARINC_653_Module>\n")
        .lines;
  };
  const std::string both = "Line 5 - Incorrect CoreAGLockPriorityTable entry (ID and AGPriority not specified correctly):";
  EXPECT_EQ(lines("<Core ID=\"0\"/>"), ErrorLine(both) + ErrorLine("<Core ID=\"0\"/>"));
  EXPECT_EQ(lines("<Core AGPriority=\"5\"/>"), ErrorLine(both) + ErrorLine("<Core AGPriority=\"5\"/>"));
  const std::string incorrect = "Line 5 - Incorrect CoreAGLockPriorityTable entry:";
  for (const char* other : {"<Entry Text=\"1 7\"/>", "<Entry/>", "<Priority ID=\"0\"/>"}) {
    EXPECT_EQ(lines(other), ErrorLine(incorrect) + ErrorLine(other)) << other;
  }
}

}  // namespace
}  // namespace cfgxlate::test
