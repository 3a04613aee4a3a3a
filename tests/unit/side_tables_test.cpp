// Shadow and client tables: whole files against texts worked out by hand,
// and the refusal of two writers to one disk volume.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// A single-core module holding `partitions` (one tag per line) and an
// initial schedule; the whole file has partitions.size() + 5 lines.
std::string Module(const std::vector<std::string>& partitions) {
  std::string xml = "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n";
  for (const std::string& line : partitions) xml += line + "\n";
  return xml +
         "<Module_Schedule ScheduleName=\"S\" ScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\" "
         "InitialModuleSchedule=\"true\">\n</Module_Schedule>\n</ARINC_653_Module>\n";
}

struct Translation {
  RunResult run;
  MemoryFileSystem fs;
  bool Has(const std::string& name) const { return fs.files.count(name) != 0; }
  const std::string& File(const std::string& name) { return fs.files[name]; }
};

void Translate(Translation& t, const std::vector<std::string>& partitions, std::vector<std::string> options = {}) {
  t.fs.files["config.xml"] = Module(partitions);
  options.insert(options.begin(), {"-m", "-q0"});
  options.push_back("config.xml");
  t.run = RunCommand(t.fs, options);
}

std::string Permission(const char* permissions, const char* disk, const char* volume) {
  return std::string("<FileSystemPermissions Permissions=\"") + permissions + "\" Disk=\"" + disk + "\" Volume=\"" +
         volume + "\"/>";
}

// One client's 18 entries; `access` holds one digit per volume, disk-major,
// with a blank between disks.
std::string ClientEntries(const std::string& access) {
  static const char* const kNames[] = {"RADU_VOL_ACCESS_NONE", "RADU_VOL_ACCESS_READ_ONLY",
                                       "RADU_VOL_ACCESS_READ_WRITE"};
  std::string text;
  for (int disk = 0; disk < 3; ++disk) {
    for (int volume = 0; volume < 6; ++volume) {
      const char* name = kNames[access[static_cast<size_t>(disk * 7 + volume)] - '0'];
      text += "#\tDisk " + std::to_string(disk) + ", Volume " + std::to_string(volume) + ": " + name + "\n";
      text += std::string("\t.byte\t") + name + "\n";
    }
  }
  return text;
}

const std::string kShadowHead =
    "\t.section\t\".rodata\",\"a\"\n\t.balign\t4\n\t.globl\tARINC653ShadowTable\nARINC653ShadowTable:\n";
const std::string kClientHead =
    "\t.set\tRADU_VOL_ACCESS_NONE, 0\n\t.set\tRADU_VOL_ACCESS_READ_ONLY, 1\n\t.set\tRADU_VOL_ACCESS_READ_WRITE, 2\n"
    "\t.section\t\".rodata\",\"a\"\n\t.balign\t4\n\t.globl\tARINC653ClientPermissionsTable\n"
    "ARINC653ClientPermissionsTable:\n";
const std::string kWriteAccessError = "Multiple partitions have write access to the same disk/volume:";

// Kernel numbers without a kernel partition start at 410; each partition
// takes one for its MR_ region, then one for its shadow link: P1 410 and
// 411, P2 412, P3 413 and 414.
const std::vector<std::string> kTwoShadowed = {
    R"(<Partition PartitionIdentifier="1" PartitionName="P1" Shadow="true"></Partition>)",
    R"(<Partition PartitionIdentifier="7" PartitionName="P2" Shadow="false"></Partition>)",
    R"(<Partition PartitionIdentifier="3" PartitionName="P3" Shadow="true"></Partition>)"};

TEST(SideTablesShadow, PairsInDefinitionOrderThenZero) {
  Translation t;
  Translate(t, kTwoShadowed);
  ASSERT_EQ(t.run.status, 0) << t.run.err;
  EXPECT_EQ(t.File("shadow_table.s"), kShadowHead +
                                          "#\tShadowed Partition \"P1\"\n#\tPartition Identifier = 1\n"
                                          "\t.byte\t0,0,0,1\n"
                                          "#\tObject Number of link to initial task = 411\n"
                                          "\t.byte\t0,0,1,155\n"
                                          "#\tShadowed Partition \"P3\"\n#\tPartition Identifier = 3\n"
                                          "\t.byte\t0,0,0,3\n"
                                          "#\tObject Number of link to initial task = 414\n"
                                          "\t.byte\t0,0,1,158\n"
                                          "\t.byte\t0,0,0,0\n");
  // The numbers are the ones the integrate file gave the links.
  EXPECT_NE(t.File("config.int").find("\tObject\t414\n\t\tLink\t\tP3\n\t\tOtherObjectNumber\t4\n"), std::string::npos);
  EXPECT_FALSE(t.Has("client_table.s"));
}

TEST(SideTablesShadow, LeastSignificantByteFirstWithI) {
  Translation t;
  Translate(t, kTwoShadowed, {"-i"});
  ASSERT_EQ(t.run.status, 0) << t.run.err;
  EXPECT_EQ(t.File("shadow_table.s"), kShadowHead +
                                          "#\tShadowed Partition \"P1\"\n#\tPartition Identifier = 1\n"
                                          "\t.byte\t1,0,0,0\n"
                                          "#\tObject Number of link to initial task = 411\n"
                                          "\t.byte\t155,1,0,0\n"
                                          "#\tShadowed Partition \"P3\"\n#\tPartition Identifier = 3\n"
                                          "\t.byte\t3,0,0,0\n"
                                          "#\tObject Number of link to initial task = 414\n"
                                          "\t.byte\t158,1,0,0\n"
                                          "\t.byte\t0,0,0,0\n");
}

