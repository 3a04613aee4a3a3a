#include "util/console.h"

#include <cstdio>

namespace cfgxlate {

void StdConsole::Out(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void StdConsole::Err(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void StdConsole::FlushOut() { std::fflush(stdout); }

}  // namespace cfgxlate
