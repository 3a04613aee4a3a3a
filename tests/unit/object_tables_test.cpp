// Object tables: numbering, entry order and bytes, header, verbose dump and
// diagnostics, from whole runs on small configurations. Expected bytes are
// worked out from the documented table layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "gen/objtables/object_entries.h"
#include "gen/objtables/object_numbering.h"
#include "gen/objtables/object_tables.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// Three destination ports of P2, present when channels are given.
const std::string kDestinations =
    "<Sampling_Port PortName=\"D1\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
    "MaxTransfersPerWindow=\"1\"/>\n"
    "<Sampling_Port PortName=\"D2\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
    "MaxTransfersPerWindow=\"1\"/>\n"
    "<Sampling_Port PortName=\"D3\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
    "MaxTransfersPerWindow=\"1\"/>\n";

// A module with partition P1 (identifier 1, 20 ms period, 10 ms duration)
// and P2
// in a single multi-core schedule; `attributes` go on P1's tag.
std::string OnePartition(const std::string& children, const std::string& attributes = "",
                         const std::string& channels = "") {
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n"
         "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\"" + attributes + ">\n" + children +
         "</Partition>\n"
         "<Partition PartitionIdentifier=\"2\" PartitionName=\"P2\">\n" + (channels.empty() ? "" : kDestinations) +
         "</Partition>\n"
         "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n"
         "<Partition_Schedule PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" "
         "PartitionDuration=\"10000000\" Core=\"0\">\n"
         "<Window_Schedule WindowIdentifier=\"1\" Offset=\"0\" Duration=\"10000000\" PartitionPeriodStart=\"true\"/>\n"
         "</Partition_Schedule>\n</Module_Sub_Schedule>\n</Module_Schedule>\n" +
         channels + "</ARINC_653_Module>\n";
}

// A channel from P1's port S to P2's D1, D2 and D3.
const std::string kThreeDestinations =
    "<Connection_Table>\n<Channel ChannelIdentifier=\"1\">\n<Source>\n"
    "<Standard_Partition PartitionIdentifier=\"1\" PortName=\"S\"/>\n</Source>\n"
    "<Destination>\n<Standard_Partition PartitionIdentifier=\"2\" PortName=\"D1\"/>\n"
    "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"D2\"/>\n"
    "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"D3\"/>\n</Destination>\n"
    "</Channel>\n</Connection_Table>\n";

struct Generated {
  RunResult run;
  std::string out;
  MemoryFileSystem fs;
  std::string File(const std::string& name) { return fs.files.count(name) != 0 ? fs.files[name] : "<missing>"; }
};

Generated Generate(const std::string& xml, std::vector<std::string> options = {}) {
  Generated g;
  g.fs.files["config.xml"] = xml;
  options.insert(options.begin(), "-m");
  options.push_back("config.xml");
  std::vector<const char*> argv{"cfgxlate"};
  for (const std::string& option : options) argv.push_back(option.c_str());
  BufferConsole console;
  g.run.status = RunTranslator(static_cast<int>(argv.size()), argv.data(), g.fs, console);
  g.run.err = console.err;
  g.out = console.out;
  return g;
}

// The text of one entry: comment line, name bytes, flag and value bytes and
// the three words, big-endian.
std::string EntryText(const std::string& name, const std::string& name_lines, int flags, int value,
                      const std::string& index_word, const std::string& user_word = "0,0,0,0",
                      const std::string& value64 = "0,0,0,0\n\t.byte\t0,0,0,0") {
  return "#\t" + name + name_lines + "," + std::to_string(flags) + "," + std::to_string(value) + "\n\t.byte\t" +
         index_word + "\n\t.byte\t" + user_word + "\n\t.byte\t" + value64 + "\n";
}

