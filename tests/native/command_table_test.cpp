#include "base/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace scrv {
namespace {

TEST(CommandTable, RunsFollowEachOtherInCategoryOrderAndCoverTheTable) {
  size_t next = 0;
  for (uint32_t category = 0; category < kCommandCategoryCount; ++category) {
    std::span<const CommandEntry> run = CategoryRun(category);
    if (run.empty()) continue;
    EXPECT_EQ(run.data(), CommandTable().data() + next) << category;
    for (const CommandEntry& e : run) EXPECT_EQ(e.category, category);
    next += run.size();
  }
  EXPECT_EQ(next, kCommandTableSize);
  EXPECT_EQ(CommandTable().size(), kCommandTableSize);
}

TEST(CommandTable, SpotChecks) {
  EXPECT_EQ(CategoryRun(kCategoryEdit).size(), 326u);
  EXPECT_EQ(CategoryRun(kCategoryJumpList).size(), 14u);
  EXPECT_TRUE(CategoryRun(kCategoryPlugIns).empty());
  EXPECT_TRUE(CategoryRun(kCategoryMacroFiles).empty());
  EXPECT_TRUE(CategoryRun(99).empty());

  // The first command of the table stands in four categories.
  EXPECT_EQ(CommandTable()[0].command, 4096);
  EXPECT_EQ(std::count_if(CommandTable().begin(), CommandTable().end(),
                          [](const CommandEntry& e) { return e.command == 4096; }),
            4);
  for (const CommandEntry& e : CommandTable())
    EXPECT_TRUE(e.command < 4463 || e.command > 4465) << e.command;

  // Every listed command has a string; the recent-item lists have strings but no category.
  std::set<uint16_t> ids(CommandIds().begin(), CommandIds().end());
  EXPECT_EQ(ids.size(), CommandIds().size());
  for (const CommandEntry& e : CommandTable()) EXPECT_TRUE(ids.count(e.command)) << e.command;
  EXPECT_TRUE(ids.count(4463));
  EXPECT_EQ(*ids.begin(), 3843);
  EXPECT_EQ(*ids.rbegin(), 22912);
}

TEST(CommandTable, CategoryNames) {
  EXPECT_EQ(CategoryNameId(kCategoryFile), 1040u);
  EXPECT_EQ(CategoryNameId(kCategoryBookmarks), 1076u);
  EXPECT_EQ(CategoryNameId(kCategoryPlugIns), 143u);
  EXPECT_EQ(CategoryNameId(kCategoryToolPrograms), 167u);
  EXPECT_EQ(CategoryNameId(kCategoryTray), 161u);
  EXPECT_EQ(CategoryNameId(kCategoryJumpList), 17165u);
  EXPECT_EQ(CategoryNameId(15), 0u);
}

TEST(CommandTable, CommandStringsSplitAtTheFirstLineFeed) {
  struct Case {
    std::u16string_view text, status, name;
  } cases[] = {
      {u"Creates a new document\nNew", u"Creates a new document", u"New"},
      {u"a\nb\nc", u"a", u"b\nc"},
      {u"Only a name", u"Only a name", u"Only a name"},
      {u"", u"", u""},
      {u"\nName", u"", u"Name"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandStatusOf(c.text), c.status);
    EXPECT_EQ(CommandNameOf(c.text), c.name);
  }
}

}  // namespace
}  // namespace scrv
