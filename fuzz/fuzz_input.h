// Layout of one fuzz input, shared by the fuzz target and the seed writer:
//
//   header (kHeaderBytes) | a.xml | separator | b.xml | separator | c.xml
//
// The header's bits, read from the lowest bit of its first byte on, pick
// one choice of every switch group in turn (a group of n choices takes the
// bits of the smallest power of two >= n; values past n wrap). Choice 0 is
// always "switch absent". The rest is cut at the separator into up to three
// in-memory files, so a file can include itself or another one by the name
// a.xml, b.xml or c.xml; a.xml is the one named on the command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cfgxlate::fuzz {

constexpr size_t kHeaderBytes = 8;
constexpr const char kSeparator[] = "\n@@@\n";
constexpr const char* kFileNames[] = {"a.xml", "b.xml", "c.xml"};

// One switch group: its choices, each the arguments it adds separated by
// blanks ("" for none). Values come from short lists of ordinary, limit
// and wrong values.
struct SwitchGroup {
  std::vector<const char*> choices;
};

inline const std::vector<SwitchGroup>& SwitchGroups() {
  static const std::vector<SwitchGroup> groups = {
      {{"", "-30", "-32"}},
      {{"", "-a"}},
      {{"", "-b 1", "-b 31", "-b 255", "-b 2", "-b -1", "-b 2147483647", "-b7"}},
      {{"", "-checksum"}},
      {{"", "-d"}},
      {{"", "-e", "-e2"}},
      {{"", "-ea"}},
      {{"", "-wa"}},
      {{"", "-f"}},
      {{"", "-g"}},
      {{"", "-i"}},
      {{"", "-j"}},
      {{"", "-k 0", "-k 400", "-k 2147483647", "-k -5", "-k 65535", "-k1000"}},
      {{"", "-l Ada", "-l C", "-l C++", "-l None", "-l Bogus", "-l "}},
      {{"", "-m"}},
      {{"", "-n"}},
      {{"", "-n2"}},
      {{"", "-o x.int", "-o b.xml", "-o=out/y.int"}},
      {{"", "-outputdir out", "-outputdir="}},
      {{"", "-p 4096", "-p 1", "-p 3", "-p 65536", "-p 0", "-p -4096", "-p 2147483647"}},
      {{"", "-q0", "-q"}},
      {{"", "-r"}},
      {{"", "-s"}},
      {{"", "-t"}},
      {{"", "-v 0", "-v 20", "-v 2147483647", "-v -1", "-v 1000"}},
      {{"", "-w"}},
      {{"", "-w2"}},
      {{"", "-x 0", "-x 1", "-x 31", "-x 32", "-x 255", "-x 1000", "-x -1"}},
      {{"", "-y"}},
      {{"", "-z"}},
      {{"", "--diagnostics=gnu", "--diagnostics=classic"}},
      {{"", "--schedule-svg=x.svg"}},
      {{"", "--depfile=x.d"}},
  };
  return groups;
}

// Bits a group of `count` choices takes.
inline int BitsFor(size_t count) {
  int bits = 0;
  while ((size_t{1} << bits) < count) ++bits;
  return bits;
}

// Splits "a b" at blanks into `out`.
inline void AddWords(const char* text, std::vector<std::string>& out) {
  std::string word;
  for (const char* p = text;; ++p) {
    if (*p == ' ' || *p == '\0') {
      if (!word.empty() || (*p == '\0' && p > text && p[-1] == ' ')) out.push_back(word);
      word.clear();
      if (*p == '\0') break;
    } else {
      word += *p;
    }
  }
}

// How the in-memory files hand out their bytes (0: all at once), picked by
// the three header bits after the switch groups, so that tags, comments and
// blanks meet block boundaries everywhere.
constexpr size_t kBlockSizes[] = {0, 1, 2, 3, 7, 64, 4096, 65536};

struct DecodedInput {
  std::vector<std::string> args;   // without the program name
  std::vector<std::string> files;  // contents of a.xml, b.xml, c.xml (1 to 3)
  size_t block_size = 0;
};

inline DecodedInput Decode(const uint8_t* data, size_t size) {
  uint8_t header[kHeaderBytes] = {};
  const size_t taken = size < kHeaderBytes ? size : kHeaderBytes;
  for (size_t i = 0; i < taken; ++i) header[i] = data[i];
  size_t bit = 0;
  auto next_bits = [&](int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i, ++bit) {
      if (header[bit / 8] & (1u << (bit % 8))) value |= 1u << i;
    }
    return value;
  };

  DecodedInput input;
  const auto& groups = SwitchGroups();
  // The last header bit reverses the order of the switches, since later
  // switches may undo earlier ones (-f then -q).
  std::vector<const char*> chosen;
  for (const SwitchGroup& group : groups) {
    const uint32_t value = next_bits(BitsFor(group.choices.size()));
    chosen.push_back(group.choices[value % group.choices.size()]);
  }
  input.block_size = kBlockSizes[next_bits(3)];
  bit = kHeaderBytes * 8 - 1;
  if (next_bits(1) != 0) std::vector<const char*>(chosen.rbegin(), chosen.rend()).swap(chosen);
  for (const char* choice : chosen) {
    if (*choice != '\0') AddWords(choice, input.args);
  }
  input.args.push_back(kFileNames[0]);

  const std::string rest(reinterpret_cast<const char*>(data + taken), size - taken);
  const std::string separator = kSeparator;
  size_t start = 0;
  while (input.files.size() < 2) {
    const size_t found = rest.find(separator, start);
    if (found == std::string::npos) break;
    input.files.push_back(rest.substr(start, found - start));
    start = found + separator.size();
  }
  input.files.push_back(rest.substr(start));
  return input;
}

}  // namespace cfgxlate::fuzz
