// DoSortMulti through the real library: the host's key list edited in place (kinds, order,
// participation), the radios and buttons the selection shows, and the two option boxes stored
// in either settings back end, also on Cancel.

#include <gtest/gtest.h>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoSortMultiFn = decltype(&DoSortMulti);

constexpr uint32_t kIncluded = 0x4000000;
const std::vector<std::wstring> kColumns = {L"Id", L"Name", L"City"};

class SortMultiExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoSortMultiFn>("DoSortMulti");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { ClearRegistrySettings(); }

  // Opens the dialog over `keys`, runs `script` and returns the export's result.
  int Run(HostKeyList& keys, const std::function<void(HWND)>& script, int groupFlag = 1,
          int selectionFlag = 1) {
    auto r = RunDialog(
        [&] {
          return fn(host.Hwnd(), names.Descriptor(), keys.Descriptor(), groupFlag, selectionFlag);
        },
        [&](HWND dlg) {
          Settle();
          script(dlg);
        });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }

  std::vector<int> CheckedRadios(HWND dlg) {
    std::vector<int> on;
    for (int id = IDC_SM_KIND_FIRST; id <= IDC_SM_KIND_LAST; ++id)
      if (Checked(dlg, id)) on.push_back(id);
    return on;
  }
  int EnabledRadios(HWND dlg) {
    int n = 0;
    for (int id = IDC_SM_KIND_FIRST; id <= IDC_SM_KIND_LAST; ++id) n += Enabled(dlg, id);
    return n;
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  HostStringList names{kColumns};
  DoSortMultiFn fn = nullptr;
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

TEST_P(SortMultiExport, StandaloneBitWinsOverTheOthers) {
  HostKeyList keys({{0, kIncluded | 0x8000 | 0x4000}, {1, 0}, {2, 0}});
  std::vector<int> shown;
  Run(keys, [&](HWND dlg) {
    shown = CheckedRadios(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(shown, std::vector<int>{IDC_SM_RANDOM});
}

TEST_P(SortMultiExport, TwoCheckedRowsOfDifferentKindsCheckNoRadioAndEnableAll) {
  HostKeyList keys({{0, kIncluded | 0x4000}, {1, kIncluded | 0x80000}, {2, 0}});
  std::vector<int> shown = {0};
  int enabled = 0;
  Run(keys, [&](HWND dlg) {
    SelectRows(dlg, {0, 1});
    shown = CheckedRadios(dlg);
    enabled = EnabledRadios(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(enabled, 17);
}

TEST_P(SortMultiExport, ARadioAppliesToEverySelectedRowCheckedOrNot) {
  HostKeyList keys({{0, kIncluded | 0x4000}, {1, 0x80000}, {2, 0x2000}});
  Run(keys, [&](HWND dlg) {
    SelectRows(dlg, {0, 1});
    Click(dlg, IDC_SM_NUMBER_DESC);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(keys.Keys()[0].flags, kIncluded | 0x80400000);
  EXPECT_EQ(keys.Keys()[1].flags, 0x80400000u);  // unchecked: takes the kind, not bit 26
  EXPECT_EQ(keys.Keys()[2].flags, 0x2000u);
}

TEST_P(SortMultiExport, NoSelectionDisablesTheRadiosAndNoCheckedRowDisablesSorting) {
  HostKeyList keys({{0, kIncluded}, {1, 0}, {2, 0}});
  int radiosWithoutSelection = -1;
  bool okBefore = false, okAfter = true, secondAfter = true;
  Run(keys, [&](HWND dlg) {
    okBefore = Enabled(dlg, IDOK);
    SelectRows(dlg, {});
    radiosWithoutSelection = EnabledRadios(dlg);
    SetRowChecked(dlg, 0, false);
    okAfter = Enabled(dlg, IDOK);
    secondAfter = Enabled(dlg, IDC_SM_SORT_SECOND);
    Click(dlg, IDCANCEL);
  });
  EXPECT_TRUE(okBefore);
  EXPECT_EQ(radiosWithoutSelection, 0);
  EXPECT_FALSE(okAfter);
  EXPECT_FALSE(secondAfter);
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

TEST_P(SortMultiExport, StoredBoxesComeBackAndSelectionOnlyNeedsTheSelectionFlag) {
  HostKeyList keys({{0, kIncluded}, {1, 0}, {2, 0}});
  Run(keys, [&](HWND dlg) {
    Click(dlg, IDC_SM_ENTIRE_GROUP);
    Click(dlg, IDC_SM_SELECTION_ONLY);
    Click(dlg, IDOK);
  });
  bool group = false, selection = true, groupEnabled = true, selectionEnabled = true;
  Run(
      keys,
      [&](HWND dlg) {
        group = Checked(dlg, IDC_SM_ENTIRE_GROUP);
        selection = Checked(dlg, IDC_SM_SELECTION_ONLY);
        groupEnabled = Enabled(dlg, IDC_SM_ENTIRE_GROUP);
        selectionEnabled = Enabled(dlg, IDC_SM_SELECTION_ONLY);
        Click(dlg, IDCANCEL);
      },
      0, 0);
  EXPECT_TRUE(group);
  EXPECT_FALSE(selection);
  EXPECT_FALSE(groupEnabled);
  EXPECT_FALSE(selectionEnabled);
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

INSTANTIATE_TEST_SUITE_P(BothBackEnds, SortMultiExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
