// Health-monitoring tables: the module table, the multi-partition tables and
// the partition tables with their binding to partitions.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "hm/module_hm_table.h"
#include "hm/multi_partition_hm_table.h"
#include "hm/partition_hm_table.h"
#include "run_helpers.h"
#include "util/text.h"

namespace cfgxlate::test {
namespace {

// Partitions built by hand, then hm.xml read tag by tag and handed to the
// HM handlers as the module element does.
struct HMReader {
  TestContext t;
  HMModel& hm = t.ctx.model.hm;

  PartitionRecord& Add(const std::string& name, const std::string& hm_ref = "") {
    PartitionRecord& p = t.ctx.model.partitions.Partitions.emplace_back();
    p.PartitionName = name;
    p.HMTableName = hm_ref;
    p.HMTableNameGiven = !hm_ref.empty();
    return p;
  }
  PartitionRecord& AddKernel(const std::string& user_name, const std::string& hm_ref = "") {
    PartitionRecord& p = Add("KernelSpace", hm_ref);
    p.KernelPartition = 1;
    p.KernelUserName = user_name;
    return p;
  }
  void Read(const std::string& xml) {
    t.fs.files["hm.xml"] = xml;
    StartReader(t.ctx, t.fs.OpenForReading("hm.xml"), "hm.xml");
    TagLine tag;
    while (NextTagLine(t.ctx, tag)) {
      if (StartsWith(tag.c_str(), "<ModuleHMTable")) {
        ReadModuleHMTable(t.ctx, tag.c_str());
      } else if (StartsWith(tag.c_str(), "<MultiPartitionHMTable ")) {
        ReadMultiPartitionHMTable(t.ctx, tag.c_str());
      } else if (StartsWith(tag.c_str(), "<PartitionHMTable ")) {
        ReadPartitionHMTable(t.ctx, tag.c_str());
      } else {
        ADD_FAILURE() << "not an HM table: " << tag;
      }
    }
  }
  std::string ReadFatal(const std::string& xml) {
    return FatalLines([&] { Read(xml); });
  }
};

// The lines of a fatal error: the message, then each detail.
std::string Fatal(int line, const std::vector<std::string>& texts) {
  std::string lines = ErrorLine("Line " + std::to_string(line) + " - " + texts[0]);
  for (size_t i = 1; i < texts.size(); ++i) lines += ErrorLine(texts[i]);
  return lines;
}

std::string NoMatch(int line, const std::string& table_tag) {
  return Fatal(line, {"PartitionHMTable specification does not match to any defined Partition.",
                      "Partitions must be specified before PartitionHMTable specifications.", table_tag});
}

std::string ErrorAction(const std::string& attributes) { return "<ErrorAction " + attributes + "/>"; }

// A tag that fails, and the texts printed before the tag line itself.
struct FatalCase {
  std::string tag;
  std::vector<std::string> texts;
};

// Each case's tag stands alone on line `line`, after `before`; `setup`
// prepares the partitions of a fresh reader.
template <typename Setup>
void ExpectFatalCases(const std::string& before, int line, const std::vector<FatalCase>& cases, Setup setup) {
  for (const FatalCase& c : cases) {
    HMReader r;
    setup(r);
    std::vector<std::string> texts = c.texts;
    texts.push_back(c.tag);
    EXPECT_EQ(r.ReadFatal(before + c.tag + "\n"), Fatal(line, texts)) << c.tag;
  }
}
void ExpectFatalCases(const std::string& before, int line, const std::vector<FatalCase>& cases) {
  ExpectFatalCases(before, line, cases, [](HMReader&) {});
}

// Lines 1-3: every error passed to the partition except error 3.
const std::string kMulti = R"(<MultiPartitionHMTable TableName="MPT" UnspecifiedAction="PARTITION">
<ErrorAction ErrorIdentifierRef="3" ErrorLevel="MODULE" ModuleRecoveryAction="IGNORE"/>
</MultiPartitionHMTable>
)";

std::string PartitionStart(const std::string& table_name, const std::string& more = "") {
  return "<PartitionHMTable TableName=\"" + table_name + "\"" + more + " MultiPartitionHMTableNameRef=\"MPT\">";
}

std::string PartitionTable(const std::string& table_name, const std::string& recovery = "IGNORE",
                           const std::string& more = "") {
  return PartitionStart(table_name, more) + "\n" +
         ErrorAction(R"(ErrorIdentifierRef="4" ErrorLevel="PARTITION" PartitionRecoveryAction=")" + recovery + "\"") +
         "\n</PartitionHMTable>\n";
}

