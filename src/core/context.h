// The translation context: everything one translation owns, passed by
// reference to every phase.
#pragma once

#include <string>

#include "core/reader_state.h"
#include "core/reporter.h"
#include "model/model.h"
#include "model/settings.h"
#include "util/console.h"
#include "util/file_system.h"

namespace cfgxlate {

struct TranslationContext {
  TranslationContext(FileSystem& file_system, Console& console_streams, std::string program_name)
      : fs(file_system),
        console(console_streams),
        report(console_streams, std::move(program_name), reader.LineNumber, reader.FileName, settings.Warnings,
               settings.Diagnostics) {}
  TranslationContext(const TranslationContext&) = delete;
  TranslationContext& operator=(const TranslationContext&) = delete;

  FileSystem& fs;
  Console& console;
  ModuleSettings settings;
  ConfigurationModel model;
  ReaderState reader;
  // Reports with the reader's line number; declared after what it reads.
  Reporter report;
  // Path of the integrate file while it is being written; a fatal error
  // removes it.
  std::string IntegrateFileInProgress;
  // The generated files being written, for the crash handler to remove
  // their temporaries. Fixed slots: a signal handler cannot allocate.
  static constexpr int kMaxOpenOutputs = 8;
  const OutputFile* OpenOutputs[kMaxOpenOutputs] = {};
};

}  // namespace cfgxlate
