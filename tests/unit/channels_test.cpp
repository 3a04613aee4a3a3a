// The connection table: channels that join ports and connections of
// different partitions, read from a.xml whose first line opens the table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "channels/connection_table.h"
#include "partitions/partition_lookup.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// Partitions and ports built by hand, as the partition elements would leave
// them:
//   1 Alpha:        sampling S (source, 64), SBad (destination, 64);
//                   queuing Q, QS (source, 128); connection C
//   2 My_Partition: sampling S, My_Port (destination, 64), S32 (destination,
//                   32), SOut (source, 64), SLimit (destination, 64, 2
//                   transfers); queuing Q, QS (destination, 128), QT
//                   (destination, 128, 3 transfers), Q64 (destination, 64);
//                   connection C
//   3 kernel partition "Core_Part": sampling S (destination, 64)
//   5 Mixed:        connections X, Z; queuing X, Z; sampling X, X (all sources)
//   2 Duplicate:    sampling Only; never found, identifier 2 is taken
class Module {
 public:
  Module() {
    alpha = &AddPartition(1, "Alpha");
    AddSampling(*alpha, "S", kSourcePort, 64);
    AddSampling(*alpha, "SBad", kDestinationPort, 64);
    AddQueuing(*alpha, "Q", kSourcePort, 128);
    AddQueuing(*alpha, "QS", kSourcePort, 128);
    alpha->Connections.push_back(ConnectionRecord{"C", nullptr, alpha});

    mine = &AddPartition(2, "My_Partition");
    for (const char* name : {"S", "My_Port"}) AddSampling(*mine, name, kDestinationPort, 64);
    AddSampling(*mine, "S32", kDestinationPort, 32);
    AddSampling(*mine, "SOut", kSourcePort, 64);
    AddSampling(*mine, "SLimit", kDestinationPort, 64, 2);
    for (const char* name : {"Q", "QS"}) AddQueuing(*mine, name, kDestinationPort, 128);
    AddQueuing(*mine, "QT", kDestinationPort, 128, 3);
    AddQueuing(*mine, "Q64", kDestinationPort, 64);
    mine->Connections.push_back(ConnectionRecord{"C", nullptr, mine});

    kernel = &AddPartition(3, "KernelSpace", "Core_Part");
    AddSampling(*kernel, "S", kDestinationPort, 64);

    mixed = &AddPartition(5, "Mixed");
    for (const char* name : {"X", "Z"}) mixed->Connections.push_back(ConnectionRecord{name, nullptr, mixed});
    for (const char* name : {"X", "Z"}) AddQueuing(*mixed, name, kSourcePort, 128);
    for (int copy = 0; copy < 2; ++copy) AddSampling(*mixed, "X", kSourcePort, 64);

    AddSampling(AddPartition(2, "Duplicate"), "Only", kSourcePort, 64);
  }

  // Reads `tables` connection tables from the start of `xml`; the fatal
  // error's lines, or "" when there was none.
  std::string Read(const std::string& xml, int tables = 1) {
    t.fs.files["a.xml"] = xml;
    StartReader(t.ctx, t.fs.OpenForReading("a.xml"), "a.xml");
    try {
      TagLine line;
      for (int i = 0; i < tables && NextTagLine(t.ctx, line); ++i) ReadConnectionTable(t.ctx, line.c_str());
    } catch (const FatalExit& fatal) {
      return fatal.lines;
    }
    return "";
  }

  std::deque<ChannelRecord>& Channels() { return t.ctx.model.channels.Channels; }

  TestContext t;
  PartitionRecord* alpha;
  PartitionRecord* mine;
  PartitionRecord* kernel;
  PartitionRecord* mixed;

