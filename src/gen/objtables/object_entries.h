// The entries of a partition's object table: one per listed object, written
// in name order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

// Object kinds as the run-time layer knows them.
enum ObjectKind : int32_t {
  kKindProcess = 0,
  kKindSamplingPlain = 1,
  kKindSamplingSharedMemory = 2,
  kKindSamplingProcedure = 3,
  kKindQueuingPlain = 4,
  kKindQueuingProcedure = 5,
  kKindMemoryRegion = 6,
  kKindIODevice = 7,
  kKindSemaphore = 8,
  kKindLink = 9,
  kKindClock = 10,
  kKindConnection = 11,
  kKindMemoryBlock = 12,
  kKindPartitionHMLink = 13,
  kKindTask = 14,
  kKindQueuingSharedMemory = 15
};

struct ObjectEntry {
  int32_t ObjectIndex = 0;
  int32_t UserWord = 0;
  std::string Name;  // lower case
  int8_t ValueByte = 0;  // signed: printed from -128 to 127
  int32_t Kind = 0;
  int32_t Direction = 0;
  int32_t Discipline = 0;
  int64_t Value64 = 0;
};

// Table layout shared by the writers and the section size.
constexpr int kTableHeaderBytes = 32;
constexpr int kRecoveryActionBytes = 32;
constexpr int kCountBytes = 4;
int ObjectEntryBytes(const ModuleSettings& settings);
int EntryNameBytes(const ModuleSettings& settings);

// Refuses an over-long name and builds the entry with the name lower-cased.
ObjectEntry MakeObjectEntry(TranslationContext& ctx, const std::string& name, int32_t kind);

uint8_t EntryFlagByte(const ModuleSettings& settings, const ObjectEntry& entry);

// The low eight bits of a value as the signed byte the entry holds (200
// becomes -56).
inline int8_t SignedLowByte(uint32_t value) {
  const int low = static_cast<int>(value & 0xFF);
  return static_cast<int8_t>(low < 128 ? low : low - 256);
}

// Puts entries collected in insertion order into table order: the order that
// inserting them one at a time into a sorted list gives, where an entry goes
// in front of the list when smaller than its first entry, and otherwise
// right after the last entry smaller than it (so right after the first entry
// when equal to it).
void OrderObjectEntries(std::vector<ObjectEntry>& entries);

// The entry count, the entries in table order, then the partition's module
// schedule table.
void WritePartitionObjectList(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition,
                              std::vector<ObjectEntry>& entries);

}  // namespace cfgxlate
