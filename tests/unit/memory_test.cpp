// Memory requirements and regions, their access keywords, Partition_Memory
// and MemoryBlocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "partitions/memory_blocks.h"
#include "partitions/memory_regions.h"
#include "partitions/partition_lookup.h"
#include "partitions/partition_memory.h"
#include "run_helpers.h"

namespace cfgxlate::test {
namespace {

using Handler = void (*)(TranslationContext&, const char*);

class MemoryTest : public ::testing::Test {
 protected:
  // Reads one region element into `partition_`.
  const MemoryRegionRecord& Region(const std::string& tag) {
    ReadMemoryRegion(t_.ctx, tag.c_str(), partition_);
    return partition_.MemoryRegions.back();
  }
  std::string RegionFatal(const std::string& tag) {
    return FatalLines([&] { ReadMemoryRegion(t_.ctx, tag.c_str(), partition_); });
  }
  // The Access bytes of a region that has only Name and `access`.
  std::vector<int> Access(const std::string& access) {
    const MemoryRegionRecord& r = Region("<MemoryRegion Name=\"R\" Access=\"" + access + "\"/>");
    return {r.Access1, r.Access2, r.Access3};
  }
  std::string AccessFatal(const std::string& access) {
    return RegionFatal("<MemoryRegion Name=\"R\" Access=\"" + access + "\"/>");
  }

  PartitionRecord& AddPartition(int32_t identifier, const std::string& name, bool kernel = false) {
    PartitionRecord& p = t_.ctx.model.partitions.Partitions.emplace_back();
    p.PartitionIdentifier = identifier;
    p.KernelPartition = kernel ? 1 : 0;
    p.PartitionName = kernel ? "KernelSpace" : name;
    if (kernel) p.KernelUserName = name;
    RegisterPartition(t_.ctx.model.partitions, p);
    return p;
  }
  // Feeds `xml` through the reader and hands its first tag line to `handler`.
  void Read(Handler handler, const std::string& xml) {
    t_.fs.files["a.xml"] = xml;
    StartReader(t_.ctx, t_.fs.OpenForReading("a.xml"), "a.xml");
    TagLine first;
    ASSERT_TRUE(NextTagLine(t_.ctx, first));
    handler(t_.ctx, first.c_str());
  }
  std::string ReadFatal(Handler handler, const std::string& xml) {
    return FatalLines([&] { Read(handler, xml); });
  }
  // The tag line after the ones the handler consumed, or "" at the end.
  std::string NextTag() {
    TagLine tag;
    return NextTagLine(t_.ctx, tag) ? tag : "";
  }

