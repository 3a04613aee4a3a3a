// Generated files on the host's file system: each is opened where the run
// opens it, written completely or not at all, and a failed run leaves no
// temporary and deletes nothing it did not create.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "driver/translator.h"
#include "run_helpers.h"
#include "util/console.h"
#include "util/file_system.h"

namespace cfgxlate::test {
namespace {

// Two partitions; `process` names P2's process and `size` sizes its region,
// which shares P1's physical address.
std::string TwoPartitions(const std::string& process, const std::string& size) {
  return "<?xml version=\"1.0\"?>\n"
         "<ARINC_653_Module ModuleName=\"M\">\n"
         "  <Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n"
         "    <Sampling_Port PortName=\"lonely\" Direction=\"SOURCE\" MaxMessageSize=\"8\"/>\n"
         "    <Memory_Region Name=\"buf\" PhysicalAddress=\"0x80000000\" Size=\"0x2000\"/>\n"
         "  </Partition>\n"
         "  <Partition PartitionIdentifier=\"2\" PartitionName=\"P2\">\n"
         "    <Process Name=\"" + process + "\" StackSize=\"0x1000\"/>\n"
         "    <Memory_Region Name=\"shared\" PhysicalAddress=\"0x80000000\" Size=\"" + size + "\"/>\n"
         "  </Partition>\n"
         "  <Module_Schedule ScheduleName=\"Main\" ScheduleIdentifier=\"1\" MajorFrameSeconds=\"1.0\""
         " InitialModuleSchedule=\"true\">\n"
         "    <Partition_Schedule PartitionIdentifier=\"1\" PeriodSeconds=\"1.0\" PeriodDurationSeconds=\"0.5\">\n"
         "      <Window_Schedule WindowStartSeconds=\"0.0\" WindowDurationSeconds=\"0.5\"/>\n"
         "    </Partition_Schedule>\n"
         "    <Partition_Schedule PartitionIdentifier=\"2\" PeriodSeconds=\"1.0\" PeriodDurationSeconds=\"0.5\">\n"
         "      <Window_Schedule WindowStartSeconds=\"0.5\" WindowDurationSeconds=\"0.5\"/>\n"
         "    </Partition_Schedule>\n"
         "  </Module_Schedule>\n"
         "</ARINC_653_Module>\n";
}

// A fresh directory holding config.xml; removed with everything in it.
class HostDirectory {
 public:
  explicit HostDirectory(const std::string& xml) {
    char name[] = "/tmp/cfgxlate_streamXXXXXX";
    path = mkdtemp(name);
    std::ofstream(path + "/config.xml") << xml;
  }
  ~HostDirectory() { std::system(("rm -rf '" + path + "'").c_str()); }

  // Runs on config.xml with the outputs in this directory, unless the
  // options name another.
  RunResult Run(std::vector<std::string> options) {
    if (std::find(options.begin(), options.end(), "-outputdir") == options.end()) {
      options.push_back("-outputdir");
      options.push_back(path);
    }
    options.push_back(path + "/config.xml");
    std::vector<const char*> argv{"cfgxlate"};
    for (const std::string& option : options) argv.push_back(option.c_str());
    RealFileSystem fs;
    BufferConsole console;
    RunResult result;
    result.status = RunTranslator(static_cast<int>(argv.size()), argv.data(), fs, console);
    result.err = console.err;
    return result;
  }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    DIR* dir = opendir(path.c_str());
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    closedir(dir);
    return names;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(path + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string path;
};

const std::string kValidName = "p2_process";
const std::string kName31(31, 'n');

TEST(StreamedOutputs, MissingOutputDirectoryIsReportedForTheFirstFileOpened) {
  HostDirectory dir(TwoPartitions(kValidName, "0x2000"));
  // With -z the kernel's file is opened before any partition is walked, so
  // the object-table phase has given no warning yet.
  RunResult z = dir.Run({"-q0", "-m", "-z", "-outputdir", dir.path + "/missing"});
  EXPECT_EQ(z.status, 1);
  EXPECT_EQ(z.err, ErrorLine("Line 20 - Unable to open file:") + ErrorLine(dir.path + "/missing/object_table_kernel.s"));
  RunResult plain = dir.Run({"-q0", "-m", "-outputdir", dir.path + "/missing"});
  EXPECT_EQ(plain.err, ErrorLine("Line 20 - Unable to open file:") + ErrorLine(dir.path + "/missing/object_table.s"));
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"config.xml"}));
}

