// The integrate file: the kernel block (header, kernel objects, partition
// schedules, the kernel partition's objects) and one AddressSpace block per
// other partition.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// Writes the file from its opening on. While it is written, its path is the
// integrate file in progress, which a fatal error removes, so a failed run
// leaves no integrate file behind.
void WriteIntegrateFile(TranslationContext& ctx);

// Where the integrate file goes: its name, or with -outputdir its base name
// in that directory.
std::string IntegrateFilePath(const ModuleSettings& settings);

}  // namespace cfgxlate
