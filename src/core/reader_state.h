// State of the tag-line reader.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "util/file_system.h"

namespace cfgxlate {

constexpr int TagBufferSize = 5000;

// Where the attributes of the tag line last handed out are, found in one
// pass when it is handed out, so that looking up an attribute does not
// rescan the line.
struct AttributeIndex {
  static constexpr int kCapacity = 64;
  struct Entry {
    uint16_t Name;  // offsets into the line
    uint16_t NameLength;
    uint16_t Value;
  };
  // The line described (the handler's copy), and the reader's own copy it
  // must still equal. Line is nullptr when the index describes nothing.
  const char* Line = nullptr;
  const char* Text = nullptr;
  Entry Entries[kCapacity];
  int Count = 0;
  // A malformed attribute follows the last entry: a lookup that finds
  // nothing is refused, as a scan of the whole line would be.
  bool Malformed = false;
};

// A suspended including file.
struct IncludeFrame {
  std::unique_ptr<InputFile> File;
  std::string FileName;
  int32_t LineNumber = 1;
  bool InIncludedPartitions = false;
  bool InIncludedXML = false;
};

struct ReaderState {
  std::unique_ptr<InputFile> File;  // null before the reader starts
  std::string FileName;
  int32_t LineNumber = 1;
  bool AtEndOfFile = false;
  std::vector<IncludeFrame> IncludeStack;  // newest last
  bool InIncludedPartitions = false;
  bool InIncludedXML = false;
  // The last tag read, NUL-terminated. A fixed array so that the crash
  // handler can print it without allocating.
  char TagBuffer[TagBufferSize + 8] = {0};
  bool Started = false;
  AttributeIndex Attributes;
  // Every file opened for reading (the XML file, then includes), each once,
  // in the order first opened: what the outputs depend on.
  std::vector<std::string> OpenedFiles;
  std::unordered_set<std::string> OpenedFileSet;
};

}  // namespace cfgxlate