  TestContext t_;
  PartitionRecord partition_;
};

std::string Fatal(int line, const std::string& message, const std::string& detail) {
  return ErrorLine("Line " + std::to_string(line) + " - " + message) + ErrorLine(detail);
}

std::vector<std::string> Names(const PartitionRecord& p) {
  std::vector<std::string> names;
  for (const MemoryRegionRecord& r : p.MemoryRegions) names.push_back(r.Name);
  return names;
}

TEST_F(MemoryTest, RequirementsNeedTypeSizeNameAndAccessRegionsOnlyAName) {
  const MemoryRegionRecord& region = Region("<Memory_Region Name=\"Shared Buffer\"/>");
  EXPECT_EQ(region.Name, "Shared_Buffer");
  EXPECT_EQ(region.Flags, kRegionNamed);
  EXPECT_EQ(region.Size, 0u);
  EXPECT_EQ(region.ObjectNumber, -1);

  const MemoryRegionRecord& requirement = Region(
      "<MemoryRequirements Type=\"Heap\" SizeBytes=\"0x2000\" Size=\"16\" RegionName=\"A\" Name=\"B\" "
      "Access=\"Read\"/>");
  EXPECT_EQ(requirement.Size, 0x2000u);  // SizeBytes before Size
  EXPECT_EQ(requirement.Name, "A");      // RegionName before Name
  EXPECT_EQ(Region("<Memory_Requirements Type=\"x\" Size=\"16\" Name=\"C\" AccessRights=\"Write\"/>").Size, 16u);

  // The first missing attribute in reading order decides the message.
  const std::string no_type = "<Memory_Requirements Size=\"16\" Access=\"Read\"/>";
  EXPECT_EQ(RegionFatal(no_type), Fatal(1, "Required Type field missing:", no_type));
  const std::string no_size = "<MemoryRequirements Type=\"Data\" Access=\"Read\"/>";
  EXPECT_EQ(RegionFatal(no_size), Fatal(1, "Required Size or SizeBytes field missing:", no_size));
  const std::string no_name = "<MemoryRequirements Type=\"Data\" Size=\"1\"/>";
  EXPECT_EQ(RegionFatal(no_name), Fatal(1, "Required Name or RegionName field missing:", no_name));
  const std::string no_access = "<MemoryRequirements Type=\"Data\" Size=\"1\" Name=\"R\"/>";
  EXPECT_EQ(RegionFatal(no_access), Fatal(1, "Required Access or AccessRights field missing:", no_access));
  const std::string unnamed_region = "<MemoryRegion Size=\"1\"/>";
  EXPECT_EQ(RegionFatal(unnamed_region), Fatal(1, "Required Name or RegionName field missing:", unnamed_region));
}

TEST_F(MemoryTest, AddressSpaceIsForRegionsOnly) {
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" AddressSpace=\"Display Unit\"/>").AddressSpace.Text(), "Display_Unit");
  const std::string tag =
      "<Memory_Requirements Type=\"Data\" Size=\"1\" Name=\"R\" AddressSpace=\"P\" Access=\"Read\"/>";
  EXPECT_EQ(RegionFatal(tag), Fatal(1, "AddressSpace attribute only allowed for MemoryRegion specifications:", tag));
}

TEST_F(MemoryTest, TypeTakesEffectOnlyWithAPhysicalAddress) {
  const uint8_t kTypeBits = kTypeCode | kTypeData;
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" Type=\"Data\"/>").Access3 & kTypeBits, 0);
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" Type=\"Data\" PhysicalAddress=\"0x10000\"/>").Access3 & kTypeBits,
            kTypeData);
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" Type=\"cODE\" Address=\"0x10000\"/>").Access3 & kTypeBits, kTypeCode);
  // The word must end at the closing quote.
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" Type=\"Code \" Address=\"0x10000\"/>").Access3 & kTypeBits, 0);
}

TEST_F(MemoryTest, PlacementAttributes) {
  const MemoryRegionRecord& r = Region(
      "<MemoryRegion Name=\"R\" AlignmentValue=\"0x100000\" Address=\"0x100000000\" "
      "VirtualAddress=\"0xFFFFFFFF00000000\" SectionName=\"text a\"/>");
  EXPECT_EQ(r.AlignmentValue, 0x100000u);
  EXPECT_EQ(r.PhysicalAddress, 4294967296u);
  EXPECT_EQ(r.VirtualAddress, 0xFFFFFFFF00000000u);
  EXPECT_EQ(r.SectionName.Text(), "text a");  // copied as written

  const std::string both = "<MemoryRegion Name=\"R\" PhysicalAddress=\"0x1000\" MapToName=\"Other\"/>";
  EXPECT_EQ(RegionFatal(both), Fatal(1, "Cannot specify PhysicalAddress with MapToName:", both));
  const MemoryRegionRecord& mapped = Region("<MemoryRegion Name=\"R\" PhysicalAddress=\"0\" MapToName=\"Other one\"/>");
  EXPECT_TRUE(mapped.MapToName.Given());
  EXPECT_EQ(mapped.MapToName.Text(), "Other one");
}

TEST_F(MemoryTest, ObjectFlagsAndCore) {
  const MemoryRegionRecord& r =
      Region("<MemoryRegion Name=\"R\" UsedByCallback=\"TRUE\" UsedByKernelTask=\"false\" CoreID=\"3\"/>");
  EXPECT_EQ(r.Flags, kRegionNamed | kRegionUsedByCallbackValue | kRegionUsedByCallbackGiven |
                         kRegionUsedByKernelTaskGiven | kRegionCoreIdGiven);
  EXPECT_EQ(r.CoreId, 3u);
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" CoreId=\"1\" CoreID=\"2\"/>").CoreId, 1u);

  const std::string callback = "<MemoryRegion Name=\"R\" UsedByCallback=\"yes\"/>";
  EXPECT_EQ(RegionFatal(callback), Fatal(1, "Invalid UsedByCallback value: ", callback));
  const std::string kernel_task = "<MemoryRegion Name=\"R\" UsedByKernelTask=\"1\"/>";
  EXPECT_EQ(RegionFatal(kernel_task), Fatal(1, "Invalid UsedByKernelTask value: ", kernel_task));
}

