// The module schedule table that ends each partition's object table and the
// file "module_hm_table.s", written from hand-built models. Expected bytes
// were worked out from the documented line formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "gen/objtables/byte_array_packing.h"
#include "gen/objtables/core_map.h"
#include "gen/objtables/module_hm_file.h"
#include "gen/objtables/module_schedule_table.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

const std::string kZeroLine = "\t.byte\t0,0,0,0\n";

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// `lines` lines of `text`, starting with the line that begins with `marker`.
std::string Block(const std::string& text, const std::string& marker, int lines) {
  size_t start = text.find("\n" + marker);
  if (start == std::string::npos) return "<" + marker + " not found>";
  size_t end = ++start;
  for (int i = 0; i < lines && end != std::string::npos; ++i) end = text.find('\n', end) + 1;
  return text.substr(start, end - start);
}

// A model with partitions and schedules built by hand.
struct ModuleTables {
  TestContext t;
  int32_t non_kernel = 0;

  PartitionRecord& AddPartition(const std::string& name, bool kernel = false) {
    PartitionRecord& partition = t.ctx.model.partitions.Partitions.emplace_back();
    partition.PartitionName = kernel ? "KernelSpace" : name;
    partition.KernelUserName = kernel ? name : "";
    partition.KernelPartition = kernel ? 1 : 0;
    partition.PartitionIndex = kernel ? 0 : ++non_kernel;
    return partition;
  }

  static void AddEntries(ModuleScheduleRecord& record, int count) {
    record.HasPartitionEntries = true;
    for (int i = 0; i < count; ++i) record.PartitionEntries.emplace_back().PartitionIndex = i + 1;
  }

  ModuleScheduleRecord& AddSchedule(const std::string& name, int32_t identifier, int32_t number) {
    ModuleScheduleRecord& schedule = t.ctx.model.schedules.ModuleSchedules.emplace_back();
    schedule.ScheduleName = name;
    schedule.ScheduleNameGiven = true;
    schedule.ScheduleIdentifier = identifier;
    schedule.ScheduleNumber = number;
    if (t.ctx.settings.MultiCore == 0) AddEntries(schedule, non_kernel);
    return schedule;
  }

  ModuleScheduleRecord& AddSubSchedule(ModuleScheduleRecord& schedule, int32_t identifier) {
    ModuleScheduleRecord& sub = schedule.SubSchedules.emplace_back();
    sub.ScheduleIdentifier = identifier;
    sub.Parent = &schedule;
    AddEntries(sub, non_kernel);
    return sub;
  }

  std::string Table(const PartitionRecord& partition) {
    TextBuffer out;
    WriteModuleScheduleTable(t.ctx, out, partition);
    return out.str();
  }

  ModuleHMTableRecord& AddModuleHMTable() {
    t.ctx.model.hm.ModuleHMTable = std::make_unique<ModuleHMTableRecord>();
    return *t.ctx.model.hm.ModuleHMTable;
  }

  MultiPartitionHMTableRecord& AddMultiPartitionTable(const std::string& name, int32_t identifier) {
    HMModel& hm = t.ctx.model.hm;
    hm.MultiPartitionHMTablePositions.emplace(name, hm.MultiPartitionHMTables.size());
    MultiPartitionHMTableRecord& table = hm.MultiPartitionHMTables.emplace_back();
    table.TableName = name;
    table.TableIdentifier = identifier;
    return table;
  }

  static void BindMultiPartitionTable(PartitionRecord& partition, const std::string& name) {
    partition.MultiPartitionHMTableNameRef = name;
    partition.MultiPartitionHMTableNameRefGiven = true;
  }

  std::string HMFile() {
    GenerateModuleHMTable(t.ctx);
    return t.fs.files.count("module_hm_table.s") != 0 ? t.fs.files["module_hm_table.s"] : "<no file>";
  }
};

const std::string kMainName = "#\tmain\n\t.byte\t109,97,105,110" + Repeat("\n\t.byte\t0,0,0,0", 6) + "\n\t.byte\t0,0";

