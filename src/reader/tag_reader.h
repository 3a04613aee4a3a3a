// The tag-line reader: yields one XML tag at a time, skipping comments and
// following include requests, and keeps the line number for diagnostics.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

using TagLine = std::string;

// Starts reading the main file (already opened by the caller).
void StartReader(TranslationContext& ctx, std::unique_ptr<InputFile> file, const std::string& file_name);

// Reads the next tag of the current file into the tag buffer; at the end of
// the file the buffer is left empty and AtEndOfFile is set.
void ReadTag(TranslationContext& ctx);

// The next tag line for the element handlers; false when the main file is
// exhausted. Include tags and include blocks never reach the caller.
bool NextTagLine(TranslationContext& ctx, TagLine& tag_line);

// Suspends the current file and continues in the named one.
void OpenInclude(TranslationContext& ctx, const std::string& name);

// Resumes the including file; false when no include is active.
bool CloseInclude(TranslationContext& ctx);

// Closes the main file once reading is done.
void CloseReader(TranslationContext& ctx);

}  // namespace cfgxlate
