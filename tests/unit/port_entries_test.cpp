// Port entries of the object tables for Procedure and SharedMemory channels,
// and the kernel pool units counted while numbering. The configuration is
// read and the tables generated in-process, so the model can be inspected
// afterwards. Expected bytes and counts are worked out by hand from the
// documented entry layout and pool-unit rules.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/options.h"
#include "gen/objtables/object_tables.h"
#include "module/module_element.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// Partitions P1 and P2 with the given children, P1 in a single schedule, and
// the given connection table.
std::string TwoPartitions(const std::string& p1, const std::string& p2, const std::string& channels) {
  return "<?xml version=\"1.0\"?>\n<ARINC_653_Module ModuleName=\"M\">\n"
         "<Partition PartitionIdentifier=\"1\" PartitionName=\"P1\">\n" + p1 + "</Partition>\n"
         "<Partition PartitionIdentifier=\"2\" PartitionName=\"P2\">\n" + p2 + "</Partition>\n"
         "<Module_Schedule ScheduleName=\"S1\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n"
         "<Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"0.02\">\n"
         "<Partition_Schedule PartitionIdentifier=\"1\" PartitionPeriod=\"20000000\" "
         "PartitionDuration=\"10000000\" Core=\"0\">\n"
         "<Window_Schedule WindowIdentifier=\"1\" Offset=\"0\" Duration=\"10000000\" PartitionPeriodStart=\"true\"/>\n"
         "</Partition_Schedule>\n</Module_Sub_Schedule>\n</Module_Schedule>\n"
         "<Connection_Table>\n" + channels + "</Connection_Table>\n</ARINC_653_Module>\n";
}

// One channel; `mode` is "", " Procedure=\"true\"" or " SharedMemory=\"true\"".
std::string Channel(int identifier, const std::string& source, const std::vector<std::string>& destinations,
                    const std::string& mode) {
  std::string text = "<Channel ChannelIdentifier=\"" + std::to_string(identifier) + "\">\n<Source>\n" +
                     "<Standard_Partition PartitionIdentifier=\"1\" PortName=\"" + source + "\"" + mode +
                     "/>\n</Source>\n<Destination>\n";
  for (const std::string& destination : destinations) {
    text += "<Standard_Partition PartitionIdentifier=\"2\" PortName=\"" + destination + "\"" + mode + "/>\n";
  }
  return text + "</Destination>\n</Channel>\n";
}

struct Translation {
  std::unique_ptr<TestContext> t = std::make_unique<TestContext>();
  TranslationContext& ctx() { return t->ctx; }
  std::string Table() { return t->fs.files.count("object_table.s") != 0 ? t->fs.files["object_table.s"] : ""; }
  PartitionRecord& Partition(size_t i) { return t->ctx.model.partitions.Partitions.at(i); }
};

// Decodes the options, reads the configuration and writes the object tables.
Translation Translate(const std::string& xml, std::vector<std::string> options = {}) {
  Translation run;
  run.t->fs.files["a.xml"] = xml;
  options.insert(options.begin(), {"cfgxlate", "-m"});
  options.push_back("a.xml");
  std::vector<const char*> argv;
  for (const std::string& option : options) argv.push_back(option.c_str());
  EXPECT_TRUE(DecodeOptions(run.ctx(), static_cast<int>(argv.size()), argv.data()));
  try {
    DeriveSettings(run.ctx());
    ReadConfiguration(run.ctx());
    GenerateObjectTables(run.ctx());
  } catch (const FatalExit& fatal) {
    ADD_FAILURE() << fatal.lines;
  }
  return run;
}

