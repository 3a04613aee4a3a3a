#include "module/module_element.h"

#include <cstring>

#include "channels/connection_table.h"
#include "core/diagnostics.h"
#include "hm/module_hm_table.h"
#include "hm/multi_partition_hm_table.h"
#include "hm/partition_hm_table.h"
#include "module/core_ag_lock_priority_table.h"
#include "module/end_of_module_checks.h"
#include "partitions/memory_blocks.h"
#include "partitions/partition_element.h"
#include "partitions/partition_memory.h"
#include "reader/attributes.h"
#include "reader/tag_reader.h"
#include "schedules/module_schedule.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

// Hands one module-level tag line to its handler; the first matching
// prefix decides.
void DispatchModuleElement(TranslationContext& ctx, const char* tag) {
  if (StartsWith(tag, "<CoreAGLockPriorityTable")) {
    ReadCoreAGLockPriorityTable(ctx, tag);
  } else if (StartsWith(tag, "<ModuleHMTable")) {
    ReadModuleHMTable(ctx, tag);
  } else if (StartsWith(tag, "<MultiPartitionHMTable ")) {
    ReadMultiPartitionHMTable(ctx, tag);
  } else if (StartsWith(tag, "<PartitionHMTable ")) {
    ReadPartitionHMTable(ctx, tag);
  } else if (StartsWith(tag, "<Partition ") || StartsWith(tag, "<Partition>")) {
    ReadPartition(ctx, tag);
  } else if (StartsWith(tag, "<Partition_Memory ") || StartsWith(tag, "<PartitionMemory ")) {
    ReadPartitionMemory(ctx, tag);
  } else if (StartsWith(tag, "<Module_Schedule") || StartsWith(tag, "<ModuleSchedule")) {
    ParseModuleSchedule(ctx, tag);
  } else if (StartsWith(tag, "<Connection_Table") || StartsWith(tag, "<ConnectionTable")) {
    ReadConnectionTable(ctx, tag);
  } else if (StartsWith(tag, "<MemoryBlocks") || StartsWith(tag, "<Memory_Blocks")) {
    ReadMemoryBlocks(ctx, tag);
  }
  // Anything else is skipped without a message.
}

void ReadModuleAttributes(TranslationContext& ctx, const char* tag) {
  ModuleSettings& s = ctx.settings;
  if (const char* target = FindAttribute(ctx.report, tag, "Target")) {
    s.Target = AttributeText(target);
    s.TargetSet = true;
  }
  if (const char* include_name = FindAttribute(ctx.report, tag, "IncludeName")) {
    s.IncludeName = AttributeText(include_name);
    s.IncludeNameSet = true;
  }
  if (FindAttribute(ctx.report, tag, "Partition_HM_Text_Size") != nullptr) {
    FatalError(ctx,
               "Partition_HM_Text_Size specification deprecated, see PartitionHM Memory_Requirements attribute for "
               "similar functionality:",
               tag);
  }
  if (const char* cores = FindAttribute(ctx.report, tag, "NumberOfCores")) {
    int32_t number = ParseDecOrHex(ctx.report, cores, tag);
    // A negative count would refuse every core list later on.
    if (number <= 0) FatalError(ctx, "Invalid Number_Of_Cores specification:", tag);
    if (static_cast<uint32_t>(number) > 1 && s.MultiCore == 0) {
      FatalError(ctx, "NumberOfCores is greater than 1, but the MultiCore option (-q) not specified:", tag);
    }
    s.NumberOfCores = number;
  }
  // Only the schedule picture shows it; read last, so that every earlier
  // check keeps its place.
  if (const char* module_name = FindAttribute(ctx.report, tag, "ModuleName")) s.ModuleName = AttributeText(module_name);
}

bool IsModuleStart(const char* tag) {
  return StartsWith(tag, "<ARINC_653_Module ") || StartsWith(tag, "<ARINC653Module ");
}

bool IsModuleEnd(const char* tag) {
  return StartsWith(tag, "</ARINC_653_Module") || StartsWith(tag, "</ARINC653Module");
}

}  // namespace

void ReadConfiguration(TranslationContext& ctx) {
  const std::string& file_name = ctx.settings.XmlFileName;
  std::unique_ptr<InputFile> file = ctx.fs.OpenForReading(file_name);
  if (file == nullptr) FatalError(ctx, "Unable to open file:", file_name.c_str());
  StartReader(ctx, std::move(file), file_name);

  TagLine tag;
  if (!NextTagLine(ctx, tag) || std::strstr(tag.c_str(), "xml") == nullptr) {
    FatalError(ctx, "Invalid XML file:", file_name.c_str(), "First line must contain 'xml'");
  }
  bool have_tag = NextTagLine(ctx, tag);
  while (have_tag) {
    if (!IsModuleStart(tag.c_str())) {
      Warning(ctx, "Unexpected XML tag line:", tag.c_str());
    } else {
      ReadModuleAttributes(ctx, tag.c_str());
      have_tag = NextTagLine(ctx, tag);
      while (have_tag && !IsModuleEnd(tag.c_str())) {
        // Handlers read further lines into their own buffers, so the
        // selecting line is handed over as a copy of its own.
        TagLine selected = tag;
        DispatchModuleElement(ctx, selected.c_str());
        have_tag = NextTagLine(ctx, tag);
      }
    }
    if (!have_tag) {
      Warning(ctx, "</ARINC_653_Module> tag line does not exist.");
    } else {
      have_tag = NextTagLine(ctx, tag);
    }
  }
  CloseReader(ctx);
  CheckEndOfModule(ctx);
}

}  // namespace cfgxlate
