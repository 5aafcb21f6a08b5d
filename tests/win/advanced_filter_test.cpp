// DoAdvancedFilterDlg through the real library: a user's edits of the condition list, the
// block the host receives with each Filter, the checks before filtering, and the settings the
// dialog keeps, in both settings back ends.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "control_dialog.h"
#include "controls/wide_string_list.h"
#include "resource_ids.h"
#include "settings_test_support.h"
#include "test_support.h"
#include "tools/filter_block.h"
#include "tools/filter_condition.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using scrv::FilterCondition;
namespace ff = scrv::filter_flag;

namespace {

using DoAdvancedFilterFn = decltype(&DoAdvancedFilterDlg);

FilterCondition Cond(std::u16string text, uint64_t flags, int32_t column = -1, int32_t start = 0,
                     int32_t end = -1) {
  FilterCondition c;
  c.text = std::move(text);
  c.flags = flags;
  c.column = column;
  c.rangeStart = start;
  c.rangeEnd = end;
  return c;
}

HGLOBAL BlockOf(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return nullptr;
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  memcpy(GlobalLock(h), bytes.data(), bytes.size());
  GlobalUnlock(h);
  return h;
}

std::wstring Cell(HWND dlg, int row, int column) {
  wchar_t buf[512] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buf;
  item.cchTextMax = 512;
  SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&item));
  return buf;
}

int RowCount(HWND dlg) {
  return static_cast<int>(SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_GETITEMCOUNT, 0, 0));
}

bool RowChecked(HWND dlg, int row) {
  auto state = SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                   LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void SetRowState(HWND dlg, int row, UINT mask, UINT state) {
  LVITEMW item = {};
  item.stateMask = mask;
  item.state = state;
  SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&item));
}

// Selects exactly `rows` and lets the list's delayed selection notice reach the dialog.
void Select(HWND dlg, std::initializer_list<int> rows) {
  SetRowState(dlg, -1, LVIS_SELECTED | LVIS_FOCUSED, 0);
  for (int r : rows)
    SetRowState(dlg, r, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  PumpMessages(60);
}

std::vector<int> SelectedRows(HWND dlg) {
  std::vector<int> rows;
  for (int r = 0; r < RowCount(dlg); ++r) {
    if (SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_GETITEMSTATE, static_cast<WPARAM>(r),
                            LVIS_SELECTED))
      rows.push_back(r);
  }
  return rows;
}

void ChooseColumnEntry(HWND dlg, int entry) {
  ChooseComboEntry(dlg, IDC_AF_COLUMN, entry);
}

