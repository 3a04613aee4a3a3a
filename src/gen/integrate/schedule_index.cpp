#include "gen/integrate/schedule_index.h"

#include <cctype>

#include "core/diagnostics.h"
#include "reader/attributes.h"

namespace cfgxlate {

namespace {

std::string LowerCase(const std::string& text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Partitions are visited in order, so a repeat can only follow itself.
void AppendOnce(Ordinals& ordinals, size_t ordinal) {
  if (ordinals.empty() || ordinals.back() != ordinal) ordinals.push_back(ordinal);
}

void IndexPartitionWindows(ScheduleIndex& index, size_t ordinal) {
  const PartitionRecord& p = *index.partitions[ordinal];
  WindowsByKey& own = index.windows[ordinal];
  for (const WindowRecord* window : p.Windows) {
    const WindowKey key = KeyOf(window->ScheduleIdentifier, window->SubScheduleIdentifier);
    own[key].push_back(window);
    AppendOnce(index.present[key], ordinal);
    if (window->IsSharedSchedule != 0) AppendOnce(index.sharers[key][window->SharedPartitionIdentifier], ordinal);
  }
  if (!p.Windows.empty() && p.Windows.front()->IsSharedSchedule != 0) {
    index.first_linked_to[p.Windows.front()->SharedPartitionIdentifier].push_back(ordinal);
  }
}

}  // namespace

ScheduleIndex BuildScheduleIndex(TranslationContext& ctx) {
  ScheduleIndex index;
  for (PartitionRecord& p : ctx.model.partitions.Partitions) index.partitions.push_back(&p);
  index.windows.resize(index.partitions.size());
  index.by_partition_index.assign(index.partitions.size() + 1, 0);
  for (size_t ordinal = 0; ordinal < index.partitions.size(); ++ordinal) {
    const PartitionRecord& p = *index.partitions[ordinal];
    if (p.KernelPartition != 0) {
      if (index.kernel == nullptr) {
        index.kernel = &p;
        index.kernel_ordinal = ordinal;
      }
    } else {
      ++index.non_kernel_count;
      const size_t slot = static_cast<size_t>(p.PartitionIndex);
      if (p.PartitionIndex > 0 && slot < index.by_partition_index.size()) index.by_partition_index[slot] = ordinal;
    }
    IndexPartitionWindows(index, ordinal);
  }
  if (index.kernel != nullptr) {
    for (const SemaphoreRecord& semaphore : index.kernel->Semaphores) {
      index.kernel_semaphores.emplace(LowerCase(semaphore.Name), &semaphore);
    }
  }
  for (const WindowRecord* window : ctx.model.schedules.NULLPartition.Windows) {
    index.null_windows[KeyOf(window->ScheduleIdentifier, window->SubScheduleIdentifier)].push_back(window);
  }
  return index;
}

const WindowList& WindowsOf(const ScheduleIndex& index, size_t ordinal, WindowKey key) {
  static const WindowList kNone;
  const WindowsByKey& by_key = index.windows[ordinal];
  const auto found = by_key.find(key);
  return found != by_key.end() ? found->second : kNone;
}

const Ordinals& SharersOf(const ScheduleIndex& index, WindowKey key, const PartitionRecord& p) {
  static const Ordinals kNone;
  const auto in_key = index.sharers.find(key);
  if (in_key == index.sharers.end()) return kNone;
  const auto found = in_key->second.find(p.PartitionIdentifier);
  return found != in_key->second.end() ? found->second : kNone;
}

PartitionScheduleEntry* EntryOf(ModuleScheduleRecord& schedule, const PartitionRecord& p) {
  if (p.KernelPartition != 0) return &schedule.KernelEntry;
  const size_t position = static_cast<size_t>(p.PartitionIndex) - 1;
  if (p.PartitionIndex < 1 || position >= schedule.PartitionEntries.size()) return nullptr;
  return &schedule.PartitionEntries[position];
}

int32_t KernelSemaphoreNumber(TranslationContext& ctx, const ScheduleIndex& index, const std::string& name,
                              const char* message) {
  const auto found = index.kernel_semaphores.find(LowerCase(name));
  if (found == index.kernel_semaphores.end()) FatalError(ctx, message, name.c_str());
  return found->second->ObjectIndex;
}

std::vector<int32_t> ListedCores(TranslationContext& ctx, const std::string& text) {
  std::vector<int32_t> cores;
  const char* item = text.c_str();
  while (item != nullptr) {
    int32_t core = 0;
    item = NextCoreListItem(ctx.report, ctx.settings, item, &core);
    cores.push_back(core);
  }
  return cores;
}

}  // namespace cfgxlate
