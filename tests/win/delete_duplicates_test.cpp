// DoDeleteDuplicateAdvanced through the real library: the option flags ORed into the host's
// keys on OK and on the second button, whole lines against checked columns, the enabling by
// radio and mode, and the seven settings in either back end (nothing at all on Cancel).

#include <gtest/gtest.h>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoDeleteDuplicatesFn = decltype(&DoDeleteDuplicateAdvanced);

constexpr uint32_t kIncluded = 0x4000000;
const std::vector<std::wstring> kColumns = {L"Id", L"Name", L"City"};

class DeleteDuplicatesExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoDeleteDuplicatesFn>("DoDeleteDuplicateAdvanced");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { ClearRegistrySettings(); }

  int Run(const void* columnNames, HostKeyList& keys, const std::function<void(HWND)>& script,
          int groupFlag = 0, int mode = 1) {
    auto r =
        RunDialog([&] { return fn(host.Hwnd(), columnNames, keys.Descriptor(), groupFlag, mode); },
                  [&](HWND dlg) {
                    Settle();
                    script(dlg);
                  });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }
  long long Setting(const wchar_t* name) { return CommonDword(folder, ini, name); }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  HostStringList names{kColumns};
  DoDeleteDuplicatesFn fn = nullptr;
};

TEST_P(DeleteDuplicatesExport, WholeLinesGiveEveryKeyColumnMinusOneAndTheOptionFlags) {
  HostKeyList keys({{0, 0}, {1, kIncluded}, {2, 0x40}});
  int r = Run(names.Descriptor(), keys, [&](HWND dlg) {
    Click(dlg, IDC_DD_IGNORE_CASE);
    Click(dlg, IDC_DD_IGNORE_EMPTY_LINES);
    Click(dlg, IDC_DD_COMPARE_LINES);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  const uint32_t before[] = {0, kIncluded, 0x40};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(keys.Keys()[i].column, -1) << i;
    EXPECT_EQ(keys.Keys()[i].flags, before[i] | 0xC010001u) << i;
  }
  EXPECT_EQ(Setting(L"DeleteDuplicateIgnoreCase"), 1);
  EXPECT_EQ(Setting(L"DeleteDuplicateIgnoreEmptyLines"), 1);
  EXPECT_EQ(Setting(L"DeleteDuplicateAdjacentOnly"), 0);
  EXPECT_EQ(Setting(L"DeleteDuplicateSelOnly"), 1);  // mode 1 checks it
}

TEST_P(DeleteDuplicatesExport, SecondButtonWithCheckedColumnsMarksThoseAndDropsTheRest) {
  HostKeyList keys({{0, 0}, {1, kIncluded | 0x4}, {2, 0}});
  int r = Run(names.Descriptor(), keys, [&](HWND dlg) {
    Click(dlg, IDC_DD_COMPARE_COLUMNS);
    SetRowChecked(dlg, 0, true);
    SetRowChecked(dlg, 1, false);
    SetRowChecked(dlg, 2, true);
    Click(dlg, IDC_DD_ADJACENT_ONLY);
    Click(dlg, IDC_DD_DELETE_SECOND);
  });
  EXPECT_EQ(r, IDC_DD_DELETE_SECOND);
  EXPECT_EQ(keys.Keys()[0].column, 0);
  EXPECT_EQ(keys.Keys()[0].flags, 0xC200000u | 0x20000u);
  EXPECT_EQ(keys.Keys()[1].column, 1);
  EXPECT_EQ(keys.Keys()[1].flags, 0x4u);
  EXPECT_EQ(keys.Keys()[2].flags, 0xC200000u | 0x20000u);
  EXPECT_EQ(Setting(L"DeleteDuplicateAdjacentOnly"), 1);
}

TEST_P(DeleteDuplicatesExport, CancelWritesNeitherSettingsNorKeys) {
  HostKeyList keys({{0, 0}, {1, kIncluded}, {2, 0}});
  int r = Run(names.Descriptor(), keys, [&](HWND dlg) {
    Click(dlg, IDC_DD_IGNORE_CASE);
    Click(dlg, IDC_DD_COMPARE_COLUMNS);
    SetRowChecked(dlg, 0, true);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_EQ(Setting(L"DeleteDuplicateIgnoreCase"), -1);
  EXPECT_EQ(Setting(L"DeleteDuplicateSelOnly"), -1);
  EXPECT_EQ(keys.Keys()[0].column, 0);
  EXPECT_EQ(keys.Keys()[0].flags, 0u);
  EXPECT_EQ(keys.Keys()[1].flags, kIncluded);
}

TEST_P(DeleteDuplicatesExport, TheColumnListIsUsableOnlyWithItsRadio) {
  HostKeyList keys({{0, 0}, {1, kIncluded}, {2, 0}});
  bool listBefore = true, cellsBefore = true, listAfter = false, cellsAfter = false,
       allAfter = false;
  std::wstring rows;
  bool secondChecked = false;
  Run(names.Descriptor(), keys, [&](HWND dlg) {
    rows = Rows(dlg);
    secondChecked = RowChecked(dlg, 1);
    listBefore = Enabled(dlg, IDC_CHECK_LIST);
    cellsBefore = Enabled(dlg, IDC_DD_IGNORE_EMPTY_CELLS);
    Click(dlg, IDC_DD_COMPARE_COLUMNS);
    listAfter = Enabled(dlg, IDC_CHECK_LIST);
    cellsAfter = Enabled(dlg, IDC_DD_IGNORE_EMPTY_CELLS);
    allAfter = Enabled(dlg, IDC_CHECK_ALL);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(rows, L"Id|Name|City");
  EXPECT_TRUE(secondChecked);
  EXPECT_FALSE(listBefore);
  EXPECT_FALSE(cellsBefore);
  EXPECT_TRUE(listAfter);
  EXPECT_TRUE(cellsAfter);
  EXPECT_TRUE(allAfter);
}

TEST_P(DeleteDuplicatesExport, ModeAndGroupFlagDecideTheSelectionControls) {
  // Mode 0 without the group flag: 1106 unchecked and disabled, 1713 and 1896 disabled.
  HostKeyList keys({{0, 0}, {1, 0}, {2, 0}});
  UINT state = 99;
  bool selection = true, group = true, inSelection = true;
  Run(
      names.Descriptor(), keys,
      [&](HWND dlg) {
        state = CheckState(dlg, IDC_DD_SELECTION_ONLY);
        selection = Enabled(dlg, IDC_DD_SELECTION_ONLY);
        group = Enabled(dlg, IDC_DD_ENTIRE_GROUP);
        inSelection = Enabled(dlg, IDC_DD_COMPARE_LINES_SELECTION);
        Click(dlg, IDCANCEL);
      },
      0, 0);
  EXPECT_EQ(state, UINT{BST_UNCHECKED});
  EXPECT_FALSE(selection);
  EXPECT_FALSE(group);
  EXPECT_FALSE(inSelection);
}

TEST_P(DeleteDuplicatesExport, ModeTwoStartsIndeterminateAndTakesTheStoredDefaultRadio) {
  if (ini) {
    WritePrivateProfileStringW(L"Common", L"InspectSelOnlyDD", L"1",
                               folder.File(L"scCommon.ini").c_str());
  } else {
    DWORD one = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common",
                    L"InspectSelOnlyDD", REG_DWORD, &one, sizeof one);
  }
  HostKeyList keys({{0, 0}, {1, 0}, {2, 0}});
  UINT state = 99;
  bool inSelectionRadio = false, enabled = false;
  int r = Run(
      names.Descriptor(), keys,
      [&](HWND dlg) {
        state = CheckState(dlg, IDC_DD_SELECTION_ONLY);
        inSelectionRadio = Checked(dlg, IDC_DD_COMPARE_LINES_SELECTION);
        enabled = Enabled(dlg, IDC_DD_COMPARE_LINES_SELECTION);
        Click(dlg, IDOK);
      },
      0, 2);
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(state, UINT{BST_INDETERMINATE});
  EXPECT_TRUE(inSelectionRadio);
  EXPECT_TRUE(enabled);
  EXPECT_EQ(keys.Keys()[0].flags, 0xC000100u);
  EXPECT_EQ(Setting(L"DeleteDuplicateSelOnly"), 0);  // indeterminate is not "checked"
}

TEST_P(DeleteDuplicatesExport, WithoutColumnNamesTheListAndItsRadioAreDisabled) {
  HostStringList none{{}};
  HostKeyList keys({});
  bool list = true, radio = true;
  int rows = -1;
  int r = Run(none.Descriptor(), keys, [&](HWND dlg) {
    list = Enabled(dlg, IDC_CHECK_LIST);
    radio = Enabled(dlg, IDC_DD_COMPARE_COLUMNS);
    rows = RowCount(dlg);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_FALSE(list);
  EXPECT_FALSE(radio);
  EXPECT_EQ(rows, 0);
}

TEST_P(DeleteDuplicatesExport, AColumnListThatCannotBeReadIsRefusedWithoutADialog) {
  HostKeyList keys({{0, 0}});
  const void* garbage[3] = {reinterpret_cast<void*>(0x1000), nullptr, nullptr};
  auto r = RunDialog([&] { return fn(host.Hwnd(), garbage, keys.Descriptor(), 0, 0); },
                     [](HWND dlg) { Click(dlg, IDCANCEL); }, 1500);
  EXPECT_EQ(r.result, -1);
  EXPECT_FALSE(r.scriptRan);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, DeleteDuplicatesExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