void ListKey(HWND dlg, int vk, std::initializer_list<int> held = {}) {
  HeldKeys keys(held);
  SendDlgItemMessageW(dlg, IDC_CHECK_LIST, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
  PumpMessages(40);
}

// Every text of a window and its children, joined by line feeds.
std::wstring WindowText(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring t(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(w, t.data(), n + 1);
  t.resize(static_cast<size_t>(n));
  return t;
}

std::wstring WindowTexts(HWND w) {
  std::wstring all = WindowText(w);
  EnumChildWindows(
      w,
      [](HWND child, LPARAM p) -> BOOL {
        *reinterpret_cast<std::wstring*>(p) += L"\n" + WindowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

class AdvancedFilterBase : public ::testing::Test {
 protected:
  explicit AdvancedFilterBase(bool iniMode) : folder(iniMode), lib(folder.Path()) {}

  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoAdvancedFilterFn>("DoAdvancedFilterDlg");
    ASSERT_NE(fn, nullptr);
    host.answer = [](UINT msg, WPARAM, LPARAM lParam, FakeHost::Message& m) -> LRESULT {
      if (msg == scrv::SCM_APPLY_FILTER && lParam) {
        auto h = reinterpret_cast<HGLOBAL>(lParam);
        const size_t size = GlobalSize(h);
        const auto* p = static_cast<const BYTE*>(GlobalLock(h));
        if (p) m.payload.assign(p, p + size);
        GlobalUnlock(h);
      }
      return 0;
    };
  }
  void TearDown() override {
    if (block) GlobalFree(block);
    ClearRegistrySettings();
  }

  // Opens the dialog on `conditions` and the document's columns; `script` runs inside it.
  ScriptResult Open(const std::vector<FilterCondition>& conditions,
                    const std::function<void(HWND)>& script, int secondButton = 1,
                    std::vector<std::u16string> columns = {u"Id", u"Name", u"City"}) {
    block = BlockOf(scrv::EncodeFilterBlock(conditions));
    scrv::WideStringListBuilder names(columns);
    ScriptResult r =
        RunDialog([&] { return fn(host.Hwnd(), names.Descriptor(), &block, secondButton); },
                  [&](HWND dlg) {
                    PumpMessages(60);
                    script(dlg);
                    if (IsWindowVisible(dlg)) Click(dlg, IDCANCEL);
                  });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return r;
  }

  std::vector<const FakeHost::Message*> Filters() const {
    std::vector<const FakeHost::Message*> out;
    for (const auto& m : host.messages)
      if (m.msg == scrv::SCM_APPLY_FILTER) out.push_back(&m);
    return out;
  }
  std::vector<FilterCondition> LastFilter() const {
    auto f = Filters();
    if (f.empty()) return {};
    return scrv::ReadFilterBlock(f.back()->payload.data(), f.back()->payload.size());
  }

  AppFolder folder;
  Library lib;
  FakeHost host;
  DoAdvancedFilterFn fn = nullptr;
  HGLOBAL block = nullptr;
};

class AdvancedFilter : public AdvancedFilterBase {
 protected:
  AdvancedFilter() : AdvancedFilterBase(false) {}
};

// The settings tests run in the registry (false) and in INI files (true).
class AdvancedFilterSettings : public AdvancedFilterBase,
                               public ::testing::WithParamInterface<bool> {
 protected:
  AdvancedFilterSettings() : AdvancedFilterBase(GetParam()) {}

  std::wstring Stored(const std::wstring& name) const {
    if (GetParam()) {
      std::wstring v = folder.IniText(L"scCommon.ini", L"Common", name);
      return v == L"\x1" ? L"(none)" : v;
    }
    settings_test::RawValue v = settings_test::GetRawValue(L"Common", name);
    if (v.status != ERROR_SUCCESS) return L"(none)";
    unsigned long long n = 0;
    memcpy(&n, v.bytes.data(), std::min<size_t>(v.bytes.size(), 8));
    std::wstring kind = v.type == REG_QWORD ? L"qword " : v.type == REG_DWORD ? L"dword " : L"? ";
    return kind + std::to_wstring(n);
  }
  // The text a value is stored as: INI decimal text, or the registry type and number.
  std::wstring Expect(const wchar_t* type, unsigned long long n) const {
    return GetParam() ? std::to_wstring(n) : std::wstring(type) + L" " + std::to_wstring(n);
  }
  void Store(const std::wstring& name, unsigned long long value, bool qword) {
    if (GetParam()) {
      WritePrivateProfileStringW(L"Common", name.c_str(), std::to_wstring(value).c_str(),
                                 folder.File(L"scCommon.ini").c_str());
    } else {
      DWORD d = static_cast<DWORD>(value);
      ASSERT_EQ(
          settings_test::SetRawValue(L"Common", name, qword ? REG_QWORD : REG_DWORD,
                                     qword ? static_cast<const void*>(&value) : &d, qword ? 8 : 4),
          ERROR_SUCCESS);
    }
  }
};

SCRV_IN_BOTH_BACK_ENDS(AdvancedFilterSettings);

// --- The list and the controls it drives ------------------------------------------------------

// --- Filter -----------------------------------------------------------------------------------

TEST_F(AdvancedFilter, FilterWithAnEmptyListSendsANullHandle) {
  bool openAfterFilter = false;
  auto r = Open({}, [&](HWND dlg) {
    Click(dlg, IDOK);
    openAfterFilter = IsWindow(dlg) && IsWindowVisible(dlg);
  });
  auto f = Filters();
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0]->wParam, 0u);
  EXPECT_EQ(f[0]->lParam, 0);
  EXPECT_TRUE(openAfterFilter);
  EXPECT_EQ(r.result, 2);
  EXPECT_EQ(block, nullptr);
}

TEST_F(AdvancedFilter, AnInvalidNumberRangeShowsMessage761AndSendsNothing) {
  std::wstring boxTexts;
  bool stillOpen = false, boxShown = false;
  Open({Cond(u"[1 , 5]", ff::kEnabled | ff::kNumberRange),
        Cond(u"not a range", ff::kNumberRange),  // disabled: not checked
        Cond(u"[7 , x]", ff::kEnabled | ff::kNumberRange)},
       [&](HWND dlg) {
         {
           NestedDialogs box(dlg, [&](HWND b) {
             boxTexts = WindowTexts(b);
             AnswerBox(b, IDOK);
           });
           Click(dlg, IDOK);
           PumpMessages(50);
           boxShown = box.Ran();
         }
         stillOpen = IsWindow(dlg) != FALSE;
         EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{2}));
       });
  EXPECT_TRUE(boxShown);
  EXPECT_NE(boxTexts.find(L"This number range is not valid"), std::wstring::npos) << boxTexts;
  EXPECT_NE(boxTexts.find(L"[7 , x]"), std::wstring::npos) << boxTexts;
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(Filters().empty());
}

