// Fuzz target: runs the whole translator in-process on in-memory files, with
// switches chosen by the input's header (layout in fuzz_input.h).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/translator.h"
#include "fuzz_input.h"
#include "util/console.h"
#include "util/file_system.h"

namespace {

// Drops everything written: a verbose dump can be large, and a fault shows
// itself to the sanitizers, not in the messages (no crash handler runs
// in-process).
class DiscardingConsole : public cfgxlate::Console {
 public:
  void Out(std::string_view) override {}
  void Err(std::string_view) override {}
  void FlushOut() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const cfgxlate::fuzz::DecodedInput input = cfgxlate::fuzz::Decode(data, size);
  cfgxlate::MemoryFileSystem fs;
  fs.input_block_size = input.block_size;
  for (size_t i = 0; i < input.files.size(); ++i) fs.files[cfgxlate::fuzz::kFileNames[i]] = input.files[i];
  std::vector<const char*> argv{"cfgxlate"};
  for (const std::string& arg : input.args) argv.push_back(arg.c_str());
  DiscardingConsole console;
  const int status = cfgxlate::RunTranslator(static_cast<int>(argv.size()), argv.data(), fs, console);
  if (status != 0 && status != 1) std::abort();
  return 0;
}
