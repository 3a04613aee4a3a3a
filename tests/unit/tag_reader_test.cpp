// The tag-line reader: tag boundaries, line numbers, comments, the tag
// length limit and include requests.
#include <gtest/gtest.h>

#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// `block_size` cuts the input into blocks of that many bytes (0: whole).
TagsRead ReadFile(const std::string& contents, size_t block_size = 0) {
  TestContext t;
  t.fs.files["main.xml"] = contents;
  t.fs.input_block_size = block_size;
  return ReadAllTags(t, "main.xml");
}

std::string ReadFatal(const std::string& contents, size_t block_size = 0) {
  return FatalLines([&] { ReadFile(contents, block_size); });
}

TEST(TagReader, TagsSpanLinesAndShareLines) {
  EXPECT_EQ(ReadFile("<A x=\"1\">\n<B\n\ty=\"2\"\n  z=\"3\">\n<C/><D/>\n"),
            (TagsRead{{1, "<A x=\"1\">"}, {4, "<B  y=\"2\"   z=\"3\">"}, {5, "<C/>"}, {5, "<D/>"}}));
  // A report about a tag that spans lines names its last line.
  RunResult r = RunXml("<?xml version=\"1.0\"?>\n<ARINC_653_Module\n  NumberOfCores=\"0\"\n\tTarget=\"t\">\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, ErrorLine("Line 4 - Invalid Number_Of_Cores specification:") +
                       ErrorLine("<ARINC_653_Module   NumberOfCores=\"0\"  Target=\"t\">"));
}

TEST(TagReader, AnythingButATagIsFatal) {
  const std::string message = "Tag line does not begin with '<'";
  EXPECT_EQ(ReadFatal("<A>\n<B>text</B>\n"), ErrorLine("Line 2 - " + message));
  EXPECT_EQ(ReadFatal("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"), ErrorLine("Line 1 - " + message));
  // A tag cut off by the end of the file just ends the stream.
  EXPECT_EQ(ReadFile("<A/>\n<B x=\"1\""), (TagsRead{{1, "<A/>"}}));
}

TEST(TagReader, TagsAreLimitedTo5000Characters) {
  const std::string longest = "<" + std::string(4998, 'a') + ">";
  TagsRead tags = ReadFile("\n" + longest + "\n");
  ASSERT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags[0].first, 2);
  EXPECT_EQ(Runs(tags[0].second), "<a{4998}>");
  EXPECT_EQ(Runs(ReadFatal("\n<" + std::string(4999, 'a') + ">\n")),
            ErrorLine("Line 2 - Invalid xml tag line or line too long(5000 character limit):") +
                ErrorLine("<a{3999}..."));
}

TEST(TagReader, BlockBoundariesChangeNothing) {
  // Files reach the reader in blocks; a tag, a comment or a run of blanks
  // cut anywhere reads as the whole.
  const std::string contents = "  <A x=\"1\">\n<!-- a\n comment -->\n<B\n\ty=\"2\"\r\n z=\"3\">\n<C/><D/>\n<E";
  const TagsRead expected = {{1, "<A x=\"1\">"}, {6, "<B  y=\"2\"   z=\"3\">"}, {7, "<C/>"}, {7, "<D/>"}};
  const std::string longest = "<" + std::string(4998, 'a') + ">";
  // The character after the 5000th is read, and its line counted, before
  // the tag is refused.
  const std::string overlong = "\n<" + std::string(4999, 'a') + "\n>";
  for (size_t block : {1, 2, 3, 7, 4096}) {
    SCOPED_TRACE(block);
    EXPECT_EQ(ReadFile(contents, block), expected);
    EXPECT_EQ(ReadFile(longest, block), (TagsRead{{1, longest}}));
    EXPECT_EQ(Runs(ReadFatal(overlong, block)),
              ErrorLine("Line 3 - Invalid xml tag line or line too long(5000 character limit):") +
                  ErrorLine("<a{3999}..."));
  }
}

TEST(TagReader, CommentsAreSkippedAndMalformedOnesAreFatal) {
  EXPECT_EQ(ReadFile("<!---->\n<A/>\n<!-- two\n lines -->\n<B/>\n"), (TagsRead{{2, "<A/>"}, {5, "<B/>"}}));
  const std::string message = "Invalid comment line:";
  EXPECT_EQ(ReadFatal("<A/>\n<!-- a -- b -->\n"), ErrorLine("Line 2 - " + message) + ErrorLine("<-- a -- "));
  EXPECT_EQ(ReadFatal("<!DOCTYPE x>\n"), ErrorLine("Line 1 - " + message) + ErrorLine("<DO"));
  EXPECT_EQ(ReadFatal("<!-x->\n"), ErrorLine("Line 1 - " + message) + ErrorLine("<-x"));
}

