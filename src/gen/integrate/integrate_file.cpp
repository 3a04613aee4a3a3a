// The integrate file as a whole: its top-level order, the kernel header and
// the AddressSpace headers.
#include "gen/integrate/integrate_file.h"

#include "core/diagnostics.h"
#include "gen/integrate/address_space_objects.h"
#include "gen/integrate/kernel_objects.h"
#include "gen/integrate/memory_pool.h"
#include "gen/integrate/partition_schedules.h"
#include "gen/output_file.h"
#include "partitions/partition_lookup.h"
#include "util/format.h"
#include "util/paths.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

void WriteBooleanSetting(TextBuffer& out, const char* line_start, int32_t value) {
  if (value == 0) APPEND_FORMAT(out, "%sfalse\n", line_start);
  if (value == 1) APPEND_FORMAT(out, "%strue\n", line_start);
}

void WriteKernelHeader(const TranslationContext& ctx, TextBuffer& out, const PartitionRecord* kernel) {
  if (kernel == nullptr) {
    out += "\tFilename\tKernelFile\n";
    return;
  }
  APPEND_FORMAT(out, "\tFilename\t%s\n", kernel->FileName.c_str());
  if (kernel->HeaderFileNameGiven) APPEND_FORMAT(out, "\tHeaderFilename\t%s\n", kernel->HeaderFileName.c_str());
  WriteBooleanSetting(out, "\tSetTaskCoreAffinity\t", kernel->SetTaskCoreAffinity);
  WriteBooleanSetting(out, "\tSetTaskLockPriority\t", kernel->SetTaskLockPriority);
  const std::vector<CoreAGLockPriorityEntry>& priorities = ctx.settings.CoreAGLockPriorities;
  if (!priorities.empty()) {
    out += "\tCoreAGLockPriorityTable\n";
    for (const CoreAGLockPriorityEntry& entry : priorities) APPEND_FORMAT(out, "\t\t%s\n", entry.Text.c_str());
    out += "\tEndCoreAGLockPriorityTable\n";
  }
}

void WriteAddressSpaceHeader(const TranslationContext& ctx, TextBuffer& out, const PartitionRecord& p) {
  const char* name = p.PartitionName.c_str();
  APPEND_FORMAT(out, "\nAddressSpace\t\t%s\n", name);
  APPEND_FORMAT(out, "\tFilename\t%s\n", p.FileNameGiven ? p.FileName.c_str() : name);
  WriteBooleanSetting(out, "\tSetTaskCoreAffinity\t", p.SetTaskCoreAffinity);
  if (p.NoObjects == 0) {
    APPEND_FORMAT(out, "\tMaximumPriority\t%d\n", 255);
  } else if (p.MaximumPriority != 0) {
    APPEND_FORMAT(out, "\tMaximumPriority\t%d\n", p.MaximumPriority);
  } else if (!p.MaximumPrioritySymbol.empty()) {
    APPEND_FORMAT(out, "\tMaximumPriority\t%s\n", p.MaximumPrioritySymbol.c_str());
  }
  if (p.MemoryPoolSize != 0) {
    if (p.MemoryPoolPhysicalAddress == 0) {
      APPEND_FORMAT(out, "\tMemoryPoolSize\t0x%x\n", static_cast<unsigned>(p.MemoryPoolSize));
    } else {
      APPEND_FORMAT(out, "\tMemoryPoolMemoryRegionName\tMR_%s_MemoryPool\n", name);
    }
  }
  const std::string& language = p.LanguageGiven ? p.Language : ctx.settings.DefaultLanguage;
  APPEND_FORMAT(out, "\tLanguage\t%s\n", language.c_str());
  if (p.HeaderFileNameGiven) {
    APPEND_FORMAT(out, "\tHeaderFilename\t%s\n", p.HeaderFileName.c_str());
  } else {
    APPEND_FORMAT(out, "\tHeaderFilename\t%s.%s\n", name, language == "Ada" ? "ads" : "h");
  }
  if (p.Shadow != 0) out += "\tShadow\t\tTrue\n";
  WriteBooleanSetting(out, "\tSetTaskLockPriority\t", p.SetTaskLockPriority);
  if (p.DebuggerMayHaltGiven) APPEND_FORMAT(out, "\tDebuggerMayHalt\t%s\n", p.DebuggerMayHalt.c_str());
  if (p.IsVMDomainSpecified != 0) APPEND_FORMAT(out, "\tIsVMDomain\t%s\n", p.IsVMDomain != 0 ? "true" : "false");
  if (p.IsIODomainSpecified != 0) APPEND_FORMAT(out, "\tIsIODomain\t%s\n", p.IsIODomain != 0 ? "true" : "false");
}

}  // namespace

std::string IntegrateFilePath(const ModuleSettings& settings) {
  if (settings.OutputDirectory.empty()) return settings.IntegrateFileName;
  return JoinOutputPath(settings.OutputDirectory, BaseName(settings.IntegrateFileName));
}

void WriteIntegrateFile(TranslationContext& ctx) {
  const std::string path = IntegrateFilePath(ctx.settings);
  OutputStream file(ctx, path);
  ctx.IntegrateFileInProgress = path;
  TextBuffer& out = file.text;
  const ModuleSettings& settings = ctx.settings;
  if (settings.IncludeNameSet) APPEND_FORMAT(out, "%%include \"%s\"\n", settings.IncludeName.c_str());
  if (settings.TargetSet) APPEND_FORMAT(out, "Target\t%s\n", settings.Target.c_str());
  out += "Kernel\n";
  PartitionRecord* kernel = FindKernelPartition(ctx.model.partitions);
  WriteKernelHeader(ctx, out, kernel);
  CheckMemoryPools(ctx);
  WriteKernelObjects(ctx, file);
  WritePartitionSchedules(ctx, out);
  const AddressSpaceLookups lookups = BuildAddressSpaceLookups(ctx.model.partitions);
  if (kernel != nullptr) WriteAddressSpaceObjects(ctx, lookups, out, *kernel);
  out += "EndKernel\n";
  for (PartitionRecord& partition : ctx.model.partitions.Partitions) {
    if (partition.KernelPartition != 0) continue;
    WriteAddressSpaceHeader(ctx, out, partition);
    WriteAddressSpaceObjects(ctx, lookups, out, partition);
    out += "EndAddressSpace\n";
    file.Flush();
  }
  file.Close();
  ctx.IntegrateFileInProgress.clear();
}

}  // namespace cfgxlate
