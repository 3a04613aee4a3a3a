#include "gen/svg/svg_text.h"

#include <cstring>

#include "util/text.h"

namespace cfgxlate {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when there is none
// (overlong forms, surrogates and values beyond U+10FFFF are refused).
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const uint32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < lowest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  // U+FFFE and U+FFFF are not XML characters either.
  if (code == 0xFFFE || code == 0xFFFF) return 0;
  return length;
}

}  // namespace

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        case '\t':
        case '\n':
        case '\r': out += static_cast<char>(c); break;
        default: out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
      }
      ++i;
      continue;
    }
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      out += Format("&#x%X;", c);
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string Milliseconds(int64_t nanoseconds) {
  // Magnitude as unsigned, so that the lowest int64 has one too.
  const bool negative = nanoseconds < 0;
  const uint64_t magnitude = negative ? ~static_cast<uint64_t>(nanoseconds) + 1 : static_cast<uint64_t>(nanoseconds);
  std::string text = Format("%s%llu", negative ? "-" : "", static_cast<unsigned long long>(magnitude / 1000000));
  uint64_t fraction = magnitude % 1000000;
  if (fraction != 0) {
    std::string digits = Format("%06llu", static_cast<unsigned long long>(fraction));
    digits.erase(digits.find_last_not_of('0') + 1);
    text += "." + digits;
  }
  return text;
}

std::string Coordinate(double value) {
  std::string text = Format("%.2f", value);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

double TextWidth(std::string_view text, double font_size) {
  double ems = 0.0;
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;  // continuation bytes add no character
    if (std::strchr("ijlt.,:;!|'1 ()[]fr", c) != nullptr && c != '\0') {
      ems += 0.36;
    } else if (std::strchr("mwMW@%", c) != nullptr && c != '\0') {
      ems += 0.92;
    } else if (c >= 'A' && c <= 'Z') {
      ems += 0.72;
    } else {
      ems += 0.6;
    }
  }
  return ems * font_size;
}

}  // namespace cfgxlate
