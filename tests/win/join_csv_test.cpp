// DoJoinCSV through the real library: the documents and columns asked from the host, the join
// record and the column pair block handed back on OK, message 389 without documents, the
// options in either back end, simple merge, and the macro statement saved to a file.

#include <gtest/gtest.h>

#include <cstring>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoJoinCsvFn = decltype(&DoJoinCSV);

struct JoinRecord {
  uint32_t flags;
  int32_t firstDocument, firstKeyColumn, secondDocument, secondKeyColumn;
  uint32_t unused;
  uint64_t pairs;
};
static_assert(sizeof(JoinRecord) == 32);

struct Pair {
  uint32_t column;
  uint32_t flags;
  bool operator==(const Pair&) const = default;
};

// The entries of a pair block; the host frees it.
std::vector<Pair> TakePairs(uint64_t handle) {
  std::vector<Pair> pairs;
  auto block = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(handle));
  if (!block) return pairs;
  size_t size = GlobalSize(block);
  if (const auto* p = static_cast<const uint8_t*>(GlobalLock(block))) {
    for (size_t at = 0; at + 8 <= size; at += 8) {
      Pair e;
      std::memcpy(&e, p + at, 8);
      pairs.push_back(e);
    }
    GlobalUnlock(block);
  }
  GlobalFree(block);
  return pairs;
}

class JoinCsvExport : public ExportTest<DoJoinCsvFn> {
 protected:
  JoinCsvExport() : ExportTest("DoJoinCSV") {
    host.documents = {L"customers.csv", L"orders.csv", L"a,b.csv"};
    host.columns = {{L"Id", L"Name", L"City"}, {L"Order", L"Customer"}, {L"X"}};
  }

  int Run(JoinRecord& record, const std::function<void(HWND)>& script) {
    return Drive([&] { return fn(host.Hwnd(), &record); }, script);
  }
  static void Choose(HWND dlg, int combo, int index) {
    ChooseComboEntry(dlg, combo, index);
    Settle();
  }
};