TEST(TagReader, OnlyTheFirst3997CharactersOfACommentBodyAreShown) {
  const std::string message = "Invalid comment line:";
  const std::string body(3997, 'c');  // "..." follows only a longer body
  EXPECT_EQ(Runs(ReadFatal("<!--" + body + "-- -->")), ErrorLine("Line 1 - " + message) + ErrorLine("<--c{3997}-- "));
  EXPECT_EQ(Runs(ReadFatal("<!--" + body + "c-- -->")),
            ErrorLine("Line 1 - " + message) + ErrorLine("<--c{3997}...-- "));
}

TEST(TagReader, IncludeBlocksDeliverTheIncludedTagsInPlace) {
  TestContext t;
  t.fs.files["main.xml"] =
      "<A/>\n<IncludedPartitions>\n<!-- partitions -->\n<xi:include href=\"p1.xml\"/>\n"
      "</IncludedPartitions>\n<B/>\n<xi:include href=\"p1.xml\"/>\n";
  t.fs.files["p1.xml"] = "<?xml version=\"1.0\"?>\n<Partition PartitionName=\"P1\">\n</Partition>\n";
  // Outside a block an xi:include is an ordinary tag line.
  EXPECT_EQ(ReadAllTags(t, "main.xml"),
            (TagsRead{{1, "<A/>"},
                      {2, "<Partition PartitionName=\"P1\">"},
                      {3, "</Partition>"},
                      {6, "<B/>"},
                      {7, "<xi:include href=\"p1.xml\"/>"}}));
}

TEST(TagReader, IncludeBlocksHoldOnlyIncludes) {
  EXPECT_EQ(ReadFatal("<A/>\n<IncludedPartitions>\n<Partition PartitionName=\"P\">\n"),
            ErrorLine("Line 3 - Invalid line detected in an IncludedPartitions specifications:") +
                ErrorLine("<Partition PartitionName=\"P\">"));
  EXPECT_EQ(ReadFatal("<IncludedXML>\n\n<Foo/>\n"),
            ErrorLine("Line 3 - Invalid line detected in an IncludedXML specifications:") + ErrorLine("<Foo/>"));
  EXPECT_EQ(ReadFatal("<IncludedXML>\n<xi:include file=\"p.xml\"/>\n"),
            ErrorLine("Line 2 - No FileName specified in xi:include:") + ErrorLine("<xi:include file=\"p.xml\"/>"));
}

TEST(TagReader, NestedIncludesResumeWhereTheyStopped) {
  TestContext t;
  t.fs.files["main.xml"] = "<A/>\n<Include FileName=\"inc/a.xml\"/>\n<B/>\n";
  // A relative name is taken from the working directory, not from the
  // including file.
  t.fs.files["inc/a.xml"] = "<?xml version=\"1.0\"?>\n<Include FileName=\"b.xml\" />\n\n<A2/>\n";
  t.fs.files["b.xml"] = "\n<B1/>\n";
  EXPECT_EQ(ReadAllTags(t, "main.xml"),
            (TagsRead{{1, "<A/>"}, {1, "<?xml version=\"1.0\"?>"}, {2, "<B1/>"}, {4, "<A2/>"}, {3, "<B/>"}}));
}

TEST(TagReader, IncludeErrors) {
  EXPECT_EQ(ReadFatal("<A/>\n\n<Include Name=\"a.xml\"/>\n"),
            ErrorLine("Line 3 - No FileName specified in include:") + ErrorLine("<Include Name=\"a.xml\"/>"));
  EXPECT_EQ(ReadFatal("<A/>\n<Include FileName=\"absent.xml\"/>\n"),
            ErrorLine("Line 2 - Unable to open include file:") + ErrorLine("absent.xml"));
  // A file that includes itself nests until no further file can be opened.
  MemoryFileSystem fs;
  fs.files["main.xml"] = "<?xml version=\"1.0\"?>\n<Include FileName=\"main.xml\"/>\n";
  RunResult r = RunCommand(fs, {"-w", "main.xml"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, ErrorLine("Line 2 - Unable to open include file:") + ErrorLine("main.xml"));
}

}  // namespace
}  // namespace cfgxlate::test
