#include "partitions/ports.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "core/diagnostics.h"
#include "partitions/object_attributes.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace oa = object_attributes;

namespace {

constexpr int64_t kNanosecondsPerSecond = 1000000000;
constexpr int32_t kMaxSamplingTransfersPerWindow = 255;
constexpr uint32_t kMaxPortMapping = 65535;

void CheckPortsAllowed(TranslationContext& ctx, const char* tag_line, const PartitionRecord& partition) {
  if (partition.NoObjects != 0 && ctx.settings.PortsInNonArincPartitions == 0 && partition.ARINC653Ports == 0) {
    FatalError(ctx, "Cannot specify ARINC653 objects if NoObjects is true or ARINC653Partition is false:", tag_line);
  }
}

std::string ReadPortName(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "PortName");
  if (value == nullptr) value = FindAttribute(ctx.report, tag_line, "Name");
  if (value == nullptr) FatalError(ctx, "Required PortName or Name field missing:", tag_line);
  return BlanksToUnderscores(AttributeText(value));
}

int32_t ReadDirection(TranslationContext& ctx, const char* tag_line, const char* invalid_message) {
  const char* value = FindAttribute(ctx.report, tag_line, "Direction");
  if (value == nullptr) FatalError(ctx, "Required Direction field missing:", tag_line);
  const std::string text = AttributeText(value);
  if (text == "SOURCE") return kSourcePort;
  if (text == "DESTINATION") return kDestinationPort;
  FatalError(ctx, invalid_message, tag_line);
}

int32_t ReadMaxMessageSize(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "MaxMessageSize");
  if (value == nullptr) FatalError(ctx, "Required MaxMessageSize field missing:", tag_line);
  int32_t size = ParseDecOrHex(ctx.report, value, tag_line);
  if (size == 0) FatalError(ctx, "Invalid MaxMessageSize specification:", tag_line);
  // Compared unsigned: a negative size is as unusable as a huge one.
  if (static_cast<uint32_t>(size) > static_cast<uint32_t>(SYSTEM_LIMIT_MESSAGE_SIZE)) {
    FatalError(ctx, "MaxMessageSize value larger than SYSTEM_LIMIT_MESSAGE_SIZE:", tag_line);
  }
  return size;
}

// Seconds written with a point ("0.5", "2.") as nanoseconds. Fraction digits
// after the ninth are ignored. A period whose nanoseconds do not fit in 64
// signed bits is refused.
int64_t ReadRefreshRate(TranslationContext& ctx, const char* value, const char* tag_line) {
  constexpr int64_t kMaxWholeSeconds = std::numeric_limits<int64_t>::max() / kNanosecondsPerSecond;
  const char* p = value;
  const bool negative = *p == '-';
  if (negative) ++p;
  int64_t whole = 0;
  bool too_large = false;
  while (std::isdigit(static_cast<unsigned char>(*p))) {
    // Stop growing once out of range, so that long digit runs cannot overflow.
    if (!too_large) whole = whole * 10 + (*p - '0');
    too_large = too_large || whole > kMaxWholeSeconds;
    ++p;
  }
  if (*p != '.' || too_large) FatalError(ctx, "Invalid RefreshRateSeconds value:", tag_line);
  ++p;
  int64_t fraction = 0;
  int64_t scale = kNanosecondsPerSecond / 10;
  for (int digits = 0; digits < 9 && std::isdigit(static_cast<unsigned char>(*p)); ++digits, ++p) {
    fraction += (*p - '0') * scale;
    scale /= 10;
  }
  const int64_t whole_nanoseconds = whole * kNanosecondsPerSecond;
  if (whole_nanoseconds > std::numeric_limits<int64_t>::max() - fraction) {
    FatalError(ctx, "Invalid RefreshRateSeconds value:", tag_line);
  }
  const int64_t nanoseconds = whole_nanoseconds + fraction;
  return negative ? -nanoseconds : nanoseconds;
}

