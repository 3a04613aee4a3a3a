#include "partitions/links.h"

#include "core/diagnostics.h"
#include "partitions/object_attributes.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace oa = object_attributes;

void ReadLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  // An AddressSpace element names a whole partition: Name and
  // LinkedObjectName default to that partition's name.
  const bool address_space = StartsWith(tag_line, "<AddressSpace ");
  LinkRecord link;
  link.PartitionName = oa::ReadRequiredName(ctx, tag_line, "PartitionName", "Link must specify PartitionName.");
  if (const char* value = FindAttribute(ctx.report, tag_line, "Name")) {
    link.Name = BlanksToUnderscores(AttributeText(value));
  } else if (address_space) {
    link.Name = link.PartitionName;
    link.NameFromPartitionName = true;
  } else {
    FatalError(ctx, "Required Name field missing:", tag_line);
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "LinkedObjectName")) {
    link.LinkedObjectName = BlanksToUnderscores(AttributeText(value));
  } else if (address_space) {
    link.LinkedObjectName = link.PartitionName;
    link.LinkedObjectNameFromPartitionName = true;
  } else {
    FatalError(ctx, "Link must specify LinkedObjectName.", tag_line);
  }
  if (link.LinkedObjectName == "PartitionReleaseSemaphore") partition.HasPartitionReleaseSemaphore = 1;
  link.ObjectNumber = oa::ReadObjectNumber(ctx, tag_line, partition);
  link.ObjectFlags = oa::ReadUsedByFlags(ctx, tag_line);
  oa::ReadCoreId(ctx, tag_line, link.ObjectFlags, link.CoreId);
  partition.Links.push_back(std::move(link));
}

void ReadPartitionHMLink(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  PartitionHMLinkRecord link;
  link.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  link.PartitionName = oa::ReadRequiredName(ctx, tag_line, "PartitionName", "Required ParitionName field missing:");
  partition.HMLinks.push_back(std::move(link));
}

}  // namespace cfgxlate
