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
  // Every file opened for reading (the XML file, then includes), each once,
  // in the order first opened: what the outputs depend on.
  std::vector<std::string> OpenedFiles;
  std::unordered_set<std::string> OpenedFileSet;
};

}  // namespace cfgxlate