TEST_F(AdvancedFilter, TheHostReceivesExactlyTheEditedListByteForByte) {
  // Bits outside the kept mask are dropped; the host's own bit 17 passes through.
  const uint64_t hostBits = ff::kHostOnly | ff::kContinue | (1ull << 50);
  Open({Cond(u"alpha", ff::kEnabled | hostBits, 0), Cond(u"beta", ff::kEnabled, 1),
        Cond(u"", ff::kEnabled, -2, 2, 30)},
       [&](HWND dlg) {
         SetRowState(dlg, 1, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));  // uncheck beta
         Select(dlg, {1});
         Click(dlg, IDC_AF_MATCH_REGEXP);
         Click(dlg, IDC_AF_NEGATIVE);
         ChooseColumnEntry(dlg, 3);  // City
         Select(dlg, {2});
         SetText(dlg, IDC_AF_RANGE_END, L"40");
         Select(dlg, {0});
         Click(dlg, IDC_AF_MATCH_NL);
         Click(dlg, IDC_AF_CR_ONLY);
         Click(dlg, IDOK);
       });
  const std::vector<FilterCondition> expected = {
      Cond(u"alpha", ff::kEnabled | ff::kHostOnly | ff::kMatchNL | ff::kCrOnly, 0),
      Cond(u"beta", ff::kRegExp | ff::kNegative, 2), Cond(u"", ff::kEnabled, -2, 2, 40)};
  auto f = Filters();
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0]->payload, scrv::EncodeFilterBlock(expected));
  // The host's handle is the block it was sent.
  EXPECT_EQ(reinterpret_cast<LPARAM>(block), f[0]->lParam);
}

// The rows are the model's (owner data): a long list is shown whole, and a click on a check
// box, the check-all box and a state set from outside all reach what the host is sent.
TEST_F(AdvancedFilter, ALongListKeepsItsChecksInTheConditions) {
  std::vector<FilterCondition> many;
  for (int i = 0; i < 3000; ++i) {
    const std::string n = std::to_string(i);
    many.push_back(Cond(u"c" + std::u16string(n.begin(), n.end()), ff::kEnabled));
  }
  Open(many, [&](HWND dlg) {
    HWND list = GetDlgItem(dlg, IDC_CHECK_LIST);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3000);
    EXPECT_EQ(Cell(dlg, 2999, 0), L"c2999");
    RECT row = {LVIR_BOUNDS};
    SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    LVHITTESTINFO hit = {};
    for (hit.pt = {row.left, (row.top + row.bottom) / 2}; hit.pt.x < row.left + 40; ++hit.pt.x) {
      SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.flags & LVHT_ONITEMSTATEICON) break;
    }
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK),
              static_cast<LRESULT>(INDEXTOSTATEIMAGEMASK(1)));
    SetRowState(dlg, 5, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
    Click(dlg, IDOK);
    Select(dlg, {});
    Click(dlg, IDC_CHECK_ALL);  // none selected, the first row checked: uncheck every row
    Click(dlg, IDOK);
  });
  auto f = Filters();
  ASSERT_EQ(f.size(), 2u);
  const auto first = scrv::ReadFilterBlock(f[0]->payload.data(), f[0]->payload.size());
  ASSERT_EQ(first.size(), 3000u);
  for (size_t i : {0, 1, 5, 2999}) EXPECT_EQ(first[i].Enabled(), i != 1 && i != 5) << i;
  const auto second = LastFilter();
  EXPECT_TRUE(std::none_of(second.begin(), second.end(), [](auto& c) { return c.Enabled(); }));
}

