// Shared helpers of the unit tests: whole runs on in-memory files, expected
// diagnostic lines, and a context for calling reader functions directly.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/context.h"
#include "core/diagnostics.h"
#include "driver/translator.h"
#include "reader/tag_reader.h"

namespace cfgxlate::test {

struct RunResult {
  int status = -1;
  std::string err;
};

// Runs "cfgxlate args..." on the files of fs. (Not named Run: inside a TEST
// body that name is hidden by testing::Test::Run.)
inline RunResult RunCommand(MemoryFileSystem& fs, const std::vector<std::string>& args) {
  std::vector<const char*> argv{"cfgxlate"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  BufferConsole console;
  RunResult result;
  result.status = RunTranslator(static_cast<int>(argv.size()), argv.data(), fs, console);
  result.err = console.err;
  return result;
}

// Runs with `xml` as config.xml, named after the options.
inline RunResult RunXml(const std::string& xml, std::vector<std::string> options = {}) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = xml;
  options.push_back("config.xml");
  return RunCommand(fs, options);
}

// A run with `xml` as config.xml and -m in front of the options, with the
// integrate file it left behind.
struct IntRun {
  RunResult run;
  std::string text;  // the integrate file, empty when none was left
  bool written = false;
};

// Runs "-m OPTIONS config.xml" and reads back the named output.
inline IntRun TranslateFor(const std::string& output, const std::string& xml, std::vector<std::string> options) {
  MemoryFileSystem fs;
  fs.files["config.xml"] = xml;
  options.insert(options.begin(), "-m");
  options.push_back("config.xml");
  IntRun result;
  result.run = RunCommand(fs, options);
  result.written = fs.files.count(output) != 0;
  if (result.written) result.text = fs.files[output];
  return result;
}

inline IntRun Translate(const std::string& xml, std::vector<std::string> options = {}) {
  return TranslateFor("config.int", xml, std::move(options));
}

inline std::string ErrorLine(const std::string& text) { return "cfgxlate: error: " + text + "\n"; }
inline std::string WarningLine(const std::string& text) { return "cfgxlate: warning: " + text + "\n"; }

// The end-of-module checks, reported on the line reached at the end of input.
inline std::string NoModuleHMTable(int line) {
  return ErrorLine("Line " + std::to_string(line) + " - ModuleHMTable not specified.");
}
inline std::string NoInitialSchedule(int line) {
  return ErrorLine("Line " + std::to_string(line) +
                   " - No Module_Schedule found with InitialModuleSchedule value of true");
}

struct TestContext {
  MemoryFileSystem fs;
  BufferConsole console;
  TranslationContext ctx{fs, console, "cfgxlate"};
};

// The lines of the fatal error that `action` must end in.
template <typename Action>
std::string FatalLines(Action&& action) {
  try {
    action();
  } catch (const FatalExit& fatal) {
    return fatal.lines;
  }
  ADD_FAILURE() << "expected a fatal error";
  return "";
}

// Text with each run of more than 8 equal characters shown as "c{N}", so
// that comparisons of very long lines stay readable.
inline std::string Runs(const std::string& text) {
  std::string shown;
  for (size_t i = 0, end; i < text.size(); i = end) {
    end = std::min(text.find_first_not_of(text[i], i), text.size());
    shown += end - i > 8 ? text[i] + ("{" + std::to_string(end - i) + "}") : text.substr(i, end - i);
  }
  return shown;
}

// Every tag line of the named file with the line number it was returned on.
using TagsRead = std::vector<std::pair<int, std::string>>;
inline TagsRead ReadAllTags(TestContext& t, const std::string& name) {
  StartReader(t.ctx, t.fs.OpenForReading(name), name);
  TagsRead tags;
  TagLine tag;
  while (NextTagLine(t.ctx, tag)) tags.emplace_back(t.ctx.reader.LineNumber, tag);
  return tags;
}

}  // namespace cfgxlate::test
