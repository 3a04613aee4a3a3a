// Port elements inside a partition: sampling ports, queuing ports and
// kernel connections.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "partitions/ports.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

using Handler = void (*)(TranslationContext&, const char*, PartitionRecord&);

// An ordinary ARINC 653 partition (threshold 28) read at line 12.
class Ports : public ::testing::Test {
 protected:
  Ports() { t_.ctx.reader.LineNumber = 12; }

  void Read(Handler handler, const std::string& tag) { handler(t_.ctx, tag.c_str(), partition_); }
  std::string Fatal(Handler handler, const std::string& tag) {
    return FatalLines([&] { Read(handler, tag); });
  }
  void ExpectRefused(Handler handler, const std::string& tag, const std::string& message) {
    EXPECT_EQ(Fatal(handler, tag), ErrorLine("Line 12 - " + message) + ErrorLine(tag)) << tag;
  }
  // A sampling source port with the given RefreshRateSeconds.
  static std::string RefreshTag(const std::string& seconds) {
    return "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"" + seconds +
           "\"/>";
  }
  int64_t RefreshRate(const std::string& seconds) {
    Read(ReadSamplingPort, RefreshTag(seconds));
    return partition_.SamplingPorts.back().RefreshRateSeconds;
  }

  TestContext t_;
  PartitionRecord partition_;
};

const std::string kNotArinc = "Cannot specify ARINC653 objects if NoObjects is true or ARINC653Partition is false:";
const std::string kBadRefresh = "Invalid RefreshRateSeconds value:";

TEST_F(Ports, SamplingPortRecordsEveryAttribute) {
  Read(ReadSamplingPort,
       "<Sampling_Port Name=\"Sensor Out\" Direction=\"DESTINATION\" MaxMessageSize=\"16777215\" "
       "RefreshRateSeconds=\"0.5\" MaxTransfersPerWindow=\"255\" PortMapping=\"65535\"/>");
  Read(ReadSamplingPort,
       "<SamplingPort PortName=\"First\" Name=\"Second\" Direction=\"SOURCE\" MaxMessageSize=\"1\"/>");
  ASSERT_EQ(partition_.SamplingPorts.size(), 2u);
  const SamplingPortRecord& p = partition_.SamplingPorts[0];
  EXPECT_EQ(p.Partition, &partition_);
  EXPECT_EQ(p.Channel, nullptr);
  EXPECT_EQ(
      std::tie(p.Name, p.Direction, p.MaxMessageSize, p.RefreshRateSeconds, p.MaxTransfersPerWindow, p.PortMapping),
      std::make_tuple("Sensor_Out", kDestinationPort, 16777215, 500000000, 255, 65535));
  // PortName is preferred to Name.
  const SamplingPortRecord& q = partition_.SamplingPorts[1];
  EXPECT_EQ(std::tie(q.Name, q.Direction, q.RefreshRateSeconds, q.MaxTransfersPerWindow, q.PortMapping),
            std::make_tuple("First", kSourcePort, 0, 0, 0));
}

TEST_F(Ports, SamplingPortRefusalsInExaminationOrder) {
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Direction=\"x\"/>", "Required PortName or Name field missing:");
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" MaxMessageSize=\"0\"/>",
                "Required Direction field missing:");
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"source\" MaxMessageSize=\"0\"/>",
                "Invalid Sampling Port Direction specifier:");
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"SOURCE \" MaxMessageSize=\"8\"/>",
                "Invalid Sampling Port Direction specifier:");
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" RefreshRateSeconds=\"1\"/>",
                "Required MaxMessageSize field missing:");
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"0\"/>",
                "Invalid MaxMessageSize specification:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"16777216\" RefreshRateSeconds=\"1\"/>",
                "MaxMessageSize value larger than SYSTEM_LIMIT_MESSAGE_SIZE:");
  // A negative size is refused like an oversized one.
  ExpectRefused(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"-1\"/>",
                "MaxMessageSize value larger than SYSTEM_LIMIT_MESSAGE_SIZE:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" RefreshRateSeconds=\"1\" "
                "MaxTransfersPerWindow=\"1\"/>",
                kBadRefresh);
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" MaxTransfersPerWindow=\"1\" "
                "PortMapping=\"-1\"/>",
                "MaxTransfersPerWindow specification only alowed for DESTINATION ports:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" MaxTransfersPerWindow=\"-1\" "
                "PortMapping=\"-1\"/>",
                "Invalid MaxTransfersPerWindow specification, negative value:");
  ExpectRefused(
      ReadSamplingPort,
      "<Sampling_Port Name=\"S\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" MaxTransfersPerWindow=\"256\" "
      "PortMapping=\"-1\"/>",
      "Invalid MaxTransfersPerWindow specification, value to large (> 255) for Sampling Ports:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" PortMapping=\"-1\"/>",
                "Required MaxTransfersPerWindow field missing:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" PortMapping=\"-1\"/>",
                "Invalid PortMapping value, must be between 0 and 65535:");
  ExpectRefused(ReadSamplingPort,
                "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\" PortMapping=\"65536\"/>",
                "Invalid PortMapping value, must be between 0 and 65535:");
  EXPECT_TRUE(partition_.SamplingPorts.empty());
}