 private:
  PartitionRecord& AddPartition(int32_t identifier, const std::string& name, const std::string& kernel_name = "") {
    PartitionRecord& p = t.ctx.model.partitions.Partitions.emplace_back();
    p.PartitionIdentifier = identifier;
    p.PartitionName = name;
    p.KernelPartition = kernel_name.empty() ? 0 : 1;
    p.KernelUserName = kernel_name;
    RegisterPartition(t.ctx.model.partitions, p);
    return p;
  }
  static void AddSampling(PartitionRecord& p, const std::string& name, int32_t direction, int32_t size,
                          int32_t transfers = 0) {
    SamplingPortRecord& port = p.SamplingPorts.emplace_back();
    port.Name = name;
    port.Direction = direction;
    port.Partition = &p;
    port.MaxMessageSize = size;
    port.MaxTransfersPerWindow = transfers;
  }
  static void AddQueuing(PartitionRecord& p, const std::string& name, int32_t direction, int32_t size,
                         int32_t transfers = 0) {
    QueuingPortRecord& port = p.QueuingPorts.emplace_back();
    port.Name = name;
    port.Direction = direction;
    port.Partition = &p;
    port.MaxMessageSize = size;
    port.MaxNbMessages = 4;
    port.MaxTransfersPerWindow = transfers;
  }
};

std::string End(int partition, const std::string& port, const std::string& extra = "") {
  return "<Standard_Partition PartitionIdentifier=\"" + std::to_string(partition) + "\" PortName=\"" + port + "\"" +
         extra + "/>";
}
// Three lines: the block's start tag, the end, the block's end tag.
std::string Src(const std::string& end) { return "<Source>\n" + end + "\n</Source>\n"; }
std::string Dst(const std::string& end) { return "<Destination>\n" + end + "\n</Destination>\n"; }
std::string Src(int partition, const std::string& port, const std::string& extra = "") {
  return Src(End(partition, port, extra));
}
std::string Dst(int partition, const std::string& port, const std::string& extra = "") {
  return Dst(End(partition, port, extra));
}
const std::string kPseudoSource = Src("<Pseudo_Partition Name=\"Ground\" Procedure=\"\"/>");
const std::string kProcedure = " Procedure=\"\"";
const std::string kShared = " SharedMemory=\"true\"";

std::string Table(const std::string& channels) { return "<Connection_Table>\n" + channels + "</Connection_Table>\n"; }
std::string Channel(const std::string& body) { return "<Channel>\n" + body + "</Channel>\n"; }

// A channel body that must stop the run. The table and channel start tags
// are lines 1 and 2, so a first Source block holds its end on line 4, the
// first Destination block on line 7 and a second one on line 10.
struct Refusal {
  std::string body;
  int line;
  std::string message;
  std::string detail;
};

void ExpectRefusals(const std::vector<Refusal>& cases) {
  for (const Refusal& c : cases) {
    Module module;
    EXPECT_EQ(module.Read(Table(Channel(c.body))),
              ErrorLine("Line " + std::to_string(c.line) + " - " + c.message) + ErrorLine(c.detail))
        << c.body;
  }
}

TEST(ConnectionTable, LinksPortsAndConnectionsBothWays) {
  Module m;
  m.alpha->Connections[0].IsDestination = 1;  // a source end sets it back to 0
  const std::string xml =
      "<Connection_Table>\n"
      "<Channel ChannelIdentifier=\"0x10\" ChannelName=\"Fast link\">\n" +
      Src(1, "S", " PartitionName=\"ALPHA\"") +
      "<Destination>\n"
      // Inside Destination the closing "/>" is not required.
      "<StandardPartition PartitionIdentifier=\"2\" PartitionName=\"my partition\" PortName=\"My Port\">\n" +
      End(3, "S", " PartitionName=\"core part\"") + "\n</Destination>\n" + Dst(2, "S") +
      "</Channel>\n</Connection_Table>\n"
      "<ConnectionTable>\n<Channel ChannelName=\"Link\">\n" +
      Src(1, "C") + Dst(2, "C") + "</Channel>\n</ConnectionTable>\n";
  ASSERT_EQ(m.Read(xml, 2), "");
  EXPECT_EQ(m.t.console.err, "");
  ASSERT_EQ(m.Channels().size(), 2u);

  ChannelRecord& sampling = m.Channels()[0];
  EXPECT_EQ(sampling.ChannelIdentifier, 16);
  EXPECT_EQ(sampling.ChannelName, "Fast_link");
  EXPECT_EQ(sampling.TransferMode, kPlainTransfer);
  EXPECT_EQ(sampling.Source.Sampling, &m.alpha->SamplingPorts[0]);
  const std::vector<SamplingPortRecord*> destinations = {&m.mine->SamplingPorts[1], &m.kernel->SamplingPorts[0],
                                                         &m.mine->SamplingPorts[0]};
  ASSERT_EQ(sampling.Destinations.size(), 3u);
  for (size_t i = 0; i < destinations.size(); ++i) {
    EXPECT_EQ(sampling.Destinations[i].Sampling, destinations[i]) << i;
    EXPECT_EQ(destinations[i]->Channel, &sampling) << i;
  }
  EXPECT_EQ(m.alpha->SamplingPorts[0].Channel, &sampling);

  ChannelRecord& connection = m.Channels()[1];
  EXPECT_EQ(connection.ChannelIdentifier, 0);
  EXPECT_EQ(connection.ChannelName, "Link");
  EXPECT_EQ(connection.Source.Connection, &m.alpha->Connections[0]);
  ASSERT_EQ(connection.Destinations.size(), 1u);
  EXPECT_EQ(connection.Destinations[0].Connection, &m.mine->Connections[0]);
  EXPECT_EQ(m.alpha->Connections[0].Channel, &connection);
  EXPECT_EQ(m.alpha->Connections[0].IsDestination, 0);
  EXPECT_EQ(m.mine->Connections[0].Channel, &connection);
  EXPECT_EQ(m.mine->Connections[0].IsDestination, 1);
}

