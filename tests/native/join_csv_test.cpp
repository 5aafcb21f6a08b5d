#include "tools/join_csv.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

class JoinCsvTest : public ::testing::Test {
 protected:
  JoinCsvModel Model() {
    return JoinCsvModel(documents_, [this](int32_t doc) {
      asked_.push_back(doc);
      auto it = columns_.find(doc);
      return it == columns_.end() ? std::vector<std::u16string>{} : it->second;
    });
  }
  static JoinCsvRecord Record(int32_t first, int32_t second) {
    JoinCsvRecord r;
    r.firstDocument = first;
    r.secondDocument = second;
    return r;
  }

  std::vector<std::u16string> documents_ = {u"people.csv", u"towns.csv", u"a,b>c.csv"};
  std::map<int32_t, std::vector<std::u16string>> columns_ = {
      {0, {u"Name", u"Town"}}, {1, {u"Town", u"Country", u"Size"}}, {2, {u"K"}}};
  std::vector<int32_t> asked_;
  MemorySettings settings_;
};

TEST_F(JoinCsvTest, DefaultSettingsCheckOnlyTheIgnoreHeadingsBoxes) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(-1, -1));
  EXPECT_EQ(model.flags, 0xC0u);
  EXPECT_EQ(model.flags, kJoinIgnoreHeadings1 | kJoinIgnoreHeadings2);
  settings_.WriteCommonDword(u"JoinCsvFlags", 0x111);
  model.Load(settings_, Record(-1, -1));
  EXPECT_EQ(model.flags, 0x11u);  // only the eight boxes
}

TEST_F(JoinCsvTest, PairListHoldsFirstThenSecondDocumentsColumnsAllTaken) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  EXPECT_EQ(model.KeyColumn(JoinSide::kFirst), 0);
  EXPECT_EQ(model.KeyColumn(JoinSide::kSecond), 0);
  ASSERT_EQ(model.RowCount(), 5u);
  const std::vector<ColumnEntry>& pairs = model.Pairs();
  EXPECT_EQ(pairs[0].column, 0u);
  EXPECT_EQ(pairs[0].flags, 0x2u);
  EXPECT_EQ(pairs[1].flags, 0x2u);
  EXPECT_EQ(pairs[2].column, 0u);
  EXPECT_EQ(pairs[2].flags, 0x3u);
  EXPECT_EQ(pairs[4].column, 2u);
  EXPECT_EQ(model.RowDocument(1), u"people.csv");
  EXPECT_EQ(model.RowColumn(1), u"Town");
  EXPECT_EQ(model.RowDocument(3), u"towns.csv");
  EXPECT_EQ(model.RowColumn(3), u"Country");
}

TEST_F(JoinCsvTest, SameDocumentOnBothSidesListsItsColumnsOnce) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(1, 1));
  ASSERT_EQ(model.RowCount(), 3u);
  for (const ColumnEntry& e : model.Pairs()) EXPECT_EQ(e.flags, kColumnTaken);
}

TEST_F(JoinCsvTest, OneSideWithoutADocumentLeavesThePairListEmptyAndOkInactive) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, -1));
  EXPECT_EQ(model.ColumnNames(JoinSide::kFirst).size(), 2u);
  EXPECT_EQ(model.RowCount(), 0u);
  EXPECT_FALSE(model.CanJoin());
  model.SelectDocument(JoinSide::kSecond, 7);  // not a document
  EXPECT_FALSE(model.CanJoin());
  EXPECT_EQ(model.Document(JoinSide::kSecond), -1);
  model.SelectDocument(JoinSide::kSecond, 2);
  EXPECT_TRUE(model.CanJoin());
  EXPECT_EQ(model.RowCount(), 3u);
  EXPECT_EQ(asked_, (std::vector<int32_t>{0, 2}));
}

TEST_F(JoinCsvTest, ChangingADocumentRefillsItsColumnsAndRebuildsThePairs) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  model.SelectKeyColumn(JoinSide::kFirst, 1);
  model.SetRowChecked(0, false);
  model.SelectDocument(JoinSide::kFirst, 2);
  EXPECT_EQ(model.KeyColumn(JoinSide::kFirst), 0);
  EXPECT_EQ(model.ColumnNames(JoinSide::kFirst), (std::vector<std::u16string>{u"K"}));
  ASSERT_EQ(model.RowCount(), 4u);
  EXPECT_TRUE(model.RowChecked(0));
  model.SelectKeyColumn(JoinSide::kSecond, 3);  // past the columns
  EXPECT_EQ(model.KeyColumn(JoinSide::kSecond), -1);
}

TEST_F(JoinCsvTest, SimpleMergeDisablesTheKeyControls) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  EXPECT_TRUE(model.KeyControlsEnabled());
  model.flags |= kJoinSimpleMerge;
  EXPECT_FALSE(model.KeyControlsEnabled());
}

TEST_F(JoinCsvTest, CollectGivesTheRecordPairBlockAndStoresTheFlags) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(1, 0));
  model.SelectKeyColumn(JoinSide::kFirst, 2);
  model.SetRowChecked(1, false);
  model.SwapRows(0, 4);
  model.flags = kJoinUniqueKey1 | kJoinMatchCase;
  JoinCsvRecord r = model.Collect(settings_);
  EXPECT_EQ(r.flags, 0x11u);
  EXPECT_EQ(r.firstDocument, 1);
  EXPECT_EQ(r.firstKeyColumn, 2);
  EXPECT_EQ(r.secondDocument, 0);
  EXPECT_EQ(r.secondKeyColumn, 0);
  EXPECT_EQ(r.pairBlock, 0u);
  EXPECT_EQ(settings_.ReadCommonDword(u"JoinCsvFlags", 0), 0x11u);

  std::vector<uint8_t> block = model.PairBlock();
  std::vector<ColumnEntry> back = ParseColumnBlock(block.data(), block.size());
  ASSERT_EQ(back.size(), 5u);
  EXPECT_EQ(back[0].column, 1u);  // the second document's "Town", moved to the top
  EXPECT_EQ(back[0].flags, 0x3u);
  EXPECT_EQ(back[1].flags, 0x0u);  // unchecked, first document
  EXPECT_EQ(back[4].column, 0u);
  EXPECT_EQ(back[4].flags, 0x2u);
}