TEST(ModuleHMTable, UnspecifiedActionFillsOnlyTheNamedState) {
  HMReader r;
  r.Read(R"(<ModuleHMTable Description="d" StateIdentifier="1" UnspecifiedAction="SHUTDOWN" ModuleCallback="OnErr">
</ModuleHMTable>)");
  ASSERT_NE(r.hm.ModuleHMTable, nullptr);
  const ModuleHMTableRecord& table = *r.hm.ModuleHMTable;
  for (int e = 0; e < 32; ++e) {
    EXPECT_EQ(table.Actions[0][e], 3) << e;
    EXPECT_EQ(table.Actions[1][e], 1) << e;
    EXPECT_EQ(table.Actions[2][e], 3) << e;
  }
  EXPECT_TRUE(table.ModuleCallbackGiven);
  EXPECT_EQ(table.ModuleCallback, "OnErr");

  // A later element for the same state starts the row afresh; of two
  // ErrorActions for one error the later wins.
  r.Read(R"(<ModuleHMTable Description="again" StateIdentifier="0x1" UnspecifiedAction="IGNORE">
<ErrorAction ErrorIdentifierRef="4" ModuleRecoveryAction="RESET"/>
<ErrorAction ErrorIdentifierRef="4" ModuleRecoveryAction="SHUTDOWN"/>
</ModuleHMTable>)");
  for (int e = 0; e < 32; ++e) EXPECT_EQ(table.Actions[1][e], e == 4 ? 1 : 2) << e;
  EXPECT_EQ(table.ModuleCallback, "OnErr");
}

TEST(ModuleHMTable, WithoutUnspecifiedActionEveryErrorNeedsAnAction) {
  const char* const names[] = {"RESET", "SHUTDOWN", "IGNORE"};
  std::string actions;  // errors 0 to 30 on lines 2 to 32
  for (int e = 0; e < 31; ++e) {
    actions += ErrorAction("ErrorIdentifierRef=\"" + std::to_string(e) + "\" ModuleRecoveryAction=\"" +
                           names[e % 3] + "\"") + "\n";
  }
  const std::string start = R"(<ModuleHMTable Description="d" StateIdentifier="2">)""\n";
  EXPECT_EQ(HMReader().ReadFatal(start + actions + "</ModuleHMTable>\n"),
            Fatal(33, {"Incorrect ModuleHMTable.", "Actions not specified for all Error/State pairs",
                       "or UnspecifiedAction not specified."}));

  HMReader r;
  r.Read(start + actions + ErrorAction(R"(ErrorIdentifierRef="31" ModuleRecoveryAction="SHUTDOWN")") +
         "\n</ModuleHMTable>\n");
  for (int e = 0; e < 31; ++e) EXPECT_EQ(r.hm.ModuleHMTable->Actions[2][e], e % 3) << e;
  EXPECT_EQ(r.hm.ModuleHMTable->Actions[2][31], 1);
  EXPECT_FALSE(r.hm.ModuleHMTable->ModuleCallbackGiven);
}

TEST(ModuleHMTable, Errors) {
  const std::string range = "StateIdentifier out of range (0..2):";
  ExpectFatalCases("", 1,
                   {{R"(<ModuleHMTable StateIdentifier="0">)", {"Required Description field missing:"}},
                    {R"(<ModuleHMTable Description="d">)", {"Required StateIdentifier field missing:"}},
                    {R"(<ModuleHMTable Description="d" StateIdentifier="3">)",
                     {"Incorrect StateIdentifier specification.", range}},
                    {R"(<ModuleHMTable Description="d" StateIdentifier="-1">)",
                     {"Incorrect StateIdentifier specification.", range}},
                    // PARTITION belongs to the multi-partition tables; the
                    // action is examined before the state.
                    {R"(<ModuleHMTable Description="d" UnspecifiedAction="PARTITION">)",
                     {"Invalid UnspecifiedAction value:"}}});

  const std::string entry = "Incorrect ErrorAction entry.", out = "ErrorIdentifierRef out of range (0..31):";
  ExpectFatalCases(
      R"(<ModuleHMTable Description="d" StateIdentifier="0" UnspecifiedAction="RESET">)""\n", 2,
      {{ErrorAction(R"(ErrorIdentifierRef="32" ModuleRecoveryAction="RESET")"), {entry, out}},
       {ErrorAction(R"(ErrorIdentifierRef="-1" ModuleRecoveryAction="RESET")"), {entry, out}},
       {ErrorAction(R"(ModuleRecoveryAction="RESET")"), {entry, "ErrorIdentifierRef not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="0")"), {entry, "ModuleRecoveryAction not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="0" ModuleRecoveryAction="reset")"),
        {entry, "Invalid ModuleRecoveryAction action."}},
       {R"(<Error ErrorIdentifierRef="0"/>)", {"Incorrect ModuleHMTable entry."}}});
  // An empty-element start tag does not close the table.
  ExpectFatalCases(R"(<ModuleHMTable Description="d" StateIdentifier="0" UnspecifiedAction="RESET"/>)""\n", 2,
                   {{R"(<MultiPartitionHMTable TableName="M">)", {"Incorrect ModuleHMTable entry."}}});
}