TEST(ConnectionTable, PseudoPartitionSourceIsNotRecorded) {
  Module m;
  // A pseudo end inside Destination is skipped even without "/>"; the two
  // destinations differ in size, which only a real source would refuse.
  const std::string body = kPseudoSource + "<Destination>\n<Pseudo_Partition Name=\"Ground\">\n" + End(2, "S") +
                           "\n</Destination>\n" + Dst(2, "S32");
  ASSERT_EQ(m.Read(Table(Channel(body))), "");
  ChannelRecord& channel = m.Channels().at(0);
  EXPECT_TRUE(channel.Source.IsNone());
  EXPECT_EQ(channel.TransferMode, kPlainTransfer);  // Procedure on a pseudo source is not read
  ASSERT_EQ(channel.Destinations.size(), 2u);
  EXPECT_EQ(channel.Destinations[0].Sampling, &m.mine->SamplingPorts[0]);
  EXPECT_EQ(channel.Destinations[1].Sampling, &m.mine->SamplingPorts[2]);
}

TEST(ConnectionTable, PseudoEndsBesideOneRealSourceEndAreAccepted) {
  // Pseudo lines record nothing, so they neither count as a second source
  // nor take the place of the real one, before or after it.
  Module m;
  const std::string pseudo = "<PseudoPartition Name=\"Ground\"/>\n";
  ASSERT_EQ(m.Read(Table(Channel(Src(pseudo + End(1, "S") + "\n" + pseudo)) +
                         Channel(Src(End(1, "Q") + "\n" + pseudo + pseudo)))),
            "");
  ASSERT_EQ(m.Channels().size(), 2u);
  EXPECT_EQ(m.Channels()[0].Source.Sampling, &m.alpha->SamplingPorts[0]);
  EXPECT_EQ(m.Channels()[1].Source.Queuing, &m.alpha->QueuingPorts[0]);
}

TEST(ConnectionTable, SamplingPortsComeBeforeQueuingPortsBeforeConnections) {
  Module m;
  ASSERT_EQ(m.Read(Table(Channel(Src(5, "X")) + Channel(Src(5, "Z")))), "");
  EXPECT_EQ(m.Channels()[0].Source.Sampling, &m.mixed->SamplingPorts[0]);
  EXPECT_EQ(m.mixed->SamplingPorts[1].Channel, nullptr);  // the first of equal names wins
  EXPECT_EQ(m.mixed->QueuingPorts[0].Channel, nullptr);
  EXPECT_EQ(m.Channels()[1].Source.Queuing, &m.mixed->QueuingPorts[1]);
  EXPECT_EQ(m.mixed->Connections[1].Channel, nullptr);
}

