// DoSortMulti through the real library: the host's key list edited in place (kinds, order,
// participation), the radios and buttons the selection shows, and the two option boxes stored
// in either settings back end, also on Cancel.

#include <gtest/gtest.h>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

constexpr uint32_t kIncluded = 0x4000000;
const std::vector<std::wstring> kColumns = {L"Id", L"Name", L"City"};

class SortMultiExport : public ExportTest<decltype(&DoSortMulti)> {
 protected:
  SortMultiExport() : ExportTest("DoSortMulti") {}

  // Opens the dialog over `keys`, runs `script` and returns the export's result.
  int Run(HostKeyList& keys, const std::function<void(HWND)>& script, int groupFlag = 1,
          int selectionFlag = 1) {
    return Drive(
        [&] {
          return fn(host.Hwnd(), names.Descriptor(), keys.Descriptor(), groupFlag, selectionFlag);
        },
        script);
  }

  std::vector<int> CheckedRadios(HWND dlg) {
    std::vector<int> on;
    for (int id = IDC_SM_KIND_FIRST; id <= IDC_SM_KIND_LAST; ++id)
      if (Checked(dlg, id)) on.push_back(id);
    return on;
  }

  HostStringList names{kColumns};
};

TEST_P(SortMultiExport, KeyShowsItsColumnCheckAndKindAndTheChosenKindIsWrittenBack) {
  HostKeyList keys({{2, 0x4004000}, {0, 0}, {1, 0}});
  std::wstring rows;
  bool firstChecked = false, secondChecked = true;
  std::vector<int> shown;
  int r = Run(keys, [&](HWND dlg) {
    rows = Rows(dlg);
    firstChecked = RowChecked(dlg, 0);
    secondChecked = RowChecked(dlg, 1);
    shown = CheckedRadios(dlg);
    Click(dlg, IDC_SM_CODE_DESC);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(rows, L"City|Id|Name");
  EXPECT_TRUE(firstChecked);
  EXPECT_FALSE(secondChecked);
  EXPECT_EQ(shown, std::vector<int>{IDC_SM_CODE_ASC});
  EXPECT_EQ(keys.Keys()[0].flags, 0x84004000u);
  EXPECT_EQ(keys.Keys()[0].column, 2);
}

TEST_P(SortMultiExport, CancelStillStoresBothBoxesAndRewritesBit26) {
  HostKeyList keys({{0, kIncluded | 0x4000}, {1, 0x80000}, {2, kIncluded}});
  int r = Run(keys, [&](HWND dlg) {
    Click(dlg, IDC_SM_ENTIRE_GROUP);
    Click(dlg, IDC_SM_SELECTION_ONLY);
    SetRowChecked(dlg, 0, false);
    SetRowChecked(dlg, 1, true);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_EQ(CommonDword(folder, ini, L"MultiSortEntireGroup"), 1);
  EXPECT_EQ(CommonDword(folder, ini, L"MultiSortSelOnly"), 1);
  EXPECT_EQ(keys.Keys()[0].flags, 0x4000u);
  EXPECT_EQ(keys.Keys()[1].flags, kIncluded | 0x80000);
  EXPECT_EQ(keys.Keys()[2].flags, kIncluded);
}

TEST_P(SortMultiExport, MovingARowSwapsTheHostsKeysAndTheSecondButtonEndsTheDialog) {
  HostKeyList keys({{0, kIncluded | 0x4000}, {1, 0}, {2, kIncluded}});
  std::wstring rows;
  int r = Run(keys, [&](HWND dlg) {
    SelectRows(dlg, {0});
    Click(dlg, IDC_CL_MOVE_BOTTOM);
    Settle();
    rows = Rows(dlg);
    Click(dlg, IDC_SM_SORT_SECOND);
  });
  EXPECT_EQ(r, IDC_SM_SORT_SECOND);
  EXPECT_EQ(rows, L"Name|City|Id");
  ASSERT_EQ(keys.Keys().size(), 3u);
  EXPECT_EQ(keys.Keys()[0].column, 1);
  EXPECT_EQ(keys.Keys()[1].column, 2);
  EXPECT_EQ(keys.Keys()[2].column, 0);
  EXPECT_EQ(keys.Keys()[2].flags, kIncluded | 0x4000);
}

// The grid of kinds: each column is a radio group, so the arrow keys (through the dialog
// manager, as the modal loop hands them on) stay in it and choose the radio they reach.
TEST_P(SortMultiExport, ArrowKeysStayInAColumnOfTheGrid) {
  HostKeyList keys({{0, kIncluded}, {1, 0}, {2, 0}});
  std::vector<int> focused, chosen;
  Run(keys, [&](HWND dlg) {
    HWND start = GetDlgItem(dlg, IDC_SM_CASE_DESC);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(start), TRUE);
    for (WPARAM key : {VK_DOWN, VK_UP, VK_UP, VK_UP}) {
      MSG msg = {GetFocus(), WM_KEYDOWN, key, 0};
      IsDialogMessageW(dlg, &msg);
      PumpMessages(30);
      focused.push_back(GetDlgCtrlID(GetFocus()));
      std::vector<int> on = CheckedRadios(dlg);
      chosen.push_back(on.size() == 1 ? on[0] : 0);
    }
    Click(dlg, IDCANCEL);
  });
  const std::vector<int> path = {IDC_SM_NUMBER_DESC, IDC_SM_CASE_DESC, IDC_SM_TEXT_DESC,
                                 IDC_SM_VERSION_DESC};  // Up from the top wraps in the column
  EXPECT_EQ(focused, path);
  EXPECT_EQ(chosen, path);
  EXPECT_EQ(keys.Keys()[0].flags, kIncluded | 0x80002000u);  // version numbers, descending
}

TEST_P(SortMultiExport, AKeyListThatCannotBeReadIsRefusedWithoutADialog) {
  HostKeyList keys({{0, 0}, {1, 0}, {2, 0}});
  void** descriptor = static_cast<void**>(keys.Descriptor());
  std::swap(descriptor[0], descriptor[1]);  // end before begin
  auto r = RunDialog([&] { return fn(host.Hwnd(), names.Descriptor(), keys.Descriptor(), 1, 1); },
                     [](HWND dlg) { Click(dlg, IDCANCEL); }, 1500);
  EXPECT_EQ(r.result, -1);
  EXPECT_FALSE(r.scriptRan);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_P(SortMultiExport, GrowingKeepsTheButtonsAtTheEdgesAndThePlacementIsStored) {
  HostKeyList keys({{0, kIncluded}, {1, 0}, {2, 0}});
  RECT list0{}, list1{}, ok0{}, ok1{}, radio0{}, radio1{}, all0{}, all1{};
  Run(keys, [&](HWND dlg) {
    list0 = ControlRect(dlg, IDC_CHECK_LIST);
    ok0 = ControlRect(dlg, IDOK);
    radio0 = ControlRect(dlg, IDC_SM_RANDOM);
    all0 = ControlRect(dlg, IDC_CHECK_ALL);
    Grow(dlg, 120, 80);
    list1 = ControlRect(dlg, IDC_CHECK_LIST);
    ok1 = ControlRect(dlg, IDOK);
    radio1 = ControlRect(dlg, IDC_SM_RANDOM);
    all1 = ControlRect(dlg, IDC_CHECK_ALL);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(list1.left, list0.left);
  EXPECT_EQ(list1.right - list0.right, 120);
  EXPECT_EQ(list1.bottom - list0.bottom, 80);
  EXPECT_EQ(ok1.left - ok0.left, 120);
  EXPECT_EQ(ok1.top - ok0.top, 80);
  EXPECT_EQ(radio1.left - radio0.left, 120);
  EXPECT_EQ(radio1.top, radio0.top);
  EXPECT_EQ(all1.left, all0.left);
  EXPECT_EQ(all1.top - all0.top, 80);
  EXPECT_TRUE(PlacementStored(folder, ini, L"SortMultiDlgPos"));
}

// The grid's rows pair ascending and descending: Right and Left cross to the other radio of
// the same row (and choose it), Up and Down keep to a column.
TEST_P(SortMultiExport, ArrowKeysCrossARowSidewaysAndWalkAColumnDownwards) {
  HostKeyList keys({{0, kIncluded}, {1, 0}, {2, 0}});
  struct Press {
    UINT key;
    int focus;    // the radio focused after the key
    int checked;  // and the one checked (0: the platform's own walk decides)
  } presses[] = {{VK_RIGHT, IDC_SM_TEXT_DESC, IDC_SM_TEXT_DESC},
                 {VK_DOWN, IDC_SM_CASE_DESC, 0},
                 {VK_LEFT, IDC_SM_CASE_ASC, IDC_SM_CASE_ASC}};
  std::vector<int> focus, checked;
  Run(keys, [&](HWND dlg) {
    SetFocus(GetDlgItem(dlg, IDC_SM_TEXT_ASC));
    for (const Press& p : presses) {
      // The key as the modal loop hands it to the dialog.
      MSG msg = {GetFocus(), WM_KEYDOWN, p.key, 1};
      IsDialogMessageW(dlg, &msg);
      Settle();
      focus.push_back(GetDlgCtrlID(GetFocus()));
      std::vector<int> on = CheckedRadios(dlg);
      checked.push_back(on.size() == 1 ? on[0] : 0);
    }
    Click(dlg, IDCANCEL);
  });
  for (size_t i = 0; i < std::size(presses); ++i) {
    EXPECT_EQ(focus[i], presses[i].focus) << i;
    if (presses[i].checked) EXPECT_EQ(checked[i], presses[i].checked) << i;
  }
  EXPECT_EQ(keys.Keys()[0].flags, kIncluded | 0x40000000u);  // text matching case, ascending
}

SCRV_IN_BOTH_BACK_ENDS(SortMultiExport);

}  // namespace
