// Numbers of the objects the integrate file adds to the kernel block,
// counted up from NextKernelObject past every number the block already
// holds, so that no two kernel objects share a number.
#pragma once

#include <cstdint>

#include "core/context.h"
#include "gen/objtables/object_numbering.h"

namespace cfgxlate {

class KernelNumbering {
 public:
  explicit KernelNumbering(TranslationContext& ctx);

  // The first of count free numbers in a row at or after NextKernelObject;
  // NextKernelObject moves past them.
  int32_t Allocate(int64_t count);

 private:
  ModuleSettings& settings_;
  TakenObjectNumbers taken_;
};

// Every number the kernel partition's own objects occupy in the kernel block.
std::vector<int64_t> KernelBlockNumbers(const PartitionRecord& kernel);

}  // namespace cfgxlate
