// Health-monitoring records of the configuration model: the module table,
// the multi-partition tables and the partition tables that partitions point
// to through PartitionRecord::HMTable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace cfgxlate {

constexpr int ErrorIdentifierCount = 32;  // error identifiers 0..31
constexpr int StateCount = 3;             // module states 0..2

// Module and multi-partition recovery actions.
constexpr uint8_t kModuleActionReset = 0;
constexpr uint8_t kModuleActionShutdown = 1;
constexpr uint8_t kModuleActionIgnore = 2;
constexpr uint8_t kModuleActionNotSpecified = 3;  // module table only
constexpr uint8_t kMultiActionPartition = 3;      // multi-partition table only: passed to the partition

// Partition table bytes: the PROCESS-level bit plus a recovery action.
constexpr uint8_t kPartitionLevelProcess = 8;
constexpr uint8_t kPartitionActionNone = 0;
constexpr uint8_t kPartitionActionIdle = 1;
constexpr uint8_t kPartitionActionWarmStart = 2;
constexpr uint8_t kPartitionActionColdStart = 3;
constexpr uint8_t kPartitionActionIgnore = 4;

struct ModuleHMTableRecord {
  // Row = module state, column = error identifier.
  uint8_t Actions[StateCount][ErrorIdentifierCount] = {};
  std::string ModuleCallback;
  bool ModuleCallbackGiven = false;
};

struct MultiPartitionHMTableRecord {
  std::string TableName;
  int32_t TableIdentifier = -1;  // -1: not given
  uint8_t Actions[ErrorIdentifierCount] = {};
};

// Shared by every partition bound to it; it keeps no name.
struct PartitionHMTableRecord {
  uint8_t Actions[ErrorIdentifierCount] = {};
  // Bound to the kernel partition: only IGNORE may be configured.
  bool KernelMark = false;
};

// Indexes over the partitions for binding partition tables, so that each
// table costs about the number of partitions it binds, not all partitions.
// Partitions are entered by their position in the partition list, once each,
// when the first table after them is read (a partition is complete by then).
struct HMTrieNode {
  std::map<char, size_t> Children;  // character -> node position
  std::vector<size_t> Partitions;   // whose whole name ends here, in definition order
  size_t FirstUnbound = 0;          // bound partitions before it are skipped for good
};

struct HMBindingIndex {
  size_t PartitionsIndexed = 0;
  // Exact PartitionHMRef TableName -> partitions in definition order.
  std::map<std::string, std::vector<size_t>> ByHMTableName;
  // Trie of partition names, lower case with blanks as "_"; node 0 is the
  // root (the empty name).
  std::vector<HMTrieNode> NameTrie{1};
};

struct HMModel {
  std::unique_ptr<ModuleHMTableRecord> ModuleHMTable;  // null until the first ModuleHMTable element
  std::deque<MultiPartitionHMTableRecord> MultiPartitionHMTables;  // input order
  // Position in MultiPartitionHMTables of the first table of each name.
  std::unordered_map<std::string, size_t> MultiPartitionHMTablePositions;
  std::deque<PartitionHMTableRecord> PartitionHMTables;  // input order
  HMBindingIndex Binding;
};

}  // namespace cfgxlate
