// Path helpers: integrate-file names, output-directory joining and the
// program name shown in messages.
#include <gtest/gtest.h>

#include "run_helpers.h"
#include "util/paths.h"

namespace cfgxlate::test {
namespace {

TEST(IntegrateFileName, ReplacesTheExtensionOfTheLastComponentOnly) {
  EXPECT_EQ(DeriveIntegrateFileName("config.xml"), "config.int");
  EXPECT_EQ(DeriveIntegrateFileName("cfg/module.xml"), "cfg/module.int");
  EXPECT_EQ(DeriveIntegrateFileName("module"), "module.int");
  EXPECT_EQ(DeriveIntegrateFileName("dir.v2/config"), "dir.v2/config.int");
  EXPECT_EQ(DeriveIntegrateFileName("dir.v2\\config"), "dir.v2\\config.int");
  EXPECT_EQ(DeriveIntegrateFileName("a.b.xml"), "a.b.int");
  EXPECT_EQ(DeriveIntegrateFileName("c:cfg.xml"), "c:cfg.int");
}

TEST(OutputPath, JoinsAndNormalisesRelativeNames) {
  EXPECT_EQ(JoinOutputPath("gen", "object_table.s"), "gen/object_table.s");
  EXPECT_EQ(JoinOutputPath("gen/", "object_table.s"), "gen/object_table.s");
  EXPECT_EQ(JoinOutputPath("gen\\", "object_table.s"), "gen/object_table.s");
  EXPECT_EQ(JoinOutputPath("out\\gen", "sub\\x.s"), "out/gen/sub/x.s");
  EXPECT_EQ(JoinOutputPath("./out//./gen/", "x.s"), "out/gen/x.s");
  EXPECT_EQ(JoinOutputPath("c:\\out", "x.s"), "C:/out/x.s");
  // An absolute directory stays absolute.
  EXPECT_EQ(JoinOutputPath("/tmp/gen", "x.s"), "/tmp/gen/x.s");
  EXPECT_EQ(JoinOutputPath("\\tmp\\gen", "x.s"), "/tmp/gen/x.s");
  // Absolute names, and any name with an empty directory, stay unchanged.
  EXPECT_EQ(JoinOutputPath("gen", "/abs/x.s"), "/abs/x.s");
  EXPECT_EQ(JoinOutputPath("gen", "\\abs\\x.s"), "\\abs\\x.s");
  EXPECT_EQ(JoinOutputPath("gen", "d:x.s"), "d:x.s");
  EXPECT_EQ(JoinOutputPath("", "sub\\.\\x.s"), "sub\\.\\x.s");
}

TEST(ProgramName, IsTheBaseNameWithoutExe) {
  EXPECT_EQ(ProgramName("cfgxlate"), "cfgxlate");
  EXPECT_EQ(ProgramName("/opt/tools/cfgxlate.exe"), "cfgxlate");
  EXPECT_EQ(ProgramName("C:\\tools\\xlate.exe"), "xlate");
  EXPECT_EQ(ProgramName("bin/cfgxlate.exe.old"), "cfgxlate.exe.old");

  // Every message line starts with it.
  MemoryFileSystem fs;
  const char* argv[] = {"/opt/tools/xlate.exe", "missing.xml"};
  BufferConsole console;
  EXPECT_EQ(RunTranslator(2, argv, fs, console), 1);
  EXPECT_EQ(console.err, "xlate: error: Line 1 - Unable to open file:\nxlate: error: missing.xml\n");
}

}  // namespace
}  // namespace cfgxlate::test