// An entry as written: comment, 30 name bytes in groups of four (the first
// group given, the name being at most four characters), flag and value
// bytes, then object number, user word and 64-bit value.
std::string Entry(const std::string& name, const std::string& first_group, int flags, int value,
                  const std::string& index, const std::string& user, const std::string& high,
                  const std::string& low) {
  return "#\t" + name + "\n\t.byte\t" + first_group +
         "\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0\n\t.byte\t0,0,0,0"
         "\n\t.byte\t0,0,0,0\n\t.byte\t0,0," +
         std::to_string(flags) + "," + std::to_string(value) + "\n\t.byte\t" + index + "\n\t.byte\t" + user +
         "\n\t.byte\t" + high + "\n\t.byte\t" + low + "\n";
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PortEntries, ProcedurePortsCountDownAcrossTheRun) {
  const std::string p1 =
      "<Sampling_Port PortName=\"ps\" Direction=\"SOURCE\" MaxMessageSize=\"16\" RefreshRateSeconds=\"0.5\" "
      "PortMapping=\"5\"/>\n"
      "<Queuing_Port PortName=\"pq\" Direction=\"SOURCE\" MaxMessageSize=\"0x40\" MaxNbMessages=\"0x105\" "
      "PortMapping=\"2\"/>\n"
      "<Semaphore Name=\"sem\" Kind=\"Counting\" InitialValue=\"0\"/>\n";
  const std::string p2 =
      "<Sampling_Port PortName=\"pd\" Direction=\"DESTINATION\" MaxMessageSize=\"16\" RefreshRateSeconds=\"0.5\" "
      "PortMapping=\"7\" MaxTransfersPerWindow=\"0\"/>\n"
      "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" MaxMessageSize=\"0x40\" MaxNbMessages=\"3\" "
      "MaxTransfersPerWindow=\"0\"/>\n";
  Translation run = Translate(TwoPartitions(p1, p2,
                                            Channel(1, "ps", {"pd"}, " Procedure=\"true\"") +
                                                Channel(2, "pq", {"qd"}, " Procedure=\"true\"")),
                              {"-s"});
  EXPECT_EQ(run.t->console.err, "");
  const std::string table = run.Table();

  // Counter 0xFFFF, 0xFFFE in P1, then 0xFFFD, 0xFFFC in P2; PortMapping in
  // the upper half. ps: 0x5FFFF, kind 3 with one destination, user word the
  // message size, refresh 0.5 s = 500000000 = 0x1DCD6500 ns.
  EXPECT_EQ(run.Partition(0).SamplingPorts[0].ObjectIndex, 0x5FFFF);
  EXPECT_TRUE(Contains(table, Entry("ps", "112,115,0,0", 3, 1, "0,5,255,255", "0,0,0,16", "0,0,0,0",
                                    "29,205,101,0")))
      << table;
  // pq: 0x2FFFE, kind 5; 0x105 messages give value byte 5 and 1 << 24 in the
  // user word; no 64-bit value.
  EXPECT_EQ(run.Partition(0).QueuingPorts[0].ObjectIndex, 0x2FFFE);
  EXPECT_TRUE(Contains(table, Entry("pq", "112,113,0,0", 5, 5, "0,2,255,254", "1,0,0,64", "0,0,0,0", "0,0,0,0")));
  // The ports did not move the cursor: the semaphore is the first number.
  EXPECT_EQ(run.Partition(0).Semaphores[0].ObjectIndex, 28);
  // pd: 0x7FFFD, destination (0x80) without -s's passive bit, no
  // destinations of its own.
  EXPECT_EQ(run.Partition(1).SamplingPorts[0].ObjectIndex, 0x7FFFD);
  EXPECT_TRUE(Contains(table, Entry("pd", "112,100,0,0", 0x83, 0, "0,7,255,253", "0,0,0,16", "0,0,0,0",
                                    "29,205,101,0")));
  // qd: 0xFFFC with PortMapping 0.
  EXPECT_EQ(run.Partition(1).QueuingPorts[0].ObjectIndex, 0xFFFC);
  EXPECT_TRUE(Contains(table, Entry("qd", "113,100,0,0", 0x85, 3, "0,0,255,252", "0,0,0,64", "0,0,0,0", "0,0,0,0")));
  // No plain port, so no port task; Procedure ports add no pool units.
  EXPECT_EQ(run.Partition(0).PortTaskObject, 0);
  EXPECT_EQ(run.Partition(0).PoolUnits, 16 + 29);
  EXPECT_EQ(run.Partition(1).PoolUnits, 16 + 28);
}