TEST_F(JoinCsvTest, PairTextQuotesDocumentNamesWithCommaOrAngle) {
  documents_ = {u"plain.csv", u"a,b.csv", u"x>y.csv"};
  columns_ = {{0, {u"A"}}, {1, {u"B", u"C"}}, {2, {u"D"}}};
  JoinCsvModel model = Model();
  model.Load(settings_, Record(1, 2));
  EXPECT_EQ(model.PairText(), u"\"a,b.csv\">:1,\"a,b.csv\">:2,\"x>y.csv\">:1");
  model.SelectDocument(JoinSide::kFirst, 0);
  model.SetRowChecked(0, false);
  EXPECT_EQ(model.PairText(), u"\"x>y.csv\">:1");
  model.SetRowChecked(1, false);
  EXPECT_EQ(model.PairText(), u"");
}

TEST_F(JoinCsvTest, JavaScriptStatementNamesOptionsDocumentsKeysAndPairs) {
  columns_ = {{0, {u"Name", u"Town"}}, {1, {u"Town", u"Size"}}};
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  model.SelectKeyColumn(JoinSide::kFirst, 1);
  model.SetRowChecked(2, false);
  model.flags = kJoinUniqueKey2 | kJoinIncludeAll1 | kJoinIgnoreHeadings2;
  EXPECT_EQ(model.MacroStatement(MacroLanguage::kJavaScript),
            u"editor.Join(scJoinUniqueKey2 | scJoinIncludeAll1 | scJoinIgnoreHeadings2,"
            u"\"people.csv\",\":2\",\"towns.csv\",\":1\","
            u"\"people.csv>:1,people.csv>:2,towns.csv>:2\");\r\n");
}

TEST_F(JoinCsvTest, VBScriptStatementJoinsOptionsWithOr) {
  documents_ = {u"say \"hi\".csv", u"b.csv"};
  columns_ = {{0, {u"A"}}, {1, {u"B"}}};
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  model.flags = kJoinMatchCase | kJoinIgnoreHeadings1;
  EXPECT_EQ(model.MacroStatement(MacroLanguage::kVBScript),
            u"editor.Join scJoinMatchCase Or scJoinIgnoreHeadings1,"
            u"\"say \" & Chr(34) & \"hi\" & Chr(34) & \".csv\",\":1\",\"b.csv\",\":1\","
            u"\"say \" & Chr(34) & \"hi\" & Chr(34) & \".csv>:1,b.csv>:1\"\r\n");
}

TEST_F(JoinCsvTest, StatementWithoutOptionsPassesZeroAndEscapesQuotedNames) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 2));
  model.flags = 0;
  EXPECT_EQ(model.MacroStatement(MacroLanguage::kJavaScript),
            u"editor.Join(0,\"people.csv\",\":1\",\"a,b>c.csv\",\":1\","
            u"\"people.csv>:1,people.csv>:2,\\x22a,b>c.csv\\x22>:1\");\r\n");
}

TEST_F(JoinCsvTest, SimpleMergePassesOnlyItsNameAndEmptyKeyColumns) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  model.flags = kJoinSimpleMerge | kJoinMatchCase | kJoinIgnoreHeadings1;
  model.SetRowChecked(1, false);
  model.SetRowChecked(2, false);
  model.SetRowChecked(3, false);
  EXPECT_EQ(model.MacroStatement(MacroLanguage::kJavaScript),
            u"editor.Join(scJoinSimpleMerge,\"people.csv\",\"\",\"towns.csv\",\"\","
            u"\"people.csv>:1,towns.csv>:3\");\r\n");
  EXPECT_EQ(model.MacroStatement(MacroLanguage::kVBScript),
            u"editor.Join scJoinSimpleMerge,\"people.csv\",\"\",\"towns.csv\",\"\","
            u"\"people.csv>:1,towns.csv>:3\"\r\n");
}

TEST_F(JoinCsvTest, MacroFileIsUtf16WithByteOrderMark) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  std::u16string statement = model.MacroStatement(MacroLanguage::kJavaScript);
  std::vector<uint8_t> file = model.MacroFile(MacroLanguage::kJavaScript);
  ASSERT_EQ(file.size(), 2 + 2 * statement.size());
  EXPECT_EQ(file[0], 0xFF);
  EXPECT_EQ(file[1], 0xFE);
  EXPECT_EQ(file[2], 'e');
  EXPECT_EQ(file[3], 0);
  EXPECT_EQ(file[file.size() - 2], '\n');
}

TEST_F(JoinCsvTest, RowQueriesOutOfRangeAreHarmless) {
  JoinCsvModel model = Model();
  model.Load(settings_, Record(0, 1));
  EXPECT_EQ(model.RowDocument(99), u"");
  EXPECT_EQ(model.RowColumn(99), u"");
  EXPECT_FALSE(model.RowChecked(99));
  model.SetRowChecked(99, false);
  model.SwapRows(0, 99);
  EXPECT_EQ(model.Pairs()[0].column, 0u);
}

}  // namespace
}  // namespace scrv