TEST_F(AdvancedFilter, EveryFilterReplacesTheHostsBlockAndTheLastOneStays) {
  LPARAM first = 0;
  Open({Cond(u"a", ff::kEnabled), Cond(u"b", ff::kEnabled)}, [&](HWND dlg) {
    Click(dlg, IDOK);
    Select(dlg, {0});
    ListKey(dlg, VK_DELETE);
    Click(dlg, IDOK);
  });
  auto f = Filters();
  ASSERT_EQ(f.size(), 2u);
  first = f[0]->lParam;
  EXPECT_EQ(f[0]->payload.size(), 2 * scrv::kFilterRecordSize);
  EXPECT_EQ(f[1]->payload.size(), scrv::kFilterRecordSize);
  EXPECT_EQ(reinterpret_cast<LPARAM>(block), f[1]->lParam);
  EXPECT_NE(first, 0);
  auto last = LastFilter();
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].text, u"b");
}

TEST_F(AdvancedFilter, TheSecondButtonIsDisabledOnceUsedAndEnabledAgainByFilter) {
  std::vector<bool> states;
  Open({Cond(u"a", ff::kEnabled)}, [&](HWND dlg) {
    states.push_back(Enabled(dlg, IDC_AF_FILTER_AGAIN));
    Click(dlg, IDC_AF_FILTER_AGAIN);
    states.push_back(Enabled(dlg, IDC_AF_FILTER_AGAIN));
    Click(dlg, IDOK);
    states.push_back(Enabled(dlg, IDC_AF_FILTER_AGAIN));
  });
  EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
  auto f = Filters();
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0]->wParam, 1u);
  EXPECT_EQ(f[1]->wParam, 0u);
}

TEST_F(AdvancedFilter, TheSecondButtonStartsDisabledWhenTheHostSaysSo) {
  bool enabled = true;
  Open(
      {}, [&](HWND dlg) { enabled = Enabled(dlg, IDC_AF_FILTER_AGAIN); }, 0);
  EXPECT_FALSE(enabled);
}

// The legend of the flag letters follows the flags column, on its header and on its cells, once
// the mouse has come over the list.
TEST_F(AdvancedFilter, TheFlagsColumnCarriesATooltipLegend) {
  RECT column = {};
  std::vector<RECT> tools;  // on the header, then on the cells
  Open({Cond(u"a", ff::kEnabled)}, [&](HWND dlg) {
    HWND header = ListView_GetHeader(GetDlgItem(dlg, IDC_CHECK_LIST));
    Header_GetItemRect(header, 2, &column);
    SendMessageW(dlg, WM_SETCURSOR, reinterpret_cast<WPARAM>(header),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));  // the mouse comes over the list
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) &&
           GetWindow(tip, GW_OWNER) != dlg) {
    }
    for (UINT i = 0; tip && i < 2; ++i) {
      TTTOOLINFOW tool = {sizeof tool};
      if (SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)))
        tools.push_back(tool.rect);
    }
    Click(dlg, IDCANCEL);
  });
  ASSERT_EQ(tools.size(), 2u);
  EXPECT_TRUE(EqualRect(&tools[0], &column));
  EXPECT_EQ(tools[1].left, column.left);
  EXPECT_EQ(tools[1].right, column.right);
}

// --- List commands ----------------------------------------------------------------------------

TEST_F(AdvancedFilter, EditingInPlaceStartsFromTheWholeLongText) {
  const std::u16string longText(600, u'z');
  int shownLength = 0;
  Open({Cond(longText, ff::kEnabled)}, [&](HWND dlg) {
    SetFocus(GetDlgItem(dlg, IDC_CHECK_LIST));
    HWND edit =
        reinterpret_cast<HWND>(SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_EDITLABELW, 0, 0));
    ASSERT_NE(edit, nullptr);
    shownLength = GetWindowTextLengthW(edit);
    SetWindowTextW(edit, (std::wstring(600, L'z') + L"!").c_str());
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(edit, WM_CHAR, VK_RETURN, 0);
    PumpMessages(30);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(shownLength, 600);
  auto sent = LastFilter();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].text, longText + u"!");
}