TEST(ModuleHMTable, OnlyOneModuleCallback) {
  const std::string second =
      R"(<ModuleHMTable Description="b" StateIdentifier="1" UnspecifiedAction="RESET" ModuleCallback="cb2">)";
  EXPECT_EQ(HMReader().ReadFatal(
                R"(<ModuleHMTable Description="a" StateIdentifier="0" UnspecifiedAction="RESET" ModuleCallback="cb1">
</ModuleHMTable>
)" + second + "\n</ModuleHMTable>\n"),
            Fatal(3, {"Only one ModuleCallback specification allowed:", second}));
}

TEST(ModuleHMTable, EndOfInputEndsTheTable) {
  HMReader r;
  r.Read(R"(<ModuleHMTable Description="d" StateIdentifier="2" UnspecifiedAction="RESET">
<ErrorAction ErrorIdentifierRef="7" ModuleRecoveryAction="IGNORE"/>
)");
  EXPECT_EQ(r.hm.ModuleHMTable->Actions[2][7], 2);
  EXPECT_EQ(r.hm.ModuleHMTable->Actions[2][6], 0);
}

TEST(ModuleHMTable, RequiredUnlessSwitchedOff) {
  const std::string head = "<?xml version=\"1.0\"?>\n<ARINC_653_Module Target=\"t\">\n";
  const std::string table =
      R"(<ModuleHMTable Description="d" StateIdentifier="0" UnspecifiedAction="RESET">)""\n</ModuleHMTable>\n";
  EXPECT_EQ(RunXml(head + table + "</ARINC_653_Module>\n").err, NoInitialSchedule(6));
  EXPECT_EQ(RunXml(head + "</ARINC_653_Module>\n").err, NoModuleHMTable(4));
  EXPECT_EQ(RunXml(head + "</ARINC_653_Module>\n", {"-m"}).err, NoInitialSchedule(4));
}

TEST(MultiPartitionHMTable, ActionsAndListOrder) {
  HMReader r;
  r.Read(R"(<MultiPartitionHMTable TableName="Defaults">
</MultiPartitionHMTable>
<MultiPartitionHMTable TableName="Mixed Table" TableIdentifier="0" UnspecifiedAction="PARTITION">
<ErrorAction ErrorIdentifierRef="2" ErrorLevel="MODULE" ModuleRecoveryAction="SHUTDOWN"/>
<ErrorAction ErrorIdentifierRef="0x1F" ErrorLevel="MODULE" ModuleRecoveryAction="IGNORE"/>
</MultiPartitionHMTable>
<MultiPartitionHMTable TableName="Third" TableIdentifier="7" UnspecifiedAction="IGNORE">
<ErrorAction ErrorIdentifierRef="9" ErrorLevel="PARTITION"/>
)");  // the input ends the last table
  ASSERT_EQ(r.hm.MultiPartitionHMTables.size(), 3u);
  const MultiPartitionHMTableRecord& defaults = r.hm.MultiPartitionHMTables[0];
  const MultiPartitionHMTableRecord& mixed = r.hm.MultiPartitionHMTables[1];
  const MultiPartitionHMTableRecord& third = r.hm.MultiPartitionHMTables[2];
  EXPECT_EQ(defaults.TableName, "Defaults");
  EXPECT_EQ(defaults.TableIdentifier, -1);
  EXPECT_EQ(mixed.TableName, "Mixed Table");
  EXPECT_EQ(mixed.TableIdentifier, 0);
  EXPECT_EQ(third.TableIdentifier, 7);
  for (int e = 0; e < 32; ++e) {
    EXPECT_EQ(defaults.Actions[e], 0) << e;
    EXPECT_EQ(mixed.Actions[e], e == 2 ? 1 : e == 31 ? 2 : 3) << e;
    EXPECT_EQ(third.Actions[e], e == 9 ? 3 : 2) << e;
  }
}