TEST(ConnectionTable, TransferModeIsSetByTheSourceAndRepeatedByDestinations) {
  Module m;
  const std::string channels =
      // Booleans ignore letter case; sampling ports may combine shared
      // memory with a transfer limit.
      Channel(Src(1, "S", " SharedMemory=\"TRUE\"") + Dst(2, "SLimit", " Shared_Memory=\"true\"")) +
      // Procedure's value is never read.
      Channel(Src(1, "Q", " Procedure=\"no\"") + Dst(2, "Q", kProcedure)) +
      // Shared_Memory hides SharedMemory, whose value is then not checked.
      Channel(Src(1, "C", " Shared_Memory=\"false\" SharedMemory=\"yes\"") + Dst(2, "C")) +
      // Without a source each destination sets the mode; a plain one keeps it.
      Channel(kPseudoSource + Dst(2, "My_Port", kProcedure) + Dst(3, "S", kShared) + Dst(2, "S"));
  ASSERT_EQ(m.Read(Table(channels)), "");
  ASSERT_EQ(m.Channels().size(), 4u);
  EXPECT_EQ(m.Channels()[0].TransferMode, kSharedMemoryTransfer);
  EXPECT_EQ(m.Channels()[1].TransferMode, kProcedureTransfer);
  EXPECT_EQ(m.Channels()[2].TransferMode, kPlainTransfer);
  EXPECT_EQ(m.Channels()[3].TransferMode, kSharedMemoryTransfer);
}

TEST(ConnectionTable, EndsMustNameAnExistingPartitionAndPort) {
  ExpectRefusals({
      {Src("<Standard_Partition PortName=\"S\"/>"), 4,
       "Channel missing PartitionIdentifier:", "<Standard_Partition PortName=\"S\"/>"},
      {Src(9, "S"), 4, "PartitionIdentifier in Channel does not map to an existing partition:", End(9, "S")},
      // The name is compared over its whole length and must end there.
      {Src(1, "S", " PartitionName=\"Alph\""), 4,
       "PartitionName is not correct in channel specification:", End(1, "S", " PartitionName=\"Alph\"")},
      {Src(1, "S", " PartitionName=\"Alpha x\""), 4,
       "PartitionName is not correct in channel specification:", End(1, "S", " PartitionName=\"Alpha x\"")},
      // The kernel partition answers to the user's name only.
      {Src(1, "S") + Dst(3, "S", " PartitionName=\"KernelSpace\""), 7,
       "PartitionName is not correct in channel specification:", End(3, "S", " PartitionName=\"KernelSpace\"")},
      {Src("<Standard_Partition PartitionIdentifier=\"1\"/>"), 4,
       "Channel missing PortName:", "<Standard_Partition PartitionIdentifier=\"1\"/>"},
      {Src(1, "Nope"), 4, "PortName in Channel does not map to an existing port or connection:", End(1, "Nope")},
      {Src(2, "Only"), 4, "PortName in Channel does not map to an existing port or connection:", End(2, "Only")},
      // Port names are case-sensitive.
      {Src(1, "S") + Dst(2, "my_port"), 7, "PortName in Channel does not map to an existing port:", End(2, "my_port")},
  });
}

TEST(ConnectionTable, EndsMustFitTogether) {
  const std::string used = "Port already used in channel specification:";
  const std::string mismatch = "Source and Destination port types do not match:";
  ExpectRefusals({
      {Src(1, "SBad"), 4, "Source port in channel does not have Direction = SOURCE:", End(1, "SBad")},
      {Src(2, "Q"), 4, "Source port in channel does not have Direction = SOURCE:", End(2, "Q")},
      {Src(1, "S") + Dst(2, "SOut"), 7,
       "Destination port in channel does not have Direction = DESTINATION:", End(2, "SOut")},
      {Src(1, "Q") + Dst(1, "QS"), 7,
       "Destination port in channel does not have Direction = DESTINATION:", End(1, "QS")},
      {Src(1, "S") + Dst(2, "S") + Dst(2, "S"), 10, used, End(2, "S")},
      {Src(1, "C") + Dst(1, "C"), 7, used, End(1, "C")},
      // Lines 9 and 10 end the first channel and open the second.
      {Src(1, "S") + Dst(2, "S") + "</Channel>\n<Channel>\n" + Src(1, "S"), 12, used, End(1, "S")},
      {Src(1, "S") + Dst(2, "Q"), 7, mismatch, End(2, "Q")},
      {Src(1, "Q") + Dst(2, "S"), 7, mismatch, End(2, "S")},
      {Src(1, "C") + Dst(2, "S"), 7, mismatch, End(2, "S")},
      {Src(1, "S") + Dst(2, "S32"), 7,
       "Channel contains sampling ports with differing MaxMessageSize values:", End(2, "S32")},
      {Src(1, "Q") + Dst(2, "Q64"), 7,
       "Channel contains queuing ports with differing MaxMessageSize values:", End(2, "Q64")},
  });
}

