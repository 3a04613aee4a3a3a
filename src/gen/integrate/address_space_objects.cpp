#include "gen/integrate/address_space_objects.h"

namespace cfgxlate {

void WriteAddressSpaceObjects(TranslationContext& ctx, std::string& out, PartitionRecord& partition) {
  (void)ctx;
  (void)out;
  (void)partition;
}

}  // namespace cfgxlate
