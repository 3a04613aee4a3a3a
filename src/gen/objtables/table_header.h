// The partition description at the start of every object table: the 32-byte
// header and the 32 recovery-action bytes.
#pragma once

#include <cstdint>
#include <string>

#include "util/text_buffer.h"
#include "core/context.h"

namespace cfgxlate {

// Byte 1: whether the partition has a release point; a partition whose first
// window is a shared-schedule link has that of the partition it shares with.
int ReleasePointByte(TranslationContext& ctx, const PartitionRecord& partition);

// Byte 3: HM table present, affinity permission, default affinity, -32.
uint8_t PartitionFlagByte(const ModuleSettings& settings, const PartitionRecord& partition);

const char* LockingDisciplineName(int32_t discipline);
const char* AffinityPermissionName(int32_t permission);

// Bytes 4-7.
uint32_t TaskObjectsWord(const PartitionRecord& partition);

// Bytes 0 to 3 with their comments; with -z a non-kernel partition's first
// byte goes into the start section and the table proper begins after it.
void WriteHeaderBytes(TranslationContext& ctx, TextBuffer& out, const PartitionRecord& partition);

// Bytes 4 to 31 with their comments.
void WriteHeaderWords(const ModuleSettings& settings, TextBuffer& out, const PartitionRecord& partition);

// The partition HM table's actions without the PROCESS-level bit, or zeros.
void WriteRecoveryActions(TextBuffer& out, const PartitionRecord& partition);

}  // namespace cfgxlate
