#include "driver/depfile.h"

#include "core/diagnostics.h"
#include "gen/integrate/integrate_file.h"

namespace cfgxlate {

namespace {

// Relative names are taken from the working directory, but make and ninja
// read a depfile from wherever they run.
std::string Absolute(const std::string& cwd, const std::string& name) {
  if (!name.empty() && name[0] == '/') return name;
  if (cwd.empty() || cwd.back() == '/') return cwd + name;
  return cwd + "/" + name;
}

// A path as make reads it: blank, '#' and '$' escaped.
std::string Escaped(const std::string& path) {
  std::string text;
  for (char c : path) {
    if (c == ' ' || c == '#') text += '\\';
    if (c == '$') text += '$';
    text += c;
  }
  return text;
}

}  // namespace

std::string DepFileText(TranslationContext& ctx) {
  const std::string cwd = ctx.fs.CurrentDirectory();
  std::string text = Escaped(Absolute(cwd, IntegrateFilePath(ctx.settings))) + ":";
  for (const std::string& name : ctx.reader.OpenedFiles) text += " \\\n " + Escaped(Absolute(cwd, name));
  text += "\n";
  for (const std::string& name : ctx.reader.OpenedFiles) text += "\n" + Escaped(Absolute(cwd, name)) + ":\n";
  return text;
}

void WriteDepFile(TranslationContext& ctx) {
  const std::string& name = ctx.settings.DepFileName;
  if (!ctx.fs.WriteFile(name, DepFileText(ctx))) FatalError(ctx, "Unable to open file:", name.c_str());
}

}  // namespace cfgxlate
