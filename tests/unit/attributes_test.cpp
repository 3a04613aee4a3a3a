// Attribute lookup and value parsing: numbers, booleans, core lists and the
// object-name length rule.
#include <gtest/gtest.h>

#include "reader/attributes.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// Parses the value of V in a tag line built around `value`.
template <typename Parse>
auto WithValue(const std::string& value, Parse parse) {
  TestContext t;
  const std::string tag = "<Value V=\"" + value + "\"/>";
  return parse(t.ctx.report, FindAttribute(t.ctx.report, tag.c_str(), "V"), tag.c_str());
}
int32_t Dec(const std::string& value) { return WithValue(value, ParseDecOrHex); }
int64_t Dec64(const std::string& value) { return WithValue(value, ParseDecOrHex64); }
const char* const kMessage = "Invalid UsedByKernelTask value:";
int Boolean(const std::string& value, bool prefix = false) {
  return WithValue(value, [&](Reporter& report, const char* v, const char* tag) {
    return prefix ? ParseBooleanPrefix(report, v, kMessage, tag) : ParseBoolean(report, v, kMessage, tag);
  });
}

// The lines of a number error: the text from the value on, then the tag.
std::string NumberError(const std::string& message, const std::string& value) {
  return ErrorLine("Line 1 - " + message) + ErrorLine(value + "\"/>") + ErrorLine("<Value V=\"" + value + "\"/>");
}

std::string Text(const char* value) { return value == nullptr ? "(none)" : AttributeText(value); }

TEST(FindAttribute, MatchesWholeNamesInAnyOrder) {
  TestContext t;
  const char* tag = "<Semaphore Name = \"A\" Kind=  \"Counting\"/>";
  EXPECT_EQ(Text(FindAttribute(t.ctx.report, tag, "Name")), "A");
  EXPECT_EQ(Text(FindAttribute(t.ctx.report, tag, "Kind")), "Counting");
  EXPECT_EQ(FindAttribute(t.ctx.report, tag, "Kin"), nullptr);
  EXPECT_EQ(FindAttribute(t.ctx.report, "<Semaphore/>", "Name"), nullptr);
  // Values may hold ">" and spaces; the first of two equal names wins, and
  // searching on from a found value finds the next one.
  EXPECT_EQ(Text(FindAttribute(t.ctx.report, "<Core ID=\"a > b\" Other=\"x\">", "Other")), "x");
  const char* repeated = "<Core ID=\"1\" Other=\"x\" ID=\"2\">";
  const char* first = FindAttribute(t.ctx.report, repeated, "ID");
  EXPECT_EQ(Text(first), "1");
  const char* second = FindAttributeFrom(t.ctx.report, repeated, first, "ID");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Text(second), "2");
  EXPECT_EQ(FindAttributeFrom(t.ctx.report, repeated, second, "ID"), nullptr);
  // A value's closing quote ends it even with no blank after it.
  EXPECT_EQ(Text(FindAttribute(t.ctx.report, "<A a=\"1\"b=\"2\">", "b")), "2");
}

TEST(FindAttribute, MalformedAttributesAreFatalOnlyWhenScanned) {
  TestContext t;
  const char* unclosed = "<Semaphore Name=\"A\" Kind=\"Counting>";
  EXPECT_EQ(Text(FindAttribute(t.ctx.report, unclosed, "Name")), "A");
  const std::string expected = ErrorLine("Line 1 - XML tag line not well-formed:") + ErrorLine(unclosed);
  EXPECT_EQ(FatalLines([&] { FindAttribute(t.ctx.report, unclosed, "Kind"); }), expected);
  EXPECT_EQ(FatalLines([&] { FindAttribute(t.ctx.report, unclosed, "Priority"); }), expected);
  for (const char* bad : {"<Semaphore Name=\"", "<Semaphore Name=A/>", "<Semaphore Name x=\"A\"/>"}) {
    EXPECT_EQ(FatalLines([&] { FindAttribute(t.ctx.report, bad, "Kind"); }),
              ErrorLine("Line 1 - XML tag line not well-formed:") + ErrorLine(bad));
  }
}

TEST(Values, DecimalAndHexadecimalValues) {
  const std::vector<std::pair<const char*, int32_t>> good = {
      {"0x1F", 31},       {"0xffffFFFF", -1},         {"4294967295", -1}, {"-1", -1}, {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MIN}, {"", 0}, {"-", 0}, {"0x", 0}, {"007", 7}};
  for (const auto& [text, number] : good) EXPECT_EQ(Dec(text), number) << text;
  for (const char* bad : {"0X1F", "31 ", " 31", "31k", "0x1G", "+5", "-0x1", "-2147483649", "4294967296",
                          "0x100000000", "99999999999999999999"}) {
    EXPECT_EQ(FatalLines([&] { Dec(bad); }), NumberError("Invalid DecOrHexValue:", bad)) << bad;
  }
}