TEST(SideTablesShadow, UnwritableFileStopsTheRun) {
  Translation t;
  t.fs.unwritable["shadow_table.s"] = true;
  Translate(t, kTwoShadowed);
  EXPECT_EQ(t.run.status, 1);
  EXPECT_EQ(t.run.err, ErrorLine("Line 9 - Unable to open file:") + ErrorLine("shadow_table.s"));
}

TEST(SideTables, NeitherFileUnlessAsked) {
  Translation t;
  Translate(t, {R"(<Partition PartitionIdentifier="1" PartitionName="P1" Shadow="false"></Partition>)"});
  ASSERT_EQ(t.run.status, 0) << t.run.err;
  EXPECT_TRUE(t.Has("config.int"));
  EXPECT_FALSE(t.Has("shadow_table.s"));
  EXPECT_FALSE(t.Has("client_table.s"));
}

TEST(SideTablesClient, EntriesOfEachPartitionWithPermissions) {
  Translation t;
  Translate(t, {R"(<Partition PartitionIdentifier="1" PartitionName="P1">)", Permission("READ_WRITE", "0", "1"),
                Permission("READ", "All", "5"), "</Partition>",
                // No permissions: no entry and no client index.
                R"(<Partition PartitionIdentifier="2" PartitionName="P2"></Partition>)",
                R"(<Partition PartitionIdentifier="5" PartitionName="P3">)", Permission("NONE", "All", "All"),
                "</Partition>",
                // Reads disk 2 volume 5 like P1 does: several readers are fine.
                R"(<Partition PartitionIdentifier="4" PartitionName="P4">)", Permission("READ", "2", "5"),
                Permission("read_write", "1", "0"), "</Partition>"});
  ASSERT_EQ(t.run.status, 0) << t.run.err;
  EXPECT_EQ(t.File("client_table.s"),
            kClientHead + "#\tClient Index = 0\n#\tPartition \"P1\"\n#\tPartition Identifier = 1\n" +
                ClientEntries("020001 000001 000001") +
                "#\tClient Index = 1\n#\tPartition \"P3\"\n#\tPartition Identifier = 5\n" +
                ClientEntries("000000 000000 000000") +
                "#\tClient Index = 2\n#\tPartition \"P4\"\n#\tPartition Identifier = 4\n" +
                ClientEntries("000000 200000 000001"));
  EXPECT_FALSE(t.Has("shadow_table.s"));
}

TEST(SideTablesClient, SecondWriterStopsTheRunAndLeavesNoTable) {
  Translation t;
  Translate(t, {R"(<Partition PartitionIdentifier="1" PartitionName="P1" Shadow="true">)",
                Permission("READ_WRITE", "2", "5"), "</Partition>",
                R"(<Partition PartitionIdentifier="2" PartitionName="P2">)", Permission("READ", "2", "5"),
                "</Partition>",
                R"(<Partition PartitionIdentifier="3" PartitionName="P3">)", Permission("READ_WRITE", "All", "5"),
                "</Partition>",
                R"(<Partition PartitionIdentifier="4" PartitionName="P4">)", Permission("READ_WRITE", "2", "5"),
                "</Partition>"});
  EXPECT_EQ(t.run.status, 1);
  // P2 only reads; of the other writers P3 comes first.
  EXPECT_EQ(t.run.err,
            ErrorLine("Line 18 - " + kWriteAccessError) + ErrorLine("Partitions P1 and P3, disk 2, volume 5"));
  EXPECT_FALSE(t.Has("client_table.s"));
  // Files of the earlier phases stay.
  for (const char* name : {"config.int", "object_table.s", "shadow_table.s"}) EXPECT_TRUE(t.Has(name)) << name;
}

TEST(SideTablesClient, KernelPartitionNamedByItsUserName) {
  const std::string kernel = R"(<Partition PartitionIdentifier="9" PartitionName="Kern" KernelPartition="true">)";
  const std::string other = R"(<Partition PartitionIdentifier="1" PartitionName="P1">)";
  Translation kernel_first;
  Translate(kernel_first, {kernel, Permission("READ_WRITE", "1", "3"), "</Partition>", other,
                           Permission("READ_WRITE", "1", "All"), "</Partition>"});
  EXPECT_EQ(kernel_first.run.err,
            ErrorLine("Line 12 - " + kWriteAccessError) + ErrorLine("Partitions Kern and P1, disk 1, volume 3"));

  // The first conflict in disk-major order is reported: disk 0 volume 4
  // comes before disk 1 volume 0.
  Translation kernel_second;
  Translate(kernel_second, {other, Permission("READ_WRITE", "1", "0"), Permission("READ_WRITE", "0", "4"),
                            "</Partition>", kernel, Permission("READ_WRITE", "All", "All"), "</Partition>"});
  EXPECT_EQ(kernel_second.run.err,
            ErrorLine("Line 13 - " + kWriteAccessError) + ErrorLine("Partitions P1 and Kern, disk 0, volume 4"));
}

}  // namespace
}  // namespace cfgxlate::test
