#include "gen/side/shadow_table.h"

#include <string>

#include "gen/output_file.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

void WriteShadowTable(TranslationContext& ctx) {
  const ModuleSettings& settings = ctx.settings;
  OutputStream file(ctx, OutputPath(ctx, "shadow_table.s"));
  TextBuffer& out = file.text;
  out += "\t.section\t\".rodata\",\"a\"\n";
  out += "\t.balign\t4\n";
  out += "\t.globl\tARINC653ShadowTable\n";
  out += "ARINC653ShadowTable:\n";
  for (const PartitionRecord& p : ctx.model.partitions.Partitions) {
    if (p.ShadowLinkObject == 0) continue;
    APPEND_FORMAT(out, "#\tShadowed Partition \"%s\"\n", p.PartitionName.c_str());
    APPEND_FORMAT(out, "#\tPartition Identifier = %d\n", p.PartitionIdentifier);
    EmitWord32(settings, out, static_cast<uint32_t>(p.PartitionIdentifier));
    APPEND_FORMAT(out, "#\tObject Number of link to initial task = %d\n", p.ShadowLinkObject);
    EmitWord32(settings, out, static_cast<uint32_t>(p.ShadowLinkObject));
  }
  // A zero identifier ends the list of pairs.
  EmitWord32(settings, out, 0);
  file.Close();
}

}  // namespace cfgxlate
