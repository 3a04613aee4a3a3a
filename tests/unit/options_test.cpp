// Command-line decoding, derived settings and the start-up errors.
#include <gtest/gtest.h>

#include "driver/options.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// The settings after decoding "cfgxlate args..." and deriving.
ModuleSettings Decode(const std::vector<std::string>& args) {
  TestContext t;
  std::vector<const char*> argv{"cfgxlate"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  EXPECT_TRUE(DecodeOptions(t.ctx, static_cast<int>(argv.size()), argv.data())) << args[0];
  DeriveSettings(t.ctx);
  return t.ctx.settings;
}

void ExpectUsage(const std::vector<std::string>& args) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = "<?xml version=\"1.0\"?>\n";
  RunResult r = RunCommand(fs, args);
  EXPECT_EQ(r.status, 1) << ::testing::PrintToString(args);
  EXPECT_EQ(r.err, UsageText("cfgxlate")) << ::testing::PrintToString(args);
}

// Runs on a minimal file with options that must fail before reading.
std::string StartupError(const std::vector<std::string>& options) {
  RunResult r = RunXml("<?xml version=\"1.0\"?>\n", options);
  EXPECT_EQ(r.status, 1);
  return r.err;
}

TEST(CommandLine, ArgumentErrorsPrintTheUsageText) {
  ExpectUsage({});
  ExpectUsage({"config.xml", "other.xml"});
  ExpectUsage({"-m"});
  for (const char* bad : {"-help", "-h", "-u", "-H", "-4", "-", "-O", "-X", "-3", "-31", "-320", "-n3", "-nx"}) {
    ExpectUsage({bad, "config.xml"});
  }
  // A switch that needs a value, given as the last argument.
  for (const char* last : {"-outputdir", "-o", "-l", "-k", "-v", "-p", "-b", "-x"}) ExpectUsage({"config.xml", last});
}

TEST(CommandLine, BackgroundPriorityMustBeZeroOrMoreAndOdd) {
  EXPECT_EQ(Decode({"-b", "3", "c.xml"}).BackgroundMaxPriority, 3);
  EXPECT_EQ(Decode({"-b=1", "c.xml"}).BackgroundMaxPriority, 1);
  // Without a digit the default -1 stays, which fails the test too.
  for (const char* bad : {"4", "-1", "0", "x"}) {
    EXPECT_EQ(StartupError({"-b", bad}), ErrorLine("Line 1 - BackgroundMaxPriority must be positive and odd")) << bad;
  }
}

TEST(CommandLine, NumbersAreDecimalFromTheFourthCharacterOrTheNextArgument) {
  EXPECT_EQ(Decode({"-p", "8192", "c.xml"}).PageSize, 8192);
  EXPECT_EQ(Decode({"-p", " +8192kb", "c.xml"}).PageSize, 8192);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-k", "500", "c.xml"}, {"-k=500", "c.xml"}, {"-K:500", "c.xml"}}) {
    ModuleSettings s = Decode(args);
    EXPECT_EQ(s.KernelStartObject, 500) << args[0];
    EXPECT_EQ(s.NextKernelObject, 510) << args[0];
  }
  ModuleSettings glued = Decode({"-k500", "c.xml"});  // the value starts at "00"
  EXPECT_EQ(glued.KernelStartObject, 0);
  EXPECT_EQ(glued.NextKernelObject, 10);
  EXPECT_EQ(Decode({"-lang", "C", "-x", "40", "c.xml"}).DefaultLanguage, "C");
}

TEST(CommandLine, PageSizeOfZeroOrBelowIsFatal) {
  TestContext t;
  const char* argv[] = {"cfgxlate", "-p", "0x2000", "c.xml"};
  ASSERT_TRUE(DecodeOptions(t.ctx, 4, argv));
  EXPECT_EQ(t.ctx.settings.PageSize, 0);  // reading stops at the x
  for (const char* size : {"0x2000", "0", "-4096"}) {
    EXPECT_EQ(StartupError({"-p", size}), ErrorLine("Line 1 - PageSize must be a positive number")) << size;
  }
}

TEST(CommandLine, LaterSwitchesOverrideEarlierOnes) {
  ModuleSettings q = Decode({"-q0", "-q", "c.xml"});
  EXPECT_EQ(q.MultiCore, 1);
  EXPECT_EQ(q.MaxPartitions, 255);
  ModuleSettings f = Decode({"-f", "-q", "c.xml"});
  EXPECT_EQ(f.Phase4, 1);
  EXPECT_EQ(f.MultiCore, 1);
}

TEST(CommandLine, FirstVirtualUserObjectFollowsVirtualStartAndMultiCore) {
  EXPECT_EQ(Decode({"c.xml"}).FirstVirtualUserObject, 28);
  EXPECT_EQ(Decode({"-v", "30", "c.xml"}).FirstVirtualUserObject, 38);
  EXPECT_EQ(Decode({"-v", "30", "-q0", "c.xml"}).FirstVirtualUserObject, 34);
  EXPECT_EQ(Decode({"-f", "c.xml"}).FirstVirtualUserObject, 24);
}

TEST(CommandLine, IntegrateFileAndOutputDirectory) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"-o=out.int", "c.xml"},
                                               {"-o", "out.int", "c.xml"},
                                               {"-oX", "out.int", "c.xml"},
                                               {"c.xml", "-o", "out.int"}}) {
    ModuleSettings s = Decode(args);
    EXPECT_EQ(s.IntegrateFileName, "out.int") << args[0];
    EXPECT_EQ(s.OutputDirectory, "") << args[0];
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-outputdir=gen", "c.xml"}, {"-outputdir", "gen", "c.xml"}}) {
    ModuleSettings s = Decode(args);
    EXPECT_EQ(s.OutputDirectory, "gen") << args[0];
    EXPECT_EQ(s.IntegrateFileName, "c.int") << args[0];
  }
  EXPECT_EQ(Decode({"config.xml"}).IntegrateFileName, "config.int");
  EXPECT_EQ(Decode({"dir.v2/config"}).IntegrateFileName, "dir.v2/config.int");
}

TEST(CommandLine, VerboseAndWarningSwitchesDependOnTheThirdCharacter) {
  ModuleSettings e = Decode({"-E", "c.xml"});
  EXPECT_EQ(e.VerboseDump, 1);
  EXPECT_EQ(e.Verbose, VerboseStream::StandardOutput);
  EXPECT_EQ(Decode({"-w2", "c.xml"}).Warnings, 1);
  EXPECT_EQ(Decode({"-w", "-w2", "c.xml"}).Warnings, 0);
  EXPECT_EQ(Decode({"-wx", "c.xml"}).Warnings, 0);
  ModuleSettings wa = Decode({"-wa", "c.xml"});
  EXPECT_EQ(wa.UnusedAttributeWarnings, 1);
  EXPECT_EQ(wa.Warnings, 1);
}

}  // namespace
}  // namespace cfgxlate::test