TEST_F(AdvancedFilter, DeleteSelectsTheRowAtTheOldPositionAndMovesTheFocusToFilter) {
  int focused = 0;
  Open({Cond(u"a", 1), Cond(u"b", 1), Cond(u"c", 1), Cond(u"d", 1)}, [&](HWND dlg) {
    Select(dlg, {1, 2});
    Click(dlg, IDC_AF_DELETE);
    EXPECT_EQ(RowCount(dlg), 2);
    EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{1}));
    EXPECT_EQ(Cell(dlg, 1, 0), L"d");
    focused = GetDlgCtrlID(GetFocus());
    Select(dlg, {1});
    Click(dlg, IDC_AF_DELETE);
    EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{0}));  // the last row now
  });
  EXPECT_EQ(focused, IDOK);
}

TEST_F(AdvancedFilter, CopyAndPasteCarryConditionsThroughTheClipboard) {
  std::wstring clip;
  Open({Cond(u"a", ff::kEnabled | ff::kCase, 1), Cond(u"b", 0, -2, 3, 8), Cond(u"c", 1)},
       [&](HWND dlg) {
         Select(dlg, {0, 1});
         ListKey(dlg, 'C', {VK_CONTROL});
         if (OpenClipboard(dlg)) {
           if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
             clip = static_cast<const wchar_t*>(GlobalLock(h));
             GlobalUnlock(h);
           }
           CloseClipboard();
         }
         Select(dlg, {2});
         ListKey(dlg, 'V', {VK_CONTROL});
         EXPECT_EQ(RowCount(dlg), 5);
         EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{2, 3}));
         Click(dlg, IDOK);
       });
  EXPECT_EQ(clip, L"on\ta\t1\tC\t0\t-1\r\noff\tb\t-2\t\t3\t8\r\n");
  auto sent = LastFilter();
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(sent[2], sent[0]);
  EXPECT_EQ(sent[3], sent[1]);
  EXPECT_EQ(sent[4].text, u"c");
}

// A line range that ends before it starts, or a bound field emptied by the user, is refused
// beside the fields with the reason, and neither Filter button can hand it on until it is fixed.
TEST_F(AdvancedFilter, AnInvertedOrEmptiedLineRangeKeepsFilterOffAndSaysWhy) {
  struct Step {
    const wchar_t* start;  // typed into the field, or null
    const wchar_t* end;
    std::wstring reason;
    bool filterEnabled;
  } steps[] = {
      {L"600", nullptr, L"Lines 600 to 500: the last line comes before the first.", false},
      {L"5", L"", L"Type the last line (1 or more), or tick To end.", false},
      {L"", L"7", L"Type the first line (1 or more), or tick From start.", false},
      {L"5", nullptr, L"", true},
  };
  std::vector<std::wstring> reasons;
  std::vector<bool> okEnabled, againEnabled;
  Open({Cond(u"", ff::kEnabled, -2, 9, 500)}, [&](HWND dlg) {
    for (const Step& step : steps) {
      if (step.start) SetText(dlg, IDC_AF_RANGE_START, step.start);
      if (step.end) SetText(dlg, IDC_AF_RANGE_END, step.end);
      reasons.push_back(Text(dlg, IDC_AF_RANGE_REASON));
      okEnabled.push_back(Enabled(dlg, IDOK));
      againEnabled.push_back(Enabled(dlg, IDC_AF_FILTER_AGAIN));
      // Enter, as the modal loop hands it over, reaches a refused range only as a command.
      SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  });
  for (size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(reasons[i], steps[i].reason) << i;
    EXPECT_EQ(okEnabled[i], steps[i].filterEnabled) << i;
    EXPECT_EQ(againEnabled[i], steps[i].filterEnabled) << i;
  }
  auto f = Filters();
  ASSERT_EQ(f.size(), 1u);  // only the fixed range was handed on
  EXPECT_EQ(LastFilter(), (std::vector<FilterCondition>{Cond(u"", ff::kEnabled, -2, 4, 7)}));
}

// The column column ("Line numbers (10...500)") widens with the dialog, as the text column does.
TEST_F(AdvancedFilter, TheTextAndColumnColumnsWidenWithTheDialog) {
  int before = 0, after = 0, textAfter = 0;
  Open({Cond(u"", ff::kEnabled, -2, 9, 500)}, [&](HWND dlg) {
    HWND list = GetDlgItem(dlg, IDC_CHECK_LIST);
    before = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0));
    RECT r = {};
    GetWindowRect(dlg, &r);
    SetWindowPos(dlg, nullptr, 0, 0, r.right - r.left + 400, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    after = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0));
    textAfter = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
  });
  EXPECT_GE(after, before + 80);
  EXPECT_EQ(textAfter, after);
}