TEST_F(Ports, MaxTransfersPerWindowIsOptionalWithoutTheLimitCheck) {
  t_.ctx.settings.RequireMaxTransfersPerWindow = 0;  // -y
  Read(ReadSamplingPort, "<Sampling_Port Name=\"S\" Direction=\"DESTINATION\" MaxMessageSize=\"8\"/>");
  Read(ReadQueuingPort,
       "<Queuing_Port Name=\"Q\" Direction=\"DESTINATION\" MaxMessageSize=\"8\" MaxNbMessages=\"1\"/>");
  // A source port may still not have it.
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"8\" MaxNbMessages=\"1\" "
                "MaxTransfersPerWindow=\"0\"/>",
                "MaxTransfersPerWindow specification only alowed for DESTINATION ports:");
  EXPECT_EQ(partition_.SamplingPorts.size(), 1u);
  EXPECT_EQ(partition_.QueuingPorts.size(), 1u);
}

TEST_F(Ports, RefreshRateSecondsToNanoseconds) {
  EXPECT_EQ(RefreshRate("0.5"), 500000000);
  EXPECT_EQ(RefreshRate("2."), 2000000000);
  EXPECT_EQ(RefreshRate("0.000000001"), 1);
  EXPECT_EQ(RefreshRate("1.0000000019"), 1000000001);  // the tenth digit is ignored
  EXPECT_EQ(RefreshRate("-1.25"), -1250000000);
  EXPECT_EQ(RefreshRate("3.5 s"), 3500000000);  // nothing after the digits is examined
  EXPECT_EQ(RefreshRate("9223372036.854775807"), INT64_MAX);
  EXPECT_EQ(RefreshRate("-9223372036.854775807"), -INT64_MAX);
  EXPECT_EQ(RefreshRate("0009223372036.8"), 9223372036800000000);
  for (const char* refused : {"2", "1,5", "", "-", "x.5", "9223372036.854775808", "9223372037.",
                              "-9223372036.854775808", "18446744073709551616000.", "99999999999999999999999999.5"}) {
    ExpectRefused(ReadSamplingPort, RefreshTag(refused), kBadRefresh);
  }
}

TEST_F(Ports, QueuingPortRecordsEveryAttribute) {
  Read(ReadQueuingPort,
       "<Queuing_Port PortName=\"Cmd In\" Direction=\"DESTINATION\" MaxMessageSize=\"0x100\" MaxNbMessages=\"16\" "
       "MaxTransfersPerWindow=\"1000\" PortMapping=\"0\"/>");
  Read(ReadQueuingPort, "<QueuingPort Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"4\" MaxNbMessage=\"1\"/>");
  Read(ReadQueuingPort,
       "<QueuingPort Name=\"R\" Direction=\"SOURCE\" MaxMessageSize=\"4\" MaxNbMessage=\"0\" MaxNbMessages=\"3\"/>");
  ASSERT_EQ(partition_.QueuingPorts.size(), 3u);
  const QueuingPortRecord& p = partition_.QueuingPorts[0];
  EXPECT_EQ(p.Partition, &partition_);
  EXPECT_EQ(std::tie(p.Name, p.Direction, p.Discipline, p.MaxMessageSize, p.MaxNbMessages, p.MaxTransfersPerWindow),
            std::make_tuple("Cmd_In", kDestinationPort, 0, 256, 16, 1000));
  EXPECT_EQ(partition_.QueuingPorts[1].MaxNbMessages, 1);
  EXPECT_EQ(partition_.QueuingPorts[2].MaxNbMessages, 3);  // MaxNbMessages is preferred
}

