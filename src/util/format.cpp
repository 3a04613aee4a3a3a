#include "util/format.h"

#include <charconv>
#include <cstring>

namespace cfgxlate {

namespace {

// "0" to "255" with their lengths, for byte lines.
struct ByteTexts {
  char text[256][4];
  uint8_t length[256];
  ByteTexts() {
    for (unsigned i = 0; i < 256; ++i) {
      char* end = std::to_chars(text[i], text[i] + 4, i).ptr;
      length[i] = static_cast<uint8_t>(end - text[i]);
    }
  }
};

const ByteTexts kByteTexts;

template <typename T>
void AppendNumber(std::string& out, T value, int base) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof(digits), value, base).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

// Straight into the buffer's room: no copy.
template <typename T>
void AppendNumber(TextBuffer& out, T value, int base) {
  constexpr size_t kLongest = 24;  // 64 bits in decimal with a sign
  char* room = out.Reserve(kLongest);
  out.Commit(std::to_chars(room, room + kLongest, value, base).ptr);
}

template <typename Out>
void AppendFixed(Out& out, double value) {
  // Fixed notation with six decimals, as "%f"; the longest double needs
  // 309 integer digits.
  char digits[400];
  const char* end = std::to_chars(digits, digits + sizeof(digits), value, std::chars_format::fixed, 6).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

template <typename Out>
void FormatInto(Out& out, const char* format, const FormatArgument* args, size_t count) {
  size_t next = 0;
  const char* p = format;
  while (*p != '\0') {
    const char* percent = std::strchr(p, '%');
    if (percent == nullptr) {
      out += p;
      return;
    }
    out.append(p, static_cast<size_t>(percent - p));
    const char* cursor = percent + 1;
    int longs = 0;
    while (*cursor == 'l') {
      ++longs;
      ++cursor;
    }
    const char conversion = *cursor;
    if (conversion == '%') {
      out += '%';
      p = cursor + 1;
      continue;
    }
    const FormatArgument none;
    const FormatArgument& arg = next < count ? args[next] : none;
    ++next;
    const uint64_t bits = arg.bits();
    switch (conversion) {
      case 'd':
      case 'i':
        if (longs == 0) {
          AppendNumber(out, static_cast<int32_t>(static_cast<uint32_t>(bits)), 10);
        } else {
          AppendNumber(out, static_cast<int64_t>(bits), 10);
        }
        break;
      case 'u':
      case 'x':
        if (longs == 0) {
          AppendNumber(out, static_cast<uint32_t>(bits), conversion == 'x' ? 16 : 10);
        } else {
          AppendNumber(out, bits, conversion == 'x' ? 16 : 10);
        }
        break;
      case 's':
        if (arg.text() != nullptr) out += arg.text();
        break;
      case 'f':
        AppendFixed(out, arg.real());
        break;
      default:
        // Not a supported conversion: written as it stands.
        out.append(percent, static_cast<size_t>(cursor - percent) + (conversion != '\0' ? 1 : 0));
        break;
    }
    if (conversion == '\0') return;
    p = cursor + 1;
  }
}

}  // namespace

void AppendFormatted(std::string& out, const char* format, const FormatArgument* args, size_t count) {
  FormatInto(out, format, args, count);
}
void AppendFormatted(TextBuffer& out, const char* format, const FormatArgument* args, size_t count) {
  FormatInto(out, format, args, count);
}

void AppendDecimal(TextBuffer& out, int64_t value) { AppendNumber(out, value, 10); }
void AppendUnsigned(TextBuffer& out, uint64_t value) { AppendNumber(out, value, 10); }

void AppendByteLine(TextBuffer& out, unsigned b0, unsigned b1, unsigned b2, unsigned b3) {
  constexpr size_t kLongest = 23;  // "\t.byte\t255,255,255,255\n"
  char* line = out.Reserve(kLongest);
  std::memcpy(line, "\t.byte\t", 7);
  size_t n = 7;
  for (unsigned b : {b0, b1, b2, b3}) {
    b &= 0xFF;
    std::memcpy(line + n, kByteTexts.text[b], 4);
    n += kByteTexts.length[b];
    line[n++] = ',';
  }
  line[n - 1] = '\n';
  out.Commit(line + n);
}

}  // namespace cfgxlate