TEST(StreamedOutputs, FailureInTheSecondPartitionKeepsOnlyTheCompletedFile) {
  HostDirectory good(TwoPartitions(kValidName, "0x2000"));
  ASSERT_EQ(good.Run({"-q0", "-m", "-z"}).status, 0);

  HostDirectory bad(TwoPartitions(kName31, "0x2000"));
  RunResult run = bad.Run({"-q0", "-m", "-z"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, WarningLine("Line 20 - Sampling Port does not have a corresponding channel:") +
                         WarningLine("lonely") + ErrorLine("Line 20 - Name longer than 30 characters:") +
                         ErrorLine(kName31));
  // P1's file was complete before P2's table began; the kernel's file and
  // P2's were not, and neither they nor a temporary remain.
  EXPECT_EQ(bad.Entries(), (std::set<std::string>{"config.xml", "object_table_P1.s"}));
  EXPECT_EQ(bad.Read("object_table_P1.s"), good.Read("object_table_P1.s"));
}

TEST(StreamedOutputs, FailureInTheIntegrateFileKeepsTheObjectTables) {
  HostDirectory good(TwoPartitions(kValidName, "0x2000"));
  ASSERT_EQ(good.Run({"-q0", "-m"}).status, 0);
  EXPECT_EQ(good.Entries(),
            (std::set<std::string>{"config.xml", "config.int", "object_table.s", "kernel_additions.ld"}));

  HostDirectory bad(TwoPartitions(kValidName, "0x1000"));
  // An integrate file of an earlier run goes, as the integrate file of a
  // failed run always does.
  std::ofstream(bad.path + "/config.int") << "earlier\n";
  RunResult run = bad.Run({"-q0", "-m"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("MemoryRegions have same physical address, but different sizes:"), std::string::npos);
  EXPECT_EQ(bad.Entries(), (std::set<std::string>{"config.xml", "object_table.s", "kernel_additions.ld"}));
  EXPECT_EQ(bad.Read("object_table.s"), good.Read("object_table.s"));
  EXPECT_EQ(bad.Read("kernel_additions.ld"), good.Read("kernel_additions.ld"));
}

TEST(StreamedOutputs, NothingTheRunDidNotCreateIsDeleted) {
  HostDirectory dir(TwoPartitions(kValidName, "0x2000"));
  // A directory where the integrate file goes: refused at the open, and the
  // directory and what is in it stay.
  ASSERT_EQ(mkdir((dir.path + "/config.int").c_str(), 0755), 0);
  RunResult run = dir.Run({"-q0", "-m"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, WarningLine("Line 20 - Sampling Port does not have a corresponding channel:") +
                         WarningLine("lonely") + ErrorLine("Line 20 - Unable to open file:") +
                         ErrorLine(dir.path + "/config.int"));
  struct stat info {};
  ASSERT_EQ(stat((dir.path + "/config.int").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));

  // A file named like this run's temporary is someone else's: the run picks
  // another name and leaves that file alone.
  HostDirectory other(TwoPartitions(kValidName, "0x2000"));
  const std::string foreign = other.path + "/object_table.s.tmp" + std::to_string(getpid());
  std::ofstream(foreign) << "not ours\n";
  EXPECT_EQ(other.Run({"-q0", "-m"}).status, 0);
  EXPECT_EQ(other.Read("object_table.s.tmp" + std::to_string(getpid())), "not ours\n");
  EXPECT_EQ(other.Entries().size(), 5u);
}

}  // namespace
}  // namespace cfgxlate::test