TEST_F(Ports, QueuingPortRefusalsInExaminationOrder) {
  ExpectRefused(ReadQueuingPort, "<Queuing_Port Direction=\"x\"/>", "Required PortName or Name field missing:");
  ExpectRefused(ReadQueuingPort, "<Queuing_Port Name=\"Q\" Direction=\"Source\" MaxMessageSize=\"0\"/>",
                "Invalid Queuing Port Direction specifier:");
  ExpectRefused(ReadQueuingPort, "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxNbMessages=\"0\"/>",
                "Required MaxMessageSize field missing:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"16777216\" MaxNbMessages=\"0\"/>",
                "MaxMessageSize value larger than SYSTEM_LIMIT_MESSAGE_SIZE:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"4\" PortMapping=\"-1\"/>",
                "Required MaxNbMessage or MaxNbMessages field missing:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"4\" MaxNbMessages=\"0\" "
                "MaxTransfersPerWindow=\"1\"/>",
                "Invalid MaxNbMessage/MaxNbMessages specification:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"DESTINATION\" MaxMessageSize=\"4\" MaxNbMessage=\"-1\"/>",
                "Invalid MaxNbMessage/MaxNbMessages specification:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"DESTINATION\" MaxMessageSize=\"4\" MaxNbMessages=\"2\" "
                "PortMapping=\"1\"/>",
                "Required MaxTransfersPerWindow field missing:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"DESTINATION\" MaxMessageSize=\"4\" MaxNbMessages=\"2\" "
                "MaxTransfersPerWindow=\"-5\"/>",
                "Invalid MaxTransfersPerWindow specification, negative value:");
  ExpectRefused(ReadQueuingPort,
                "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"4\" MaxNbMessages=\"2\" "
                "PortMapping=\"0xFFFFFFFF\"/>",
                "Invalid PortMapping value, must be between 0 and 65535:");
  EXPECT_TRUE(partition_.QueuingPorts.empty());
}

TEST_F(Ports, PortsInPartitionsWithoutArincObjects) {
  const std::string sampling = "<Sampling_Port Name=\"S\" Direction=\"SOURCE\" MaxMessageSize=\"8\"/>";
  const std::string queuing =
      "<Queuing_Port Name=\"Q\" Direction=\"SOURCE\" MaxMessageSize=\"8\" MaxNbMessages=\"1\"/>";
  partition_.NoObjects = 1;
  ExpectRefused(ReadSamplingPort, sampling, kNotArinc);
  ExpectRefused(ReadQueuingPort, queuing, kNotArinc);
  // Refused before the name is looked at.
  ExpectRefused(ReadSamplingPort, "<Sampling_Port/>", kNotArinc);
  Read(ReadConnection, "<Connection Name=\"C\"/>");

  partition_.ARINC653Ports = 1;
  Read(ReadSamplingPort, sampling);
  Read(ReadQueuingPort, queuing);
  partition_.ARINC653Ports = 0;
  t_.ctx.settings.PortsInNonArincPartitions = 1;  // -d
  Read(ReadSamplingPort, sampling);
  Read(ReadQueuingPort, queuing);
  EXPECT_EQ(partition_.SamplingPorts.size(), 2u);
  EXPECT_EQ(partition_.QueuingPorts.size(), 2u);
  EXPECT_EQ(partition_.Connections.size(), 1u);
}

TEST_F(Ports, Connections) {
  Read(ReadConnection,
       "<Connection PortName=\"Link Out\" Name=\"Other\" ObjectNumber=\"28\" UsedByCallback=\"TRUE\" "
       "UsedByKernelTask=\"false\"/>");
  Read(ReadConnection, "<Connection Name=\"Plain\"/>");
  ASSERT_EQ(partition_.Connections.size(), 2u);
  const ConnectionRecord& c = partition_.Connections[0];
  EXPECT_EQ(c.Partition, &partition_);
  EXPECT_EQ(c.Channel, nullptr);
  EXPECT_EQ(std::tie(c.Name, c.ObjectNumber, c.IsDestination, c.ObjectFlags),
            std::make_tuple("Link_Out", 28, 0, 0x01 | 0x02 | 0x08));
  const ConnectionRecord& plain = partition_.Connections[1];
  EXPECT_EQ(std::tie(plain.ObjectNumber, plain.ObjectFlags), std::make_tuple(-1, 0));

  ExpectRefused(ReadConnection, "<Connection ObjectNumber=\"1\"/>", "Required PortName or Name field missing:");
  ExpectRefused(ReadConnection, "<Connection Name=\"C\" ObjectNumber=\"27\" UsedByCallback=\"x\"/>",
                "Invalid ObjectNumber specification, value too small:");
  ExpectRefused(ReadConnection, "<Connection Name=\"C\" UsedByCallback=\"x\" UsedByKernelTask=\"x\"/>",
                "Invalid UsedByCallback value: ");
  ExpectRefused(ReadConnection, "<Connection Name=\"C\" UsedByKernelTask=\"1\"/>", "Invalid UsedByKernelTask value: ");
  EXPECT_EQ(partition_.Connections.size(), 2u);
}

}  // namespace
}  // namespace cfgxlate::test