TEST(PortEntries, SharedMemoryPorts) {
  const std::string p1 =
      "<Task Name=\"t\" StackSize=\"0x1000\" Priority=\"3\" ObjectNumber=\"29\"/>\n"
      "<Sampling_Port PortName=\"ss\" Direction=\"SOURCE\" MaxMessageSize=\"2000\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Queuing_Port PortName=\"sq\" Direction=\"SOURCE\" MaxMessageSize=\"0x20\" MaxNbMessages=\"5\"/>\n"
      "<Semaphore Name=\"sem\" Kind=\"Counting\" InitialValue=\"0\"/>\n";
  const std::string p2 =
      "<Sampling_Port PortName=\"sd1\" Direction=\"DESTINATION\" MaxMessageSize=\"2000\" "
      "RefreshRateSeconds=\"1.0\" MaxTransfersPerWindow=\"3\"/>\n"
      "<Sampling_Port PortName=\"sd2\" Direction=\"DESTINATION\" MaxMessageSize=\"2000\" "
      "RefreshRateSeconds=\"1.0\" MaxTransfersPerWindow=\"0\"/>\n"
      "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" MaxMessageSize=\"0x20\" MaxNbMessages=\"0x102\" "
      "MaxTransfersPerWindow=\"0\"/>\n";
  Translation run = Translate(TwoPartitions(p1, p2,
                                            Channel(1, "ss", {"sd1", "sd2"}, " SharedMemory=\"true\"") +
                                                Channel(2, "sq", {"qd"}, " SharedMemory=\"true\"")));
  EXPECT_EQ(run.t->console.err, "");
  const std::string table = run.Table();
  PartitionRecord& p1_record = run.Partition(0);
  PartitionRecord& p2_record = run.Partition(1);

  // P1: ss needs two free numbers in a row for its two destinations; 29 is
  // the task's, so it takes 30-31 and the cursor moves to 32; sq takes
  // 32-34; the semaphore 35. Pool units: 16, 2 for ss's destinations, 3 for
  // sq, the cursor 36; the 2000-byte messages are not on a plain channel.
  EXPECT_EQ(p1_record.SamplingPorts[0].ObjectIndex, 30);
  EXPECT_EQ(p1_record.QueuingPorts[0].ObjectIndex, 32);
  EXPECT_EQ(p1_record.Semaphores[0].ObjectIndex, 35);
  EXPECT_EQ(p1_record.PortTaskObject, 0);
  EXPECT_EQ(p1_record.PoolUnits, 16 + 2 + 3 + 36);
  // ss: kind 2, two destinations, user word 2000 = 0x7D0 with no transfers;
  // refresh 1 s = 0x3B9ACA00 ns.
  EXPECT_TRUE(Contains(table, Entry("ss", "115,115,0,0", 2, 2, "0,0,0,30", "0,0,7,208", "0,0,0,0",
                                    "59,154,202,0")))
      << table;
  // sq: kind 15, 5 messages; (0x102 + 5) << 32 = 263 in the high word, no
  // transfers in the low word.
  EXPECT_TRUE(Contains(table, Entry("sq", "115,113,0,0", 15, 5, "0,0,0,32", "0,0,0,32", "0,0,1,7", "0,0,0,0")));

  // P2: sd1 28, sd2 29 (one number each), qd 30-32; pool units 16 + 1 + 1 +
  // 3 + the cursor 33.
  EXPECT_EQ(p2_record.SamplingPorts[0].ObjectIndex, 28);
  EXPECT_EQ(p2_record.SamplingPorts[1].ObjectIndex, 29);
  EXPECT_EQ(p2_record.QueuingPorts[0].ObjectIndex, 30);
  EXPECT_EQ(p2_record.PoolUnits, 16 + 1 + 1 + 3 + 33);
  // sd1: destination, 3 transfers << 24 with the size; sd2 without.
  EXPECT_TRUE(Contains(table, Entry("sd1", "115,100,49,0", 0x82, 0, "0,0,0,28", "3,0,7,208", "0,0,0,0",
                                    "59,154,202,0")));
  EXPECT_TRUE(Contains(table, Entry("sd2", "115,100,50,0", 0x82, 0, "0,0,0,29", "0,0,7,208", "0,0,0,0",
                                    "59,154,202,0")));
  // qd: 0x102 messages: value byte 2, 1 << 24 in the user word; the same
  // message sum in the high word.
  EXPECT_TRUE(Contains(table, Entry("qd", "113,100,0,0", 0x8F, 2, "0,0,0,30", "1,0,0,32", "0,0,1,7", "0,0,0,0")));
}

