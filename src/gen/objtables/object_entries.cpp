#include "gen/objtables/object_entries.h"

#include <algorithm>
#include <numeric>

#include "gen/objtables/module_schedule_table.h"
#include "gen/output_file.h"
#include "reader/attributes.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

int EntryNameBytes(const ModuleSettings& settings) { return settings.NameLength32 != 0 ? 32 : 30; }

// Name, two padding bytes with 32-byte names, flag and value bytes, then
// ObjectIndex, UserWord and the 64-bit value.
int ObjectEntryBytes(const ModuleSettings& settings) { return settings.NameLength32 != 0 ? 52 : 48; }

ObjectEntry MakeObjectEntry(TranslationContext& ctx, const std::string& name, int32_t kind) {
  CheckObjectNameLength(ctx.report, ctx.settings, name);
  ObjectEntry entry;
  entry.Name = name;
  for (char& c : entry.Name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  entry.Kind = kind;
  return entry;
}

uint8_t EntryFlagByte(const ModuleSettings& settings, const ObjectEntry& entry) {
  unsigned flags = static_cast<unsigned>(entry.Kind) & 0x0F;
  const bool passive_kind = entry.Kind == kKindSamplingPlain || entry.Kind == kKindQueuingPlain;
  if (settings.DestinationPortsPassive != 0 && passive_kind && entry.Direction == 1) flags |= 0x20;
  if (entry.Discipline == 1) flags |= 0x40;
  if (entry.Direction == 1) flags |= 0x80;
  return static_cast<uint8_t>(flags);
}

// Inserting one at a time keeps the list sorted by name, so only the order
// among equal names needs working out. Each new entry goes to the front of
// its group of equal names, except while its name is the smallest inserted
// so far: then it goes right behind the group's first entry. Once a smaller
// name has arrived that never changes again. A group therefore reads: the
// later arrivals newest first, then the group's first entry, then the early
// arrivals (those that came while the name was the smallest) newest first.
void OrderObjectEntries(std::vector<ObjectEntry>& entries) {
  const size_t count = entries.size();
  std::vector<bool> early(count, false);
  const std::string* smallest = nullptr;
  for (size_t i = 0; i < count; ++i) {
    if (smallest != nullptr && *smallest == entries[i].Name) early[i] = true;
    if (smallest == nullptr || entries[i].Name < *smallest) smallest = &entries[i].Name;
  }

  std::vector<size_t> by_name(count);
  std::iota(by_name.begin(), by_name.end(), size_t{0});
  std::stable_sort(by_name.begin(), by_name.end(),
                   [&entries](size_t a, size_t b) { return entries[a].Name < entries[b].Name; });

  std::vector<size_t> order;
  order.reserve(count);
  std::vector<size_t> early_ones;
  for (size_t group = 0; group < count;) {
    size_t end = group + 1;
    while (end < count && entries[by_name[end]].Name == entries[by_name[group]].Name) ++end;
    early_ones.clear();
    // Late arrivals, newest first.
    for (size_t k = end; k-- > group + 1;) {
      if (early[by_name[k]]) {
        early_ones.push_back(by_name[k]);
      } else {
        order.push_back(by_name[k]);
      }
    }
    order.push_back(by_name[group]);
    order.insert(order.end(), early_ones.begin(), early_ones.end());  // already newest first
    group = end;
  }

  std::vector<ObjectEntry> ordered;
  ordered.reserve(count);
  for (size_t index : order) ordered.push_back(std::move(entries[index]));
  entries = std::move(ordered);
}

namespace {

void WriteEntry(const ModuleSettings& settings, TextBuffer& out, const ObjectEntry& entry) {
  out += "#\t";
  out += entry.Name.c_str();  // as "%s": up to a NUL byte
  // The name's character codes, four to a line; the flag and value bytes end
  // the last group ("\t.byte\t0,0,flags,value" with 32-character names).
  const int name_bytes = EntryNameBytes(settings);
  for (int i = 0; i < name_bytes; ++i) {
    const unsigned code = i < static_cast<int>(entry.Name.size()) ? static_cast<unsigned char>(entry.Name[i]) : 0;
    out += i % 4 == 0 ? "\n\t.byte\t" : ",";
    AppendUnsigned(out, code);
  }
  const uint8_t flags = EntryFlagByte(settings, entry);
  out += settings.NameLength32 != 0 ? "\n\t.byte\t0,0," : ",";
  AppendDecimal(out, flags);
  out += ',';
  AppendDecimal(out, entry.ValueByte);
  out += '\n';
  EmitWord32(settings, out, static_cast<uint32_t>(entry.ObjectIndex));
  EmitWord32(settings, out, static_cast<uint32_t>(entry.UserWord));
  EmitWord64(settings, out, static_cast<uint64_t>(entry.Value64));
}

}  // namespace

void WritePartitionObjectList(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition,
                              std::vector<ObjectEntry>& entries) {
  OrderObjectEntries(entries);
  APPEND_FORMAT(out, "#\tNumber of Objects = %d\n", static_cast<int>(entries.size()));
  EmitWord32(ctx.settings, out, static_cast<uint32_t>(entries.size()));
  for (const ObjectEntry& entry : entries) WriteEntry(ctx.settings, out, entry);
  entries.clear();
  WriteModuleScheduleTable(ctx, out, partition);
}

}  // namespace cfgxlate
