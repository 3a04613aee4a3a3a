// Processes and tasks; the object-number threshold of a partition.
#include "partitions/partition_objects.h"

#include "core/diagnostics.h"
#include "partitions/object_attributes.h"
#include "reader/attributes.h"
#include "util/text.h"

namespace cfgxlate {

namespace oa = object_attributes;

namespace {

// Priority and MaximumPriority: a "$" symbol kept as text, or a non-zero
// number.
void ReadTaskPriority(TranslationContext& ctx, const char* tag_line, const char* attribute, const char* zero_message,
                      int32_t& number, OptionalText& symbol) {
  const char* value = FindAttribute(ctx.report, tag_line, attribute);
  if (value == nullptr) return;
  if (value[0] == '$') {
    symbol = BlanksToUnderscores(AttributeText(value));
    return;
  }
  number = ParseDecOrHex(ctx.report, value, tag_line);
  if (number == 0) FatalError(ctx, zero_message, tag_line);
}

bool VirtualDomain(const PartitionRecord& partition) {
  return (partition.IsVMDomainSpecified != 0 && partition.IsVMDomain != 0) ||
         (partition.IsIODomainSpecified != 0 && partition.IsIODomain != 0);
}

}  // namespace

int32_t ObjectNumberThreshold(const TranslationContext& ctx, const PartitionRecord& partition) {
  return partition.KernelPartition != 0 ? ctx.settings.NextKernelObject : ctx.settings.FirstVirtualUserObject;
}

void ReadProcess(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  if (partition.NoObjects != 0) {
    FatalError(ctx, "Cannot specify ARINC653 objects if NoObjects is true or ARINC653Partition is false:", tag_line);
  }
  ProcessRecord process;
  process.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  const char* stack_size = FindAttribute(ctx.report, tag_line, "StackSize");
  if (stack_size == nullptr) FatalError(ctx, "Missing StackSize specification:", tag_line);
  process.StackSize = ParseDecOrHex(ctx.report, stack_size, tag_line);
  if (process.StackSize == 0) FatalError(ctx, "Invalid StackSize specification:", tag_line);
  process.StackPhysicalAddress = oa::ReadStackPhysicalAddress(ctx, tag_line);
  oa::ReadOptionalBoolean(ctx, tag_line, "ClearStack", "Invalid ClearStack value: ", process.ClearStack);
  oa::ReadOptionalBoolean(ctx, tag_line, "FastPacketCache", "Invalid FastPacketCache value: ", process.FastPacketCache);
  if (const char* value = FindAttribute(ctx.report, tag_line, "ProcessUserIdentification")) {
    process.ProcessUserIdentification = ParseDecOrHex(ctx.report, value, tag_line);
  }
  oa::ReadLockPriority(ctx, tag_line, process.LockPriority, process.LockPrioritySpecified);
  partition.Processes.push_back(std::move(process));
}

void ReadTask(TranslationContext& ctx, const char* tag_line, PartitionRecord& partition) {
  TaskRecord task;
  task.Name = oa::ReadRequiredName(ctx, tag_line, "Name", "Required Name field missing:");
  if (const char* value = FindAttribute(ctx.report, tag_line, "EntryPoint")) {
    task.EntryPoint = BlanksToUnderscores(AttributeText(value));
  }
  if (const char* value = FindAttribute(ctx.report, tag_line, "StackSize")) {
    task.StackSize = ParseDecOrHex(ctx.report, value, tag_line);
    task.ObjectFlags |= kStackSizeSpecified;
    // Virtual-machine and IO domains may run without a stack of their own.
    if (task.StackSize == 0 && !VirtualDomain(partition)) {
      FatalError(ctx, "Invalid StackSize specification:", tag_line);
    }
  }
  task.StackPhysicalAddress = oa::ReadStackPhysicalAddress(ctx, tag_line);
  ReadTaskPriority(ctx, tag_line, "Priority", "Invalid Priority specification:", task.Priority, task.PrioritySymbol);
  ReadTaskPriority(ctx, tag_line, "MaximumPriority", "Invalid MaximumPriority specification:", task.MaximumPriority,
                   task.MaximumPrioritySymbol);
  oa::ReadOptionalBoolean(ctx, tag_line, "ClearStack", "Invalid ClearStack value: ", task.ClearStack);
  oa::ReadOptionalBoolean(ctx, tag_line, "FastPacketCache", "Invalid FastPacketCache value: ", task.FastPacketCache);
  oa::ReadOptionalBoolean(ctx, tag_line, "StartIt", "Invalid StartIt value: ", task.StartIt);
  if (const char* value = FindAttribute(ctx.report, tag_line, "TaskUserIdentification")) {
    task.TaskUserIdentification = ParseDecOrHex(ctx.report, value, tag_line);
  }
  oa::ReadLockPriority(ctx, tag_line, task.LockPriority, task.LockPrioritySpecified);
  if (const char* value = FindAttribute(ctx.report, tag_line, "ObjectNumber")) {
    task.ObjectNumber = ParseDecOrHex(ctx.report, value, tag_line);
    // The Initial task takes whatever number it is given. A task with a stack
    // region of its own also uses the number just below its own for it.
    if (task.Name != "Initial") {
      bool own_stack_region = task.ClearStack != 0 || task.FastPacketCache != 0 || task.StackPhysicalAddress != 0;
      oa::CheckObjectNumber(ctx, tag_line, partition, int64_t{task.ObjectNumber} - (own_stack_region ? 1 : 0));
    }
  }
  task.ObjectFlags |= oa::ReadUsedByFlags(ctx, tag_line);
  oa::ReadCoreId(ctx, tag_line, task.ObjectFlags, task.CoreId);
  partition.Tasks.push_back(std::move(task));
}

}  // namespace cfgxlate
