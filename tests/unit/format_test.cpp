// The fast formatter must write exactly what printf writes for the formats
// the generators use.
#include "util/format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

namespace cfgxlate {
namespace {

// What the formatter appends, to a std::string and to a generated file's
// buffer alike.
template <typename... Args>
std::string Appended(const char* format, Args... args) {
  std::string out = "<";
  AppendFormat(out, format, args...);
  TextBuffer buffer;
  buffer += '<';
  AppendFormat(buffer, format, args...);
  EXPECT_EQ(buffer.str(), out);
  return out;
}

template <typename... Args>
std::string Printed(const char* format, Args... args) {
  char text[512];
  std::snprintf(text, sizeof(text), format, args...);
  return std::string("<") + text;
}

TEST(AppendFormat, IntegerConversionsReadTheBitsPrintfReads) {
  EXPECT_EQ(Appended("\tObject\t%d\n", 410), "<\tObject\t410\n");
  EXPECT_EQ(Appended("%d %d", INT32_MIN, INT32_MAX), "<-2147483648 2147483647");
  // An int read by %u or %x is its 32-bit pattern; an unsigned read by %d
  // is signed again.
  EXPECT_EQ(Appended("%u %x", -1, -1), "<4294967295 ffffffff");
  EXPECT_EQ(Appended("%d", 4294967295u), "<-1");
  EXPECT_EQ(Appended("0x%x", 0x1000u), "<0x1000");
  EXPECT_EQ(Appended("%lld %lld", LLONG_MIN, LLONG_MAX), "<-9223372036854775808 9223372036854775807");
  EXPECT_EQ(Appended("0x%llx", ULLONG_MAX), "<0xffffffffffffffff");
  EXPECT_EQ(Appended("0x%llx", 0ull), "<0x0");
  for (long long v : {0ll, 1ll, -1ll, 255ll, 256ll, 65535ll, -2147483648ll, 4294967296ll}) {
    EXPECT_EQ(Appended("%lld|%llx|%d|%u|%x", v, static_cast<unsigned long long>(v), static_cast<int>(v),
                       static_cast<unsigned>(v), static_cast<unsigned>(v)),
              Printed("%lld|%llx|%d|%u|%x", v, static_cast<unsigned long long>(v), static_cast<int>(v),
                      static_cast<unsigned>(v), static_cast<unsigned>(v)));
  }
}

TEST(AppendFormat, RealsAreFixedWithSixDecimalsAsPercentLf) {
  EXPECT_EQ(Appended("%lf", 0.001), "<0.001000");
  EXPECT_EQ(Appended("%lf", 1.0), "<1.000000");
  EXPECT_EQ(Appended("%lf", -0.0), "<-0.000000");
  // Rounding follows the exact binary value: 5e-7 is just below a half.
  EXPECT_EQ(Appended("%lf", 5e-7), "<0.000000");
  EXPECT_EQ(Appended("%lf", 0.0000015), "<0.000002");
  for (double v : {0.1, 0.125, 2.5e-6, 1e-9, 123456.7890125, 1e20, -3.75, 4294967.296, DBL_MAX, DBL_MIN}) {
    EXPECT_EQ(Appended("%lf", v), Printed("%lf", v)) << v;
  }
}

TEST(AppendFormat, TextPercentAndByteLines) {
  EXPECT_EQ(Appended("%%include \"%s\"\n", "arinc.h"), "<%include \"arinc.h\"\n");
  EXPECT_EQ(Appended("\t# %s Link\n", ""), "<\t#  Link\n");
  EXPECT_EQ(Appended("no conversions"), "<no conversions");
  TextBuffer out;
  AppendByteLine(out, 0, 29, 255, 7);
  AppendByteLine(out, 59, 154, 202, 0);
  EXPECT_EQ(out.str(), "\t.byte\t0,29,255,7\n\t.byte\t59,154,202,0\n");
}

TEST(TextBuffer, GrowsWithoutLosingText) {
  // Pieces of every size, far past the first reservation, in order.
  TextBuffer buffer;
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string piece(static_cast<size_t>(i % 97), static_cast<char>('a' + i % 26));
    buffer += piece;
    buffer += ';';
    AppendUnsigned(buffer, static_cast<uint64_t>(i));
    expected += piece + ";" + std::to_string(i);
  }
  const std::string large(100000, 'z');
  buffer.append(large.data(), large.size());
  expected += large;
  EXPECT_EQ(buffer.str(), expected);
  buffer.clear();
  EXPECT_TRUE(buffer.empty());
  buffer += "after";
  EXPECT_EQ(buffer.str(), "after");
}

}  // namespace
}  // namespace cfgxlate
