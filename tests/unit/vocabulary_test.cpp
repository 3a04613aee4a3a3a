// The check of tag lines against the known elements and attributes under
// -wa (warnings) and -ea (errors).
#include <gtest/gtest.h>

#include "reader/vocabulary.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

// The lines -ea gives for a tag line ("" when it is accepted).
std::string ErrorsFor(const std::string& tag) {
  TestContext t;
  t.ctx.settings.UnusedAttributeErrors = 1;
  try {
    CheckTagVocabulary(t.ctx, tag.c_str());
  } catch (const FatalExit& fatal) {
    return fatal.lines;
  }
  return t.console.err;
}

// The lines -wa gives; the check never stops.
std::string WarningsFor(const std::string& tag) {
  TestContext t;
  t.ctx.settings.UnusedAttributeWarnings = 1;
  CheckTagVocabulary(t.ctx, tag.c_str());
  return t.console.err;
}

std::string UnusedError(const std::string& attribute, const std::string& tag) {
  return ErrorLine("Line 1 - Unused attribute found: " + attribute) + ErrorLine(tag);
}

TEST(Vocabulary, UnknownAttributesAreWarningsOrErrors) {
  const std::string tag = "<Partition PartitionName=\"P1\" Colour=\"red\" PartitionIdentifier=\"1\">";
  EXPECT_EQ(WarningsFor(tag), WarningLine("Line 1 - Unused attribute found: Colour") + WarningLine(tag));
  EXPECT_EQ(ErrorsFor(tag), UnusedError("Colour", tag));
  // Under -wa every unknown attribute is reported, in order.
  const std::string two = "<Semaphore Size=\"1\" Name=\"S\" Colour=\"x\"/>";
  EXPECT_EQ(WarningsFor(two), WarningLine("Line 1 - Unused attribute found: Size") + WarningLine(two) +
                                  WarningLine("Line 1 - Unused attribute found: Colour") + WarningLine(two));
  // Without either switch nothing is checked.
  TestContext t;
  CheckTagVocabulary(t.ctx, "<Foo Colour=\"x\"/>");
  EXPECT_EQ(t.console.err, "");
}

TEST(Vocabulary, ElementNamesAreMatchedExactly) {
  const std::string not_found = "Line 1 - Tag line not found";
  for (const char* unknown : {"<Foo/>", "<Foo Name=\"x\">", "</Foo>", "<partition>", "<MemoryRegions/>"}) {
    EXPECT_EQ(ErrorsFor(unknown), ErrorLine(not_found) + ErrorLine(unknown)) << unknown;
  }
  EXPECT_EQ(WarningsFor("<Foo/>"), WarningLine(not_found) + WarningLine("<Foo/>"));
  for (const char* known : {"<MemoryRegions />", "<MemoryRegions>", "</Partition>", "</ARINC_653_Module>",
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<Core ID=\"0\" AGPriority=\"5\"/>"}) {
    EXPECT_EQ(ErrorsFor(known), "") << known;
  }
}

TEST(Vocabulary, AttributeNamesRunToTheEqualsSign) {
  EXPECT_EQ(ErrorsFor("<Semaphore Name =\"A\"/>"), UnusedError("Name ", "<Semaphore Name =\"A\"/>"));
  // Any name beginning with WindowUserData is accepted where WindowUserData is.
  EXPECT_EQ(ErrorsFor("<WindowSchedule WindowIdentifier=\"1\" WindowUserDataMode=\"x\" WindowUserData1=\"2\">"), "");
  EXPECT_EQ(ErrorsFor("<WindowUserData Value=\"1\" WindowUserDataMode=\"x\"/>"),
            UnusedError("WindowUserDataMode", "<WindowUserData Value=\"1\" WindowUserDataMode=\"x\"/>"));
}

TEST(Vocabulary, RowsThatDifferFromTheirNeighbours) {
  const std::vector<std::string> accepted = {
      "<PartitionDefinition Identifier=\"1\" Name=\"P\">",
      "<Partition_Definition Identifier=\"1\" Name=\"P\">",
      "<Queuing_Port Name=\"Q\" MaxNbMessage=\"4\" MaxNbMessages=\"4\">",
      "<QueuingPort PortName=\"Q\" MaxNbMessage=\"4\"/>",
      "<Memory_Block MemoryBlockName=\"B\" SizeBytes=\"16\" Size=\"16\" AlignmentValue=\"8\"/>",
      "<MemoryBlock MemoryBlockName=\"B\" SizeBytes=\"16\" Size=\"16\" AlignmentValue=\"8\"/>",
      "<StandardPartition PartitionName=\"P\" PortName=\"x\" Shared_Memory=\"true\" SharedMemory=\"true\"/>",
      "<Standard_Partition PartitionName=\"P\" Procedure=\"true\" Shared_Memory=\"true\" SharedMemory=\"true\"/>",
      "<Memory_Region Name=\"R\" AddressSpace=\"A\"/>",
  };
  for (const std::string& tag : accepted) {
    EXPECT_EQ(ErrorsFor(tag), "") << tag;
    const std::string coloured = tag.substr(0, tag.find(' ')) + " Colour=\"red\"" + tag.substr(tag.find(' '));
    EXPECT_EQ(ErrorsFor(coloured), UnusedError("Colour", coloured)) << coloured;
  }
  // A definition accepts only its own two attributes.
  const std::string definition = "<PartitionDefinition PartitionIdentifier=\"1\">";
  EXPECT_EQ(ErrorsFor(definition), UnusedError("PartitionIdentifier", definition));
  const std::string requirements = "<Memory_Requirements Name=\"R\" AddressSpace=\"A\"/>";
  EXPECT_EQ(ErrorsFor(requirements), UnusedError("AddressSpace", requirements));
}

TEST(Vocabulary, WholeRunsContinueUnderWaAndStopUnderEa) {
  const std::string tag = "<HM_Error_Descriptions Colour=\"red\">";
  const std::string xml = "<?xml version=\"1.0\"?>\n<Stray/>\n<ARINC_653_Module Target=\"t\">\n" + tag +
                          "\n</HM_Error_Descriptions>\n</ARINC_653_Module>\n";
  const std::string unexpected = WarningLine("Line 2 - Unexpected XML tag line:") + WarningLine("<Stray/>");
  const std::string unused = "Line 4 - Unused attribute found: Colour";
  RunResult wa = RunXml(xml, {"-wa", "-m"});
  EXPECT_EQ(wa.status, 1);
  EXPECT_EQ(wa.err, WarningLine("Line 2 - Tag line not found") + WarningLine("<Stray/>") + unexpected +
                        WarningLine(unused) + WarningLine(tag) + NoInitialSchedule(7));
  // -w silences the ordinary warnings but not those of -wa.
  RunResult quiet = RunXml(xml, {"-w", "-wa", "-m"});
  EXPECT_EQ(quiet.err, WarningLine("Line 2 - Tag line not found") + WarningLine("<Stray/>") + WarningLine(unused) +
                           WarningLine(tag) + NoInitialSchedule(7));
  RunResult ea = RunXml(xml, {"-ea", "-w", "-m"});
  EXPECT_EQ(ea.status, 1);
  EXPECT_EQ(ea.err, ErrorLine("Line 2 - Tag line not found") + ErrorLine("<Stray/>"));
  RunResult ea_later = RunXml("<?xml version=\"1.0\"?>\n<ARINC_653_Module Target=\"t\">\n" + tag + "\n", {"-ea"});
  EXPECT_EQ(ea_later.err, ErrorLine("Line 3 - Unused attribute found: Colour") + ErrorLine(tag));
}

}  // namespace
}  // namespace cfgxlate::test