TEST_F(MemoryTest, ObjectNumbersStartAtTheFixedSlots) {
  const std::string too_small = "Invalid ObjectNumber specification, value too small:";
  const std::string low = "<MemoryRegion Name=\"R\" ObjectNumber=\"19\"/>";
  EXPECT_EQ(RegionFatal(low), Fatal(1, too_small, low));
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" ObjectNumber=\"20\"/>").ObjectNumber, 20);

  partition_.KernelPartition = 1;
  const std::string kernel_low = "<MemoryRegion Name=\"R\" ObjectNumber=\"399\"/>";
  EXPECT_EQ(RegionFatal(kernel_low), Fatal(1, too_small, kernel_low));
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" ObjectNumber=\"400\"/>").ObjectNumber, 400);
  // A kernel start moved by the kernel's ErrorProcessObject moves the bound.
  t_.ctx.settings.KernelStartObject = 65;
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" ObjectNumber=\"65\"/>").ObjectNumber, 65);
}

TEST_F(MemoryTest, AccessKeywordsSetGivenAndValueBits) {
  const int kReadWrite = kReadGiven | kReadValue | kWriteGiven | kWriteValue;
  EXPECT_EQ(Access("Read_Write"), (std::vector<int>{kReadWrite, 0, 0}));
  EXPECT_EQ(Access("Read=false_Write"), (std::vector<int>{kReadGiven | kWriteGiven | kWriteValue, 0, 0}));
  EXPECT_EQ(Access("Read_Only"), (std::vector<int>{kReadGiven | kReadValue, 0, 0}));
  EXPECT_EQ(Access("rEAD_oNLY_write"), (std::vector<int>{kReadWrite, 0, 0}));
  EXPECT_EQ(Access(""), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(Access("FastPacketCache_Clear_Read_Write_Execute_Volatile_IOCoherent_IOSpace_Unmapped_Paged_StackSegment"),
            (std::vector<int>{0xFF, 0xFF, 0x3F}));
  EXPECT_EQ(Access("execute=TRUE_IOSpace=False_paged=trueish"),
            (std::vector<int>{0, kExecuteGiven | kExecuteValue | kIOSpaceGiven, kPagedGiven | kPagedValue}));
  // The last occurrence of a keyword wins.
  EXPECT_EQ(Access("Write_Write=false"), (std::vector<int>{kWriteGiven, 0, 0}));
  EXPECT_EQ(Access("Volatile=false_Volatile"), (std::vector<int>{0, kVolatileGiven | kVolatileValue, 0}));
  // AccessRights is read when Access is absent.
  EXPECT_EQ(Region("<MemoryRegion Name=\"R\" AccessRights=\"Clear\"/>").Access1, kClearGiven | kClearValue);
}

TEST_F(MemoryTest, AnythingButKeywordsJoinedBySingleUnderscoresIsRefused) {
  for (const std::string access : {"Read__Write", "Readable", "ReadWrite", "Read_", "Read_Onlyx", "Read Write", "="}) {
    SCOPED_TRACE(access);
    EXPECT_EQ(AccessFatal(access),
              Fatal(1, "Incorrect access field:", "<MemoryRegion Name=\"R\" Access=\"" + access + "\"/>"));
  }
  // A keyword's "=" must be followed by true or false.
  EXPECT_EQ(AccessFatal("Read=yes"),
            Fatal(1, "Invalid Read value: ", "<MemoryRegion Name=\"R\" Access=\"Read=yes\"/>"));
  EXPECT_EQ(AccessFatal("Read_StackSegment="),
            Fatal(1, "Invalid StackSegment value: ", "<MemoryRegion Name=\"R\" Access=\"Read_StackSegment=\"/>"));
}

TEST_F(MemoryTest, PartitionMemoryFindsItsPartitionByIdentifier) {
  AddPartition(4, "First");
  AddPartition(4, "Second");
  Read(ReadPartitionMemory,
       "<Partition_Memory PartitionIdentifier=\"0x4\">\n<MemoryRegion Name=\"R\"/>\n"
       "</Partition_Memory>\n");
  EXPECT_EQ(Names(t_.ctx.model.partitions.Partitions[0]), (std::vector<std::string>{"R"}));
  EXPECT_TRUE(t_.ctx.model.partitions.Partitions[1].MemoryRegions.empty());

  const std::string no_identifier = "<PartitionMemory PartitionName=\"First\">";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, no_identifier),
            Fatal(1, "Required PartitionIdentifier field missing:", no_identifier));
  const std::string unknown = "<PartitionMemory PartitionIdentifier=\"5\">";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, unknown),
            Fatal(1, "No partition exists matching PartitionIdentifier:", unknown));
}

