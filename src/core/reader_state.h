// State of the tag-line reader.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
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
};

}  // namespace cfgxlate
