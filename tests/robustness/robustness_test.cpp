// Damaged configurations never break the translator: every end-to-end input
// and every example, cut after each tag in turn, and with each attribute
// value in turn emptied, made huge or made negative, is run in-process
// under the case's own switches. Each run must end with status 0, or with
// status 1 and an error message; never with a signal, a sanitizer report
// (in the sanitizer build) or an internal error. Each run is repeated under
// a few more switch sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "driver/translator.h"
#include "util/console.h"
#include "util/file_system.h"

namespace cfgxlate {
namespace {

namespace fs = std::filesystem;

// One input: the files of an end-to-end case (or one example) and the
// switches it runs with.
struct Input {
  std::string name;
  std::vector<std::string> args;  // the main file last
  std::map<std::string, std::string> files;
  std::vector<std::string> xml_files;  // the ones that are damaged
};

std::string ReadWhole(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<Input> LoadInputs() {
  std::vector<Input> inputs;
  const fs::path root = CFGXLATE_SOURCE_DIR;
  std::vector<fs::path> cases;
  for (const auto& entry : fs::directory_iterator(root / "tests" / "golden")) cases.push_back(entry.path());
  std::sort(cases.begin(), cases.end());
  for (const fs::path& dir : cases) {
    if (!fs::is_directory(dir / "input")) continue;
    Input input;
    input.name = dir.filename().string();
    std::istringstream args(ReadWhole(dir / "args"));
    for (std::string word; args >> word;) input.args.push_back(word);
    for (const auto& entry : fs::recursive_directory_iterator(dir / "input")) {
      if (!entry.is_regular_file()) continue;
      const std::string relative = fs::relative(entry.path(), dir / "input").generic_string();
      input.files[relative] = ReadWhole(entry.path());
      if (entry.path().extension() == ".xml") input.xml_files.push_back(relative);
    }
    std::sort(input.xml_files.begin(), input.xml_files.end());
    if (!input.xml_files.empty()) inputs.push_back(input);
  }
  std::vector<fs::path> examples;
  for (const auto& entry : fs::directory_iterator(root / "examples")) {
    if (entry.path().extension() == ".xml") examples.push_back(entry.path());
  }
  std::sort(examples.begin(), examples.end());
  for (const fs::path& path : examples) {
    Input input;
    input.name = "example_" + path.stem().string();
    const std::string file = path.filename().string();
    input.args = {file};
    input.files[file] = ReadWhole(path);
    input.xml_files = {file};
    inputs.push_back(input);
  }
  return inputs;
}

const std::vector<Input>& Inputs() {
  static const std::vector<Input> inputs = LoadInputs();
  return inputs;
}

// Switches put in front of the case's own, so that the damaged inputs also
// reach the single-core, ROM-table and per-application paths.
const std::vector<std::vector<std::string>> kSwitchSets = {
    {},
    {"-q0", "-m", "-y", "-r", "-a", "-t"},
    {"-z", "-32", "-i", "-d", "-s", "-e2", "-checksum"},
};

// Runs the input with `file` replaced by `text` under each switch set; a
// failure message naming what was done, or "" when every run ended soundly.
std::string RunDamaged(const Input& input, const std::string& file, const std::string& text,
                       const std::string& what) {
  for (const std::vector<std::string>& extra : kSwitchSets) {
    MemoryFileSystem files;
    files.files = input.files;
    files.files[file] = text;
    std::vector<const char*> argv{"cfgxlate"};
    for (const std::string& arg : extra) argv.push_back(arg.c_str());
    for (const std::string& arg : input.args) argv.push_back(arg.c_str());
    BufferConsole console;
    const int status = RunTranslator(static_cast<int>(argv.size()), argv.data(), files, console);
    const bool sound = (status == 0 || (status == 1 && console.err.find(": error: ") != std::string::npos)) &&
                       console.err.find("internal error") == std::string::npos;
    if (!sound) {
      std::string command;
      for (const char* arg : argv) command += std::string(" ") + arg;
      return file + " " + what + ", run as" + command + ": status " + std::to_string(status) + "\n" + console.err +
             "\n--- input:\n" + text;
    }
  }
  return "";
}

// Positions just after each tag's closing ">" (comments and declarations
// included: they are where a file may end, too).
std::vector<size_t> TagEnds(const std::string& text) {
  std::vector<size_t> ends;
  for (size_t at = text.find('>'); at != std::string::npos; at = text.find('>', at + 1)) ends.push_back(at + 1);
  return ends;
}

// Start and length of each attribute value (the text between the quotes
// after "=") inside tags.
std::vector<std::pair<size_t, size_t>> AttributeValues(const std::string& text) {
  std::vector<std::pair<size_t, size_t>> values;
  bool in_tag = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<') in_tag = true;
    if (text[i] == '>') in_tag = false;
    if (!in_tag || text[i] != '=') continue;
    size_t quote = i + 1;
    while (quote < text.size() && text[quote] == ' ') ++quote;
    if (quote >= text.size() || text[quote] != '"') continue;
    const size_t close = text.find('"', quote + 1);
    if (close == std::string::npos) break;
    values.emplace_back(quote + 1, close - quote - 1);
    i = close;
  }
  return values;
}

// Collects the failed runs of one test; the first few are shown in full.
class Failures {
 public:
  void Add(const std::string& failure) {
    if (failure.empty()) return;
    if (++count_ <= 3) ADD_FAILURE() << failure;
  }
  ~Failures() {
    if (count_ > 3) ADD_FAILURE() << count_ << " damaged inputs failed in all";
  }

 private:
  int count_ = 0;
};

class Robustness : public testing::TestWithParam<size_t> {
 protected:
  const Input& input() const { return Inputs()[GetParam()]; }
};

TEST_P(Robustness, CutAfterEachTag) {
  Failures failures;
  for (const std::string& file : input().xml_files) {
    const std::string& text = input().files.at(file);
    for (size_t end : TagEnds(text)) {
      failures.Add(RunDamaged(input(), file, text.substr(0, end), "cut at byte " + std::to_string(end)));
    }
  }
}

TEST_P(Robustness, EachAttributeValueEmptyHugeOrNegative) {
  static const char* const kValues[] = {"", "99999999999999999999", "-1"};
  Failures failures;
  for (const std::string& file : input().xml_files) {
    const std::string& text = input().files.at(file);
    for (const auto& [start, length] : AttributeValues(text)) {
      for (const char* value : kValues) {
        std::string damaged = text;
        damaged.replace(start, length, value);
        failures.Add(
            RunDamaged(input(), file, damaged, "value at byte " + std::to_string(start) + " set to \"" + value + "\""));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, Robustness, testing::Range<size_t>(0, Inputs().size()),
                         [](const testing::TestParamInfo<size_t>& info) { return Inputs()[info.param].name; });

}  // namespace
}  // namespace cfgxlate
