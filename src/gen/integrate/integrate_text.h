// Line helpers shared by the integrate-file writers.
#pragma once

#include <cstdint>
#include <string>

#include "util/text_buffer.h"
#include "model/partitions.h"
#include "model/settings.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

// The priority of the HighestLocker semaphore, and the highest priority of
// the tasks the translator adds itself (Initial, error process, port task).
constexpr int32_t kHighestLockerPriority = 253;

inline void BeginObject(TextBuffer& out, int32_t number) { APPEND_FORMAT(out, "\tObject\t%d\n", number); }
inline void EndObject(TextBuffer& out) { out += "\tEndObject\n"; }

// value rounded up to a multiple of the page size, in 32-bit arithmetic.
inline uint32_t PageRound(const ModuleSettings& settings, uint32_t value) {
  const uint32_t page = static_cast<uint32_t>(settings.PageSize);
  return ((value + page - 1) / page) * page;
}

// A stack length: the size plus a 500-byte margin, page-rounded.
inline uint32_t StackRound(const ModuleSettings& settings, uint32_t size) {
  return PageRound(settings, size + 500);
}

// ARINC 653 objects exist in an ARINC partition, or with -d, ARINC HM or
// ARINC ports in any other.
inline bool UsesArincObjects(const ModuleSettings& settings, const PartitionRecord& p) {
  return p.NoObjects == 0 || settings.PortsInNonArincPartitions != 0 || p.ARINC653HM != 0 || p.ARINC653Ports != 0;
}

}  // namespace cfgxlate