TEST(MultiPartitionHMTable, Errors) {
  const std::string table = "Incorrect MultiPartitionHMTable entry.";
  ExpectFatalCases("", 1,
                   {{R"(<MultiPartitionHMTable TableIdentifier="1">)", {table, "TableName not defined:"}},
                    {R"(<MultiPartitionHMTable TableName="M" TableIdentifier="-1">)",
                     {table, "TableIdentifier value must be greater than 0:"}},
                    {R"(<MultiPartitionHMTable TableName="M" UnspecifiedAction="Reset">)",
                     {"Invalid UnspecifiedAction value:"}}});

  const std::string entry = "Incorrect ErrorAction entry.";
  ExpectFatalCases(
      R"(<MultiPartitionHMTable TableName="M">)""\n", 2,
      {{ErrorAction(R"(ErrorIdentifierRef="32" ErrorLevel="PARTITION")"),
        {entry, "ErrorIdentifierRef out of range (0..31):"}},
       {ErrorAction(R"(ErrorIdentifierRef="1")"), {entry, "ErrorLevel not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="MODULE")"),
        {entry, "ErrorLevel is MODULE, but no ModuleRecoveryAction defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="MODULE" ModuleRecoveryAction="RESTART")"),
        {entry, "Invalid ModuleRecoveryAction action:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="PROCESS")"),
        {entry, R"(ErrorLevel value not "MODULE" or "PARTITION":)"}},
       {R"(<PartitionHMTable TableName="P">)", {table}}});
}

TEST(PartitionHMTable, LevelsAndRecoveryActionsOfEveryReferringPartition) {
  HMReader r;
  PartitionRecord& nav = r.Add("Nav", "NavHM");
  PartitionRecord& other = r.Add("Other");
  PartitionRecord& display = r.Add("Display", "NavHM");
  display.HMTableIdentifier = 9;  // a table without TableIdentifier accepts any
  r.Read(kMulti + R"(<PartitionHMTable TableName="NavHM" MultiPartitionHMTableNameRef="MPT">
<ErrorAction ErrorIdentifierRef="5" ErrorLevel="PROCESS" PartitionRecoveryAction="WARM_START"/>
<ErrorAction ErrorIdentifierRef="0" ErrorLevel="PARTITION" PartitionRecoveryAction="cold_restart"/>
<ErrorAction ErrorIdentifierRef="1" ErrorLevel="PARTITION" PartitionRecoveryAction="Idle"/>
<ErrorAction ErrorIdentifierRef="8" ErrorLevel="PARTITION" PartitionRecoveryAction="warm_restart"/>
<ErrorAction ErrorIdentifierRef="2" ErrorLevel="PROCESS" PartitionRecoveryAction="COLD_START"/>
<ErrorAction ErrorIdentifierRef="31" ErrorLevel="PROCESS" PartitionRecoveryAction="IGNORE"/>
</PartitionHMTable>)");
  ASSERT_NE(nav.HMTable, nullptr);
  EXPECT_EQ(display.HMTable, nav.HMTable);
  EXPECT_EQ(other.HMTable, nullptr);
  // PROCESS adds 8: error 5 with WARM_START gives 10.
  const int expected[][2] = {{5, 10}, {0, 3}, {1, 1}, {8, 2}, {2, 11}, {31, 12}, {4, 0}};
  for (const auto& [error, value] : expected) EXPECT_EQ(nav.HMTable->Actions[error], value) << error;
  // Bits 26 (error 5), 29 (error 2) and 0 (error 31).
  EXPECT_EQ(nav.ProcessLevelErrors, 0x24000001u);
  EXPECT_EQ(display.ProcessLevelErrors, 0x24000001u);
  EXPECT_EQ(other.ProcessLevelErrors, 0u);
  EXPECT_EQ(nav.MultiPartitionHMTableNameRef, "MPT");
  EXPECT_TRUE(display.MultiPartitionHMTableNameRefGiven);
  EXPECT_FALSE(other.MultiPartitionHMTableNameRefGiven);
}

