// The cell tooltip of a report list: it offers a cell's whole text only while the column is too
// narrow to show it.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "controls/cell_tip_win.h"
#include "test_support.h"

using namespace testing_support;

namespace {

TEST(CellTip, OffersTheWholeTextOnlyWhileTheColumnCutsIt) {
  FakeHost host;
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400,
                              200, host.Hwnd(), nullptr, nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 60;
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  const std::wstring range = L"Line numbers (10...500)";
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"a");
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 1;
  item.pszText = const_cast<wchar_t*>(range.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));

  scrv::CCellTip tip;
  tip.Attach(list, 1);
  EXPECT_TRUE(tip.Attached());
  EXPECT_EQ(tip.TipText(0), range);
  EXPECT_EQ(tip.TipText(-1), L"");
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, 400);
  EXPECT_EQ(tip.TipText(0), L"") << "the column shows it whole";
  DestroyWindow(list);
}

}  // namespace
