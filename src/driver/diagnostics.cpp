#include "driver/diagnostics.h"

#include "util/text.h"

namespace cfgxlate {

namespace {

std::string ReportLines(const TranslationContext& ctx, const char* severity, std::string_view message,
                        const char* detail1, const char* detail2) {
  std::string lines =
      MessageLine(ctx, severity, Format("Line %d - ", ctx.reader.LineNumber) + std::string(message));
  if (detail1 != nullptr) lines += MessageLine(ctx, severity, detail1);
  if (detail2 != nullptr) lines += MessageLine(ctx, severity, detail2);
  return lines;
}

std::string AttributeLines(const TranslationContext& ctx, const char* severity, std::string_view message,
                           const char* tag_line, const char* attribute) {
  std::string first = Format("Line %d - ", ctx.reader.LineNumber) + std::string(message);
  if (attribute != nullptr) first += std::string(": ") + attribute;
  return MessageLine(ctx, severity, first) + MessageLine(ctx, severity, tag_line == nullptr ? "" : tag_line);
}

}  // namespace

std::string MessageLine(const TranslationContext& ctx, const char* severity, std::string_view text) {
  std::string line = ctx.ProgramName + ": " + severity + ": " + std::string(text);
  if (text.empty() || text.back() != '\n') line += '\n';
  return line;
}

void EmitMessageLines(TranslationContext& ctx, const std::string& lines) {
  ctx.console.FlushOut();
  ctx.console.Err(lines);
}

void FatalError(TranslationContext& ctx, std::string_view message, const char* detail1, const char* detail2) {
  throw FatalExit{ReportLines(ctx, "error", message, detail1, detail2)};
}

void Warning(TranslationContext& ctx, std::string_view message, const char* detail1, const char* detail2) {
  if (ctx.settings.Warnings == 0) return;
  EmitMessageLines(ctx, ReportLines(ctx, "warning", message, detail1, detail2));
}

void AttributeError(TranslationContext& ctx, std::string_view message, const char* tag_line, const char* attribute) {
  throw FatalExit{AttributeLines(ctx, "error", message, tag_line, attribute)};
}

void AttributeWarning(TranslationContext& ctx, std::string_view message, const char* tag_line,
                      const char* attribute) {
  EmitMessageLines(ctx, AttributeLines(ctx, "warning", message, tag_line, attribute));
}

}  // namespace cfgxlate