TEST(PartitionHMTable, ReferenceBindingMatchesTheBeginningAndCatchesUpWithNewPartitions) {
  HMReader r;
  PartitionRecord& alpha = r.Add("Alpha", "Nav_Main");
  r.Read(kMulti + PartitionTable("Nav"));
  PartitionHMTableRecord* first = alpha.HMTable;
  ASSERT_NE(first, nullptr);
  // A later table binds partitions read since, and rebinds earlier ones.
  PartitionRecord& beta = r.Add("Beta", "Nav_Main");
  r.Read(PartitionTable("Nav_Main"));
  EXPECT_NE(alpha.HMTable, first);
  EXPECT_EQ(beta.HMTable, alpha.HMTable);

  HMReader longer;
  longer.Add("Alpha", "Nav");
  EXPECT_EQ(longer.ReadFatal(kMulti + PartitionTable("Navigation")), NoMatch(4, PartitionStart("Navigation")));
}

TEST(PartitionHMTable, NameBindingTakesTheFirstUnboundPartitionInDefinitionOrder) {
  HMReader r;
  PartitionRecord& backup = r.Add("Flight_Mgmt_Backup");  // longer than the table name
  PartitionRecord& upper = r.Add("FLIGHT_MGMT");
  PartitionRecord& exact = r.Add("Flight_Mgmt");
  PartitionRecord& prefix = r.Add("Flight");
  r.Read(kMulti + PartitionTable("Flight Mgmt"));
  ASSERT_NE(upper.HMTable, nullptr);
  EXPECT_EQ(exact.HMTable, nullptr);
  EXPECT_EQ(upper.MultiPartitionHMTableNameRef, "MPT");
  r.Read(PartitionTable("flight mgmt"));
  ASSERT_NE(exact.HMTable, nullptr);
  EXPECT_NE(exact.HMTable, upper.HMTable);
  EXPECT_EQ(prefix.HMTable, nullptr);
  r.Read(PartitionTable("Flight_Mgmt"));
  EXPECT_NE(prefix.HMTable, nullptr);
  EXPECT_EQ(r.ReadFatal(PartitionTable("Flight Mgmt")), NoMatch(1, PartitionStart("Flight Mgmt")));
  EXPECT_EQ(backup.HMTable, nullptr);
}

TEST(PartitionHMTable, TableBeforeItsPartitionsIsRefused) {
  EXPECT_EQ(HMReader().ReadFatal(kMulti + PartitionTable("Nav")), NoMatch(4, PartitionStart("Nav")));
}

TEST(PartitionHMTable, KernelPartitionMayOnlyIgnore) {
  const std::string tail = " as a PartitionRecoveryAction for a kernel partition:";
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"IDLE", "Cannot specify IDLE" + tail},
      {"WARM_RESTART", "Cannot specify WARM_START" + tail},
      {"COLD_START", "Cannot specify COLD_START or COLD_RESTART" + tail},
  };
  // Bound through its PartitionHMRef, or by its user-given name.
  for (bool by_reference : {true, false}) {
    const std::string table_name = by_reference ? "KHM" : "core kernel";
    for (const auto& [action, message] : refused) {
      HMReader r;
      r.AddKernel("Core_Kernel", by_reference ? "KHM" : "");
      const std::string line =
          ErrorAction(R"(ErrorIdentifierRef="4" ErrorLevel="PARTITION" PartitionRecoveryAction=")" + action + "\"");
      EXPECT_EQ(r.ReadFatal(kMulti + PartitionTable(table_name, action)), Fatal(5, {message, line}));
    }
    HMReader r;
    PartitionRecord& kernel = r.AddKernel("Core_Kernel", by_reference ? "KHM" : "");
    r.Read(kMulti + PartitionTable(table_name));
    ASSERT_NE(kernel.HMTable, nullptr);
    EXPECT_EQ(kernel.HMTable->Actions[4], 4);
  }
  // The kernel partition goes by its user-given name, not by KernelSpace.
  HMReader r;
  r.AddKernel("Core_Kernel");
  EXPECT_EQ(r.ReadFatal(kMulti + PartitionTable("KernelSpace")), NoMatch(4, PartitionStart("KernelSpace")));
}

