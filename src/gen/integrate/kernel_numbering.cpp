#include "gen/integrate/kernel_numbering.h"

#include "model/channels.h"
#include "partitions/partition_lookup.h"

namespace cfgxlate {

namespace {

// The numbers a port end occupies in its partition's block.
void AddPortNumbers(std::vector<int64_t>& numbers, const ChannelRecord* channel, bool source, bool sampling,
                    int32_t first) {
  if (channel == nullptr || channel->TransferMode == kProcedureTransfer) return;
  int64_t count = 1;
  if (sampling && source) count = static_cast<int64_t>(channel->Destinations.size());
  if (!sampling && channel->TransferMode == kSharedMemoryTransfer) count = 3;
  for (int64_t i = 0; i < count; ++i) numbers.push_back(int64_t{first} + i);
}

}  // namespace

std::vector<int64_t> KernelBlockNumbers(const PartitionRecord& kernel) {
  std::vector<int64_t> numbers;
  auto add_stacked = [&numbers](int32_t number, bool stack) {
    numbers.push_back(number);
    if (stack) numbers.push_back(int64_t{number} - 1);
  };
  for (const ProcessRecord& process : kernel.Processes) add_stacked(process.ObjectIndex, ProcessTakesTwoNumbers(process));
  for (const TaskRecord& task : kernel.Tasks) add_stacked(task.ObjectIndex, TaskTakesTwoNumbers(task));
  for (const SamplingPortRecord& port : kernel.SamplingPorts) {
    AddPortNumbers(numbers, port.Channel, port.Direction == kSourcePort, true, port.ObjectIndex);
  }
  for (const QueuingPortRecord& port : kernel.QueuingPorts) {
    AddPortNumbers(numbers, port.Channel, port.Direction == kSourcePort, false, port.ObjectIndex);
  }
  for (const ConnectionRecord& connection : kernel.Connections) numbers.push_back(connection.ObjectIndex);
  for (const IODeviceRecord& device : kernel.IODevices) numbers.push_back(device.ObjectIndex);
  for (const SemaphoreRecord& semaphore : kernel.Semaphores) numbers.push_back(semaphore.ObjectIndex);
  for (const LinkRecord& link : kernel.Links) numbers.push_back(link.ObjectIndex);
  for (const ClockRecord& clock : kernel.Clocks) numbers.push_back(clock.ObjectIndex);
  for (const MemoryRegionRecord& region : kernel.MemoryRegions) numbers.push_back(region.ObjectIndex);
  for (const PartitionHMLinkRecord& link : kernel.HMLinks) numbers.push_back(link.ObjectIndex);
  if (kernel.PortTaskObject != 0) numbers.push_back(kernel.PortTaskObject);
  if (kernel.ErrorProcessObject != 0) {
    for (int64_t i = 0; i < 4; ++i) numbers.push_back(int64_t{kernel.ErrorProcessObject} + i);
  }
  return numbers;
}

namespace {

std::vector<int64_t> KernelNumbersOf(const TranslationContext& ctx) {
  const PartitionRecord* kernel = FindKernelPartition(ctx.model.partitions);
  return kernel != nullptr ? KernelBlockNumbers(*kernel) : std::vector<int64_t>{};
}

}  // namespace

KernelNumbering::KernelNumbering(TranslationContext& ctx) : settings_(ctx.settings), taken_(KernelNumbersOf(ctx)) {}

int32_t KernelNumbering::Allocate(int64_t count) {
  const int64_t number = taken_.FindFreeObjectNumbers(settings_.NextKernelObject, count);
  settings_.NextKernelObject = static_cast<int32_t>(number + count);
  return static_cast<int32_t>(number);
}

}  // namespace cfgxlate
