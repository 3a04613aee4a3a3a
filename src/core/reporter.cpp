#include "core/reporter.h"

#include "util/text.h"

namespace cfgxlate {

namespace {

// Messages name the file and line in the layout compilers use, which editors
// and build logs jump from; before any input there is none to name.
bool GnuLayout(const Reporter& report) {
  return report.Layout == DiagnosticsLayout::Gnu && !report.FileName.empty();
}

std::string GnuLine(const Reporter& report, const char* severity, std::string_view text) {
  std::string line = Format("%s:%d: %s: ", report.FileName.c_str(), report.LineNumber, severity);
  line += text;
  if (text.empty() || text.back() != '\n') line += '\n';
  return line;
}

std::string FirstLine(const Reporter& report, const char* severity, const std::string& message) {
  if (GnuLayout(report)) return GnuLine(report, severity, message);
  return MessageLine(report, severity, Format("Line %d - ", report.LineNumber) + message);
}

std::string DetailLine(const Reporter& report, const char* severity, std::string_view detail) {
  if (GnuLayout(report)) return GnuLine(report, "note", detail);
  return MessageLine(report, severity, detail);
}

std::string ReportLines(const Reporter& report, const char* severity, std::string_view message,
                        const char* detail1, const char* detail2) {
  std::string lines = FirstLine(report, severity, std::string(message));
  if (detail1 != nullptr) lines += DetailLine(report, severity, detail1);
  if (detail2 != nullptr) lines += DetailLine(report, severity, detail2);
  return lines;
}

std::string AttributeLines(const Reporter& report, const char* severity, std::string_view message,
                           const char* tag_line, const char* attribute) {
  std::string first(message);
  if (attribute != nullptr) first += std::string(": ") + attribute;
  return FirstLine(report, severity, first) + DetailLine(report, severity, tag_line == nullptr ? "" : tag_line);
}

}  // namespace

std::string MessageLine(const Reporter& report, const char* severity, std::string_view text) {
  std::string line = report.ProgramName + ": " + severity + ": " + std::string(text);
  if (text.empty() || text.back() != '\n') line += '\n';
  return line;
}

void EmitMessageLines(Reporter& report, const std::string& lines) {
  report.console.FlushOut();
  report.console.Err(lines);
}

void FatalError(Reporter& report, std::string_view message, const char* detail1, const char* detail2) {
  throw FatalExit{ReportLines(report, "error", message, detail1, detail2)};
}

void Warning(Reporter& report, std::string_view message, const char* detail1, const char* detail2) {
  if (report.Warnings == 0) return;
  EmitMessageLines(report, ReportLines(report, "warning", message, detail1, detail2));
}

void AttributeError(Reporter& report, std::string_view message, const char* tag_line, const char* attribute) {
  throw FatalExit{AttributeLines(report, "error", message, tag_line, attribute)};
}

void AttributeWarning(Reporter& report, std::string_view message, const char* tag_line, const char* attribute) {
  EmitMessageLines(report, AttributeLines(report, "warning", message, tag_line, attribute));
}

}  // namespace cfgxlate