TEST(PartitionHMTable, BindingChecks) {
  const std::string start = PartitionStart("PHM", R"( TableIdentifier="6")");
  const std::string table = PartitionTable("PHM", "IDLE", R"( TableIdentifier="6")");
  const std::string non_arinc = Fatal(4, {"PartitionHMTable specified for a non-ARINC653 partition, but the",
                                          R"("ARINC653HM" specification has not been set to true.)", start});
  for (bool by_reference : {true, false}) {
    HMReader r;
    (by_reference ? r.Add("Io", "PHM") : r.Add("PHM")).NoObjects = 1;
    EXPECT_EQ(r.ReadFatal(kMulti + table), non_arinc);
    HMReader with_hm;
    PartitionRecord& p = by_reference ? with_hm.Add("Io", "PHM") : with_hm.Add("PHM");
    p.NoObjects = 1;
    p.ARINC653HM = 1;
    with_hm.Read(kMulti + table);
    EXPECT_NE(p.HMTable, nullptr);
  }
  // The table's TableIdentifier 6 against the partition's reference.
  for (int32_t identifier : {-1, 6, 5}) {
    HMReader r;
    r.Add("P", "PHM").HMTableIdentifier = identifier;
    if (identifier == 5) {
      EXPECT_EQ(r.ReadFatal(kMulti + table),
                Fatal(4, {"TableIdentifier does not match the value specified in PartitionHMTableRef specification:",
                          start}));
    } else {
      r.Read(kMulti + table);
    }
  }
  // The partitions found by reference are checked in definition order.
  HMReader order;
  order.Add("First", "PHM_B").NoObjects = 1;
  order.Add("Second", "PHM_A").HMTableIdentifier = 5;
  EXPECT_EQ(order.ReadFatal(kMulti + table), non_arinc);
}

TEST(PartitionHMTable, Errors) {
  auto referring = [](HMReader& r) { r.Add("P", "PHM"); };
  const std::string table = "Incorrect PartitionHMTable entry.";
  ExpectFatalCases(kMulti, 4,
                   {{R"(<PartitionHMTable MultiPartitionHMTableNameRef="MPT">)", {table, "TableName not defined:"}},
                    {R"(<PartitionHMTable TableName="PHM">)", {table, "MultiPartitionHMTableNameRef not defined:"}},
                    {R"(<PartitionHMTable TableName="PHM" MultiPartitionHMTableNameRef="mpt">)",
                     {table, "Define MultiPartitionHMTable before PartitionHMTable that references it:"}}},
                   referring);
  // Without its end tag the table ends with the input, still without actions.
  HMReader r;
  referring(r);
  EXPECT_EQ(r.ReadFatal(kMulti + PartitionStart("PHM") + "\n"),
            Fatal(5, {"PartitionHMTable must have at least one ErrorAction:", PartitionStart("PHM")}));

  const std::string entry = "Incorrect ErrorAction entry.";
  ExpectFatalCases(
      kMulti + PartitionStart("PHM") + "\n", 5,
      {{ErrorAction(R"(ErrorLevel="PARTITION" PartitionRecoveryAction="IDLE")"),
        {entry, "ErrorIdentifierRef not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="32" ErrorLevel="PARTITION" PartitionRecoveryAction="IDLE")"),
        {"Incorrect Error entry.", "ErrorIdentifier out of range (0..31):"}},
       // Error 3 is handled at module level by the multi-partition table.
       {ErrorAction(R"(ErrorIdentifierRef="3" ErrorLevel="PARTITION" PartitionRecoveryAction="IDLE")"),
        {table, "Corresponding MultiPartitionHMTable does not define ErrorLevel as PARTITION:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" PartitionRecoveryAction="IDLE")"), {entry, "ErrorLevel not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="8" ErrorLevel="PROCESS" PartitionRecoveryAction="IDLE")"),
        {entry, "Error 8 (CheckSuccess Failure) must be handled as a PARTITION or MODULE level error:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="process" PartitionRecoveryAction="IDLE")"),
        {entry, "Invalid ErrorLevel specification:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="PARTITION")"),
        {entry, "PartitionRecoverAction not defined:"}},
       {ErrorAction(R"(ErrorIdentifierRef="8" ErrorLevel="PARTITION" PartitionRecoveryAction="ignore")"),
        {"Incorrect PartitionRecoveryAction entry.", "Error 8 (CheckSuccess Failure) cannot be ignored:"}},
       {ErrorAction(R"(ErrorIdentifierRef="1" ErrorLevel="PARTITION" PartitionRecoveryAction="RESTART")"),
        {entry, "Incorrect or misspelled PartitionRecoveryAction:"}},
       {R"(<Error_Action ErrorIdentifierRef="1"/>)", {table, "Incorrect or misspelled ErrorAction:"}},
       {"</PartitionHMTable>", {"PartitionHMTable must have at least one ErrorAction:"}}},
      referring);
}

}  // namespace
}  // namespace cfgxlate::test
