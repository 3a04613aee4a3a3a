#include "gen/objtables/module_hm_file.h"

#include <cstdint>

#include "core/diagnostics.h"
#include "gen/objtables/byte_array_packing.h"
#include "gen/objtables/module_run_tables.h"
#include "gen/output_file.h"
#include "partitions/partition_lookup.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {
namespace {

// Several tables list the kernel partition first, wherever it was defined,
// and then the other partitions in definition order.
const PartitionRecord* KernelPartition(const TranslationContext& ctx) {
  return FindKernelPartition(ctx.model.partitions);
}

void WriteCallback(const TranslationContext& ctx, TextBuffer& out) {
  const ModuleHMTableRecord& table = *ctx.model.hm.ModuleHMTable;
  out += "\t.globl\tARINC653ModuleHMCallback\n";
  if (table.ModuleCallbackGiven) {
    APPEND_FORMAT(out, "ARINC653ModuleHMCallback:\n\t.quad\t%s\n", table.ModuleCallback.c_str());
  } else {
    out += "ARINC653ModuleHMCallback:\n\t.quad\t0\n";
  }
}

void WriteNumberOfVirtualPartitions(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653NumberOfVirtualPartitions\n";
  out += "ARINC653NumberOfVirtualPartitions:\n";
  uint32_t count = 0;
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition == 0) ++count;
  }
  EmitWord32(ctx.settings, out, count);
}

void WriteModuleActions(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653ModuleHMTable\n";
  out += "ARINC653ModuleHMTable:\n";
  BytePacker packer;
  for (const auto& state : ctx.model.hm.ModuleHMTable->Actions) {
    for (uint8_t action : state) packer.Add(out, action);
  }
  packer.Finish(out);
}

void WriteMultiPartitionTables(const TranslationContext& ctx, TextBuffer& out) {
  out += "\t.globl\tARINC653MultiPartitionHMTable\n";
  out += "ARINC653MultiPartitionHMTable:\n";
  BytePacker packer;
  for (const MultiPartitionHMTableRecord& table : ctx.model.hm.MultiPartitionHMTables) {
    // Written where the output stands: after the first table that is behind
    // the previous table's last value, on the same line.
    if (table.TableIdentifier != -1) APPEND_FORMAT(out, "#\tTableIdentifier = %d\n", table.TableIdentifier);
    for (uint8_t action : table.Actions) packer.Add(out, action);
  }
  packer.Finish(out);
}

int32_t MultiPartitionIndex(TranslationContext& ctx, const PartitionRecord& partition) {
  if (partition.NoObjects != 0 && partition.ARINC653HM == 0) return -2;
  if (!partition.MultiPartitionHMTableNameRefGiven) return -1;
  const auto& positions = ctx.model.hm.MultiPartitionHMTablePositions;
  const auto found = positions.find(partition.MultiPartitionHMTableNameRef);
  if (found == positions.end()) {
    FatalError(ctx, "PartitionHMTable's MultiPartitionHMTableNameRef does not map to a valid MultiPartitionHMTable:",
               partition.MultiPartitionHMTableNameRef.c_str());
  }
  return static_cast<int32_t>(found->second);
}

void WriteMultiPartitionIndices(TranslationContext& ctx, TextBuffer& out, const PartitionRecord* kernel) {
  out += "\t.globl\tARINC653MultiPartitionHMTableIndices\n";
  out += "ARINC653MultiPartitionHMTableIndices:\n";
  const int32_t kernel_index = kernel != nullptr ? MultiPartitionIndex(ctx, *kernel) : -1;
  EmitWord32(ctx.settings, out, static_cast<uint32_t>(kernel_index));
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition != 0) continue;
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(MultiPartitionIndex(ctx, partition)));
  }
}

void WriteIsARINCPartitionTable(const TranslationContext& ctx, TextBuffer& out, const PartitionRecord* kernel) {
  out += "\t.globl\tARINC653IsARINCPartitionTable\n";
  out += "ARINC653IsARINCPartitionTable:\n";
  BytePacker packer;
  packer.Add(out, kernel != nullptr && kernel->NoObjects == 0 ? 1 : 0);
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition == 0) packer.Add(out, partition.NoObjects == 0 ? 1 : 0);
  }
  packer.Finish(out);
}

void WritePartitionActions(TextBuffer& out, BytePacker& packer, const PartitionRecord& partition) {
  if (partition.HMTable != nullptr) {
    for (uint8_t action : partition.HMTable->Actions) packer.Add(out, action);
    return;
  }
  // The zero lines stand outside the packing: its column is left as it was.
  if (partition.KernelPartition == 0) out += "\n";
  for (int line = 0; line < ErrorIdentifierCount / 4; ++line) out += "\t.byte\t0,0,0,0\n";
}

void WritePartitionHMTables(const TranslationContext& ctx, TextBuffer& out, const PartitionRecord* kernel) {
  out += "\t.globl\tARINC653PartitionHMTables\n";
  out += "ARINC653PartitionHMTables:\n";
  BytePacker packer;
  if (kernel != nullptr) WritePartitionActions(out, packer, *kernel);
  for (const PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition == 0) WritePartitionActions(out, packer, partition);
  }
  out += "\n";
}

}  // namespace

void GenerateModuleHMTable(TranslationContext& ctx) {
  if (ctx.model.hm.ModuleHMTable == nullptr) return;  // only with -m
  OutputStream file(ctx, OutputPath(ctx, "module_hm_table.s"));
  TextBuffer& out = file.text;
  const PartitionRecord* kernel = KernelPartition(ctx);
  out += "\t.section\t\".rodata\",\"a\"\n";
  out += "\t.balign\t8\n";
  WriteCallback(ctx, out);
  WriteNumberOfVirtualPartitions(ctx, out);
  WriteModuleActions(ctx, out);
  WriteMultiPartitionTables(ctx, out);
  WriteMultiPartitionIndices(ctx, out, kernel);
  WriteIsARINCPartitionTable(ctx, out, kernel);
  WritePartitionHMTables(ctx, out, kernel);
  WriteSetModuleSchedulePermissions(ctx, out);
  WriteCopyTables(ctx, out);
  WriteKernelMMSTable(ctx, out);
  WritePortTasksTable(ctx, out);
  file.Close();
}

}  // namespace cfgxlate
