#include "driver/crash_handler.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace cfgxlate {

namespace {

// A signal handler can reach nothing else: these are the process's only
// mutable globals, written before any signal can use them.
const TranslationContext* volatile watched_context = nullptr;
char alternate_stack[64 * 1024];

struct LineBuilder {
  char text[TagBufferSize + 256];
  size_t length = 0;
  void Add(const char* s) {
    while (*s != '\0' && length < sizeof(text) - 2) text[length++] = *s++;
  }
  void AddNumber(int32_t n) {
    char digits[16];
    int count = 0;
    uint32_t magnitude = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) Add("-");
    while (count > 0) {
      char one[2] = {digits[--count], '\0'};
      Add(one);
    }
  }
  void Emit(const char* program) {
    // Rebuild with the prefix in front; write() is async-signal-safe.
    char line[sizeof(text) + 64];
    size_t n = 0;
    auto put = [&](const char* s, size_t len) {
      for (size_t i = 0; i < len && n < sizeof(line) - 1; ++i) line[n++] = s[i];
    };
    put(program, std::strlen(program));
    put(": error: ", 9);
    put(text, length);
    if (n == 0 || line[n - 1] != '\n') line[n++] = '\n';
    ssize_t ignored = write(STDERR_FILENO, line, n);
    (void)ignored;
    length = 0;
  }
};

void InternalErrorHandler(int) {
  const TranslationContext* ctx = watched_context;
  const char* program = ctx != nullptr ? ctx->report.ProgramName.c_str() : "cfgxlate";
  int32_t line_number = ctx != nullptr ? ctx->reader.LineNumber : 1;
  static LineBuilder builder;
  builder.Add("Line ");
  builder.AddNumber(line_number);
  builder.Add(" - cfgxlate internal error");
  builder.Emit(program);
  builder.Add("Line ");
  builder.AddNumber(line_number);
  builder.Add(":");
  builder.Emit(program);
  if (ctx != nullptr && ctx->reader.Started) {
    builder.Add(ctx->reader.TagBuffer);
    builder.Emit(program);
  }
  if (ctx != nullptr) {
    // No temporary of an unfinished output may stay behind.
    for (const OutputFile* output : ctx->OpenOutputs) {
      const char* temporary = output != nullptr ? output->TemporaryPath() : nullptr;
      if (temporary != nullptr) unlink(temporary);
    }
    if (!ctx->IntegrateFileInProgress.empty()) unlink(ctx->IntegrateFileInProgress.c_str());
  }
  _exit(1);
}

}  // namespace

void InstallCrashHandler() {
  stack_t stack{};
  stack.ss_sp = alternate_stack;
  stack.ss_size = sizeof(alternate_stack);
  sigaltstack(&stack, nullptr);
  struct sigaction action {};
  action.sa_handler = InternalErrorHandler;
  action.sa_flags = SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGSEGV, &action, nullptr);
}

void WatchContextForCrash(const TranslationContext* ctx) { watched_context = ctx; }

}  // namespace cfgxlate
