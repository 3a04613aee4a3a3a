// The translation context: everything one translation owns, passed by
// reference to every phase.
#pragma once

#include <string>

#include "model/model.h"
#include "model/settings.h"
#include "reader/reader_state.h"
#include "util/console.h"
#include "util/file_system.h"

namespace cfgxlate {

struct TranslationContext {
  TranslationContext(FileSystem& file_system, Console& console_streams, std::string program_name)
      : fs(file_system), console(console_streams), ProgramName(std::move(program_name)) {}
  TranslationContext(const TranslationContext&) = delete;
  TranslationContext& operator=(const TranslationContext&) = delete;

  FileSystem& fs;
  Console& console;
  std::string ProgramName;
  ModuleSettings settings;
  ConfigurationModel model;
  ReaderState reader;
  // Path of the integrate file while it is being written; a fatal error
  // removes it.
  std::string IntegrateFileInProgress;
};

}  // namespace cfgxlate