// Name bytes of a short name that fits the first group: 30 bytes in seven
// groups of four and a last group of two.
std::string ShortName(const std::string& first_group) {
  return "\n\t.byte\t" + first_group + "\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0"
         "\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0";
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const size_t start = text.find(from);
  if (start == std::string::npos) return "<no " + from + ">";
  const size_t end = text.find(to, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(ObjectTableOrder, MatchesInsertionIntoSortedList) {
  std::mt19937 random(8);
  for (int round = 0; round < 3000; ++round) {
    std::vector<ObjectEntry> inserted;
    const int count = 1 + static_cast<int>(random() % 9);
    for (int i = 0; i < count; ++i) {
      ObjectEntry entry;
      entry.Name = std::string(1, static_cast<char>('a' + random() % 3));
      if (random() % 3 == 0) entry.Name += 'a';
      entry.ObjectIndex = i;
      inserted.push_back(entry);
    }
    // The documented rule, one insertion at a time.
    std::vector<ObjectEntry> simulated;
    for (const ObjectEntry& entry : inserted) {
      if (simulated.empty() || entry.Name < simulated.front().Name) {
        simulated.insert(simulated.begin(), entry);
        continue;
      }
      size_t after = 0;
      for (size_t k = 1; k < simulated.size() && simulated[k].Name < entry.Name; ++k) after = k;
      simulated.insert(simulated.begin() + static_cast<long>(after) + 1, entry);
    }
    std::vector<ObjectEntry> ordered = inserted;
    OrderObjectEntries(ordered);
    std::string expected, actual, names;
    for (const ObjectEntry& e : inserted) names += e.Name + " ";
    for (const ObjectEntry& e : simulated) expected += std::to_string(e.ObjectIndex) + " ";
    for (const ObjectEntry& e : ordered) actual += std::to_string(e.ObjectIndex) + " ";
    ASSERT_EQ(actual, expected) << "inserted: " << names;
  }
}

TEST(ObjectTableOrder, EqualNamesFollowTheInsertionRule) {
  // "b" twice while it is the smallest name: the second goes right after the
  // first; after "a" arrives, the next "b" goes in front of both.
  std::vector<ObjectEntry> entries(4);
  const char* names[] = {"b", "b", "a", "b"};
  for (int i = 0; i < 4; ++i) entries[i].Name = names[i], entries[i].ObjectIndex = i;
  OrderObjectEntries(entries);
  EXPECT_EQ(entries[0].ObjectIndex, 2);
  EXPECT_EQ(entries[1].ObjectIndex, 3);
  EXPECT_EQ(entries[2].ObjectIndex, 0);
  EXPECT_EQ(entries[3].ObjectIndex, 1);
}

TEST(ObjectTableNumbering, FreeRunsSkipExplicitNumbers) {
  PartitionRecord partition;
  partition.Tasks.push_back(TaskRecord{});
  partition.Tasks.back().ObjectNumber = 31;
  partition.Tasks.back().ClearStack = 1;  // also holds 30
  partition.Semaphores.push_back(SemaphoreRecord{});
  partition.Semaphores.back().ObjectNumber = 34;
  partition.MemoryRegions.push_back(MemoryRegionRecord{});
  partition.MemoryRegions.back().ObjectNumber = 34;
  TakenObjectNumbers taken(ReservedObjectNumbers(partition));
  EXPECT_EQ(taken.Numbers(), (std::vector<int64_t>{30, 31, 34}));
  EXPECT_EQ(taken.FindFreeObjectNumbers(28, 0), 28);
  EXPECT_EQ(taken.FindFreeObjectNumbers(28, 2), 28);
  EXPECT_EQ(taken.FindFreeObjectNumbers(29, 2), 32);
  EXPECT_EQ(taken.FindFreeObjectNumbers(32, 3), 35);
  EXPECT_EQ(taken.FindFreeObjectNumbers(30, 1), 32);  // going back still works
}

TEST(ObjectTableNumbering, DocumentedCases) {
  // Explicit 30 is skipped; ClearStack takes two numbers and is listed under
  // the second; a source on a plain channel with three destinations takes
  // three numbers; the port task takes two free numbers first.
  Generated g = Generate(OnePartition(
      "<Process Name=\"Alpha\" StackSize=\"0x1000\"/>\n"
      "<Task Name=\"Fixed\" StackSize=\"0x1000\" Priority=\"3\" ObjectNumber=\"30\"/>\n"
      "<Task Name=\"Two\" StackSize=\"0x1000\" Priority=\"3\" ClearStack=\"true\"/>\n"
      "<Task Name=\"Third\" StackSize=\"0x1000\" Priority=\"3\"/>\n"
      "<Sampling_Port PortName=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Semaphore Name=\"beta\" Kind=\"Counting\" InitialValue=\"0\"/>\n",
      "", kThreeDestinations), {"-e"});
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  // Port task 28,29 (task object 29); Alpha 31; Two 32,33; Third 34; S 35-37;
  // beta 38.
  EXPECT_NE(g.out.find("\t\t\tAlpha, ObjectIndex=31, ProcessUserIdentification=0x0\n"
                       "\t\tTasks:\n"
                       "\t\t\tFixed, ObjectIndex=30, Priority=3, StackSize=0x1000, TaskUserIdentification=0x0\n"
                       "\t\t\tTwo, ObjectIndex=33, Priority=3, StackSize=0x1000, TaskUserIdentification=0x0\n"
                       "\t\t\tThird, ObjectIndex=34, Priority=3, StackSize=0x1000, TaskUserIdentification=0x0\n"
                       "\t\tSampling Ports:\n"
                       "\t\t\tS, ObjectIndex=35, NumberDestinations=3, MaxMessageSize=8, Direction=Source, "
                       "PortMapping=0, RefreshPeriod=1000000000\n"
                       "\t\tSemaphores:\n"
                       "\t\t\tbeta, ObjectIndex=38\n"),
            std::string::npos)
      << g.out;
  const std::string table = g.File("object_table.s");
  EXPECT_NE(table.find("#\tPort task object = 29\n#\tError process task object = 15\n\t.byte\t0,29,0,15\n"),
            std::string::npos);
  // Source sampling port: three destinations, 8-byte messages, refresh 1 s = 0x3B9ACA00 ns.
  EXPECT_NE(table.find(EntryText("s", ShortName("115,0,0,0"), 1, 3, "0,0,0,35", "0,0,0,8",
                                 "0,0,0,0\n\t.byte\t59,154,202,0")),
            std::string::npos);
}

TEST(ObjectTableNumbering, NonArincPartition) {
  // "Initial" gets 0 without moving the cursor; HM links get numbers but no
  // entries; ports are left alone without -d.
  Generated g = Generate(OnePartition(
      "<Task Name=\"Initial\" StackSize=\"0x1000\" Priority=\"3\"/>\n"
      "<Task Name=\"Other\" StackSize=\"0x1000\" Priority=\"3\"/>\n",
      " ARINC653Partition=\"false\""), {"-e"});
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  EXPECT_NE(g.out.find("\t\t\tInitial, ObjectIndex=0, Priority=3, StackSize=0x1000, TaskUserIdentification=0x0\n"
                       "\t\t\tOther, ObjectIndex=28, "),
            std::string::npos)
      << g.out;
  EXPECT_NE(g.File("object_table.s").find("#\tNumber of Objects = 2\n"), std::string::npos);
}

TEST(ObjectTableEntries, OrderBytesAndFlags) {
  Generated g = Generate(OnePartition(
      "<Semaphore Name=\"beta\" Kind=\"Counting\" InitialValue=\"0\"/>\n"
      "<Process Name=\"Zeta\" StackSize=\"0x1000\" ProcessUserIdentification=\"0x102\"/>\n"
      "<Process Name=\"Alpha\" StackSize=\"0x1000\"/>\n"
      "<Queuing_Port PortName=\"Q\" Direction=\"DESTINATION\" MaxMessageSize=\"0x20\" MaxNbMessages=\"0x103\" MaxTransfersPerWindow=\"1\"/>\n"));
  ASSERT_EQ(g.run.status, 0);
  EXPECT_EQ(g.run.err, WarningLine("Line 19 - Queuing Port does not have a corresponding channel:") +
                           WarningLine("Q"));
  // Processes come first (Zeta 28, Alpha 29), the port gets 0, the
  // semaphore 30; the list is by lower-cased name.
  const std::string expected =
      "#\tNumber of Objects = 4\n\t.byte\t0,0,0,4\n" +
      EntryText("alpha",
                "\n\t.byte\t97,108,112,104\n\t.byte\t97,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0"
                "\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0",
                0, 0, "0,0,0,29") +
      EntryText("beta", ShortName("98,101,116,97"), 8, 0, "0,0,0,30") +
      // Queuing destination without a channel: kind 4, direction bit; 0x103
      // messages give value byte 3 and 1 << 24 in the user word; one
      // transfer per window in the 64-bit value.
      EntryText("q", ShortName("113,0,0,0"), 0x84, 3, "0,0,0,0", "1,0,0,32", "0,0,0,0\n\t.byte\t0,0,0,1") +
      EntryText("zeta", ShortName("122,101,116,97"), 0, 0, "0,0,0,28", "0,0,1,2");
  EXPECT_EQ(Between(g.File("object_table.s"), "#\tNumber of Objects", "#\tNumber of module schedules"),
            expected);
}

TEST(ObjectTableEntries, LongNamesAndByteOrder) {
  const std::string name32(32, 'n');
  Generated g = Generate(OnePartition("<Process Name=\"" + name32 + "\" StackSize=\"0x1000\"/>\n"),
                         {"-32", "-i"});
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  std::string lines = "#\t" + name32;
  for (int i = 0; i < 8; ++i) lines += "\n\t.byte\t110,110,110,110";
  lines += "\n\t.byte\t0,0,0,0\n\t.byte\t28,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n";
  const std::string table = g.File("object_table.s");
  EXPECT_NE(table.find(lines), std::string::npos) << table;
  EXPECT_NE(table.find("#\tPERIOD = 20000000\n\t.byte\t0,45,49,1\n\t.byte\t0,0,0,0\n"), std::string::npos);
  EXPECT_NE(table.find("#\tMax Name Length = 32\n\t.byte\t64\n"), std::string::npos);

  Generated big = Generate(OnePartition(""));
  EXPECT_NE(big.File("object_table.s").find("#\tPERIOD = 20000000\n\t.byte\t0,0,0,0\n\t.byte\t1,49,45,0\n"),
            std::string::npos);
}

// P1's tasks with priorities 150, 200 and 250, queuing ports without a
// channel holding 128 and 200 messages, a source sampling port with 130
// destinations in P2, and a semaphore and schedule with non-ASCII names
// (UTF-8 "Été" and "Sé"; only ASCII letters are lower-cased).
std::string SignedValueBytes() {
  std::string destinations, ends;
  for (int i = 0; i < 130; ++i) {
    const std::string name = "D" + std::to_string(i);
    destinations += "<Sampling_Port PortName=\"" + name +
                    "\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\" "
                    "MaxTransfersPerWindow=\"1\"/>\n";
    ends += "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"" + name + "\"/>\n";
  }
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n"
         "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n"
         "<Task Name=\"T150\" StackSize=\"0x1000\" Priority=\"150\"/>\n"
         "<Task Name=\"T200\" StackSize=\"0x1000\" Priority=\"200\"/>\n"
         "<Task Name=\"T250\" StackSize=\"0x1000\" Priority=\"250\"/>\n"
         "<Sampling_Port PortName=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\"/>\n"
         "<Queuing_Port PortName=\"Q128\" Direction=\"SOURCE\" MaxMessageSize=\"0x20\" MaxNbMessages=\"128\"/>\n"
         "<Queuing_Port PortName=\"Q200\" Direction=\"DESTINATION\" MaxMessageSize=\"0x20\" MaxNbMessages=\"200\" "
         "MaxTransfersPerWindow=\"1\"/>\n"
         "<Semaphore Name=\"\xC3\x89t\xC3\xA9\" Kind=\"Counting\" InitialValue=\"0\"/>\n"
         "</Partition>\n"
         "<Partition PartitionIdentifier=\"2\" PartitionName=\"P2\">\n" + destinations + "</Partition>\n"
         "<Module_Schedule ScheduleName=\"S\xC3\xA9\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n"
         "<Partition_Schedule PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" "
         "PartitionDuration=\"10000000\" Core=\"0\">\n"
         "<Window_Schedule WindowIdentifier=\"1\" Offset=\"0\" Duration=\"10000000\" PartitionPeriodStart=\"true\"/>\n"
         "</Partition_Schedule>\n</Module_Sub_Schedule>\n</Module_Schedule>\n"
         "<Connection_Table>\n<Channel ChannelIdentifier=\"1\">\n<Source>\n"
         "<Standard_Partition PartitionIdentifier=\"1\" PortName=\"S\"/>\n</Source>\n<Destination>\n" +
         ends + "</Destination>\n</Channel>\n</Connection_Table>\n</ARINC_653_Module>\n";
}

std::string ZeroGroups(int count) {
  std::string groups;
  for (int i = 0; i < count; ++i) groups += "\n\t.byte\t0,0,0,0";
  return groups;
}

TEST(ObjectTableEntries, ValueBytesFrom128OnPrintAsSignedBytes) {
  const std::string xml = SignedValueBytes();
  const std::string end_line = std::to_string(std::count(xml.begin(), xml.end(), '\n') + 1);
  const std::string warnings = WarningLine("Line " + end_line +
                                           " - Queuing Port does not have a corresponding channel:") +
                               WarningLine("Q128") +
                               WarningLine("Line " + end_line +
                                           " - Queuing Port does not have a corresponding channel:") +
                               WarningLine("Q200");
  // Numbers: port task 28,29; tasks 30, 31, 32; S 33 to 162; the queues 0
  // (no channel); the semaphore 163. Value bytes: priorities 150, 200, 250
  // as -106, -56, -6; 128 and 200 messages as -128 and -56; 130
  // destinations as -126. Flag bytes stay unsigned: Q200 is a destination
  // queue (4 | 0x80 = 132). Name characters stay 0 to 255: "Été" is 195,
  // 137, 116, 195, 169 and sorts last (bytes compare unsigned).
  Generated big = Generate(xml, {"-e"});
  ASSERT_EQ(big.run.status, 0) << big.run.err;
  EXPECT_EQ(big.run.err, warnings);
  // The verbose dump shows the configured numbers, not the value bytes.
  for (const char* line :
       {"\t\t\tT150, ObjectIndex=30, Priority=150, StackSize=0x1000, TaskUserIdentification=0x0\n",
        "\t\t\tS, ObjectIndex=33, NumberDestinations=130, MaxMessageSize=8, Direction=Source, PortMapping=0, "
        "RefreshPeriod=1000000000\n",
        "\t\t\tQ200, ObjectIndex=0, MaxMessageSize=32, MaxNbMessages=200, Direction=Destination, Discipline=FIFO, "
        "PortMapping=0\n"}) {
    EXPECT_NE(big.out.find(line), std::string::npos) << line;
  }
  // Queues: number 0, user word 32 (the message size; fewer than 256
  // messages), 64-bit value the transfers per window (Q200 only).
  const std::string q128_words = "0,0,0,0\n\t.byte\t0,0,0,32\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n";
  const std::string q200_words = "0,0,0,0\n\t.byte\t0,0,0,32\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,1\n";
  const std::string short30 = ZeroGroups(6) + "\n\t.byte\t0,0,";
  EXPECT_EQ(Between(big.File("object_table.s"), "#\tNumber of Objects", "#\tNumber of module schedules"),
            "#\tNumber of Objects = 7\n\t.byte\t0,0,0,7\n"
            "#\tq128\n\t.byte\t113,49,50,56" + short30 + "4,-128\n\t.byte\t" + q128_words +
            "#\tq200\n\t.byte\t113,50,48,48" + short30 + "132,-56\n\t.byte\t" + q200_words +
            "#\ts\n\t.byte\t115,0,0,0" + short30 +
            "1,-126\n\t.byte\t0,0,0,33\n\t.byte\t0,0,0,8\n\t.byte\t0,0,0,0\n\t.byte\t59,154,202,0\n"
            "#\tt150\n\t.byte\t116,49,53,48" + short30 + "14,-106\n\t.byte\t0,0,0,30\n" + ZeroGroups(3).substr(1) +
            "\n#\tt200\n\t.byte\t116,50,48,48" + short30 + "14,-56\n\t.byte\t0,0,0,31\n" + ZeroGroups(3).substr(1) +
            "\n#\tt250\n\t.byte\t116,50,53,48" + short30 + "14,-6\n\t.byte\t0,0,0,32\n" + ZeroGroups(3).substr(1) +
            "\n#\t\xC3\x89t\xC3\xA9\n\t.byte\t195,137,116,195\n\t.byte\t169,0,0,0" + ZeroGroups(5) +
            "\n\t.byte\t0,0,8,0\n\t.byte\t0,0,0,163\n" + ZeroGroups(3).substr(1) + "\n");
  EXPECT_NE(big.File("object_table.s").find("#\ts\xC3\xA9\n\t.byte\t115,195,169,0\n"), std::string::npos);

  // 32-byte names, little-endian: two more zero name bytes, padding bytes
  // before the flag, every word reversed; the flag and value bytes as above.
  Generated little = Generate(xml, {"-32", "-i"});
  ASSERT_EQ(little.run.status, 0) << little.run.err;
  const std::string little_q128 = "0,0,0,0\n\t.byte\t32,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n";
  const std::string little_q200 = "0,0,0,0\n\t.byte\t32,0,0,0\n\t.byte\t1,0,0,0\n\t.byte\t0,0,0,0\n";
  const std::string short32 = ZeroGroups(7) + "\n\t.byte\t0,0,";
  EXPECT_EQ(Between(little.File("object_table.s"), "#\tNumber of Objects", "#\tNumber of module schedules"),
            "#\tNumber of Objects = 7\n\t.byte\t7,0,0,0\n"
            "#\tq128\n\t.byte\t113,49,50,56" + short32 + "4,-128\n\t.byte\t" + little_q128 +
            "#\tq200\n\t.byte\t113,50,48,48" + short32 + "132,-56\n\t.byte\t" + little_q200 +
            "#\ts\n\t.byte\t115,0,0,0" + short32 +
            "1,-126\n\t.byte\t33,0,0,0\n\t.byte\t8,0,0,0\n\t.byte\t0,202,154,59\n\t.byte\t0,0,0,0\n"
            "#\tt150\n\t.byte\t116,49,53,48" + short32 + "14,-106\n\t.byte\t30,0,0,0\n" + ZeroGroups(3).substr(1) +
            "\n#\tt200\n\t.byte\t116,50,48,48" + short32 + "14,-56\n\t.byte\t31,0,0,0\n" + ZeroGroups(3).substr(1) +
            "\n#\tt250\n\t.byte\t116,50,53,48" + short32 + "14,-6\n\t.byte\t32,0,0,0\n" + ZeroGroups(3).substr(1) +
            "\n#\t\xC3\x89t\xC3\xA9\n\t.byte\t195,137,116,195\n\t.byte\t169,0,0,0" + ZeroGroups(6) +
            "\n\t.byte\t0,0,8,0\n\t.byte\t163,0,0,0\n" + ZeroGroups(3).substr(1) + "\n");
}

// P1 runs in a time window; P2 is scheduled without one, so it gets no
// affinity group and only its core map reads its Core text.
std::string CoreTexts(const std::string& p1_core, const std::string& p2_core,
                      const std::string& module_attributes = "") {
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\"" + module_attributes + ">\n"
         "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n</Partition>\n"
         "<Partition PartitionIdentifier=\"2\" PartitionName=\"P2\">\n</Partition>\n"
         "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n"
         "<Partition_Schedule PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" "
         "PartitionDuration=\"10000000\" Core=\"" + p1_core + "\">\n"
         "<Window_Schedule WindowIdentifier=\"1\" Offset=\"0\" Duration=\"10000000\"/>\n"
         "</Partition_Schedule>\n"
         "<Partition_Schedule PartitionIdentifier=\"2\" PartitionPeriod=\"20000000\" "
         "PartitionDuration=\"10000000\" Core=\"" + p2_core + "\">\n</Partition_Schedule>\n"
         "</Module_Sub_Schedule>\n</Module_Schedule>\n</ARINC_653_Module>\n";
}

std::string EndOfInput(const std::string& xml, const std::string& message) {
  return ErrorLine("Line " + std::to_string(std::count(xml.begin(), xml.end(), '\n') + 1) + " - " + message);
}

TEST(ObjectTableCoreMap, NumbersNoByteHoldsAreRefusedAndNoTableIsLeft) {
  struct Refused {
    const char* core;
    const char* message;
    const char* detail;
  };
  const Refused cases[] = {
      {"99999999999999999999", "Invalid core value in list:", "99999999999999999999"},
      {"1,4294967301", "Invalid core value in list:", "4294967301"},
      {"-129", "Invalid core list value:", "-129"},
      {"0,256", "Invalid core value in list:", "256"},
  };
  for (const Refused& refused : cases) {
    const std::string xml = CoreTexts("0", refused.core);
    Generated g = Generate(xml);
    EXPECT_EQ(g.run.status, 1) << refused.core;
    EXPECT_EQ(g.run.err, EndOfInput(xml, refused.message) + ErrorLine(refused.detail));
    EXPECT_EQ(g.fs.files.size(), 1u) << refused.core;  // only the input
  }

  // One file per partition: the tables completed before P2's stay.
  Generated z = Generate(CoreTexts("0", "-129"), {"-z"});
  EXPECT_EQ(z.run.status, 1);
  EXPECT_EQ(z.fs.files.count("object_table_P1.s"), 1u);
  EXPECT_EQ(z.fs.files.count("object_table_P2.s"), 0u);
  EXPECT_EQ(z.fs.files.count("object_table_kernel.s"), 0u);

  // A text the affinity groups refuse later anyway: the same lines as
  // before, and now no object table or linker file with the broken line.
  // Their messages and details are the core-list reader's, naming the
  // text from the item it refuses (5 is no core of four).
  const Refused later[] = {
      {"300", "Invalid core value in list:", "300"},
      {"5,300", "Invalid core value in list:", "5,300"},
      {"x,300", "Invalid core list value:", "x,300"},
      {"+300", "Invalid core list value:", "+300"},
  };
  for (const Refused& refused : later) {
    const std::string cores4 = CoreTexts(refused.core, "0", " NumberOfCores=\"4\"");
    Generated four = Generate(cores4);
    EXPECT_EQ(four.run.status, 1) << refused.core;
    EXPECT_EQ(four.run.err, EndOfInput(cores4, refused.message) + ErrorLine(refused.detail));
    EXPECT_EQ(four.fs.files.size(), 1u) << refused.core;
  }
}

TEST(ObjectTableCoreMap, TextsEveryByteHoldsAreWrittenAsBefore) {
  const std::string zero = "\t.byte\t0,0,0,0\n";
  const auto zeros = [&zero](int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += zero;
    return lines;
  };
  struct Written {
    const char* core;
    std::string lines;
  };
  // "all" with the default 8 cores; 255 and -128 are the extremes a byte
  // line takes.
  const Written cases[] = {
      {"2,3", "\t.byte\t2,3,0,0\n" + zeros(15)},
      {"all", "\t.byte\t0,1,2,3\n\t.byte\t4,5,6,7\n" + zeros(14)},
      {"255,-128", "\t.byte\t255,-128,0,0\n" + zeros(15)},
  };
  for (const Written& written : cases) {
    Generated g = Generate(CoreTexts("0", written.core));
    ASSERT_EQ(g.run.status, 0) << g.run.err;
    const std::string table = g.File("object_table.s");
    const std::string p2 = table.substr(table.find("\t.section\t\".mr_rweu_P2\""));
    EXPECT_EQ(Between(p2, "#\tLogical To Physical Core Mapping Table\n", "#\tNumber of module schedules"),
              "#\tLogical To Physical Core Mapping Table\n" + written.lines)
        << written.core;
  }
}

TEST(ObjectTableHeader, WholeHeaderOfASmallPartition) {
  Generated g = Generate(OnePartition(""));
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  EXPECT_EQ(Between(g.File("object_table.s"), "\t.section", "#\tNumber of Objects"),
            "\t.section\t\".mr_rweu_P1\",\"aw\"\n"
            "#\tOPERATING_MODE = COLD_START(1)\n#\tSTART_CONDITION = NORMAL_START(0)\n\t.byte\t0x41\n"
            "#\tPartition has release point = 1\n\t.byte\t1\n"
            "#\tARINC653 Locking Discipline = BLOCKING_PRIORITY(1)\n\t.byte\t1\n"
            "#\tPartition HM exists = false\n#\tARINC653SetAffinityPermission = NOT_PERMITTED\n"
            "#\tDefault Process Core Affinity Any = false\n#\tMax Name Length = 30\n\t.byte\t0\n"
            "#\tPort task object = 0\n#\tError process task object = 15\n\t.byte\t0,0,0,15\n"
            "#\tPROCESS Level Error Value Table = 0x0\n\t.byte\t0,0,0,0\n"
            "#\tIDENTIFIER = 1\n\t.byte\t0,0,0,1\n"
            "#\tPERIOD = 20000000\n\t.byte\t0,0,0,0\n\t.byte\t1,49,45,0\n"
            "#\tDURATION = 10000000\n\t.byte\t0,0,0,0\n\t.byte\t0,152,150,128\n"
            "#\tPartition Recovery Actions\n"
            "\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n"
            "\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n");
}

TEST(ObjectTableVerbose, DumpOfASmallPartition) {
  Generated g = Generate(OnePartition("<Process Name=\"Alpha\" StackSize=\"0x1000\"/>\n"), {"-e"});
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  EXPECT_EQ(Between(g.out, "**********\nPartition: P1", "\tMultiple Module Schedules"),
            "**********\nPartition: P1 => .mr_rweu_P1 Section\n**********\n"
            "\tHeader Information (32 bytes):\n"
            "\t\tValue = 0x41, Size = 1\n\t\t\tOPERATING_MODE = COLD_START(1)\n\t\t\tSTART_CONDITION = NORMAL_START(0)\n"
            "\t\tValue = 1, Size = 1\n\t\t\tPartition has release point = true\n"
            "\t\tValue = 0, Size = 1\n\t\t\tLocking Discipline = BLOCKING_PRIORITY\n"
            "\t\tValue = 0, Size = 1\n\t\t\tPartition HM exists = false\n"
            "\t\t\tARINC653SetAffinityPermission = NOT_PERMITTED\n"
            "\t\t\tDefault Process Core Affinity Any = false\n\t\t\tMax Name Length = 30\n"
            "\t\tValue = 15, Size = 4\n\t\t\tError process task object = 15\n"
            "\t\tValue = 0x0, Size = 4\n\t\t\tPROCESS Level Error Value Table = 0x0\n"
            "\t\tValue = 1, Size = 4\n\t\t\tPartition Identifier = 1\n"
            "\t\tValue = 20000000, Size = 8\n\t\t\tPartition Period = 20000000\n"
            "\t\tValue = 10000000, Size = 8\n\t\t\tPartition Duration = 10000000\n"
            "#\tPartition Recovery Actions (Size = 32):\n"
            "\t\t\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\n"
            "\t\t\t0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
            "\tPartition's Object Table (48 bytes per object):\n"
            "\t\tProcesses:\n\t\t\tAlpha, ObjectIndex=28, ProcessUserIdentification=0x0\n");
}

TEST(ObjectTableDiagnostics, PortsWithoutChannelAndBadConnections) {
  Generated ports = Generate(OnePartition(
      "<Sampling_Port PortName=\"SP\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Queuing_Port PortName=\"QP\" Direction=\"SOURCE\" MaxMessageSize=\"8\" MaxNbMessages=\"2\"/>\n"));
  EXPECT_EQ(ports.run.status, 0);
  EXPECT_EQ(ports.run.err, WarningLine("Line 17 - Sampling Port does not have a corresponding channel:") +
                               WarningLine("SP") +
                               WarningLine("Line 17 - Queuing Port does not have a corresponding channel:") +
                               WarningLine("QP"));

  Generated lonely = Generate(OnePartition("<Connection Name=\"Lonely\"/>\n"));
  EXPECT_EQ(lonely.run.status, 1);
  EXPECT_EQ(lonely.run.err, ErrorLine("Line 16 - Connection does not have a corresponding channel:") +
                                ErrorLine("Lonely"));

  // A reader cannot bind a connection to another channel type; the model can.
  TestContext t;
  ChannelRecord shared;
  shared.TransferMode = kSharedMemoryTransfer;
  PartitionRecord& partition = t.ctx.model.partitions.Partitions.emplace_back();
  partition.PartitionName = "P";
  partition.Connections.push_back(ConnectionRecord{"Shared", &shared, &partition});
  EXPECT_EQ(FatalLines([&] { GenerateObjectTables(t.ctx); }),
            ErrorLine("Line 1 - Connection does not have a correct channel type:") + ErrorLine("Shared"));

  const std::string name31(31, 'x');
  Generated too_long = Generate(OnePartition("<Process Name=\"" + name31 + "\" StackSize=\"0x1000\"/>\n"));
  EXPECT_EQ(too_long.run.err, ErrorLine("Line 16 - Name longer than 30 characters:") + ErrorLine(name31));
}

TEST(ObjectTableFiles, PerPartitionFilesInOutputDirectory) {
  Generated g = Generate(OnePartition(""), {"-z", "-outputdir", "out"});
  ASSERT_EQ(g.run.status, 0) << g.run.err;
  EXPECT_EQ(g.fs.files.count("kernel_additions.ld"), 0u);
  EXPECT_EQ(g.fs.files.count("out/kernel_additions.ld"), 0u);
  EXPECT_EQ(g.File("out/object_table_kernel.s"), "");
  const std::string p1 = g.File("out/object_table_P1.s");
  EXPECT_EQ(p1.substr(0, p1.find("#\tPartition has release point")),
            "# Virtual Object Table for partition P1\n\t.section\t\".arinc653start\",\"aw\"\n"
            "#\tOPERATING_MODE = COLD_START(1)\n#\tSTART_CONDITION = NORMAL_START(0)\n\t.byte\t0x41\n"
            "\t.data\n\t.balign\t8\n\t.globl\tARINC653VirtualObjectTable\nARINC653VirtualObjectTable:\n"
            "\t.byte\t0\n");
  EXPECT_NE(g.fs.files.count("out/object_table_P2.s"), 0u);
}

}  // namespace
}  // namespace cfgxlate::test
