// printf-style appending without the C formatting functions. Generated files
// are large and almost every line holds a number, so their lines are written
// straight into the file's pending text with std::to_chars; the bytes are
// those printf writes for the same format and arguments.
//
// Supported conversions: %d %u %x with an optional l or ll, %s, %lf (and %f),
// and %%. Use APPEND_FORMAT, which also has the compiler check the format
// against the arguments as it does for printf.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "util/text_buffer.h"

namespace cfgxlate {

// One argument, keeping the bits printf would read for it.
class FormatArgument {
 public:
  enum class Kind { None, Integer, Real, Text };

  FormatArgument() = default;
  FormatArgument(int v) : kind_(Kind::Integer), bits_(static_cast<uint64_t>(static_cast<int64_t>(v))) {}
  FormatArgument(unsigned v) : kind_(Kind::Integer), bits_(v) {}
  FormatArgument(long v) : kind_(Kind::Integer), bits_(static_cast<uint64_t>(static_cast<int64_t>(v))) {}
  FormatArgument(unsigned long v) : kind_(Kind::Integer), bits_(v) {}
  FormatArgument(long long v) : kind_(Kind::Integer), bits_(static_cast<uint64_t>(v)) {}
  FormatArgument(unsigned long long v) : kind_(Kind::Integer), bits_(v) {}
  FormatArgument(double v) : kind_(Kind::Real), real_(v) {}
  FormatArgument(const char* v) : kind_(Kind::Text), text_(v) {}

  Kind kind() const { return kind_; }
  uint64_t bits() const { return bits_; }
  double real() const { return real_; }
  const char* text() const { return text_; }

 private:
  Kind kind_ = Kind::None;
  uint64_t bits_ = 0;
  double real_ = 0.0;
  const char* text_ = nullptr;
};

void AppendFormatted(std::string& out, const char* format, const FormatArgument* args, size_t count);
void AppendFormatted(TextBuffer& out, const char* format, const FormatArgument* args, size_t count);

template <typename Out, typename... Args>
void AppendFormat(Out& out, const char* format, const Args&... args) {
  const FormatArgument list[sizeof...(Args) + 1] = {FormatArgument(args)...};
  AppendFormatted(out, format, list, sizeof...(Args));
}

// Never defined: only its format attribute is used, in unevaluated context.
int CheckPrintfFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends printf-style text to a generated file's TextBuffer or to a
// std::string (the verbose dump); the format is checked at compile time like
// printf's.
#define APPEND_FORMAT(out, ...) \
  ((void)sizeof(::cfgxlate::CheckPrintfFormat(__VA_ARGS__)), ::cfgxlate::AppendFormat(out, __VA_ARGS__))

// Decimal digits of a number, appended.
void AppendDecimal(TextBuffer& out, int64_t value);
void AppendUnsigned(TextBuffer& out, uint64_t value);

// "\t.byte\t%u,%u,%u,%u\n" for four bytes.
void AppendByteLine(TextBuffer& out, unsigned b0, unsigned b1, unsigned b2, unsigned b3);

}  // namespace cfgxlate
