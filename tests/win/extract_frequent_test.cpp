// DoExtractFrequent through the real library in either back end: the options written on OK,
// the ignore file read sorted and written back with the mark, words added, renamed and
// deleted in the list, a line count below 1 keeping the dialog open, and Cancel writing
// nothing.

#include <gtest/gtest.h>

#include "key_dialog_steps.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoExtractFrequentFn = int (*)(HWND, uint8_t);

std::string Utf16(const std::wstring& text, bool mark) {
  std::string out = mark ? std::string("\xFF\xFE") : std::string();
  for (wchar_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

class ExtractFrequentExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    DeleteFileW(IgnoreFile().c_str());
    fn = lib.Get<DoExtractFrequentFn>("DoExtractFrequent");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override {
    ClearRegistrySettings();
    DeleteFileW(IgnoreFile().c_str());
  }

  std::wstring IgnoreFile() const { return AppDataFile(folder, ini, L"Spell\\ExtIgnr.bin"); }
  int Run(const std::function<void(HWND)>& script, uint8_t selectionFlag = 1) {
    auto r = RunDialog([&] { return fn(host.Hwnd(), selectionFlag); },
                       [&](HWND dlg) {
                         Settle();
                         script(dlg);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }
  long long Setting(const wchar_t* name) { return CommonDword(folder, ini, name); }

  // Types `text` into the list's open label editor and presses Enter.
  static void TypeLabel(HWND dlg, const std::wstring& text) {
    HWND edit = reinterpret_cast<HWND>(SendMessageW(List(dlg), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, text.c_str());
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    Settle();
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  DoExtractFrequentFn fn = nullptr;
};

TEST_P(ExtractFrequentExport, OkWritesTheOptionsAndTheSortedListWithTheMark) {
  PutFile(IgnoreFile(), Utf16(L"b\na\n\nc", false));
  std::wstring rows, lines, format;
  int r = Run([&](HWND dlg) {
    rows = Rows(dlg);
    lines = Text(dlg, IDC_EF_LINES);
    format = Text(dlg, IDC_EF_FORMAT);
    SetText(dlg, IDC_EF_LINES, L"25");
    SendDlgItemMessageW(dlg, IDC_EF_FORMAT, CB_SETCURSEL, 2, 0);
    Click(dlg, IDC_EF_MATCH_CASE);
    Click(dlg, IDC_EF_LINES_KIND);
    Click(dlg, IDC_EF_SELECTION_ONLY);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(rows, L"a|b|c");
  EXPECT_EQ(lines, L"100");
  EXPECT_EQ(format, LocalisedString(IDS_CSV_FORMAT_COMMA)) << "no formats configured";
  EXPECT_EQ(FileBytes(IgnoreFile()), Utf16(L"a\nb\nc\n", true));
  EXPECT_EQ(Setting(L"ExtractFreqLines"), 25);
  EXPECT_EQ(Setting(L"ExtractFreqCsv"), 2);
  EXPECT_EQ(Setting(L"ExtractFreqCase"), 0);
  EXPECT_EQ(Setting(L"ExtractFreqType"), 1);
  EXPECT_EQ(Setting(L"ExtractFreqSelOnly"), 1);
}

TEST_P(ExtractFrequentExport, ALineCountBelowOneKeepsTheDialogOpenAndCancelWritesNothing) {
  PutFile(IgnoreFile(), Utf16(L"x\n", true));
  bool openAfterZero = false, openAfterEmpty = false;
  int r = Run([&](HWND dlg) {
    SetText(dlg, IDC_EF_LINES, L"0");
    Click(dlg, IDOK);
    openAfterZero = IsWindowVisible(dlg);
    SetText(dlg, IDC_EF_LINES, L"");
    Click(dlg, IDOK);
    openAfterEmpty = IsWindowVisible(dlg);
    SendMessageW(List(dlg), WM_KEYDOWN, VK_DELETE, 0);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(openAfterZero);
  EXPECT_TRUE(openAfterEmpty);
  EXPECT_EQ(Setting(L"ExtractFreqLines"), -1);
  EXPECT_EQ(FileBytes(IgnoreFile()), Utf16(L"x\n", true));
}

TEST_P(ExtractFrequentExport, WordsAreAddedRenamedUnlessTakenAndDeleted) {
  PutFile(IgnoreFile(), Utf16(L"apple\npear\nplum\n", false));
  std::wstring afterAdd, afterRename, afterDelete;
  int selectedAfterDelete = -1;
  int r = Run([&](HWND dlg) {
    Click(dlg, IDC_EF_ADD);
    TypeLabel(dlg, L"fig");
    Click(dlg, IDC_EF_ADD);
    TypeLabel(dlg, L"pear");  // refused: the new row goes again
    afterAdd = Rows(dlg);
    SetFocus(List(dlg));
    SendMessageW(List(dlg), LVM_EDITLABELW, 0, 0);
    TypeLabel(dlg, L"plum");  // refused: plum is there
    SendMessageW(List(dlg), LVM_EDITLABELW, 0, 0);
    TypeLabel(dlg, L"Apple");
    afterRename = Rows(dlg);
    SelectRows(dlg, {1, 2});
    Click(dlg, IDC_EF_DELETE);
    afterDelete = Rows(dlg);
    selectedAfterDelete = static_cast<int>(
        SendMessageW(List(dlg), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(afterAdd, L"apple|pear|plum|fig");
  EXPECT_EQ(afterRename, L"Apple|pear|plum|fig");
  EXPECT_EQ(afterDelete, L"Apple|fig");
  EXPECT_EQ(selectedAfterDelete, 1);
  EXPECT_EQ(FileBytes(IgnoreFile()), Utf16(L"Apple\nfig\n", true));
}

TEST_P(ExtractFrequentExport, WithoutTheSelectionFlagTheSelectionBoxIsOffAndWrittenFalse) {
  bool enabled = true, checked = true;
  int r = Run(
      [&](HWND dlg) {
        enabled = Enabled(dlg, IDC_EF_SELECTION_ONLY);
        checked = Checked(dlg, IDC_EF_SELECTION_ONLY);
        Click(dlg, IDOK);
      },
      0);
  EXPECT_EQ(r, 1);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(checked);
  EXPECT_EQ(Setting(L"ExtractFreqSelOnly"), -1);
  EXPECT_EQ(FileBytes(IgnoreFile()), "\xFF\xFE") << "an empty list is still written";
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ExtractFrequentExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