// MaxTransfersPerWindow of either port kind; `upper_limit_message` is null
// for queuing ports, which have no upper limit.
int32_t ReadMaxTransfersPerWindow(TranslationContext& ctx, const char* tag_line, int32_t direction,
                                  const char* upper_limit_message) {
  const char* value = FindAttribute(ctx.report, tag_line, "MaxTransfersPerWindow");
  if (value == nullptr) {
    if (direction == kDestinationPort && ctx.settings.RequireMaxTransfersPerWindow != 0) {
      FatalError(ctx, "Required MaxTransfersPerWindow field missing:", tag_line);
    }
    return 0;
  }
  if (direction == kSourcePort) {
    FatalError(ctx, "MaxTransfersPerWindow specification only alowed for DESTINATION ports:", tag_line);
  }
  int32_t transfers = ParseDecOrHex(ctx.report, value, tag_line);
  if (transfers < 0) FatalError(ctx, "Invalid MaxTransfersPerWindow specification, negative value:", tag_line);
  if (upper_limit_message != nullptr && transfers > kMaxSamplingTransfersPerWindow) {
    FatalError(ctx, upper_limit_message, tag_line);
  }
  return transfers;
}

int32_t ReadPortMapping(TranslationContext& ctx, const char* tag_line) {
  const char* value = FindAttribute(ctx.report, tag_line, "PortMapping");
  if (value == nullptr) return 0;
  int32_t mapping = ParseDecOrHex(ctx.report, value, tag_line);
  // Taken as unsigned, so negative values are out of range as well.
  if (static_cast<uint32_t>(mapping) > kMaxPortMapping) {
    FatalError(ctx, "Invalid PortMapping value, must be between 0 and 65535:", tag_line);
  }
  return mapping;
}

}  // namespace

void ReadSamplingPort(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  CheckPortsAllowed(ctx, tag_line, partition);
  SamplingPortRecord port;
  port.Partition = &partition;
  port.Name = ReadPortName(ctx, tag_line);
  port.Direction = ReadDirection(ctx, tag_line, "Invalid Sampling Port Direction specifier:");
  port.MaxMessageSize = ReadMaxMessageSize(ctx, tag_line);
  if (const char* value = FindAttribute(ctx.report, tag_line, "RefreshRateSeconds")) {
    port.RefreshRateSeconds = ReadRefreshRate(ctx, value, tag_line);
  }
  port.MaxTransfersPerWindow = ReadMaxTransfersPerWindow(
      ctx, tag_line, port.Direction,
      "Invalid MaxTransfersPerWindow specification, value to large (> 255) for Sampling Ports:");
  port.PortMapping = ReadPortMapping(ctx, tag_line);
  partition.SamplingPorts.push_back(std::move(port));
}

void ReadQueuingPort(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  CheckPortsAllowed(ctx, tag_line, partition);
  QueuingPortRecord port;
  port.Partition = &partition;
  port.Name = ReadPortName(ctx, tag_line);
  port.Direction = ReadDirection(ctx, tag_line, "Invalid Queuing Port Direction specifier:");
  port.MaxMessageSize = ReadMaxMessageSize(ctx, tag_line);
  const char* messages = FindAttribute(ctx.report, tag_line, "MaxNbMessages");
  if (messages == nullptr) messages = FindAttribute(ctx.report, tag_line, "MaxNbMessage");
  if (messages == nullptr) FatalError(ctx, "Required MaxNbMessage or MaxNbMessages field missing:", tag_line);
  port.MaxNbMessages = ParseDecOrHex(ctx.report, messages, tag_line);
  if (port.MaxNbMessages < 1) FatalError(ctx, "Invalid MaxNbMessage/MaxNbMessages specification:", tag_line);
  port.MaxTransfersPerWindow = ReadMaxTransfersPerWindow(ctx, tag_line, port.Direction, nullptr);
  port.PortMapping = ReadPortMapping(ctx, tag_line);
  partition.QueuingPorts.push_back(std::move(port));
}

void ReadConnection(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  ConnectionRecord connection;
  connection.Partition = &partition;
  connection.Name = ReadPortName(ctx, tag_line);
  connection.ObjectNumber = oa::ReadObjectNumber(ctx, tag_line, partition);
  connection.ObjectFlags = oa::ReadUsedByFlags(ctx, tag_line);
  partition.Connections.push_back(std::move(connection));
}

}  // namespace cfgxlate