TEST(Values, SixtyFourBitValues) {
  const std::vector<std::pair<const char*, int64_t>> good = {
      {"0x100000000", INT64_C(4294967296)}, {"18446744073709551615", -1}, {"0xFFFFFFFFFFFFFFFF", -1},
      {"-2147483648", INT64_C(-2147483648)}};
  for (const auto& [text, number] : good) EXPECT_EQ(Dec64(text), number) << text;
  for (const char* range : {"-2147483649", "0x10000000000000000", "18446744073709551616"}) {
    EXPECT_EQ(FatalLines([&] { Dec64(range); }), NumberError("Invalid DecOrHexValue:", range)) << range;
  }
  for (const char* ending : {"0X1F", "31 ", "12abc"}) {
    EXPECT_EQ(FatalLines([&] { Dec64(ending); }), NumberError("Invalid DecOrHexValue(64-bit value):", ending))
        << ending;
  }
}

TEST(Values, BooleansAreTrueOrFalseInAnyCase) {
  for (const auto& [text, truth] : std::vector<std::pair<const char*, int>>{{"TRUE", 1}, {"True", 1}, {"false", 0}}) {
    EXPECT_EQ(Boolean(text), truth) << text;
  }
  for (const char* bad : {"yes", "1", "trueish", "true ", ""}) {
    EXPECT_EQ(FatalLines([&] { Boolean(bad); }),
              ErrorLine(std::string("Line 1 - ") + kMessage) + ErrorLine(std::string("<Value V=\"") + bad + "\"/>"))
        << bad;
  }
  // The prefix form only looks at the beginning.
  EXPECT_EQ(Boolean("trueish", true), 1);
  EXPECT_EQ(Boolean("FALSE ", true), 0);
  EXPECT_EQ(FatalLines([&] { Boolean("1", true); }),
            ErrorLine(std::string("Line 1 - ") + kMessage) + ErrorLine("<Value V=\"1\"/>"));
}

TEST(CoreList, ItemsMustBeCoresOfTheModule) {
  TestContext t;
  t.ctx.settings.NumberOfCores = 2;
  int32_t core = -1;
  const char* next = NextCoreListItem(t.ctx.report, t.ctx.settings, "0,1", &core);
  EXPECT_EQ(core, 0);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(NextCoreListItem(t.ctx.report, t.ctx.settings, next, &core), nullptr);
  EXPECT_EQ(core, 1);
  EXPECT_EQ(NextCoreListItem(t.ctx.report, t.ctx.settings, "", &core), nullptr);
  EXPECT_EQ(core, 0);

  next = NextCoreListItem(t.ctx.report, t.ctx.settings, "0,2", &core);
  EXPECT_EQ(FatalLines([&] { NextCoreListItem(t.ctx.report, t.ctx.settings, next, &core); }),
            ErrorLine("Line 1 - Invalid core value in list:") + ErrorLine("2"));
  next = NextCoreListItem(t.ctx.report, t.ctx.settings, "0, 1", &core);
  EXPECT_EQ(FatalLines([&] { NextCoreListItem(t.ctx.report, t.ctx.settings, next, &core); }),
            ErrorLine("Line 1 - Invalid core list value:") + ErrorLine(" 1"));
  EXPECT_EQ(FatalLines([&] { NextCoreListItem(t.ctx.report, t.ctx.settings, "-1", &core); }),
            ErrorLine("Line 1 - Invalid core list value:") + ErrorLine("-1"));
}

TEST(ObjectNames, LimitIs30CharactersOr32WithTheSwitch) {
  TestContext t;
  const std::string name31(31, 'n'), name33(33, 'n');
  CheckObjectNameLength(t.ctx.report, t.ctx.settings, std::string(30, 'n'));
  EXPECT_EQ(FatalLines([&] { CheckObjectNameLength(t.ctx.report, t.ctx.settings, name31); }),
            ErrorLine("Line 1 - Name longer than 30 characters:") + ErrorLine(name31));
  t.ctx.settings.NameLength32 = 1;
  CheckObjectNameLength(t.ctx.report, t.ctx.settings, name31);
  CheckObjectNameLength(t.ctx.report, t.ctx.settings, std::string(32, 'n'));
  EXPECT_EQ(FatalLines([&] { CheckObjectNameLength(t.ctx.report, t.ctx.settings, name33); }),
            ErrorLine("Line 1 - Name longer than 32 characters:") + ErrorLine(name33));
}

}  // namespace
}  // namespace cfgxlate::test