TEST_F(MemoryTest, PartitionMemoryNameIgnoresCaseAndBlanks) {
  AddPartition(1, "Flight_Control");
  AddPartition(2, "Boot", /*kernel=*/true);
  Read(ReadPartitionMemory, "<Partition_Memory PartitionIdentifier=\"1\" PartitionName=\"flight CONTROL\">");

  const std::string wrong = "PartitionName is not correct in Partition_Memory specification:";
  for (const std::string name : {"Flight_Control1", "Flight_Contro", "Flight-Control"}) {
    const std::string tag = "<Partition_Memory PartitionIdentifier=\"1\" PartitionName=\"" + name + "\">";
    EXPECT_EQ(ReadFatal(ReadPartitionMemory, tag), Fatal(1, wrong, tag)) << name;
  }
  // The kernel partition answers to the name its user gave it; a differing
  // name has its own message, a longer one the common one.
  Read(ReadPartitionMemory, "<Partition_Memory PartitionIdentifier=\"2\" PartitionName=\"BOOT\">");
  const std::string kernel_space = "<Partition_Memory PartitionIdentifier=\"2\" PartitionName=\"KernelSpace\">";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, kernel_space),
            Fatal(1,
                  "PartitionName and PartitionIdentifier do not specify the same partition in Partition_Memory "
                  "specification:",
                  kernel_space));
  const std::string longer = "<Partition_Memory PartitionIdentifier=\"2\" PartitionName=\"Bootloader\">";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, longer), Fatal(1, wrong, longer));
}

TEST_F(MemoryTest, PartitionMemoryReadsRegionsUpToItsEndTag) {
  PartitionRecord& p = AddPartition(1, "P");
  Read(ReadPartitionMemory,
       "<PartitionMemory PartitionIdentifier=\"1\">\n"
       "<Memory_Requirements Type=\"Data\" Size=\"8\" Name=\"Req\" Access=\"Read\">\n"
       "</Memory_Requirements>\n"
       "<MemoryRegion Name=\"Reg\">\n"
       "</MemoryRegion>\n"
       "<Memory_Region Name=\"Open\">\n"
       "<Process Name=\"X\"/>\n"
       "</PartitionMemory>\n"
       "<After/>\n");
  EXPECT_EQ(Names(p), (std::vector<std::string>{"Req", "Reg", "Open"}));
  EXPECT_EQ(t_.console.err,
            WarningLine("Line 7 - Unexpected Partition_Memory tag line:") + WarningLine("<Process Name=\"X\"/>"));
  EXPECT_EQ(NextTag(), "<After/>");

  // A region is checked as inside a partition, with the line it stands on.
  PartitionRecord& q = AddPartition(2, "Q");
  const std::string bad = "<MemoryRequirements Size=\"8\" Name=\"R\"/>";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, "<Partition_Memory PartitionIdentifier=\"2\">\n\n" + bad + "\n"),
            Fatal(3, "Required Type field missing:", bad));
  // Input that ends before the end tag ends the element.
  Read(ReadPartitionMemory, "<Partition_Memory PartitionIdentifier=\"2\">\n<MemoryRegion Name=\"Last\"/>\n");
  EXPECT_EQ(Names(q), (std::vector<std::string>{"Last"}));
  EXPECT_EQ(NextTag(), "");
}