// --- The number range dialog ------------------------------------------------------------------

TEST_F(AdvancedFilter, TheNumberRangeRadioAsksTheNumberRangeDialogFirst) {
  std::wstring offered;
  bool asked = false;
  Open({Cond(u"[1 , 2]", ff::kEnabled | ff::kRegExp), Cond(u"x", ff::kEnabled)}, [&](HWND dlg) {
    Select(dlg, {0, 1});
    {
      NestedDialogs range(dlg, [&](HWND nr) {
        offered = Text(nr, IDC_NR_EXPRESSION);
        if (!Checked(nr, IDC_NR_DIRECT)) Click(nr, IDC_NR_DIRECT);
        SetText(nr, IDC_NR_EXPRESSION, L"[3 , 4]");
        PostMessageW(nr, WM_COMMAND, IDOK, 0);
      });
      Click(dlg, IDC_AF_MATCH_NUMRANGE);
      asked = range.Ran();
    }
    EXPECT_TRUE(Checked(dlg, IDC_AF_MATCH_NUMRANGE));
    Click(dlg, IDOK);
  });
  EXPECT_TRUE(asked);
  EXPECT_EQ(offered, L"[1 , 2]");
  auto sent = LastFilter();
  ASSERT_EQ(sent.size(), 2u);
  for (const auto& c : sent) {
    EXPECT_EQ(c.text, u"[3 , 4]");
    EXPECT_EQ(c.flags & ff::kMatchKindMask, ff::kNumberRange);
  }
}

// --- Settings, in both back ends --------------------------------------------------------------

TEST_P(AdvancedFilterSettings, CloseAfterFilterWritesTheDefaultFlagsAndEndsWith2) {
  Store(L"FilterDefFlags", ff::kOnlyWord, true);
  bool closedByFilter = false;
  auto r = Open({Cond(u"a", ff::kEnabled)}, [&](HWND dlg) {
    Click(dlg, IDC_AF_CLOSE_AFTER);
    EXPECT_EQ(Stored(L"FilterClose"), Expect(L"dword", 1));  // written at the click
    Click(dlg, IDC_AF_CASE);
    Click(dlg, IDOK);
    closedByFilter = !IsWindowVisible(dlg);
  });
  EXPECT_TRUE(closedByFilter);
  EXPECT_EQ(r.result, 2);
  EXPECT_EQ(Filters().size(), 1u);
  EXPECT_EQ(Stored(L"FilterDefFlags"), Expect(L"qword", ff::kOnlyWord | ff::kCase));
}

