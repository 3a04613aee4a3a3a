#include "hm/hm_binding.h"

#include <algorithm>
#include <cctype>

#include "util/text.h"

namespace cfgxlate {

namespace {

// Partition names never hold blanks (they become "_" when read), so folding
// a blank onto "_" on both sides gives exactly the name-matching rule.
char Folded(char c) { return c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

void AddToNameTrie(HMBindingIndex& index, const std::string& name, size_t position) {
  size_t node = 0;
  for (char c : name) {
    char key = Folded(c);
    auto it = index.NameTrie[node].Children.find(key);
    if (it == index.NameTrie[node].Children.end()) {
      size_t child = index.NameTrie.size();
      index.NameTrie[node].Children.emplace(key, child);
      index.NameTrie.emplace_back();
      node = child;
    } else {
      node = it->second;
    }
  }
  index.NameTrie[node].Partitions.push_back(position);
}

// Partitions are complete once a module-level element follows them, so each
// is entered once, with the name and PartitionHMRef it has for good.
void IndexNewPartitions(TranslationContext& ctx) {
  HMBindingIndex& index = ctx.model.hm.Binding;
  const std::deque<PartitionRecord>& partitions = ctx.model.partitions.Partitions;
  for (; index.PartitionsIndexed < partitions.size(); ++index.PartitionsIndexed) {
    const PartitionRecord& partition = partitions[index.PartitionsIndexed];
    if (partition.HMTableNameGiven) index.ByHMTableName[partition.HMTableName].push_back(index.PartitionsIndexed);
    AddToNameTrie(index, partition.LookupName(), index.PartitionsIndexed);
  }
}

}  // namespace

std::vector<PartitionRecord*> PartitionsReferringTo(TranslationContext& ctx, const std::string& table_name) {
  IndexNewPartitions(ctx);
  const auto& by_name = ctx.model.hm.Binding.ByHMTableName;
  std::vector<size_t> positions;
  for (auto it = by_name.lower_bound(table_name); it != by_name.end() && StartsWith(it->first, table_name); ++it) {
    positions.insert(positions.end(), it->second.begin(), it->second.end());
  }
  std::sort(positions.begin(), positions.end());
  std::vector<PartitionRecord*> result;
  result.reserve(positions.size());
  for (size_t position : positions) result.push_back(&ctx.model.partitions.Partitions[position]);
  return result;
}

PartitionRecord* FirstUnboundPartitionNamed(TranslationContext& ctx, const std::string& table_name) {
  IndexNewPartitions(ctx);
  HMBindingIndex& index = ctx.model.hm.Binding;
  std::deque<PartitionRecord>& partitions = ctx.model.partitions.Partitions;
  PartitionRecord* best = nullptr;
  size_t best_position = 0;
  // Every node on the path spells a name that the table name begins with.
  size_t node = 0;
  for (size_t depth = 0;; ++depth) {
    HMTrieNode& here = index.NameTrie[node];
    // Tables are never unbound, so skipped partitions stay skipped.
    while (here.FirstUnbound < here.Partitions.size() &&
           partitions[here.Partitions[here.FirstUnbound]].HMTable != nullptr) {
      ++here.FirstUnbound;
    }
    if (here.FirstUnbound < here.Partitions.size()) {
      size_t position = here.Partitions[here.FirstUnbound];
      if (best == nullptr || position < best_position) {
        best = &partitions[position];
        best_position = position;
      }
    }
    if (depth == table_name.size()) break;
    auto it = here.Children.find(Folded(table_name[depth]));
    if (it == here.Children.end()) break;
    node = it->second;
  }
  return best;
}

}  // namespace cfgxlate
