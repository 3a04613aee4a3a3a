#include "reader/tag_reader.h"

#include <cstring>

#include "core/diagnostics.h"
#include "reader/attributes.h"
#include "reader/vocabulary.h"
#include "util/text.h"

namespace cfgxlate {

namespace {

constexpr int kEnd = InputFile::kEndOfFile;
constexpr size_t kCommentBodyLimit = 3997;
constexpr size_t kOverlongShown = 4000;

int GetChar(ReaderState& r) {
  int c = r.File->Get();
  if (c == '\n') ++r.LineNumber;
  return c;
}

[[noreturn]] void InvalidComment(TranslationContext& ctx, const std::string& shown) {
  FatalError(ctx, "Invalid comment line:", shown.c_str());
}

// Reads a comment after "<!"; the tag has been discarded when this returns.
void SkipComment(TranslationContext& ctx) {
  ReaderState& r = ctx.reader;
  std::string stored = "<";
  for (int k = 0; k < 2; ++k) {
    int c = GetChar(r);
    if (c == kEnd) InvalidComment(ctx, stored);
    stored += static_cast<char>(c);
  }
  if (stored != "<--") InvalidComment(ctx, stored);
  // Only the start of the body is kept for the message; one character more
  // tells whether "..." is due.
  std::string body;
  size_t length = 0;
  int previous = 0;
  for (;;) {
    int c = GetChar(r);
    if (c == kEnd) break;
    if (c == '\r' || c == '\n') continue;
    if (previous == '-' && c == '-') {
      --length;  // the first "-" belongs to the terminator
      break;
    }
    previous = c;
    if (body.size() <= kCommentBodyLimit) body += static_cast<char>(c);
    ++length;
  }
  stored += body.substr(0, std::min(length, kCommentBodyLimit));
  if (length > kCommentBodyLimit) stored += "...";
  int after = GetChar(r);
  if (after != '>') {
    std::string shown = stored + "--";
    if (after != kEnd) shown += static_cast<char>(after);
    InvalidComment(ctx, shown);
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Takes the blanks before a tag, counting lines; returns the byte after
// them (taken too), or kEnd.
int SkipBlanks(ReaderState& r) {
  for (;;) {
    std::string_view pending = r.File->Pending();
    if (pending.empty()) return kEnd;
    size_t i = 0;
    while (i < pending.size() && IsBlank(pending[i])) {
      if (pending[i] == '\n') ++r.LineNumber;
      ++i;
    }
    if (i < pending.size()) {
      r.File->Skip(i + 1);
      return static_cast<unsigned char>(pending[i]);
    }
    r.File->Skip(i);
  }
}

// Copies tag text, counting lines; line ends and tabs become spaces.
size_t CopyTagText(ReaderState& r, char* to, const char* from, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const char c = from[i];
    if (c == '\n') ++r.LineNumber;
    to[i] = (c == '\n' || c == '\t' || c == '\r') ? ' ' : c;
  }
  return count;
}

// Gives a tag line to the element handlers.
bool HandOut(TranslationContext& ctx, const char* tag, TagLine& tag_line) {
  tag_line.assign(tag);
  CheckTagVocabulary(ctx, tag_line.c_str());
  return true;
}

void RecordOpenedFile(ReaderState& r, const std::string& name) {
  if (r.OpenedFileSet.insert(name).second) r.OpenedFiles.push_back(name);
}

}  // namespace

void StartReader(TranslationContext& ctx, std::unique_ptr<InputFile> file, const std::string& file_name) {
  ReaderState& r = ctx.reader;
  r.File = std::move(file);
  r.FileName = file_name;
  RecordOpenedFile(r, file_name);
  r.LineNumber = 1;
  r.AtEndOfFile = false;
  r.Started = true;
}

void ReadTag(TranslationContext& ctx) {
  ReaderState& r = ctx.reader;
  for (;;) {
    int c = SkipBlanks(r);
    if (c == kEnd) {
      r.TagBuffer[0] = '\0';
      r.AtEndOfFile = true;
      return;
    }
    if (c != '<') FatalError(ctx, "Tag line does not begin with '<'");
    std::string_view pending = r.File->Pending();
    if (!pending.empty() && pending[0] == '!') {
      r.File->Skip(1);
      SkipComment(ctx);
      continue;
    }
    // The tag gathers in a local buffer of the 5000 characters allowed; the
    // tag buffer keeps the last complete tag for the crash handler meanwhile.
    char tag[TagBufferSize + 1];
    size_t length = 0;
    tag[length++] = '<';
    for (;; pending = r.File->Pending()) {
      if (pending.empty()) {
        // A tag cut off by the end of the file is dropped.
        r.TagBuffer[0] = '\0';
        r.AtEndOfFile = true;
        return;
      }
      const char* close = static_cast<const char*>(std::memchr(pending.data(), '>', pending.size()));
      const size_t take = close != nullptr ? static_cast<size_t>(close - pending.data()) + 1 : pending.size();
      const size_t room = static_cast<size_t>(TagBufferSize) - length;
      if (take > room) {
        // The character after the last that fits is read, and its line
        // counted, before the tag is refused.
        length += CopyTagText(r, tag + length, pending.data(), room);
        if (pending[room] == '\n') ++r.LineNumber;
        std::string shown = std::string(tag, kOverlongShown) + "...";
        FatalError(ctx, "Invalid xml tag line or line too long(5000 character limit):", shown.c_str());
      }
      length += CopyTagText(r, tag + length, pending.data(), take);
      r.File->Skip(take);
      if (close != nullptr) {
        std::memcpy(r.TagBuffer, tag, length);
        r.TagBuffer[length] = '\0';
        return;
      }
    }
  }
}

void OpenInclude(TranslationContext& ctx, const std::string& name) {
  ReaderState& r = ctx.reader;
  // A file that cannot be opened is reported from the including file.
  std::unique_ptr<InputFile> file = ctx.fs.OpenForReading(name);
  if (file == nullptr) FatalError(ctx, "Unable to open include file:", name.c_str());
  IncludeFrame frame;
  frame.File = std::move(r.File);
  frame.FileName = std::move(r.FileName);
  frame.LineNumber = r.LineNumber;
  frame.InIncludedPartitions = r.InIncludedPartitions;
  frame.InIncludedXML = r.InIncludedXML;
  r.IncludeStack.push_back(std::move(frame));
  r.FileName = name;
  r.File = std::move(file);
  RecordOpenedFile(r, name);
  r.LineNumber = 1;
  r.AtEndOfFile = false;
}

bool CloseInclude(TranslationContext& ctx) {
  ReaderState& r = ctx.reader;
  if (r.IncludeStack.empty()) return false;
  r.File->Close();
  IncludeFrame& frame = r.IncludeStack.back();
  r.File = std::move(frame.File);
  r.FileName = std::move(frame.FileName);
  r.LineNumber = frame.LineNumber;
  r.InIncludedPartitions = frame.InIncludedPartitions;
  r.InIncludedXML = frame.InIncludedXML;
  r.IncludeStack.pop_back();
  r.AtEndOfFile = false;
  return true;
}

bool NextTagLine(TranslationContext& ctx, TagLine& tag_line) {
  ReaderState& r = ctx.reader;
  bool after_xi_include = false;
  for (;;) {
    ReadTag(ctx);
    const char* tag = r.TagBuffer;
    if (r.AtEndOfFile) {
      if (CloseInclude(ctx)) continue;
      return false;
    }
    // Most tags are none of the reader's own: those begin "<I" or come
    // inside an include block or just after an xi:include.
    const bool plain = tag[1] != 'I' && !after_xi_include && !r.InIncludedPartitions && !r.InIncludedXML;
    if (plain) return HandOut(ctx, tag, tag_line);
    bool skip_declaration = after_xi_include && StartsWith(tag, "<?xml");
    after_xi_include = false;
    if (skip_declaration) continue;
    if (StartsWith(tag, "<Include ")) {
      const char* name = FindAttribute(ctx.report, tag, "FileName");
      if (name == nullptr) FatalError(ctx, "No FileName specified in include:", tag);
      OpenInclude(ctx, AttributeText(name));
      continue;
    }
    if ((r.InIncludedPartitions || r.InIncludedXML) && StartsWith(tag, "<xi:include ")) {
      const char* name = FindAttribute(ctx.report, tag, "href");
      if (name == nullptr) FatalError(ctx, "No FileName specified in xi:include:", tag);
      OpenInclude(ctx, AttributeText(name));
      r.InIncludedPartitions = false;
      r.InIncludedXML = false;
      after_xi_include = true;
      continue;
    }
    if (StartsWith(tag, "<IncludedPartitions")) {
      r.InIncludedPartitions = true;
      continue;
    }
    if (StartsWith(tag, "<IncludedXML")) {
      r.InIncludedXML = true;
      continue;
    }
    if (r.InIncludedPartitions && StartsWith(tag, "</IncludedPartitions")) {
      r.InIncludedPartitions = false;
      continue;
    }
    if (r.InIncludedXML && StartsWith(tag, "</IncludedXML")) {
      r.InIncludedXML = false;
      continue;
    }
    if (r.InIncludedPartitions) {
      FatalError(ctx, "Invalid line detected in an IncludedPartitions specifications:", tag);
    }
    if (r.InIncludedXML) FatalError(ctx, "Invalid line detected in an IncludedXML specifications:", tag);
    return HandOut(ctx, tag, tag_line);
  }
}

void CloseReader(TranslationContext& ctx) {
  ReaderState& r = ctx.reader;
  while (!r.IncludeStack.empty()) CloseInclude(ctx);
  if (r.File != nullptr && !r.File->Close()) {
    EmitMessageLines(ctx.report, MessageLine(ctx.report, "fatal", "Error closing " + r.FileName + ": " + "I/O error"));
  }
}

}  // namespace cfgxlate
