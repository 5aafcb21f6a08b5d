// DoDeleteDuplicateAdvanced through the real library: the option flags ORed into the host's
// keys on OK and on the second button, whole lines against checked columns, the enabling by
// radio and mode, and the seven settings in either back end (nothing at all on Cancel).

#include <gtest/gtest.h>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

constexpr uint32_t kIncluded = 0x4000000;
const std::vector<std::wstring> kColumns = {L"Id", L"Name", L"City"};

class DeleteDuplicatesExport : public ExportTest<decltype(&DoDeleteDuplicateAdvanced)> {
 protected:
  DeleteDuplicatesExport() : ExportTest("DoDeleteDuplicateAdvanced") {}

  int Run(const void* columnNames, HostKeyList& keys, const std::function<void(HWND)>& script,
          int groupFlag = 0, int mode = 1) {
    return Drive([&] { return fn(host.Hwnd(), columnNames, keys.Descriptor(), groupFlag, mode); },
                 script);
  }

  HostStringList names{kColumns};
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

// The one column fills the list, without a header stub, before and after the dialog grows and
// once the rows need a vertical scroll bar.
TEST_P(DeleteDuplicatesExport, TheOneColumnFillsTheListAsItsWidthChanges) {
  std::vector<std::wstring> many(40, L"Column");
  HostStringList longNames{many};
  HostKeyList keys(std::vector<HostKey>(many.size(), HostKey{0, 0}));
  std::vector<std::pair<long, long>> widths;  // column, client
  Run(longNames.Descriptor(), keys, [&](HWND dlg) {
    HWND list = List(dlg);
    auto note = [&] {
      RECT client = {};
      GetClientRect(list, &client);
      widths.emplace_back(ListView_GetColumnWidth(list, 0), client.right);
    };
    note();
    Grow(dlg, 120, 0);
    note();
    Click(dlg, IDCANCEL);
  });
  ASSERT_EQ(widths.size(), 2u);
  EXPECT_EQ(widths[0].first, widths[0].second);
  EXPECT_EQ(widths[1].first, widths[1].second);
  EXPECT_GT(widths[1].second, widths[0].second);
}

TEST_P(DeleteDuplicatesExport, AColumnListThatCannotBeReadIsRefusedWithoutADialog) {
  HostKeyList keys({{0, 0}});
  const void* garbage[3] = {reinterpret_cast<void*>(0x1000), nullptr, nullptr};
  auto r = RunDialog([&] { return fn(host.Hwnd(), garbage, keys.Descriptor(), 0, 0); },
                     [](HWND dlg) { Click(dlg, IDCANCEL); }, 1500);
  EXPECT_EQ(r.result, -1);
  EXPECT_FALSE(r.scriptRan);
}

// Tab walks the option boxes column by column as they stand: "Selection only", last of the
// left column, comes before the right column.
TEST_P(DeleteDuplicatesExport, TabWalksTheOptionsInTheOrderTheyStand) {
  HostKeyList keys({{0, 0}, {1, 0}, {2, 0}});
  std::vector<int> order;
  Run(
      names.Descriptor(), keys,
      [&](HWND dlg) {
        Click(dlg, IDC_DD_COMPARE_COLUMNS);  // every option box enabled
        HWND at = GetDlgItem(dlg, IDC_DD_IGNORE_CASE);
        for (int i = 0; i < 6 && at; ++i) {
          order.push_back(GetDlgCtrlID(at));
          at = GetNextDlgTabItem(dlg, at, FALSE);
        }
        Click(dlg, IDCANCEL);
      },
      1, 1);
  EXPECT_EQ(order, (std::vector<int>{IDC_DD_IGNORE_CASE, IDC_DD_IGNORE_EMPTY_LINES,
                                     IDC_DD_IGNORE_EMPTY_CELLS, IDC_DD_SELECTION_ONLY,
                                     IDC_DD_ADJACENT_ONLY, IDC_DD_INCLUDE_ALL}));
}

SCRV_IN_BOTH_BACK_ENDS(DeleteDuplicatesExport);

}  // namespace