TEST_P(AdvancedFilterSettings, TheStoredDefaultsShowWithoutASelectionAndFilterCloseIsRead) {
  Store(L"FilterDefFlags", ff::kNegative | ff::kRegExp, true);
  Store(L"FilterClose", 1, false);
  UINT negative = 0, regexp = 0;
  bool closeAfter = false;
  auto r = Open({}, [&](HWND dlg) {
    negative = CheckState(dlg, IDC_AF_NEGATIVE);
    regexp = CheckState(dlg, IDC_AF_MATCH_REGEXP);
    closeAfter = Checked(dlg, IDC_AF_CLOSE_AFTER);
    Click(dlg, IDC_AF_CLOSE_AFTER);  // off again: the default, so nothing is kept
  });
  EXPECT_EQ(negative, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(regexp, static_cast<UINT>(BST_CHECKED));
  EXPECT_TRUE(closeAfter);
  EXPECT_EQ(r.result, 2);
  EXPECT_EQ(Stored(L"FilterClose"), L"(none)");
}

TEST_P(AdvancedFilterSettings, CancelStoresTheDefaultFlagsTheEditsLeft) {
  auto r = Open({Cond(u"a", ff::kEnabled)}, [&](HWND dlg) {
    Click(dlg, IDC_AF_BOOKMARKED);
    Click(dlg, IDC_AF_MATCH_ESCSEQ);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r.result, 2);
  EXPECT_TRUE(Filters().empty());
  EXPECT_EQ(Stored(L"FilterDefFlags"), Expect(L"qword", ff::kBookmarkedOnly | ff::kEscSeq));
}

TEST_P(AdvancedFilterSettings, ThePlacementIsKeptUnderItsOwnName) {
  Open({}, [](HWND dlg) { SetWindowPos(dlg, nullptr, 0, 0, 900, 560, SWP_NOMOVE | SWP_NOZORDER); });
  if (GetParam()) {
    EXPECT_NE(Stored(L"AdvancedFilterDlgPos"), L"(none)");
  } else {
    settings_test::RawValue v = settings_test::GetRawValue(L"Common", L"AdvancedFilterDlgPos");
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(v.bytes.size(), 16u);
  }
}

TEST_P(AdvancedFilterSettings, SkipNumRangeChoosesTheKindWithoutTheDialog) {
  Store(L"SkipNumRange", 1, false);
  Open({Cond(u"[1 , 2]", ff::kEnabled)}, [&](HWND dlg) {
    NestedDialogs unexpected(dlg, [](HWND nr) { PostMessageW(nr, WM_COMMAND, IDCANCEL, 0); });
    Click(dlg, IDC_AF_MATCH_NUMRANGE);
    PumpMessages(60);
    EXPECT_FALSE(unexpected.Ran());
    Click(dlg, IDOK);
  });
  auto sent = LastFilter();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].flags, ff::kEnabled | ff::kNumberRange);
}