TEST_F(MemoryTest, PartitionMemoryComesOnlyOnceAndBeforeBlocks) {
  const std::string already = "Partition_Memory for partition already specified:";
  const std::string tag = "<Partition_Memory PartitionIdentifier=\"1\">";
  PartitionRecord& p = AddPartition(1, "P");
  p.MemoryRegions.emplace_back().Name = "FromPartition";
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, tag + "</Partition_Memory>"), Fatal(1, already, tag));

  // A second Partition_Memory, and one after the partition's blocks.
  AddPartition(2, "Q");
  const std::string second = "<Partition_Memory PartitionIdentifier=\"2\">";
  Read(ReadPartitionMemory, second + "<MemoryRegion Name=\"R\"/></Partition_Memory>");
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, second), Fatal(1, already, second));

  AddPartition(3, "S");
  const std::string third = "<Partition_Memory PartitionIdentifier=\"3\">";
  Read(ReadMemoryBlocks, "<MemoryBlocks><MemoryBlock PartitionNameRef=\"S\" MemoryBlockName=\"B\"/></MemoryBlocks>");
  EXPECT_EQ(ReadFatal(ReadPartitionMemory, third), Fatal(1, already, third));
}

TEST_F(MemoryTest, BlocksGoInFrontInReverseOrder) {
  PartitionRecord& p = AddPartition(7, "P");
  Read(ReadPartitionMemory,
       "<Partition_Memory PartitionIdentifier=\"7\"><MemoryRegion Name=\"Own\"/>"
       "</Partition_Memory>");
  Read(ReadMemoryBlocks,
       "<Memory_Blocks>\n"
       "<Memory_Block PartitionID=\"7\" MemoryBlockName=\"Block A\" Size=\"0x40\"/>\n"
       "</Memory_Block>\n"
       "<MemoryBlock PartitionNameRef=\"P\" MemoryBlockName=\"B\" SizeBytes=\"0x80\" AlignmentValue=\"0x1000\" "
       "Access=\"Read_Write\"/>\n"
       "</Memory_Blocks>\n<After/>\n");
  EXPECT_EQ(Names(p), (std::vector<std::string>{"B", "Block_A", "Own"}));
  EXPECT_EQ(t_.console.err,
            WarningLine("Line 3 - Unexpected MemoryBlocks XML tag line:") + WarningLine("</Memory_Block>"));
  EXPECT_EQ(NextTag(), "<After/>");

  const MemoryRegionRecord& b = p.MemoryRegions[0];
  const MemoryRegionRecord& a = p.MemoryRegions[1];
  EXPECT_EQ(a.Flags, kRegionNamed | kRegionIsMemoryBlock);
  EXPECT_EQ(a.Size, 0x40u);
  EXPECT_EQ(a.AlignmentValue, 0u);
  EXPECT_EQ(a.Access1, 0);
  EXPECT_EQ(b.Size, 0x80u);
  EXPECT_EQ(b.AlignmentValue, 0x1000u);
  EXPECT_EQ(b.Access1, kReadGiven | kReadValue | kWriteGiven | kWriteValue);

  // Blocks follow the common rules, with the line they stand on.
  const std::string mapped =
      "<MemoryBlock PartitionID=\"7\" MemoryBlockName=\"C\" Address=\"0x1000\" MapToName=\"M\"/>";
  EXPECT_EQ(ReadFatal(ReadMemoryBlocks, "<MemoryBlocks>\n" + mapped),
            Fatal(2, "Cannot specify PhysicalAddress with MapToName:", mapped));
  // Input that ends before the end tag ends the element.
  Read(ReadMemoryBlocks, "<MemoryBlocks>\n<MemoryBlock PartitionID=\"7\" MemoryBlockName=\"D\"/>\n");
  EXPECT_EQ(p.MemoryRegions.front().Name, "D");
  EXPECT_EQ(NextTag(), "");
}

