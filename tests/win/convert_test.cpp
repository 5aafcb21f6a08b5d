// DoConvert through the real library in either back end: the boxes and radios from the
// settings and the host's flags, the category boxes driving the character rows and back, the
// search, the display options written at once, and closing by OK or Cancel writing the
// settings, the flag word and the selection mask.

#include <gtest/gtest.h>

#include <cstring>

#include "control_dialog.h"
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

class ConvertExport : public ExportTest<DoConvertFn> {
 protected:
  ConvertExport() : ExportTest("DoConvert") {
    std::memset(mask, 0xA5, sizeof mask);
    record = {mask, 0};
  }

  int Run(const std::function<void(HWND)>& script) {
    return Drive([&] { return fn(host.Hwnd(), &record); }, script);
  }

  uint8_t mask[32];
  Record record{};
};

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

TEST_P(ConvertExport, ARowUntickedInTheListOutlivesASearchAndIsCopiedAndHandedBack) {
  ASSERT_EQ(scrv::kConvertChars[0].category, scrv::CharCategory::kKatakana);
  UINT katakana = 99;
  int found = 0, all = 0;
  bool foundTicked = false, firstTickedAfter = true;
  std::wstring second, copied;
  auto search = [](HWND dlg, const std::wstring& text) {
    SetDlgItemTextW(dlg, IDC_CV_SEARCH, text.c_str());
    SendMessageW(dlg, WM_TIMER, IDT_CV_SEARCH, 0);  // the typing pause has passed
  };
  Run([&](HWND dlg) {
    SetRowChecked(dlg, 0, false, IDC_CV_CHARACTERS);
    katakana = CheckState(dlg, IDC_CV_KATAKANA);
    second = RowText(dlg, 1, 0, IDC_CV_CHARACTERS);
    search(dlg, second.substr(0, second.find(L' ')));  // "U+...." of the second character
    found = RowCount(dlg, IDC_CV_CHARACTERS);
    foundTicked = RowChecked(dlg, 0, IDC_CV_CHARACTERS);
    search(dlg, L"");
    all = RowCount(dlg, IDC_CV_CHARACTERS);
    firstTickedAfter = RowChecked(dlg, 0, IDC_CV_CHARACTERS);
    LVITEMW select = {};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageW(dlg, IDC_CV_CHARACTERS, LVM_SETITEMSTATE, 1,
                        reinterpret_cast<LPARAM>(&select));
    {
      HeldKeys control({VK_CONTROL});
      SendDlgItemMessageW(dlg, IDC_CV_CHARACTERS, WM_KEYDOWN, 'C', 1);
    }
    if (OpenClipboard(dlg)) {
      if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        copied = static_cast<const wchar_t*>(GlobalLock(h));
        GlobalUnlock(h);
      }
      CloseClipboard();
    }
    Click(dlg, IDOK);
  });
  EXPECT_EQ(katakana, UINT{BST_INDETERMINATE});
  EXPECT_EQ(found, 1);
  EXPECT_TRUE(foundTicked);
  EXPECT_EQ(all, static_cast<int>(scrv::kConvertCharCount));
  EXPECT_FALSE(firstTickedAfter);
  EXPECT_EQ(copied, second + L"\r\n");
  EXPECT_FALSE(Bit(mask, 0));
  EXPECT_TRUE(Bit(mask, 1));
}

SCRV_IN_BOTH_BACK_ENDS(ConvertExport);

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
