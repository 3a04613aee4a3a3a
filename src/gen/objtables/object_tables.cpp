// The walk over the partitions that numbers their objects and writes their
// tables, then the linker additions and the module HM tables.
#include "gen/objtables/object_tables.h"

#include <optional>
#include <string>

#include "gen/objtables/linker_additions.h"
#include "gen/objtables/module_hm_file.h"
#include "gen/objtables/partition_numbering.h"
#include "gen/objtables/table_header.h"
#include "gen/objtables/verbose_dump.h"
#include "gen/output_file.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// The files open for the whole walk: object_table.s with kernel_additions.ld
// beside it, or object_table_kernel.s alone with -z.
struct TableFiles {
  explicit TableFiles(TranslationContext& ctx)
      : main(ctx, OutputPath(ctx, ctx.settings.PerApplicationTables != 0 ? "object_table_kernel.s" : "object_table.s")) {
    if (ctx.settings.PerApplicationTables == 0) linker.emplace(ctx, OutputPath(ctx, "kernel_additions.ld"));
  }
  OutputStream main;
  std::optional<OutputStream> linker;
};

void WriteOpeningLines(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition, bool first) {
  if (partition.KernelPartition != 0) {
    if (!first) out += "\t.data\n";
    out += "\t.globl\tARINC653KernelStartObject\n";
    out += "ARINC653KernelStartObject:\n";
    EmitWord32(ctx.settings, out, static_cast<uint32_t>(ctx.settings.KernelStartObject - 1));
    out += "\t.balign\t8\n";
    out += "\t.globl\tARINC653KernelObjectTable\n";
    out += "ARINC653KernelObjectTable:\n";
  } else if (ctx.settings.PerApplicationTables != 0) {
    APPEND_FORMAT(out, "# Virtual Object Table for partition %s\n", partition.PartitionName.c_str());
    out += "\t.section\t\".arinc653start\",\"aw\"\n";
  } else {
    // The section is the table; the linker lines place it.
    APPEND_FORMAT(out, "\t.section\t\".mr_rweu_%s\",\"aw\"\n", partition.PartitionName.c_str());
  }
}

void GeneratePartitionTable(TranslationContext& ctx, ObjectTablesRun& run, TableFiles& files,
                            PartitionRecord& partition, bool first) {
  const ModuleSettings& settings = ctx.settings;
  const bool kernel = partition.KernelPartition != 0;
  // With -z each partition other than the kernel's has a file of its own,
  // opened at its opening lines and complete at the end of its table.
  std::optional<OutputStream> own_file;
  if (settings.PerApplicationTables != 0 && !kernel) {
    own_file.emplace(ctx, OutputPath(ctx, "object_table_" + partition.PartitionName + ".s"));
  }
  TextBuffer& out = own_file ? own_file->text : files.main.text;

  PartitionNumbering numbering(partition, kernel ? settings.NextKernelObject : settings.FirstVirtualUserObject);
  if (partition.NoObjects == 0) partition.PoolUnits += 16;

  if (VerboseWanted(ctx)) Verbose(ctx, VerboseTableStart(ctx, partition, TaskObjectsWord(partition)));
  WriteOpeningLines(ctx, out, partition, first);
  WriteHeaderBytes(ctx, out, partition);
  if (HasPlainChannelPort(partition)) {
    partition.PortTaskObject = static_cast<int32_t>(numbering.Allocate(2) + 1);
    partition.PoolUnits += 4;
  }
  WriteHeaderWords(settings, out, partition);
  WriteRecoveryActions(out, partition);

  NumberPartitionObjects(ctx, run, partition, numbering);
  const size_t entry_count = numbering.entries.size();
  WritePartitionObjectList(ctx, out, partition, numbering.entries);

  if (!kernel && settings.PerApplicationTables == 0) {
    WriteLinkerAdditions(ctx, files.linker->text, partition, ObjectTableBytes(ctx, entry_count));
  }
  if (kernel) {
    // Six free numbers in a row for the kernel objects the integrate file adds.
    ctx.settings.NextKernelObject = static_cast<int32_t>(numbering.taken.FindFreeObjectNumbers(numbering.cursor, 6));
  }
  if (own_file) own_file->Close();
  partition.PoolUnits += static_cast<int32_t>(numbering.cursor);
}

}  // namespace

void GenerateObjectTables(TranslationContext& ctx) {
  PartitionModel& partitions = ctx.model.partitions;
  TableFiles files(ctx);
  if (partitions.KernelPartitionSeen != 0) files.main.text += "\t.data\n\t.balign\t4\n";

  ObjectTablesRun run;
  bool first = true;
  for (PartitionRecord& partition : partitions.Partitions) {
    GeneratePartitionTable(ctx, run, files, partition, first);
    first = false;
    files.main.Flush();
  }
  files.main.Close();
  if (files.linker) files.linker->Close();
  GenerateModuleHMTable(ctx);
}

}  // namespace cfgxlate