TEST_F(MemoryTest, BlocksFindTheirPartitionByNameThenIdentifier) {
  PartitionRecord& p1 = AddPartition(1, "P1");
  PartitionRecord& p10 = AddPartition(10, "P10");
  PartitionRecord& kernel = AddPartition(0, "Main_Kernel", /*kernel=*/true);
  PartitionRecord& spaced = AddPartition(3, "Data_Logger");
  auto block = [&](const std::string& attributes) {
    Read(ReadMemoryBlocks, "<MemoryBlocks><MemoryBlock " + attributes + " MemoryBlockName=\"B\"/></MemoryBlocks>");
  };
  auto block_fatal = [&](const std::string& attributes) { return FatalLines([&] { block(attributes); }); };
  auto line = [](const std::string& attributes) { return "<MemoryBlock " + attributes + " MemoryBlockName=\"B\"/>"; };

  block("PartitionNameRef=\"P10\"");
  EXPECT_EQ(p10.MemoryRegions.size(), 1u);
  block("PartitionName=\"P1\" PartitionIdentifier=\"1\"");
  EXPECT_EQ(p1.MemoryRegions.size(), 1u);
  block("PartitionNameRef=\"Main_Kernel\"");
  EXPECT_EQ(kernel.MemoryRegions.size(), 1u);
  block("PartitionNameRef=\"Data Logger\"");
  EXPECT_EQ(spaced.MemoryRegions.size(), 1u);
  // An unknown name leaves the identifier to decide; PartitionID comes first.
  block("PartitionNameRef=\"p10\" PartitionID=\"10\" PartitionIdentifier=\"1\"");
  EXPECT_EQ(p10.MemoryRegions.size(), 2u);

  const std::string differ = "PartitionID and PartitionNameRef in MemoryBlock do not specify the same partition:";
  EXPECT_EQ(block_fatal("PartitionNameRef=\"P10\" PartitionID=\"1\""),
            Fatal(1, differ, line("PartitionNameRef=\"P10\" PartitionID=\"1\"")));
  const std::string missing = "MemoryBlock specification missing valid PartitionID and PartitionNameRef:";
  EXPECT_EQ(block_fatal("Size=\"1\""), Fatal(1, missing, line("Size=\"1\"")));
  EXPECT_EQ(block_fatal("PartitionNameRef=\"KernelSpace\""),
            Fatal(1, missing, line("PartitionNameRef=\"KernelSpace\"")));
  const std::string no_partition =
      "PartitionID or PartitionNameRef in MemoryBlock do not map to an existing partition:";
  EXPECT_EQ(block_fatal("PartitionID=\"99\""), Fatal(1, no_partition, line("PartitionID=\"99\"")));
}

TEST_F(MemoryTest, BlockNamesAreRequiredAndLimitedInLength) {
  AddPartition(1, "P");
  auto block_fatal = [&](const std::string& attributes) {
    return ReadFatal(ReadMemoryBlocks, "<MemoryBlocks><MemoryBlock PartitionID=\"1\" " + attributes + "/>");
  };
  EXPECT_EQ(block_fatal("Size=\"1\""),
            Fatal(1, "Required MemoryBlockName field missing:", "<MemoryBlock PartitionID=\"1\" Size=\"1\"/>"));

  const std::string name30(30, 'n'), name31 = name30 + "n", name33 = name31 + "nn";
  Read(ReadMemoryBlocks, "<MemoryBlocks><MemoryBlock PartitionID=\"1\" MemoryBlockName=\"" + name30 + "\"/>");
  // The name is quoted, after blanks became underscores.
  const std::string blank31 = std::string(15, 'n') + " " + std::string(15, 'n');
  EXPECT_EQ(block_fatal("MemoryBlockName=\"" + blank31 + "\""),
            Fatal(1, "Name longer than 30 characters:", std::string(15, 'n') + "_" + std::string(15, 'n')));

  t_.ctx.settings.NameLength32 = 1;
  Read(ReadMemoryBlocks, "<MemoryBlocks><MemoryBlock PartitionID=\"1\" MemoryBlockName=\"" + name31 + "\"/>");
  EXPECT_EQ(block_fatal("MemoryBlockName=\"" + name33 + "\""), Fatal(1, "Name longer than 32 characters:", name33));
  EXPECT_EQ(Names(t_.ctx.model.partitions.Partitions[0]), (std::vector<std::string>{name31, name30}));
}

}  // namespace
}  // namespace cfgxlate::test
