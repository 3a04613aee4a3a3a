// The objects each partition adds to the kernel block of the integrate
// file: its memory region, semaphores, connection pairs and shared-memory
// regions of its ports, physical regions, stacks and memory pool.
#pragma once

#include <string>

#include "core/context.h"
#include "gen/output_file.h"

namespace cfgxlate {

// Appends every partition's kernel objects in definition order and stores
// the kernel numbers the address spaces refer to (release semaphores,
// shadow links, port ends, shared regions).
void WriteKernelObjects(TranslationContext& ctx, OutputStream& file);

}  // namespace cfgxlate
