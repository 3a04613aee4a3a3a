// The cfgxlate command.
#include "driver/crash_handler.h"
#include "driver/translator.h"
#include "util/console.h"
#include "util/file_system.h"

int main(int argc, char** argv) {
  cfgxlate::InstallCrashHandler();
  cfgxlate::RealFileSystem file_system;
  cfgxlate::StdConsole console;
  return cfgxlate::RunTranslator(argc, argv, file_system, console, cfgxlate::WatchContextForCrash);
}
