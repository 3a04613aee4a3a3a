#include "util/paths.h"

#include <cctype>
#include <vector>

namespace cfgxlate {

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

size_t BaseNameStart(const std::string& path) {
  size_t start = HasDriveLetter(path) ? 2 : 0;
  for (size_t i = start; i < path.size(); ++i) {
    if (IsSeparator(path[i])) start = i + 1;
  }
  return start;
}

}  // namespace

std::string BaseName(const std::string& path) { return path.substr(BaseNameStart(path)); }

std::string ProgramName(const char* argv0) {
  std::string name = BaseName(argv0 == nullptr ? "cfgxlate" : argv0);
  const std::string exe = ".exe";
  if (name.size() > exe.size() && name.compare(name.size() - exe.size(), exe.size(), exe) == 0) {
    name.erase(name.size() - exe.size());
  }
  return name.empty() ? "cfgxlate" : name;
}

std::string DeriveIntegrateFileName(const std::string& xml_file_name) {
  size_t base = BaseNameStart(xml_file_name);
  size_t dot = xml_file_name.rfind('.');
  std::string stem = (dot != std::string::npos && dot >= base) ? xml_file_name.substr(0, dot) : xml_file_name;
  return stem + ".int";
}

// Absolute names are used unchanged. Otherwise directory and name are joined
// with "/", backslashes become "/", a drive letter is upper-cased and empty
// and "." components are dropped. A leading "/" of the directory is kept:
// dropping it would turn an absolute output directory into a relative one.
std::string JoinOutputPath(const std::string& directory, const std::string& file_name) {
  if (directory.empty()) return file_name;
  if ((!file_name.empty() && IsSeparator(file_name[0])) || (file_name.size() >= 2 && file_name[1] == ':')) {
    return file_name;
  }
  std::string joined = directory;
  if (!IsSeparator(joined.back())) joined += '/';
  joined += file_name;
  for (char& c : joined) {
    if (c == '\\') c = '/';
  }
  std::string result;
  size_t position = 0;
  if (joined[0] == '/') {
    result = "/";
    position = 1;
  } else if (HasDriveLetter(joined)) {
    result = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(joined[0])))) + ":";
    position = 2;
    if (position < joined.size() && joined[position] == '/') {
      result += '/';
      ++position;
    }
  }
  bool first = true;
  while (position <= joined.size()) {
    size_t end = joined.find('/', position);
    if (end == std::string::npos) end = joined.size();
    std::string component = joined.substr(position, end - position);
    if (!component.empty() && component != ".") {
      if (!first) result += '/';
      result += component;
      first = false;
    }
    position = end + 1;
  }
  return result;
}

}  // namespace cfgxlate
