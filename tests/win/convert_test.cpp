// DoConvert through the real library in either back end: the boxes and radios from the
// settings and the host's flags, the category boxes driving the character rows and back, the
// search, the display options written at once, and closing by OK or Cancel writing the
// settings, the flag word and the selection mask.

#include <gtest/gtest.h>

#include <cstring>

#include "key_dialog_steps.h"
#include "tools/convert.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoConvertFn = int (*)(HWND, void*);

struct Record {
  uint8_t* state;
  uint32_t flags;
};

size_t BoxOf(scrv::CharCategory c) {
  return static_cast<size_t>(std::find(scrv::kCategories.begin(), scrv::kCategories.end(), c) -
                             scrv::kCategories.begin());
}

bool Bit(const uint8_t* mask, size_t i) {
  return (mask[i / 8] >> (i % 8)) & 1;
}

// A top-level window that counts the notices of changed "Common" settings it gets.
int g_heard = 0;
LRESULT CALLBACK ListenerProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_SETTINGCHANGE && l && std::wstring(reinterpret_cast<const wchar_t*>(l)) == L"Common")
    ++g_heard;
  return DefWindowProcW(h, m, w, l);
}

class ConvertExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoConvertFn>("DoConvert");
    ASSERT_NE(fn, nullptr);
    std::memset(mask, 0xA5, sizeof mask);
    record = {mask, 0};
  }
  void TearDown() override { ClearRegistrySettings(); }

  int Run(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return fn(host.Hwnd(), &record); },
                       [&](HWND dlg) {
                         Settle();
                         script(dlg);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }
  long long Setting(const wchar_t* name) { return CommonDword(folder, ini, name); }
  std::wstring StringSetting(const wchar_t* name) {
    if (ini) return folder.IniText(L"scCommon.ini", L"Common", name);
    wchar_t buf[512] = {};
    DWORD size = sizeof buf;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", name, RRF_RT_REG_SZ,
                 nullptr, buf, &size);
    return buf;
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  DoConvertFn fn = nullptr;
  uint8_t mask[32];
  Record record{};
};

constexpr int kChars = IDC_CV_CHARACTERS;
constexpr uint32_t kAllCategories = 0x400 | 0x800 | 0x1000 | 0x2000 | 0x4000;
constexpr uint32_t kQuotations = 0x40 | 0x80;  // on by default

