#include "gen/side/client_table.h"

#include <array>
#include <string>

#include "core/diagnostics.h"
#include "gen/output_file.h"
#include "util/format.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

constexpr size_t kEntries = kFileSystemDisks * kFileSystemVolumes;
constexpr uint8_t kReadWrite = 2;

const char* AccessName(uint8_t access) {
  switch (access) {
    case 0:
      return "RADU_VOL_ACCESS_NONE";
    case 1:
      return "RADU_VOL_ACCESS_READ_ONLY";
    default:
      return "RADU_VOL_ACCESS_READ_WRITE";
  }
}

// Per disk/volume entry, the first two partitions (definition order) with
// read-write access: enough to name the other writer of any entry without
// comparing every pair of partitions.
struct Writers {
  const PartitionRecord* first = nullptr;
  const PartitionRecord* second = nullptr;
};

std::array<Writers, kEntries> FindWriters(const std::deque<PartitionRecord>& partitions) {
  std::array<Writers, kEntries> writers{};
  for (const PartitionRecord& p : partitions) {
    if (p.FileSystemPermissions == nullptr) continue;
    for (size_t e = 0; e < kEntries; ++e) {
      if ((*p.FileSystemPermissions)[e] != kReadWrite) continue;
      if (writers[e].first == nullptr) {
        writers[e].first = &p;
      } else if (writers[e].second == nullptr) {
        writers[e].second = &p;
      }
    }
  }
  return writers;
}

}  // namespace

void WriteClientTable(TranslationContext& ctx) {
  OutputStream file(ctx, OutputPath(ctx, "client_table.s"));
  TextBuffer& out = file.text;
  const std::array<Writers, kEntries> writers = FindWriters(ctx.model.partitions.Partitions);
  out += "\t.set\tRADU_VOL_ACCESS_NONE, 0\n";
  out += "\t.set\tRADU_VOL_ACCESS_READ_ONLY, 1\n";
  out += "\t.set\tRADU_VOL_ACCESS_READ_WRITE, 2\n";
  out += "\t.section\t\".rodata\",\"a\"\n";
  out += "\t.balign\t4\n";
  out += "\t.globl\tARINC653ClientPermissionsTable\n";
  out += "ARINC653ClientPermissionsTable:\n";
  int client = 0;
  for (const PartitionRecord& p : ctx.model.partitions.Partitions) {
    if (p.FileSystemPermissions == nullptr) continue;
    APPEND_FORMAT(out, "#\tClient Index = %d\n", client++);
    APPEND_FORMAT(out, "#\tPartition \"%s\"\n", p.PartitionName.c_str());
    APPEND_FORMAT(out, "#\tPartition Identifier = %d\n", p.PartitionIdentifier);
    for (int disk = 0; disk < kFileSystemDisks; ++disk) {
      for (int volume = 0; volume < kFileSystemVolumes; ++volume) {
        const size_t e = static_cast<size_t>(disk * kFileSystemVolumes + volume);
        const uint8_t access = (*p.FileSystemPermissions)[e];
        if (access == kReadWrite) {
          // p is one of the writers; the other is the first writer that is not p.
          const PartitionRecord* other = writers[e].first != &p ? writers[e].first : writers[e].second;
          if (other != nullptr) {
            const std::string detail = Format("Partitions %s and %s, disk %d, volume %d", p.LookupName().c_str(),
                                              other->LookupName().c_str(), disk, volume);
            FatalError(ctx, "Multiple partitions have write access to the same disk/volume:", detail.c_str());
          }
        }
        APPEND_FORMAT(out, "#\tDisk %d, Volume %d: %s\n", disk, volume, AccessName(access));
        APPEND_FORMAT(out, "\t.byte\t%s\n", AccessName(access));
      }
    }
  }
  file.Close();
}

}  // namespace cfgxlate