TEST(ConnectionTable, QueuingAndConnectionChannelsHaveOneDestination) {
  const std::string queuing = "Queuing port channel contains multiple destinations:";
  const std::string connection = "Connection channel contains multiple destinations:";
  // The second destination is refused before its kind is compared.
  ExpectRefusals({
      {Src(1, "Q") + Dst(2, "Q") + Dst(2, "QS"), 10, queuing, End(2, "QS")},
      {Src(1, "Q") + Dst(2, "Q") + Dst(2, "C"), 10, connection, End(2, "C")},
      {Src(1, "C") + Dst(2, "C") + Dst(2, "Q"), 10, queuing, End(2, "Q")},
      {kPseudoSource + Dst(2, "Q") + Dst(2, "QS"), 10, queuing, End(2, "QS")},
  });
}

TEST(ConnectionTable, TransferAttributesMustAgree) {
  const std::string both = "Cannot specify SharedMemory/Shared_Memory and Procedure in Channel specification:";
  ExpectRefusals({
      {Src(1, "C", kProcedure), 4,
       "Procedure specification not allowed in Channel of a Connection:", End(1, "C", kProcedure)},
      {Src(1, "C", kShared), 4,
       "SharedMemory/Shared_Memory specification not allowed in Channel of a Connection:", End(1, "C", kShared)},
      {Src(1, "S", kProcedure + " Shared_Memory=\"true\""), 4, both,
       End(1, "S", kProcedure + " Shared_Memory=\"true\"")},
      {Src(1, "S", " SharedMemory=\"yes\""), 4,
       "Invalid SharedMemory/Shared_Memory value:", End(1, "S", " SharedMemory=\"yes\"")},
      {Src(1, "S", kProcedure) + Dst(2, "S", kProcedure + kShared), 7, both, End(2, "S", kProcedure + kShared)},
      {Src(1, "C") + Dst(2, "C", kProcedure), 7,
       "Procedure specification not allowed in Channel of a Connection:", End(2, "C", kProcedure)},
      {Src(1, "C") + Dst(2, "C", kShared), 7,
       "SharedMemory/Shared_Memory specification not allowed in Channel of a Connection:", End(2, "C", kShared)},
      {Src(1, "S", kProcedure) + Dst(2, "SLimit", kProcedure), 7,
       "Procedure specification not allowed with Ports specifying MaxTransfersPerWindow value > 0:",
       End(2, "SLimit", kProcedure)},
      {Src(1, "Q", kShared) + Dst(2, "QT", kShared), 7,
       "SharedMemory/Shared_Memory specification not allowed with Ports specifying MaxTransfersPerWindow value > 0:",
       End(2, "QT", kShared)},
      {Src(1, "S", kProcedure) + Dst(2, "S"), 7,
       "Destination of channel specified without Procedure or SharedMemory/Shared_Memory specification but Source "
       "was:",
       End(2, "S")},
      {Src(1, "S") + Dst(2, "S", kProcedure), 7,
       "Destination of channel specified with Procedure but Source contains no such specification:",
       End(2, "S", kProcedure)},
      {Src(1, "S", kShared) + Dst(2, "S", kProcedure), 7,
       "Destination of channel specified with Procedure but Source contains no such specification:",
       End(2, "S", kProcedure)},
      {Src(1, "S") + Dst(2, "S", kShared), 7,
       "Destination of channel specified with SharedMemory/Shared_Memory but Source contains no such "
       "specification:",
       End(2, "S", kShared)},
      // Queuing ports of one name in two partitions.
      {Src(1, "QS", kShared) + Dst(2, "QS", kShared), 7,
       "SharedMemory/Shared_Memory Queuing Ports must have different PortNames for the Source and Destination:",
       End(2, "QS", kShared)},
  });
}

