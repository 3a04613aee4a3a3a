// Fuzz target: runs the whole translator in-process on one in-memory
// configuration. The first byte picks a switch set; the rest is the file,
// which may also include itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "driver/translator.h"
#include "util/console.h"
#include "util/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kSwitchSets[][4] = {
      {"-m", "-wa", nullptr, nullptr}, {"-q0", "-m", nullptr, nullptr}, {"-ea", nullptr, nullptr, nullptr},
      {"-32", "-z", "-m", nullptr},   {"-f", "-w", nullptr, nullptr},  {nullptr, nullptr, nullptr, nullptr},
      // The schedule picture reads whatever schedules a run accepted.
      {"-m", "--schedule-svg", "f.svg", nullptr}, {"-q0", "-m", "--schedule-svg=f.svg", nullptr},
  };
  const auto& switches = kSwitchSets[data[0] % (sizeof(kSwitchSets) / sizeof(kSwitchSets[0]))];
  cfgxlate::MemoryFileSystem fs;
  fs.files["f.xml"] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  const char* argv[8] = {"cfgxlate"};
  int argc = 1;
  for (const char* s : switches) {
    if (s != nullptr) argv[argc++] = s;
  }
  argv[argc++] = "f.xml";
  cfgxlate::BufferConsole console;
  cfgxlate::RunTranslator(argc, argv, fs, console);
  return 0;
}