TEST(ModuleScheduleTablePacking, FourValuesALineLastLinePaddedEmptyArrayOnlyEndsLine) {
  TextBuffer out;
  BytePacker packer;
  for (int value : {1, 2, 3, 4, 5}) packer.Add(out, value);
  packer.Finish(out);
  EXPECT_EQ(out.str(), "\t.byte\t1,2,3,4\n\t.byte\t5,0,0,0\n");

  TextBuffer signed_byte;
  BytePacker second;
  second.Add(signed_byte, 200);
  second.Finish(signed_byte);
  EXPECT_EQ(signed_byte.str(), "\t.byte\t-56,0,0,0\n");

  TextBuffer empty;
  BytePacker().Finish(empty);
  EXPECT_EQ(empty.str(), "\n");
}

TEST(ModuleScheduleTable, SingleCoreKernelPartitionRecordInFull) {
  ModuleTables m;
  m.t.ctx.settings.MultiCore = 0;
  const PartitionRecord& kernel = m.AddPartition("Kern", true);
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  main.KernelEntry.PeriodSeconds = 0.01;
  main.KernelEntry.DurationSeconds = 0.005;
  main.KernelEntry.ScheduleChangeAction = kScheduleChangeColdStart;

  EXPECT_EQ(m.Table(kernel), "#\tNumber of module schedules = 1\n\t.byte\t0,0,0,1\n" + kMainName +
                                 "\n#\tPartition Uses Logical Cores = True\n\t.byte\t1\n"
                                 "#\tSchedule Change Action = COLD_START(3)\n\t.byte\t3\n"
                                 "#\tSchedule Identifier = 7\n\t.byte\t0,0,0,7\n"
                                 "#\tSchedule Number = 1\n\t.byte\t0,0,0,1\n"
                                 "#\tSchedule Period = 10000000\n\t.byte\t0,0,0,0\n\t.byte\t0,152,150,128\n"
                                 "#\tSchedule Duration = 5000000\n\t.byte\t0,0,0,0\n\t.byte\t0,76,75,64\n"
                                 "#\tLogical To Physical Core Mapping Table\n" +
                                 Repeat(kZeroLine, 16));
}

TEST(ModuleScheduleTable, LittleEndianReversesEveryWord) {
  ModuleTables m;
  m.t.ctx.settings.MultiCore = 0;
  m.t.ctx.settings.LittleEndian = 1;
  const PartitionRecord& kernel = m.AddPartition("Kern", true);
  m.AddSchedule("main", 7, 1).KernelEntry.PeriodSeconds = 0.01;
  const std::string out = m.Table(kernel);
  EXPECT_EQ(Block("\n" + out, "#\tNumber of module schedules", 2),
            "#\tNumber of module schedules = 1\n\t.byte\t1,0,0,0\n");
  EXPECT_EQ(Block(out, "#\tSchedule Identifier", 2), "#\tSchedule Identifier = 7\n\t.byte\t7,0,0,0\n");
  EXPECT_EQ(Block(out, "#\tSchedule Period", 3),
            "#\tSchedule Period = 10000000\n\t.byte\t128,150,152,0\n\t.byte\t0,0,0,0\n");
}