TEST(PortEntries, PoolUnitsOfPlainChannels) {
  const std::string p1 =
      "<Process Name=\"a\" StackSize=\"0x1000\"/>\n"
      "<Process Name=\"b\" StackSize=\"0x1000\"/>\n"
      "<Sampling_Port PortName=\"s\" Direction=\"SOURCE\" MaxMessageSize=\"2048\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Sampling_Port PortName=\"big\" Direction=\"SOURCE\" MaxMessageSize=\"1025\" RefreshRateSeconds=\"1.0\"/>\n"
      "<Queuing_Port PortName=\"q\" Direction=\"SOURCE\" MaxMessageSize=\"1024\" MaxNbMessages=\"6\"/>\n";
  const std::string p2 =
      "<Sampling_Port PortName=\"d1\" Direction=\"DESTINATION\" MaxMessageSize=\"2048\" RefreshRateSeconds=\"1.0\" "
      "MaxTransfersPerWindow=\"0\"/>\n"
      "<Sampling_Port PortName=\"d2\" Direction=\"DESTINATION\" MaxMessageSize=\"2048\" RefreshRateSeconds=\"1.0\" "
      "MaxTransfersPerWindow=\"0\"/>\n"
      "<Sampling_Port PortName=\"d3\" Direction=\"DESTINATION\" MaxMessageSize=\"1025\" RefreshRateSeconds=\"1.0\" "
      "MaxTransfersPerWindow=\"0\"/>\n"
      "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" MaxMessageSize=\"1024\" MaxNbMessages=\"6\" "
      "MaxTransfersPerWindow=\"1\"/>\n";
  Translation run = Translate(TwoPartitions(
      p1, p2, Channel(1, "s", {"d1", "d2"}, "") + Channel(2, "big", {"d3"}, "") + Channel(3, "q", {"qd"}, "")));
  EXPECT_EQ(run.t->console.err, "");
  PartitionRecord& p1_record = run.Partition(0);
  PartitionRecord& p2_record = run.Partition(1);

  // P1: port task 28-29; a 30, b 31; s 32-33, big 34, q 35; cursor 36.
  // 16 + 4 (port task) + 2 × 16 (processes) + 2 × 4 (s) + 4 (big) + 2 × 6
  // (q) + 1 (messages above 1024, counted once) + 36.
  EXPECT_EQ(p1_record.PortTaskObject, 29);
  EXPECT_EQ(p1_record.Processes[1].ObjectIndex, 31);
  EXPECT_EQ(p1_record.SamplingPorts[0].ObjectIndex, 32);
  EXPECT_EQ(p1_record.SamplingPorts[1].ObjectIndex, 34);
  EXPECT_EQ(p1_record.QueuingPorts[0].ObjectIndex, 35);
  EXPECT_EQ(p1_record.PoolUnits, 16 + 4 + 32 + 8 + 4 + 12 + 1 + 36);
  // P2: port task 28-29; d1 30, d2 31, d3 32, qd 33; cursor 34.
  // 16 + 4 + 3 × 2 + 2 × 6 + 1 + 34.
  EXPECT_EQ(p2_record.QueuingPorts[0].ObjectIndex, 33);
  EXPECT_EQ(p2_record.PoolUnits, 16 + 4 + 6 + 12 + 1 + 34);
  // s: kind 1 with two destinations, user word 2048 = 0x800.
  EXPECT_TRUE(Contains(run.Table(), Entry("s", "115,0,0,0", 1, 2, "0,0,0,32", "0,0,8,0", "0,0,0,0",
                                          "59,154,202,0")));
}

TEST(PortEntries, MessagesUpTo1024AddNoPoolUnit) {
  const std::string p1 =
      "<Queuing_Port PortName=\"q\" Direction=\"SOURCE\" MaxMessageSize=\"1024\" MaxNbMessages=\"1\"/>\n";
  const std::string p2 =
      "<Queuing_Port PortName=\"qd\" Direction=\"DESTINATION\" MaxMessageSize=\"1024\" MaxNbMessages=\"2\" "
      "MaxTransfersPerWindow=\"1\"/>\n";
  Translation run = Translate(TwoPartitions(p1, p2, Channel(1, "q", {"qd"}, "")));
  EXPECT_EQ(run.t->console.err, "");
  // Port task 28-29, q 30, cursor 31: 16 + 4 + 2 + 31.
  EXPECT_EQ(run.Partition(0).PoolUnits, 16 + 4 + 2 + 31);
  // Port task 28-29, qd 30, cursor 31: 16 + 4 + 4 + 31.
  EXPECT_EQ(run.Partition(1).PoolUnits, 16 + 4 + 4 + 31);
}

}  // namespace
}  // namespace cfgxlate::test