TEST(ConnectionTable, SourceComesFirstAndOnceWithEmptyElementEnds) {
  const std::string empty_element = "Line should end with empty-element tag \"/>\".";
  const std::string open_end = "<Standard_Partition PartitionIdentifier=\"1\" PortName=\"S\">";
  ExpectRefusals({
      {Src(open_end), 4, empty_element, open_end},
      {Src("<PseudoPartition Name=\"Ground\">"), 4, empty_element, "<PseudoPartition Name=\"Ground\">"},
      {"<Destination>\n" + End(2, "S") + "\n", 3, "Channel Destination encountered before Source", "<Destination>"},
      // Reported against the line after the second <Source>.
      {kPseudoSource + "<Source>\n" + End(1, "S") + "\n", 7, "Multiple channel sources encountered", End(1, "S")},
      // A second real end inside one Source block, of another kind or of
      // the same kind, is refused on its own line before it is resolved.
      {"<Source>\n" + End(1, "S") + "\n" + End(1, "Q", kShared) + "\n</Source>\n", 5,
       "Multiple channel sources encountered", End(1, "Q", kShared)},
      {"<Source>\n" + End(1, "S") + "\n<Pseudo_Partition/>\n<StandardPartition PortName=\"Nowhere\">\n</Source>\n", 6,
       "Multiple channel sources encountered", "<StandardPartition PortName=\"Nowhere\">"},
  });
}

TEST(ConnectionTable, UnexpectedLinesAreSkippedWithAWarning) {
  Module m;
  const std::string xml =
      "<Connection_Table>\n<Stray/>\n<Channel>\n<Note/>\n<Source>\n<Pseudo_Partition/>\n<Other/>\n</Source>\n"
      "<Destination>\n<StandardPartition/>\n</Destination>\n</Channel>\n</Connection_Table>\n<After/>\n";
  ASSERT_EQ(m.Read(xml), "");
  EXPECT_EQ(m.t.console.err,
            WarningLine("Line 2 - Unexpected Connection_Table XML tag line:") + WarningLine("<Stray/>") +
                WarningLine("Line 4 - Unexpected Channel XML tag line:") + WarningLine("<Note/>") +
                WarningLine("Line 7 - Unexpected Source XML tag line:") + WarningLine("<Other/>") +
                WarningLine("Line 10 - Unexpected Destination XML tag line:") + WarningLine("<StandardPartition/>"));
  EXPECT_EQ(m.Channels().size(), 1u);
  // The table ends at its end tag; the module goes on after it.
  TagLine next;
  ASSERT_TRUE(NextTagLine(m.t.ctx, next));
  EXPECT_EQ(next, "<After/>");
}

TEST(ConnectionTable, ChannelCutOffByTheEndOfInputKeepsWhatWasRead) {
  // Ends with a second <Source>, which would be an error if a line followed.
  const std::vector<std::string> lines = {"<Connection_Table>", "<Channel>", "<Source>",       End(1, "S"), "</Source>",
                                          "<Destination>",      End(2, "S"), "</Destination>", "<Source>"};
  for (size_t count = 1; count <= lines.size(); ++count) {
    Module m;
    std::string xml;
    for (size_t i = 0; i < count; ++i) xml += lines[i] + "\n";
    ASSERT_EQ(m.Read(xml), "") << count;
    EXPECT_EQ(m.t.console.err, "") << count;
    ASSERT_EQ(m.Channels().size(), count >= 2 ? 1u : 0u) << count;
    if (count < 2) continue;
    EXPECT_EQ(m.Channels()[0].Source.Sampling, count >= 4 ? &m.alpha->SamplingPorts[0] : nullptr) << count;
    EXPECT_EQ(m.Channels()[0].Destinations.size(), count >= 7 ? 1u : 0u) << count;
  }
}

}  // namespace
}  // namespace cfgxlate::test