TEST_P(JoinCsvExport, WithoutOpenDocumentsMessage389IsShownAndNothingElse) {
  host.documents.clear();
  JoinRecord record = {7, 0, 0, 1, 0, 0, 0x1234};
  std::wstring texts;
  int r = Run(record, [&](HWND box) {
    texts = AllTexts(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(r, 0);
  std::wstring expected = LocalisedString(IDS_JOIN_NO_DOCUMENTS);
  ASSERT_FALSE(expected.empty());
  EXPECT_NE(texts.find(expected), std::wstring::npos) << texts;
  ASSERT_EQ(host.messages.size(), 1u);  // only the count was asked
  EXPECT_EQ(host.messages[0].msg, scrv::SCM_DOCUMENT_NAMES);
  EXPECT_EQ(record.flags, 7u);
  EXPECT_EQ(record.pairs, 0x1234u);
}

TEST_P(JoinCsvExport, OkHandsBackTheRecordAndThePairsInListOrder) {
  JoinRecord record = {0, 0, -1, 1, -1, 0xABCD, 0};
  std::wstring documentsShown, columnsShown;
  int r = Run(record, [&](HWND dlg) {
    documentsShown = Rows(dlg, 0);
    columnsShown = Rows(dlg, 1);
    Choose(dlg, IDC_JOIN_SECOND_KEY, 1);
    SetRowChecked(dlg, 1, false);
    SelectRows(dlg, {0});
    Click(dlg, IDC_CL_MOVE_BOTTOM);
    Settle();
    Click(dlg, IDC_JOIN_MATCH_CASE);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(documentsShown, L"customers.csv|customers.csv|customers.csv|orders.csv|orders.csv");
  EXPECT_EQ(columnsShown, L"Id|Name|City|Order|Customer");
  EXPECT_EQ(record.flags, 0xD0u);
  EXPECT_EQ(record.firstDocument, 0);
  EXPECT_EQ(record.firstKeyColumn, 0);
  EXPECT_EQ(record.secondDocument, 1);
  EXPECT_EQ(record.secondKeyColumn, 1);
  EXPECT_EQ(record.unused, 0xABCDu);
  std::vector<Pair> expected = {{1, 0x0}, {2, 0x2}, {0, 0x3}, {1, 0x3}, {0, 0x2}};
  EXPECT_EQ(TakePairs(record.pairs), expected);
  EXPECT_EQ(CommonDword(folder, ini, L"JoinCsvFlags"), 0xD0);
}

TEST_P(JoinCsvExport, ColumnsAreAskedFromTheParentByDocumentInTheHighWord) {
  JoinRecord record = {0, 2, -1, 0, -1, 0, 0};
  Run(record, [&](HWND dlg) { Click(dlg, IDCANCEL); });
  std::vector<WPARAM> asked;
  for (const auto& m : host.messages)
    if (m.msg == scrv::SCM_COLUMN_NAMES) asked.push_back(m.wParam);
  EXPECT_EQ(asked, (std::vector<WPARAM>{0x20000, 0x20001, 0x0, 0x3}));
}

TEST_P(JoinCsvExport, GrowingSharesTheWidthBetweenTheSidesAndThePlacementIsStored) {
  JoinRecord record = {0, 0, -1, 1, -1, 0, 0};
  RECT first0{}, first1{}, second0{}, second1{}, option0{}, option1{}, macro0{}, macro1{};
  Run(record, [&](HWND dlg) {
    first0 = ControlRect(dlg, IDC_JOIN_FIRST_DOCUMENT);
    second0 = ControlRect(dlg, IDC_JOIN_SECOND_KEY);
    option0 = ControlRect(dlg, IDC_JOIN_SIMPLE_MERGE);
    macro0 = ControlRect(dlg, IDC_JOIN_SAVE_MACRO);
    Grow(dlg, 100, 60);
    first1 = ControlRect(dlg, IDC_JOIN_FIRST_DOCUMENT);
    second1 = ControlRect(dlg, IDC_JOIN_SECOND_KEY);
    option1 = ControlRect(dlg, IDC_JOIN_SIMPLE_MERGE);
    macro1 = ControlRect(dlg, IDC_JOIN_SAVE_MACRO);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(first1.left, first0.left);
  EXPECT_EQ(first1.right - first0.right, 50);
  EXPECT_EQ(second1.left - second0.left, 50);
  EXPECT_EQ(second1.right - second0.right, 100);
  EXPECT_EQ(option1.left - option0.left, 50);
  EXPECT_EQ(option1.top, option0.top);
  EXPECT_EQ(macro1.left - macro0.left, 100);
  EXPECT_EQ(macro1.top - macro0.top, 60);
  EXPECT_TRUE(PlacementStored(folder, ini, L"JoinDlgPos"));
}

// Presses "Save as macro" and answers its save dialog with `path` and the file type.
bool SaveMacro(HWND dlg, const std::wstring& path, int fileType) {
  NestedDialogs save(dlg, [&](HWND box) { ChooseFile(box, path, fileType); });
  Click(dlg, IDC_JOIN_SAVE_MACRO);
  return save.Ran();
}

TEST_P(JoinCsvExport, SaveAsMacroWritesOneStatementInTheChosenLanguage) {
  JoinRecord record = {0, 0, -1, 2, -1, 0, 0};
  std::wstring js = folder.File(L"join.jssc"), vbs = folder.File(L"join.vbsc");
  bool savedJs = false, savedVbs = false;
  Run(record, [&](HWND dlg) {
    SetRowChecked(dlg, 1, false);
    SetRowChecked(dlg, 2, false);
    savedJs = SaveMacro(dlg, js, 1);
    Click(dlg, IDC_JOIN_SIMPLE_MERGE);
    savedVbs = SaveMacro(dlg, vbs, 2);
    Click(dlg, IDCANCEL);
  });
  EXPECT_TRUE(savedJs);
  EXPECT_TRUE(savedVbs);
  auto Utf16File = [&](const std::wstring& path) {
    std::string bytes = folder.ReadBytes(path.substr(folder.Path().size()));
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return std::wstring(L"?");
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, text.size() * 2);
    return text;
  };
  EXPECT_EQ(Utf16File(js),
            L"editor.Join(scJoinIgnoreHeadings1 | scJoinIgnoreHeadings2,\"customers.csv\","
            L"\":1\",\"a,b.csv\",\":1\",\"customers.csv>:1,\\x22a,b.csv\\x22>:1\");\r\n");
  EXPECT_EQ(Utf16File(vbs),
            L"editor.Join scJoinSimpleMerge,\"customers.csv\",\"\",\"a,b.csv\",\"\","
            L"\"customers.csv>:1,\" & Chr(34) & \"a,b.csv\" & Chr(34) & \">:1\"\r\n");
  // Saving stores the options although the dialog was cancelled.
  EXPECT_EQ(CommonDword(folder, ini, L"JoinCsvFlags"), 0xE0);
}

SCRV_IN_BOTH_BACK_ENDS(JoinCsvExport);

}  // namespace
