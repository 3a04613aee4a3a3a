#include "gen/output_file.h"

#include "core/diagnostics.h"
#include "util/format.h"
#include "util/paths.h"
#include "util/text.h"

namespace cfgxlate {

std::string OutputPath(const TranslationContext& ctx, const std::string& file_name) {
  return JoinOutputPath(ctx.settings.OutputDirectory, file_name);
}

OutputStream::OutputStream(TranslationContext& ctx, std::string path)
    : ctx_(ctx), path_(std::move(path)), file_(ctx.fs.OpenForWriting(path_)) {
  if (file_ == nullptr) FatalError(ctx_, "Unable to open file:", path_.c_str());
  for (int i = 0; i < TranslationContext::kMaxOpenOutputs; ++i) {
    if (ctx_.OpenOutputs[i] == nullptr) {
      ctx_.OpenOutputs[i] = file_.get();
      slot_ = i;
      break;
    }
  }
  text.reserve(kChunk + kChunk / 4);
}

OutputStream::~OutputStream() {
  if (slot_ >= 0) ctx_.OpenOutputs[slot_] = nullptr;
}

void OutputStream::WriteOut() {
  // A file that cannot take its bytes is reported as one that cannot be
  // opened, the one message for an output that cannot be written.
  if (!file_->Write(text.data(), text.size())) FatalError(ctx_, "Unable to open file:", path_.c_str());
  text.clear();
}

void OutputStream::Close() {
  WriteOut();
  if (!file_->Commit()) FatalError(ctx_, "Unable to open file:", path_.c_str());
  if (slot_ >= 0) ctx_.OpenOutputs[slot_] = nullptr;
  slot_ = -1;
}

void Verbose(TranslationContext& ctx, const std::string& text) {
  switch (ctx.settings.Verbose) {
    case VerboseStream::StandardOutput:
      ctx.console.Out(text);
      break;
    case VerboseStream::StandardError:
      ctx.console.Err(text);
      break;
    case VerboseStream::None:
      break;
  }
}

void EmitWord32(const ModuleSettings& settings, TextBuffer& out, uint32_t value) {
  const unsigned b0 = (value >> 24) & 0xFF, b1 = (value >> 16) & 0xFF, b2 = (value >> 8) & 0xFF, b3 = value & 0xFF;
  if (settings.LittleEndian != 0) {
    AppendByteLine(out, b3, b2, b1, b0);
  } else {
    AppendByteLine(out, b0, b1, b2, b3);
  }
}

void EmitWord64(const ModuleSettings& settings, TextBuffer& out, uint64_t value) {
  const uint32_t high = static_cast<uint32_t>(value >> 32), low = static_cast<uint32_t>(value);
  EmitWord32(settings, out, settings.LittleEndian != 0 ? low : high);
  EmitWord32(settings, out, settings.LittleEndian != 0 ? high : low);
}

}  // namespace cfgxlate