TEST_P(ConvertExport, OkWritesTheCategoriesTheFlagWordAndTheMask) {
  UINT marksBefore = 99;
  bool documentEnabled = false;
  int r = Run([&](HWND dlg) {
    marksBefore = CheckState(dlg, IDC_CV_MARKS);
    documentEnabled = Enabled(dlg, IDC_CV_DOCUMENT);
    Click(dlg, IDC_CV_TO_FULL);
    Click(dlg, IDC_CV_MARKS);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 0);
  EXPECT_EQ(marksBefore, UINT{BST_CHECKED});
  EXPECT_TRUE(documentEnabled);
  EXPECT_EQ(record.flags, 0x2u | 0x1 | (kAllCategories & ~0x1000u) | kQuotations);
  for (size_t i = 0; i < scrv::kConvertCharCount; ++i)
    EXPECT_EQ(Bit(mask, i), scrv::kConvertChars[i].category != scrv::CharCategory::kMark) << i;
  EXPECT_EQ(mask[25], 0xA5) << "nothing past the 200 bits";
  EXPECT_EQ(Setting(L"CnvtAction"), 1);
  EXPECT_EQ(Setting(L"CnvtMark"), 0);
  EXPECT_EQ(Setting(L"CnvtKata"), -1) << "equal to its default";
}

TEST_P(ConvertExport, CancelHandsTheChoiceBackTooAndTheHostCanForceTheSelection) {
  record.flags = 0x100;
  bool selection = false, documentEnabled = true;
  int r = Run([&](HWND dlg) {
    selection = Checked(dlg, IDC_CV_SELECTION);
    documentEnabled = Enabled(dlg, IDC_CV_DOCUMENT);
    Click(dlg, IDC_CV_SPACES);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, -1);
  EXPECT_TRUE(selection);
  EXPECT_FALSE(documentEnabled);
  EXPECT_EQ(record.flags, 0x2u | 0x100 | (kAllCategories & ~0x2000u) | kQuotations);
  EXPECT_EQ(Setting(L"CnvtSpace"), 0);
}

TEST_P(ConvertExport, ARowCheckedAloneMakesAnIndividualChoice) {
  size_t first = 0;
  while (scrv::kConvertChars[first].category != scrv::CharCategory::kKatakana) ++first;
  UINT kataAfterRow = 99;
  int r = Run([&](HWND dlg) {
    for (int id :
         {IDC_CV_KATAKANA, IDC_CV_ALPHANUMERIC, IDC_CV_MARKS, IDC_CV_SPACES, IDC_CV_KANA_MARKS})
      Click(dlg, id);  // every box clear
    ASSERT_EQ(RowCount(dlg, kChars), static_cast<int>(scrv::kConvertCharCount));
    SetRowChecked(dlg, static_cast<int>(first), true, kChars);
    kataAfterRow = CheckState(dlg, IDC_CV_KATAKANA);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 0);
  EXPECT_EQ(kataAfterRow, UINT{BST_INDETERMINATE});
  EXPECT_EQ(record.flags & (0x8000 | kAllCategories), 0x8000u);
  EXPECT_EQ(StringSetting(L"CnvtCustomChars"), std::wstring(1, scrv::kConvertChars[first].code));

  // The choice comes back as it was left.
  UINT kataNext = 99;
  bool rowNext = false;
  Run([&](HWND dlg) {
    kataNext = CheckState(dlg, IDC_CV_KATAKANA);
    rowNext = RowChecked(dlg, static_cast<int>(first), kChars);
    Click(dlg, IDC_CV_KATAKANA);  // indeterminate becomes checked: categories again
    Click(dlg, IDOK);
  });
  EXPECT_EQ(kataNext, UINT{BST_INDETERMINATE});
  EXPECT_TRUE(rowNext);
  EXPECT_EQ(record.flags & (0x8000 | kAllCategories), 0x400u);
  EXPECT_EQ(StringSetting(L"CnvtCustomChars"), ini ? L"\x1" : L"");
}

TEST_P(ConvertExport, TheSearchShowsMatchingRowsWithTheirChecks) {
  int rows = -1;
  std::wstring text;
  bool checked = false;
  Run([&](HWND dlg) {
    Click(dlg, IDC_CV_ALPHANUMERIC);
    SetText(dlg, IDC_CV_SEARCH, L"digit seven");
    SendMessageW(dlg, WM_TIMER, IDT_CV_SEARCH, 0);  // the typing pause is over
    rows = RowCount(dlg, kChars);
    text = RowText(dlg, 0, 0, kChars);
    checked = RowChecked(dlg, 0, kChars);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(text, L"U+FF17  \xFF17  (Fullwidth digit seven)");
  EXPECT_FALSE(checked);
}

TEST_P(ConvertExport, DisplayOptionsAreWrittenAtOnceWithTheJapaneseBackslashWinning) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ListenerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ConvertOptionListener";
  RegisterClassW(&wc);
  HWND listener = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, wc.hInstance, nullptr);
  g_heard = 0;
  bool korean = true;
  long long storedBeforeClosing = -1;
  Run([&](HWND dlg) {
    SetRowChecked(dlg, 0, true, IDC_CV_OPTIONS);
    SetRowChecked(dlg, 1, true, IDC_CV_OPTIONS);
    Click(dlg, IDC_CV_APPLY_OPTIONS);
    korean = RowChecked(dlg, 1, IDC_CV_OPTIONS);
    storedBeforeClosing = Setting(L"BackslashJapanese");
    Click(dlg, IDCANCEL);
  });
  DestroyWindow(listener);
  EXPECT_FALSE(korean);
  EXPECT_EQ(storedBeforeClosing, 1);
  EXPECT_EQ(Setting(L"BackslashKorean"), -1);
  EXPECT_EQ(record.flags & 0xF0, 0x10u | kQuotations);
  EXPECT_EQ(g_heard, 1);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ConvertExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST(ConvertExportRecord, ANullRecordIsRefusedWithoutADialog) {
  AppFolder folder{false};
  Library lib{folder.Path()};
  auto fn = lib.Get<DoConvertFn>("DoConvert");
  ASSERT_NE(fn, nullptr);
  auto r =
      RunDialog([&] { return fn(nullptr, nullptr); }, [](HWND dlg) { Click(dlg, IDCANCEL); }, 1500);
  EXPECT_EQ(r.result, -1);
  EXPECT_FALSE(r.scriptRan);
}

}  // namespace
