// Linker additions: each partition section's reserved size against the
// bytes its object table really holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "gen/objtables/linker_additions.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// Single-core module: partition P1 with `objects` semaphores, in `schedules`
// module schedules; `attributes` go on P1's tag.
std::string Module(int objects, int schedules, const std::string& attributes = "") {
  std::string xml = "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n"
                    "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\"" + attributes + ">\n";
  for (int i = 0; i < objects; ++i) {
    xml += "<Semaphore Name=\"s" + std::to_string(i) + "\" Kind=\"Counting\" InitialValue=\"0\"/>\n";
  }
  xml += "</Partition>\n";
  for (int k = 1; k <= schedules; ++k) {
    xml += "<Module_Schedule ScheduleName=\"S" + std::to_string(k) + "\" ScheduleIdentifier=\"" +
           std::to_string(k) + "\" MajorFrameSeconds=\"0.02\"" + (k == 1 ? " InitialModuleSchedule=\"true\"" : "") +
           ">\n<Partition_Schedule PartitionIdentifier=\"1\" PeriodSeconds=\"0.02\" PeriodDurationSeconds=\"0.01\">\n"
           "<Window_Schedule WindowIdentifier=\"" + std::to_string(k) +
           "\" WindowStartSeconds=\"0.0\" WindowDurationSeconds=\"0.01\"/>\n</Partition_Schedule>\n"
           "</Module_Schedule>\n";
  }
  return xml + "</ARINC_653_Module>\n";
}

struct Files {
  int status = -1;
  std::string err, table, linker;
};

Files Generate(const std::string& xml, std::vector<std::string> options = {}) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = xml;
  options.insert(options.begin(), {"-m", "-q0"});
  options.push_back("config.xml");
  const RunResult run = RunCommand(fs, options);
  return Files{run.status, run.err, fs.files["object_table.s"], fs.files["kernel_additions.ld"]};
}

// Values on the ".byte" lines of the named partition's section.
int SectionBytes(const std::string& table, const std::string& partition) {
  std::istringstream lines(table);
  std::string line;
  bool inside = false;
  int bytes = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("\t.section", 0) == 0 || line == "\t.data") {
      inside = line == "\t.section\t\".mr_rweu_" + partition + "\",\"aw\"";
    } else if (inside && line.rfind("\t.byte\t", 0) == 0) {
      bytes += 1 + static_cast<int>(std::count(line.begin(), line.end(), ','));
    }
  }
  return bytes;
}

TEST(LinkerAdditions, DocumentedSizes) {
  // 68 + 75 x 48 + 4 + 4 x 120 = 4152 bytes: two pages.
  Files big = Generate(Module(75, 4), {"-r"});
  ASSERT_EQ(big.status, 0) << big.err;
  EXPECT_EQ(big.linker,
            "\t.mr_rweu_P1 align(0x1000) MIN_SIZE(0x2000)\t:\n"
            "\t.rmr_rweu_P1 ROM_NOCOPY(.mr_rweu_P1)\t:\n");
  EXPECT_EQ(SectionBytes(big.table, "P1"), 4152);

  // 68 + 10 x 48 + 4 + 2 x 120 = 792 bytes.
  Files small = Generate(Module(10, 2));
  EXPECT_EQ(small.linker, "\t.mr_rweu_P1 align(0x1000) MIN_SIZE(0x1000)\t:\n");
  EXPECT_EQ(SectionBytes(small.table, "P1"), 792);
  Files checksum = Generate(Module(10, 2), {"-checksum"});
  EXPECT_EQ(checksum.linker, "\t.mr_rweu_P1 align(0x1000) MIN_SIZE(0xffc)\t:\n");
}

TEST(LinkerAdditions, ReservedSizeHoldsTheWrittenBytes) {
  // Each case crosses a page boundary that 48-byte entries, 56-byte schedule
  // records or 40-byte non-ARINC records would not.
  struct Case {
    int objects;
    std::vector<std::string> options;
    std::string attributes;
    int bytes;  // worked out by hand
    std::string min_size;
  };
  const std::vector<Case> cases = {
      {81, {}, "", 68 + 81 * 48 + 4 + 120, "0x1000"},                          // 4080
      {82, {}, "", 68 + 82 * 48 + 4 + 120, "0x2000"},                          // 4128
      {78, {"-32"}, "", 68 + 78 * 52 + 4 + 122, "0x2000"},                     // 4250
      {82, {}, " ARINC653Partition=\"false\"", 68 + 82 * 48 + 4 + 120, "0x2000"},
      {82, {"-checksum"}, "", 68 + 82 * 48 + 4 + 120, "0x1ffc"},
  };
  for (const Case& c : cases) {
    Files files = Generate(Module(c.objects, 1, c.attributes), c.options);
    ASSERT_EQ(files.status, 0) << files.err;
    EXPECT_EQ(SectionBytes(files.table, "P1"), c.bytes) << c.objects << c.attributes;
    EXPECT_EQ(files.linker, "\t.mr_rweu_P1 align(0x1000) MIN_SIZE(" + c.min_size + ")\t:\n") << c.objects;
  }
}

TEST(LinkerAdditions, PageSizeAndFileSet) {
  ModuleSettings settings;
  settings.PageSize = 1024;
  EXPECT_EQ(SectionMinimumSize(settings, 1100), 0x800u);
  settings.Checksum = 1;
  EXPECT_EQ(SectionMinimumSize(settings, 1024), 0x3fcu);

  MemoryFileSystem fs;
  fs.files["config.xml"] = Module(1, 1);
  ASSERT_EQ(RunCommand(fs, {"-m", "-q0", "-z", "config.xml"}).status, 0);
  EXPECT_EQ(fs.files.count("kernel_additions.ld"), 0u);

  // A module whose only partition is the kernel partition still gets the
  // file, empty.
  MemoryFileSystem kernel_only;
  kernel_only.files["config.xml"] = Module(1, 1, " KernelPartition=\"true\"");
  ASSERT_EQ(RunCommand(kernel_only, {"-m", "-q0", "config.xml"}).status, 0);
  ASSERT_EQ(kernel_only.files.count("kernel_additions.ld"), 1u);
  EXPECT_EQ(kernel_only.files["kernel_additions.ld"], "");
}

}  // namespace
}  // namespace cfgxlate::test