TEST(ModuleScheduleTable, SingleCorePartitionTakesItsEntryFromTheScheduleItself) {
  ModuleTables m;
  m.t.ctx.settings.MultiCore = 0;
  m.AddPartition("Alpha");
  const PartitionRecord& beta = m.AddPartition("Beta");
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  main.PartitionEntries[1].ScheduleChangeAction = kScheduleChangeWarmStart;
  main.PartitionEntries[1].PeriodSeconds = 0.02;
  main.PartitionEntries[1].DurationSeconds = 0.004;
  // A partition defined after the schedule has no entry in it.
  const PartitionRecord& late = m.AddPartition("Late");

  const std::string out = m.Table(beta);
  EXPECT_EQ(Block(out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = WARM_START(2)\n\t.byte\t2\n");
  EXPECT_EQ(Block(out, "#\tSchedule Period", 6),
            "#\tSchedule Period = 20000000\n\t.byte\t0,0,0,0\n\t.byte\t1,49,45,0\n"
            "#\tSchedule Duration = 4000000\n\t.byte\t0,0,0,0\n\t.byte\t0,61,9,0\n");

  const std::string late_out = m.Table(late);
  EXPECT_EQ(Block(late_out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = IGNORE(0)\n\t.byte\t0\n");
  EXPECT_EQ(Block(late_out, "#\tSchedule Period", 6),
            "#\tSchedule Period = 0\n" + Repeat(kZeroLine, 2) + "#\tSchedule Duration = 0\n" + Repeat(kZeroLine, 2));
}

TEST(ModuleScheduleTable, RecordSizeMatchesTheBytesWrittenForBothNameLengths) {
  for (int name_length_32 : {0, 1}) {
    ModuleTables m;
    m.t.ctx.settings.NameLength32 = name_length_32;
    const PartitionRecord& alpha = m.AddPartition("Alpha");
    m.AddSchedule("main", 7, 1);
    const std::string out = m.Table(alpha);
    // Every value of a ".byte" line after the count word is one byte.
    int bytes = 0;
    for (size_t at = out.find("#\tmain"); at < out.size();) {
      const size_t end = out.find('\n', at);
      const std::string line = out.substr(at, end - at);
      if (line.rfind("\t.byte\t", 0) == 0) bytes += 1 + static_cast<int>(std::count(line.begin(), line.end(), ','));
      at = end + 1;
    }
    EXPECT_EQ(bytes, ModuleScheduleRecordSize(m.t.ctx.settings)) << name_length_32;
    EXPECT_EQ(bytes, name_length_32 != 0 ? 122 : 120);
  }
}

TEST(ModuleScheduleTable, LongNamesFillThirtyTwoBytesInEightGroups) {
  ModuleTables m;
  m.t.ctx.settings.NameLength32 = 1;
  const PartitionRecord& alpha = m.AddPartition("Alpha");
  m.AddSchedule("main", 7, 1);
  m.AddSchedule("b", 9, 2);
  const std::string out = m.Table(alpha);
  EXPECT_NE(out.find("#\tNumber of module schedules = 2\n\t.byte\t0,0,0,2\n#\tmain\n\t.byte\t109,97,105,110" +
                     Repeat("\n\t.byte\t0,0,0,0", 7) + "\n#\tPartition Uses Logical Cores"),
            std::string::npos);
  EXPECT_NE(out.find(Repeat(kZeroLine, 16) + "#\tb\n\t.byte\t98,0,0,0\n"), std::string::npos);
}

TEST(ModuleScheduleTable, MultiCorePartitionUsesFirstSubScheduleAndFirstGivenCore) {
  ModuleTables m;
  const PartitionRecord& alpha = m.AddPartition("Alpha");
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  ModuleScheduleRecord& first = m.AddSubSchedule(main, 1);
  first.PartitionEntries[0].ScheduleChangeAction = kScheduleChangeIdle;
  first.PartitionEntries[0].PeriodSeconds = 0.04;
  ModuleScheduleRecord& second = m.AddSubSchedule(main, 2);
  second.PartitionEntries[0].ScheduleChangeAction = kScheduleChangeColdStart;
  second.PartitionEntries[0].Core = "2,3";
  second.PartitionEntries[0].CoreGiven = true;

  const std::string out = m.Table(alpha);
  EXPECT_EQ(Block(out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = IDLE(1)\n\t.byte\t1\n");
  EXPECT_EQ(Block(out, "#\tSchedule Period", 3),
            "#\tSchedule Period = 40000000\n\t.byte\t0,0,0,0\n\t.byte\t2,98,90,0\n");
  EXPECT_EQ(Block(out, "#\tLogical To Physical Core Mapping Table", 17),
            "#\tLogical To Physical Core Mapping Table\n\t.byte\t2,3,0,0\n" + Repeat(kZeroLine, 15));
}

TEST(ModuleScheduleTable, MultiCoreKernelTimesFromScheduleActionAndCoreFromFirstSubSchedule) {
  ModuleTables m;
  m.t.ctx.settings.NumberOfCores = 6;
  const PartitionRecord& kernel = m.AddPartition("Kern", true);
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  main.KernelEntry.PeriodSeconds = 0.01;
  ModuleScheduleRecord& first = m.AddSubSchedule(main, 1);
  first.KernelEntry.PeriodSeconds = 0.5;  // not the value written
  first.KernelEntry.ScheduleChangeAction = kScheduleChangeWarmStart;
  first.KernelEntry.Core = "All";
  first.KernelEntry.CoreGiven = true;

  const std::string out = m.Table(kernel);
  EXPECT_EQ(Block(out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = WARM_START(2)\n\t.byte\t2\n");
  EXPECT_EQ(Block(out, "#\tSchedule Period", 3),
            "#\tSchedule Period = 10000000\n\t.byte\t0,0,0,0\n\t.byte\t0,152,150,128\n");
  EXPECT_EQ(Block(out, "#\tLogical To Physical Core Mapping Table", 17),
            "#\tLogical To Physical Core Mapping Table\n\t.byte\t0,1,2,3\n\t.byte\t4,5,0,0\n" + Repeat(kZeroLine, 14));
}

TEST(ModuleScheduleTable, CoreMapsWithoutLogicalCoresOrMultiCoreAreZero) {
  for (bool multi_core : {true, false}) {
    ModuleTables m;
    m.t.ctx.settings.MultiCore = multi_core ? 1 : 0;
    PartitionRecord& alpha = m.AddPartition("Alpha");
    alpha.LogicalCores = multi_core ? 0 : 1;  // as -j leaves it; without multiple cores it does not matter
    ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
    ModuleScheduleRecord& holder = multi_core ? m.AddSubSchedule(main, 1) : main;
    holder.PartitionEntries[0].Core = "2,3";
    holder.PartitionEntries[0].CoreGiven = true;
    const std::string out = m.Table(alpha);
    EXPECT_EQ(Block(out, "#\tLogical To Physical Core Mapping Table", 17),
              "#\tLogical To Physical Core Mapping Table\n" + Repeat(kZeroLine, 16));
    if (multi_core) {
      EXPECT_EQ(Block(out, "#\tPartition Uses Logical Cores", 2),
                "#\tPartition Uses Logical Cores = False\n\t.byte\t0\n");
    }
  }
}

TEST(ModuleScheduleTable, CoreMapTexts) {
  TestContext t;
  t.ctx.settings.NumberOfCores = 5;
  TextBuffer all;
  const std::string all_text = "ALL";
  WriteCoreMap(t.ctx, all, &all_text);
  EXPECT_EQ(all.str(), "\t.byte\t0,1,2,3\n\t.byte\t4,0,0,0\n" + Repeat(kZeroLine, 14));

  TextBuffer listed;
  const std::string list_text = "7,6,5,4,3";
  WriteCoreMap(t.ctx, listed, &list_text);
  EXPECT_EQ(listed.str(), "\t.byte\t7,6,5,4\n\t.byte\t3,0,0,0\n" + Repeat(kZeroLine, 14));

  TextBuffer none;
  WriteCoreMap(t.ctx, none, nullptr);
  EXPECT_EQ(none.str(), Repeat(kZeroLine, 16));
}

TEST(ModuleScheduleTable, MultiCoreScheduleWithoutSubSchedulesWritesZeros) {
  ModuleTables m;
  const PartitionRecord& kernel = m.AddPartition("Kern", true);
  const PartitionRecord& alpha = m.AddPartition("Alpha");
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  main.KernelEntry.PeriodSeconds = 0.01;

  const std::string out = m.Table(alpha);
  EXPECT_EQ(Block(out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = IGNORE(0)\n\t.byte\t0\n");
  EXPECT_EQ(Block(out, "#\tSchedule Period", 6),
            "#\tSchedule Period = 0\n" + Repeat(kZeroLine, 2) + "#\tSchedule Duration = 0\n" + Repeat(kZeroLine, 2));
  EXPECT_EQ(Block(out, "#\tLogical To Physical Core Mapping Table", 17),
            "#\tLogical To Physical Core Mapping Table\n" + Repeat(kZeroLine, 16));

  // The kernel's times live on the schedule itself.
  const std::string kernel_out = m.Table(kernel);
  EXPECT_EQ(Block(kernel_out, "#\tSchedule Change Action", 2), "#\tSchedule Change Action = IGNORE(0)\n\t.byte\t0\n");
  EXPECT_EQ(Block(kernel_out, "#\tSchedule Period", 3),
            "#\tSchedule Period = 10000000\n\t.byte\t0,0,0,0\n\t.byte\t0,152,150,128\n");
}

TEST(ModuleScheduleTable, VerboseDumpLines) {
  ModuleTables m;
  m.t.ctx.settings.MultiCore = 0;
  m.t.ctx.settings.VerboseDump = 1;
  m.t.ctx.settings.Verbose = VerboseStream::StandardError;
  const PartitionRecord& kernel = m.AddPartition("Kern", true);
  ModuleScheduleRecord& main = m.AddSchedule("main", 7, 1);
  main.KernelEntry.PeriodSeconds = 0.01;
  main.KernelEntry.DurationSeconds = 0.005;
  m.Table(kernel);
  EXPECT_EQ(m.t.console.err,
            "\tMultiple Module Schedules Table (56 bytes per schedule):\n"
            "\tNumber of Schedules (4 bytes): 1\n"
            "\t\tScheduleName = main, ScheduleIdentifier = 7, ScheduleNumber = 1,\n"
            "\t\tSchedulePeriod = 10000000, ScheduleDuration = 5000000\n");
  EXPECT_EQ(m.t.console.out, "");
}

// A kernel partition (not an ARINC partition, first in the list) and two
// ARINC partitions, two multi-partition tables and two schedules.
struct HMFileModel : ModuleTables {
  HMFileModel() {
    ModuleHMTableRecord& module = AddModuleHMTable();
    for (int error = 0; error < ErrorIdentifierCount; ++error) {
      module.Actions[0][error] = kModuleActionIgnore;
      module.Actions[1][error] = kModuleActionShutdown;
      module.Actions[2][error] = kModuleActionNotSpecified;
    }
    module.Actions[0][0] = kModuleActionReset;
    module.ModuleCallback = "HMHandler";
    module.ModuleCallbackGiven = true;

    MultiPartitionHMTableRecord& mp = AddMultiPartitionTable("mp", 5);
    for (uint8_t& action : mp.Actions) action = kMultiActionPartition;
    mp.Actions[31] = kModuleActionShutdown;
    AddMultiPartitionTable("other", 9);

    PartitionRecord& kernel = AddPartition("Kern", true);
    kernel.NoObjects = 1;
    kernel.SetModuleSchedule = 1;
    PartitionRecord& alpha = AddPartition("Alpha");
    PartitionHMTableRecord& table = t.ctx.model.hm.PartitionHMTables.emplace_back();
    table.Actions[5] = kPartitionLevelProcess + kPartitionActionWarmStart;
    table.Actions[31] = kPartitionActionIgnore;
    alpha.HMTable = &table;
    BindMultiPartitionTable(alpha, "mp");
    alpha.PortTaskObject = 29;
    alpha.RomTableSize = 4096;
    PartitionRecord& beta = AddPartition("Beta");
    beta.RomTableSize = 200;

    AddSchedule("main", 7, 1);
    AddSchedule("alt", 12, 2);
  }
};

TEST(ModuleHMTableFile, WholeFile) {
  HMFileModel m;
  EXPECT_EQ(m.HMFile(),
            "\t.section\t\".rodata\",\"a\"\n\t.balign\t8\n"
            "\t.globl\tARINC653ModuleHMCallback\nARINC653ModuleHMCallback:\n\t.quad\tHMHandler\n"
            "\t.globl\tARINC653NumberOfVirtualPartitions\nARINC653NumberOfVirtualPartitions:\n\t.byte\t0,0,0,2\n"
            "\t.globl\tARINC653ModuleHMTable\nARINC653ModuleHMTable:\n\t.byte\t0,2,2,2\n" +
                Repeat("\t.byte\t2,2,2,2\n", 7) + Repeat("\t.byte\t1,1,1,1\n", 8) + Repeat("\t.byte\t3,3,3,3\n", 8) +
                "\t.globl\tARINC653MultiPartitionHMTable\nARINC653MultiPartitionHMTable:\n"
                "#\tTableIdentifier = 5\n" +
                Repeat("\t.byte\t3,3,3,3\n", 7) +
                // The second table's comment follows the first table's last value.
                "\t.byte\t3,3,3,1#\tTableIdentifier = 9\n\n" + Repeat(kZeroLine, 8) +
                "\t.globl\tARINC653MultiPartitionHMTableIndices\nARINC653MultiPartitionHMTableIndices:\n"
                "\t.byte\t255,255,255,254\n\t.byte\t0,0,0,0\n\t.byte\t255,255,255,255\n"
                "\t.globl\tARINC653IsARINCPartitionTable\nARINC653IsARINCPartitionTable:\n\t.byte\t0,1,1,0\n"
                "\t.globl\tARINC653PartitionHMTables\nARINC653PartitionHMTables:\n" +
                Repeat(kZeroLine, 8) + kZeroLine + "\t.byte\t0,10,0,0\n" + Repeat(kZeroLine, 5) + "\t.byte\t0,0,0,4\n" +
                Repeat(kZeroLine, 8) + "\n" +
                "\t.globl\tARINC653SetModuleSchedulePermissions\nARINC653SetModuleSchedulePermissions:\n"
                "\t.byte\t128,0,0,0\n" +
                Repeat(kZeroLine, 7) +
                "\t.globl\tARINC653KernelMMSTable\nARINC653KernelMMSTable:\n"
                "#\tNumber of module schedules = 2\n\t.byte\t0,0,0,2\n"
                "#\tSchedule Identifier = 7\n\t.byte\t0,0,0,7\n#\tSchedule Number = 1\n\t.byte\t0,0,0,1\n"
                "#\tSchedule Identifier = 12\n\t.byte\t0,0,0,12\n#\tSchedule Number = 2\n\t.byte\t0,0,0,2\n"
                "\t.globl\tARINC653PortTasksTable\nARINC653PortTasksTable:\n"
                "#\tAddressSpace Number = 1\n\t.byte\t0,0,0,1\n#\tPort Task Virtual Object = 29\n\t.byte\t0,0,0,29\n"
                "#\tAddressSpace Number = 2\n\t.byte\t0,0,0,2\n#\tPort Task Virtual Object = 0\n\t.byte\t0,0,0,0\n");
}

TEST(ModuleHMTableFile, NotWrittenWithoutModuleHMTable) {
  ModuleTables m;
  m.t.ctx.settings.NoModuleHM = 1;
  m.AddPartition("Alpha");
  m.AddSchedule("main", 7, 1);
  EXPECT_EQ(m.HMFile(), "<no file>");
  EXPECT_TRUE(m.t.fs.files.empty());
}

TEST(ModuleHMTableFile, NoKernelNoMultiPartitionTablesLittleEndian) {
  ModuleTables m;
  m.t.ctx.settings.LittleEndian = 1;
  m.AddModuleHMTable();
  m.AddPartition("Alpha");
  PartitionRecord& beta = m.AddPartition("Beta");
  beta.NoObjects = 1;  // neither ARINC objects nor ARINC653HM
  PartitionRecord& gamma = m.AddPartition("Gamma");
  gamma.NoObjects = 1;
  gamma.ARINC653HM = 1;
  m.AddSchedule("main", 7, 1);
  const std::string out = m.HMFile();
  EXPECT_NE(out.find("ARINC653ModuleHMCallback:\n\t.quad\t0\n"), std::string::npos);
  EXPECT_NE(out.find("ARINC653NumberOfVirtualPartitions:\n\t.byte\t3,0,0,0\n"), std::string::npos);
  EXPECT_NE(out.find("ARINC653MultiPartitionHMTable:\n\n\t.globl\tARINC653MultiPartitionHMTableIndices\n"
                     "ARINC653MultiPartitionHMTableIndices:\n\t.byte\t255,255,255,255\n\t.byte\t255,255,255,255\n"
                     "\t.byte\t254,255,255,255\n\t.byte\t255,255,255,255\n"),
            std::string::npos);
  EXPECT_NE(out.find("ARINC653IsARINCPartitionTable:\n\t.byte\t0,1,0,0\n"), std::string::npos);
  // Without a kernel partition no slot is written for it; a partition
  // without an HM table begins its zero lines on a fresh line.
  EXPECT_NE(out.find("ARINC653PartitionHMTables:\n" + Repeat("\n" + Repeat(kZeroLine, 8), 3) + "\n\t.globl"),
            std::string::npos);
  EXPECT_NE(out.find("ARINC653KernelMMSTable:\n#\tNumber of module schedules = 1\n\t.byte\t1,0,0,0\n"
                     "#\tSchedule Identifier = 7\n\t.byte\t7,0,0,0\n"),
            std::string::npos);
}

TEST(ModuleHMTableFile, UnknownMultiPartitionTableNameIsFatal) {
  HMFileModel m;
  ModuleTables::BindMultiPartitionTable(m.t.ctx.model.partitions.Partitions[2], "MP");  // names compare exactly
  EXPECT_EQ(FatalLines([&] { GenerateModuleHMTable(m.t.ctx); }),
            ErrorLine("Line 1 - PartitionHMTable's MultiPartitionHMTableNameRef does not map to a valid "
                      "MultiPartitionHMTable:") +
                ErrorLine("MP"));
  EXPECT_TRUE(m.t.fs.files.empty());
}

TEST(ModuleHMTableFile, CopyTablesOnlyWithRomTablesInTheMainFile) {
  HMFileModel m;
  m.t.ctx.settings.RomObjectTables = 1;
  EXPECT_NE(m.HMFile().find(Repeat(kZeroLine, 7) +
                            "\t.globl\tARINC653CopyTables\nARINC653CopyTables:\n"
                            "\t.quad\t__kvxbegin_mr_rweu_Alpha\n\t.quad\t__kvxbegin_rmr_rweu_Alpha\n\t.quad\t4096\n"
                            "\t.quad\t__kvxbegin_mr_rweu_Beta\n\t.quad\t__kvxbegin_rmr_rweu_Beta\n\t.quad\t200\n"
                            "\t.globl\tARINC653KernelMMSTable\n"),
            std::string::npos);

  HMFileModel per_application;
  per_application.t.ctx.settings.RomObjectTables = 1;
  per_application.t.ctx.settings.PerApplicationTables = 1;
  EXPECT_EQ(per_application.HMFile().find("ARINC653CopyTables"), std::string::npos);
}

// Partitions at list positions 0, 31 and 32 may change the module schedule.
std::string Permissions(int32_t max_partitions, bool little_endian) {
  ModuleTables m;
  m.t.ctx.settings.MaxPartitions = max_partitions;
  m.t.ctx.settings.LittleEndian = little_endian ? 1 : 0;
  m.AddModuleHMTable();
  m.AddPartition("Kern", true).SetModuleSchedule = 1;
  for (int i = 1; i <= 32; ++i) {
    PartitionRecord& partition = m.AddPartition("P" + std::to_string(i));
    partition.SetModuleSchedule = i == 31 || i == 32 ? 1 : 0;
  }
  m.AddSchedule("main", 7, 1);
  const std::string out = m.HMFile();
  const std::string label = "ARINC653SetModuleSchedulePermissions:\n";
  const size_t start = out.find(label) + label.size();
  return out.substr(start, out.find("\t.globl", start) - start);
}

TEST(ModuleHMTableFile, PermissionBitmapWordsAndByteOrder) {
  EXPECT_EQ(Permissions(63, false), "\t.byte\t128,0,0,1\n\t.byte\t128,0,0,0\n");
  EXPECT_EQ(Permissions(63, true), "\t.byte\t1,0,0,128\n\t.byte\t0,0,0,128\n");
  // One word (as with -q0): the partition at position 32 has no bit and is
  // left out instead of writing past the bitmap.
  EXPECT_EQ(Permissions(32, false), "\t.byte\t128,0,0,1\n");
  EXPECT_EQ(Permissions(30, false), "");
}

}  // namespace
}  // namespace cfgxlate::test
