// Writes one seed of the fuzz corpus from an end-to-end case: the header
// that selects the case's switches (as far as the switch groups offer
// them), then its files, with include names rewritten to the in-memory
// names.
// usage: make_seed <seed> "<switches>" <main.xml> [<second> [<third>]]
//   each file as "<path on disk>=<name the case includes it by>"
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_input.h"

namespace {

using cfgxlate::fuzz::AddWords;
using cfgxlate::fuzz::BitsFor;

// The choice of `group` that the arguments hold: the one whose words
// appear in a row; else the first with the same switch; else none.
size_t ChoiceFor(const cfgxlate::fuzz::SwitchGroup& group, const std::vector<std::string>& args) {
  size_t same_switch = 0;
  for (size_t c = 1; c < group.choices.size(); ++c) {
    std::vector<std::string> words;
    AddWords(group.choices[c], words);
    for (size_t i = 0; i + words.size() <= args.size(); ++i) {
      bool all = true;
      for (size_t w = 0; w < words.size(); ++w) all = all && args[i + w] == words[w];
      if (all) return c;
      if (same_switch == 0 && args[i] == words[0].substr(0, words[0].find('='))) same_switch = c;
    }
  }
  return same_switch;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 6) {
    std::cerr << "usage: make_seed <seed> \"<switches>\" <path>=<name>...\n";
    return 2;
  }
  std::vector<std::string> args;
  AddWords(argv[2], args);

  std::string header(cfgxlate::fuzz::kHeaderBytes, '\0');
  size_t bit = 0;
  for (const auto& group : cfgxlate::fuzz::SwitchGroups()) {
    const size_t choice = ChoiceFor(group, args);
    for (int i = 0; i < BitsFor(group.choices.size()); ++i, ++bit) {
      if (choice & (size_t{1} << i)) header[bit / 8] = static_cast<char>(header[bit / 8] | (1 << (bit % 8)));
    }
  }

  std::vector<std::string> contents, names;
  for (int i = 3; i < argc; ++i) {
    const std::string argument = argv[i];
    const size_t equals = argument.find('=');
    std::ifstream file(argument.substr(0, equals), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    contents.push_back(text.str());
    names.push_back(equals == std::string::npos ? argument : argument.substr(equals + 1));
  }
  std::ofstream seed(argv[1], std::ios::binary);
  seed << header;
  for (size_t i = 0; i < contents.size(); ++i) {
    // Through placeholders, so that a new name equal to an old one is not
    // renamed twice.
    for (size_t n = 0; n < names.size(); ++n) {
      ReplaceAll(contents[i], '"' + names[n] + '"', "\"\x01" + std::to_string(n) + "\x01\"");
    }
    for (size_t n = 0; n < names.size(); ++n) {
      ReplaceAll(contents[i], "\x01" + std::to_string(n) + "\x01", cfgxlate::fuzz::kFileNames[n]);
    }
    if (i > 0) seed << cfgxlate::fuzz::kSeparator;
    seed << contents[i];
  }
  return seed ? 0 : 1;
}
