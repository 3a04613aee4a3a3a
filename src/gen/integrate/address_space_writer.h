// What the writers of one address space's objects share: the writer state
// and the optional lines several object kinds write.
#pragma once

#include <cstdint>
#include <string>

#include "util/text_buffer.h"
#include "core/context.h"
#include "gen/integrate/address_space_lookups.h"
#include "gen/integrate/integrate_text.h"
#include "util/format.h"

namespace cfgxlate {

// What every part of one address space's objects needs.
struct AddressSpaceWriter {
  TranslationContext& ctx;
  const AddressSpaceLookups& lookups;
  TextBuffer& out;
  PartitionRecord& partition;
  bool kernel;  // the kernel partition, written inside the Kernel block
};

inline const char* TrueFalse(bool value) { return value ? "True" : "False"; }

// The optional lines of ObjectFlags, each only when the attribute was given.
inline void WriteUsedByLines(TextBuffer& out, uint8_t flags) {
  if ((flags & kUsedByCallbackGiven) != 0) {
    APPEND_FORMAT(out, "\t\tUsedByCallback\t%s\n", TrueFalse((flags & kUsedByCallbackValue) != 0));
  }
  if ((flags & kUsedByKernelTaskGiven) != 0) {
    APPEND_FORMAT(out, "\t\tUsedByKernelTask\t%s\n", TrueFalse((flags & kUsedByKernelTaskValue) != 0));
  }
}

inline void WriteCoreIdLine(TextBuffer& out, uint8_t flags, int32_t core) {
  if ((flags & kCoreIdGiven) != 0) APPEND_FORMAT(out, "\t\tCoreId\t\t%d\n", core);
}

inline void WriteIdentification(const ModuleSettings& settings, TextBuffer& out, int32_t identification) {
  if (settings.Phase4 != 0) {
    APPEND_FORMAT(out, "\t\tIdentification\t0x%x\n", static_cast<unsigned>(identification));
  } else {
    APPEND_FORMAT(out, "\t\tIdentification\t%d\n", identification);
  }
}

}  // namespace cfgxlate
