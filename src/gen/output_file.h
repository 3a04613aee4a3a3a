// Writing generated files and the verbose dump.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/context.h"
#include "util/text_buffer.h"

namespace cfgxlate {

// The path of a generated file: in the output directory when one is given.
std::string OutputPath(const TranslationContext& ctx, const std::string& file_name);

// A generated file from where the run opens it until it is complete. Lines
// gather in `text`, which Flush hands to the file once enough has gathered,
// so no output is ever held whole; Close moves the complete file into place.
// Destroyed before Close (a fatal error unwinding), it removes its temporary.
class OutputStream {
 public:
  // Opens the file at `path`; "Unable to open file:" with the path when it
  // cannot be written.
  OutputStream(TranslationContext& ctx, std::string path);
  ~OutputStream();
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  TextBuffer text;
  void Flush() {
    if (text.size() >= kChunk) WriteOut();
  }
  void Close();

 private:
  static constexpr size_t kChunk = 256 * 1024;
  void WriteOut();
  TranslationContext& ctx_;
  std::string path_;
  std::unique_ptr<OutputFile> file_;
  int slot_ = -1;
};

// Text of the verbose dump (-e to standard output, -e2 to standard error),
// written at once so that it keeps its place among warnings.
void Verbose(TranslationContext& ctx, const std::string& text);
// Whether a verbose dump is wanted: its text is only made when it is.
inline bool VerboseWanted(const TranslationContext& ctx) { return ctx.settings.Verbose != VerboseStream::None; }

// A 32-bit value as one ".byte" line, most significant byte first, or least
// significant first with -i.
void EmitWord32(const ModuleSettings& settings, TextBuffer& out, uint32_t value);
// A 64-bit value as two such lines, in the same byte order.
void EmitWord64(const ModuleSettings& settings, TextBuffer& out, uint64_t value);

}  // namespace cfgxlate
