// "client_table.s", written after the integrate file when file-system
// permissions were given.
#pragma once

#include "core/context.h"

namespace cfgxlate {

// Each partition's access right to each disk volume; two partitions with
// write access to one volume stop the run.
void WriteClientTable(TranslationContext& ctx);

}  // namespace cfgxlate