// A number range belongs to the one text it was checked for: making one condition a range
// passes the kind on to no added or pasted condition, neither in this session nor, through the
// stored default flags, in a later one (where an earlier version may have stored it).
TEST_P(AdvancedFilterSettings, TheNumberRangeKindIsNeverPassedOnToOtherConditions) {
  Store(L"SkipNumRange", 1, false);
  std::vector<std::wstring> letters;
  // Adds a condition and pastes a plain line; the letters of both new rows.
  auto addAndPaste = [&](HWND dlg) {
    Click(dlg, IDC_AF_ADD);
    PumpMessages(30);
    SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_CANCELEDITLABEL, 0, 0);
    letters.push_back(Cell(dlg, RowCount(dlg) - 1, 2));
    PutClipboardText(dlg, L"plain");
    ListKey(dlg, 'V', {VK_CONTROL});
    letters.push_back(Cell(dlg, SelectedRows(dlg).at(0), 2));
  };
  Open({Cond(u"[1 , 2]", ff::kEnabled)}, [&](HWND dlg) {
    Select(dlg, {0});
    Click(dlg, IDC_AF_MATCH_NUMRANGE);
    Click(dlg, IDC_AF_CASE);
    addAndPaste(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(Stored(L"FilterDefFlags"), Expect(L"qword", ff::kCase));
  Store(L"FilterDefFlags", ff::kNumberRange | ff::kCase, true);
  Open({}, [&](HWND dlg) {
    addAndPaste(dlg);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(letters, (std::vector<std::wstring>{L"C", L"C", L"C", L"C"}));
  for (const FilterCondition& c : LastFilter()) EXPECT_EQ(c.flags & ff::kNumberRange, 0u);
}

// --- What the host hands in -------------------------------------------------------------------

TEST_F(AdvancedFilter, NoColumnListAndNoHandleStillRunTheDialog) {
  int entries = 0;
  auto r = RunDialog(
      [&] { return fn(host.Hwnd(), nullptr, nullptr, 1); },
      [&](HWND dlg) {
        entries = static_cast<int>(SendDlgItemMessageW(dlg, IDC_AF_COLUMN, CB_GETCOUNT, 0, 0));
        Click(dlg, IDC_AF_ADD);
        PumpMessages(30);
        SendDlgItemMessageW(dlg, IDC_CHECK_LIST, LVM_CANCELEDITLABEL, 0, 0);
        Click(dlg, IDOK);
        Click(dlg, IDCANCEL);
      });
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.result, 2);
  EXPECT_EQ(entries, 2);
  auto f = Filters();
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0]->payload.size(), scrv::kFilterRecordSize);
}

// --- Files ------------------------------------------------------------------------------------

// Runs a list command that opens a file dialog, answering it with `path` and `type`.
bool WithFile(HWND dlg, int command, const std::wstring& path, int type = 0) {
  NestedDialogs files(dlg, [&](HWND box) { ChooseFile(box, path, type); });
  Click(dlg, command);
  return files.Ran();
}

TEST_F(AdvancedFilter, ASavedListLoadsBackWithoutTheNumberRangeKind) {
  const std::wstring file = folder.File(L"conditions.tsv");
  const std::vector<FilterCondition> list = {
      Cond(u"a", ff::kEnabled | ff::kCase | ff::kMatchNL | ff::kCrOnly, 1),
      Cond(u"[1 , 5]", ff::kNumberRange, 2), Cond(u"", ff::kEnabled, -2, 4, 20)};
  Open(list, [&](HWND dlg) {
    EXPECT_TRUE(WithFile(dlg, IDC_AF_SAVE, file, 1));
    Select(dlg, {0, 1, 2});
    Click(dlg, IDC_AF_DELETE);
    EXPECT_EQ(RowCount(dlg), 0);
    EXPECT_TRUE(WithFile(dlg, IDC_AF_LOAD, file));  // an empty list: no question
    EXPECT_EQ(RowCount(dlg), 3);
    EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{0, 1, 2}));
    Click(dlg, IDOK);
  });
  std::vector<FilterCondition> expected = list;
  expected[1].flags = 0;
  EXPECT_EQ(LastFilter(), expected);
  const std::string bytes = folder.ReadBytes(L"conditions.tsv");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
}

TEST_F(AdvancedFilter, LoadingIntoAFullListAsksWhetherToReplaceIt) {
  const std::wstring file = folder.File(L"two.tsv");
  std::wstring question;
  Open({Cond(u"x", 1), Cond(u"y", 1)}, [&](HWND dlg) {
    EXPECT_TRUE(WithFile(dlg, IDC_AF_SAVE, file, 4));  // plain lines
    Select(dlg, {1});
    {
      // No: the file's conditions go before the selected row.
      NestedDialogs steps(dlg, {[&](HWND box) { ChooseFile(box, file); },
                                [&](HWND q) {
                                  question = WindowTexts(q);
                                  Click(q, IDNO);
                                }});
      Click(dlg, IDC_AF_LOAD);
      EXPECT_TRUE(steps.Ran());
    }
    EXPECT_EQ(RowCount(dlg), 4);
    Click(dlg, IDOK);
    {
      // Yes: the list holds the file's conditions alone.
      NestedDialogs steps(
          dlg, {[&](HWND box) { ChooseFile(box, file); }, [&](HWND q) { Click(q, IDYES); }});
      Click(dlg, IDC_AF_LOAD);
      EXPECT_TRUE(steps.Ran());
    }
    EXPECT_EQ(RowCount(dlg), 2);
    {
      // Cancel: nothing changes.
      NestedDialogs steps(
          dlg, {[&](HWND box) { ChooseFile(box, file); }, [&](HWND q) { Click(q, IDCANCEL); }});
      Click(dlg, IDC_AF_LOAD);
      EXPECT_TRUE(steps.Ran());
    }
    EXPECT_EQ(RowCount(dlg), 2);
  });
  EXPECT_NE(question.find(L"Remove the conditions in the list"), std::wstring::npos) << question;
  auto sent = LastFilter();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[0].text, u"x");
  EXPECT_EQ(sent[1].text, u"x");
  EXPECT_EQ(sent[2].text, u"y");
  EXPECT_EQ(sent[3].text, u"y");
}

}  // namespace
