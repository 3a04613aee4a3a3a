// Error and warning reporting. Every line goes to standard error as
// "<program>: <severity>: <text>". A fatal error throws FatalExit carrying
// its formatted lines; the driver prints them and ends the run with status 1.
//
// The Reporter is all a message needs: the console, the program name, the
// current input line and the warning switch. Code that only reads and
// reports (attribute scanning, value parsing) takes it instead of the
// whole translation context.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/settings.h"
#include "util/console.h"

namespace cfgxlate {

struct FatalExit {
  std::string lines;
};

class Reporter {
 public:
  // The line number and the warning switch are owned elsewhere (by the
  // reader and the settings) and read at the moment of each report.
  Reporter(Console& console, std::string program_name, const int32_t& line_number, const std::string& file_name,
           const int32_t& warnings, const DiagnosticsLayout& layout)
      : console(console),
        ProgramName(std::move(program_name)),
        LineNumber(line_number),
        FileName(file_name),
        Warnings(warnings),
        Layout(layout) {}
  Reporter(const Reporter&) = delete;
  Reporter& operator=(const Reporter&) = delete;

  Console& console;
  const std::string ProgramName;
  const int32_t& LineNumber;
  // The input file being read, as opened; empty before reading starts. After
  // reading it stays the XML file given.
  const std::string& FileName;
  const int32_t& Warnings;  // 0 with -w
  const DiagnosticsLayout& Layout;
};

// "<program>: <severity>: <text>\n" (no newline added when text ends in one).
std::string MessageLine(const Reporter& report, const char* severity, std::string_view text);

// Writes lines to standard error after flushing standard output.
void EmitMessageLines(Reporter& report, const std::string& lines);

// "Line %d - <message>", then each present detail on a line of its own.
// With --diagnostics=gnu, once an input file is being read:
// "<file>:<line>: <severity>: <message>", each detail as
// "<file>:<line>: note: <detail>".
[[noreturn]] void FatalError(Reporter& report, std::string_view message, const char* detail1 = nullptr,
                             const char* detail2 = nullptr);
void Warning(Reporter& report, std::string_view message, const char* detail1 = nullptr,
             const char* detail2 = nullptr);

// "Line %d - <message>: <attribute>" (or without ": <attribute>" when there is
// none), then the tag line. The warning is not silenced by -w.
[[noreturn]] void AttributeError(Reporter& report, std::string_view message, const char* tag_line,
                                 const char* attribute);
void AttributeWarning(Reporter& report, std::string_view message, const char* tag_line, const char* attribute);

}  // namespace cfgxlate
