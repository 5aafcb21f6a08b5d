// CCheckList in a real dialog: moving rows by buttons and keys, the coalesced selection
// notification, the check-all box, check toggles, copy, the context menu, colours and DPI.

#include <windows.h>

#include <algorithm>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "control_dialog.h"
#include "controls/check_list_win.h"
#include "controls/list_drag_win.h"
#include "frame/dialog_appearance.h"
#include "frame/dllmain_win.h"
#include "frame/popup_menu_win.h"
#include "resource_ids.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;

namespace {

constexpr WORD kEditId = 3001;

struct SwapLog {
  std::vector<std::pair<int, int>> swaps;
  static void Record(int a, int b, void* context) {
    static_cast<SwapLog*>(context)->swaps.emplace_back(a, b);
  }
};

class CheckListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    scrv::ModuleAttach(GetModuleHandleW(nullptr));
    dlg.hook = [this](HWND h, UINT m, WPARAM w, LPARAM l, LRESULT& r) {
      return list.OnParentMessage(h, m, w, l, r);
    };
    list.checkAllId = IDC_CHECK_ALL;
    list.options.moving = true;
    list.options.checkBoxes = true;
    list.upDownButtons = list.topBottomButtons = true;
    list.swapCallback = SwapLog::Record;
    list.swapContext = &log;
  }
  void TearDown() override {
    scrv::ModuleDetach();
    OleUninitialize();
  }

  // Opens the dialog with rows `texts` (and their checks), runs `script`, closes it.
  void Run(const std::vector<std::wstring>& texts, const std::vector<bool>& checks,
           const std::function<void(HWND, HWND)>& script, DWORD extraStyle = 0) {
    DialogTemplate tpl(L"Check list", 290, 170);
    tpl.Add(WC_LISTVIEWW, IDC_CHECK_LIST,
            LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | extraStyle, 7, 7, 200, 120);
    tpl.Add(L"BUTTON", IDC_CL_MOVE_UP, BS_PUSHBUTTON | WS_TABSTOP, 214, 7, 60, 14, L"Up");
    tpl.Add(L"BUTTON", IDC_CL_MOVE_DOWN, BS_PUSHBUTTON | WS_TABSTOP, 214, 24, 60, 14, L"Down");
    tpl.Add(L"BUTTON", IDC_CL_MOVE_TOP, BS_PUSHBUTTON | WS_TABSTOP, 214, 41, 60, 14, L"Top");
    tpl.Add(L"BUTTON", IDC_CL_MOVE_BOTTOM, BS_PUSHBUTTON | WS_TABSTOP, 214, 58, 60, 14, L"Bottom");
    tpl.Add(L"BUTTON", IDC_CHECK_ALL, BS_AUTO3STATE | WS_TABSTOP, 7, 132, 120, 10, L"Check");
    tpl.Add(L"EDIT", kEditId, ES_AUTOHSCROLL | WS_BORDER, 214, 80, 60, 14);
    tpl.Add(L"BUTTON", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 160, 150, 50, 14, L"OK");
    tpl.Add(L"BUTTON", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 214, 150, 50, 14, L"Cancel");
    dlg.init = [&](HWND hwnd) {
      HWND lv = GetDlgItem(hwnd, IDC_CHECK_LIST);
      LVCOLUMNW col = {};
      col.mask = LVCF_WIDTH;
      col.cx = 150;
      SendMessageW(lv, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
      ASSERT_TRUE(list.SubclassWindow(lv));
      if (extraStyle & LVS_OWNERDATA) {
        SendMessageW(lv, LVM_SETITEMCOUNT, texts.size(), 0);
      } else {
        for (size_t i = 0; i < texts.size(); ++i) {
          LVITEMW item = {};
          item.mask = LVIF_TEXT | LVIF_PARAM;
          item.iItem = static_cast<int>(i);
          item.pszText = const_cast<wchar_t*>(texts[i].c_str());
          item.lParam = static_cast<LPARAM>(i);
          SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
          if (i < checks.size()) list.SetRowChecked(static_cast<int>(i), checks[i]);
        }
      }
      list.UpdateControls();
    };
    auto r = RunDialog([&] { return dlg.Run(tpl); },
                       [&](HWND hwnd) {
                         PumpMessages(50);
                         dlg.received.clear();
                         script(hwnd, GetDlgItem(hwnd, IDC_CHECK_LIST));
                         EndDialog(hwnd, IDCANCEL);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
  }

  std::wstring Order() const {
    std::wstring s;
    for (int r = 0; r < list.RowCount(); ++r) s += list.RowText(r);
    return s;
  }
  std::wstring Checks() const {
    std::wstring s;
    for (int r = 0; r < list.RowCount(); ++r) s += list.IsRowChecked(r) ? L'x' : L'.';
    return s;
  }
  void Select(std::vector<int> rows) {
    list.SelectRows(rows, rows.empty() ? -1 : rows.front());
    PumpMessages(40);
  }
  static void Key(HWND lv, int vk, std::initializer_list<int> held = {}) {
    HeldKeys keys(held);
    SendMessageW(lv, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
  }

  ControlDialog dlg;
  scrv::CCheckList list;
  SwapLog log;
};

TEST_F(CheckListTest, MoveButtonsKeepTheBlockSelectedAndSwapThroughTheCallback) {
  Run({L"a", L"b", L"c", L"d", L"e", L"f"}, {false, false, true, false, true, false},
      [&](HWND hwnd, HWND) {
        Select({2, 4});
        Click(hwnd, IDC_CL_MOVE_UP);
        EXPECT_EQ(Order(), L"acbedf");
        EXPECT_EQ(Checks(), L".x.x..");  // checks travel with their rows
        EXPECT_EQ(log.swaps, (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
        EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 3}));

        log.swaps.clear();
        Click(hwnd, IDC_CL_MOVE_TOP);
        EXPECT_EQ(Order(), L"caebdf");
        EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 2}));
        EXPECT_FALSE(Enabled(hwnd, IDC_CL_MOVE_UP));
        EXPECT_FALSE(Enabled(hwnd, IDC_CL_MOVE_TOP));
        EXPECT_TRUE(Enabled(hwnd, IDC_CL_MOVE_DOWN));

        Click(hwnd, IDC_CL_MOVE_BOTTOM);
        EXPECT_EQ(Order(), L"abdcfe");
        EXPECT_EQ(list.SelectedRows(), (std::vector<int>{3, 5}));
        EXPECT_FALSE(Enabled(hwnd, IDC_CL_MOVE_DOWN));
        EXPECT_FALSE(Enabled(hwnd, IDC_CL_MOVE_BOTTOM));
        EXPECT_TRUE(Enabled(hwnd, IDC_CL_MOVE_UP));

        Click(hwnd, IDC_CL_MOVE_DOWN);  // disabled: nothing moves
        EXPECT_EQ(Order(), L"abdcfe");
      });
}

TEST_F(CheckListTest, MoveKeysMoveTheSelection) {
  Run({L"a", L"b", L"c", L"d"}, {}, [&](HWND, HWND lv) {
    Select({1});
    Key(lv, 'D', {VK_CONTROL});
    EXPECT_EQ(Order(), L"acbd");
    EXPECT_EQ(log.swaps, (std::vector<std::pair<int, int>>{{1, 2}}));
    Key(lv, 'B', {VK_CONTROL});
    EXPECT_EQ(Order(), L"acdb");
    Key(lv, 'U', {VK_CONTROL});
    EXPECT_EQ(Order(), L"acbd");
    Key(lv, 'T', {VK_CONTROL});
    EXPECT_EQ(Order(), L"bacd");
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0}));
    Key(lv, 'D');  // without Ctrl it is no command
    EXPECT_EQ(Order(), L"bacd");
  });
}

TEST_F(CheckListTest, ABurstOfCheckChangesGivesOneSelectionNotification) {
  Run({L"a", L"b", L"c", L"d", L"e"}, {}, [&](HWND, HWND) {
    for (int r = 0; r < 5; ++r) list.SetRowChecked(r, true);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClSelectionChanged), 0u);  // not yet
    PumpMessages(100);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClSelectionChanged), 1u);
    list.SetRowChecked(2, false);
    PumpMessages(100);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClSelectionChanged), 2u);
  });
}

TEST_F(CheckListTest, CheckAllAppliesToTheSelectionOrToEveryRow) {
  Run({L"a", L"b", L"c", L"d"}, {true, false, false, false}, [&](HWND hwnd, HWND) {
    Select({0, 1});
    Click(hwnd, IDC_CHECK_ALL);  // indeterminate becomes checked, for the two selected rows
    EXPECT_EQ(Checks(), L"xx..");
    EXPECT_EQ(CheckState(hwnd, IDC_CHECK_ALL), UINT{BST_CHECKED});
    Select({3});
    Click(hwnd, IDC_CHECK_ALL);  // one row selected: all rows
    EXPECT_EQ(Checks(), L"xxxx");
    Click(hwnd, IDC_CHECK_ALL);
    EXPECT_EQ(Checks(), L"....");
    Select({});
    Click(hwnd, IDC_CHECK_ALL);
    EXPECT_EQ(Checks(), L"xxxx");
  });
}

TEST_F(CheckListTest, SpaceTogglesEachRowAndF9FollowsTheFirst) {
  Run({L"a", L"b", L"c"}, {true, false, true}, [&](HWND, HWND lv) {
    Select({0, 1, 2});
    Key(lv, VK_SPACE);
    EXPECT_EQ(Checks(), L".x.");
    Key(lv, VK_F9);
    EXPECT_EQ(Checks(), L"xxx");
    Select({1});
    Key(lv, VK_F9);
    EXPECT_EQ(Checks(), L"x.x");
  });
}

TEST_F(CheckListTest, OwnCopyPutsCrLfLinesOnTheClipboard) {
  list.ownCopy = true;
  Run({L"alpha", L"beta", L"gamma"}, {}, [&](HWND, HWND lv) {
    Select({0, 2});
    Key(lv, 'C', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(lv), L"alpha\r\ngamma\r\n");
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClCopy), 0u);
  });
}

TEST_F(CheckListTest, OwnerDataRowsAreAskedFromTheParentForCopy) {
  list.ownCopy = true;
  list.options.checkBoxes = false;
  std::vector<std::wstring> rows = {L"one", L"two", L"three"};
  dlg.answer = [&](UINT msg, WPARAM code, LPARAM lParam) -> LRESULT {
    if (msg != scrv::SLM_CHECKLIST || code != scrv::kClGetRowText) return 0;
    auto* request = reinterpret_cast<scrv::CheckListRowText*>(lParam);
    request->text = L"row " + rows.at(static_cast<size_t>(request->row));
    return 1;
  };
  Run(
      rows, {},
      [&](HWND, HWND lv) {
        Select({1, 2});
        EXPECT_TRUE(list.CopySelection());
        EXPECT_EQ(ClipboardText(lv), L"row two\r\nrow three\r\n");
        EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClGetRowText), 2u);
      },
      LVS_OWNERDATA);
}

TEST_F(CheckListTest, DataCommandsGoToTheParent) {
  list.options.editing = true;
  Run({L"a", L"b"}, {}, [&](HWND, HWND lv) {
    Select({1});
    Key(lv, 'C', {VK_CONTROL});
    Key(lv, 'X', {VK_CONTROL});
    Key(lv, 'V', {VK_CONTROL});
    Key(lv, VK_DELETE);
    Key(lv, VK_INSERT);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClCopy), 1u);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClCut), 1u);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClPaste), 1u);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClDelete), 1u);
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClAdd), 1u);
    Select({});
    Key(lv, VK_DELETE);  // nothing selected: no delete
    EXPECT_EQ(dlg.Count(scrv::SLM_CHECKLIST, scrv::kClDelete), 1u);
  });
}

TEST_F(CheckListTest, OwnPasteInsertsEachLineAfterTheSelection) {
  list.options.editing = true;
  list.ownPaste = true;
  std::vector<std::pair<int, std::wstring>> pasted;
  dlg.answer = [&](UINT msg, WPARAM code, LPARAM lParam) -> LRESULT {
    if (msg != scrv::SLM_CHECKLIST || code != scrv::kClInsertPastedRow) return 0;
    auto* row = reinterpret_cast<scrv::CheckListPastedRow*>(lParam);
    pasted.emplace_back(row->row, row->text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row->row;
    item.pszText = row->text.data();
    SendMessageW(list.m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return 1;
  };
  Run({L"a", L"b", L"c"}, {}, [&](HWND, HWND lv) {
    PutClipboardText(lv, L"x\r\ny\r\n");
    Select({0});
    Key(lv, 'V', {VK_CONTROL});
    EXPECT_EQ(pasted, (std::vector<std::pair<int, std::wstring>>{{1, L"x"}, {2, L"y"}}));
    EXPECT_EQ(Order(), L"axybc");
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2}));
  });
}

TEST_F(CheckListTest, ContextMenuShowsKeysAndDisablesWhatIsUnavailable) {
  list.options.selectAllDisabled = true;
  Run({L"a", L"b", L"c"}, {}, [&](HWND, HWND) {
    Select({0});
    HMENU menu = list.BuildContextMenu();
    ASSERT_NE(menu, nullptr);
    auto label = [&](UINT id) {
      wchar_t buf[64] = {};
      GetMenuStringW(menu, id, buf, 64, MF_BYCOMMAND);
      return std::wstring(buf);
    };
    auto enabled = [&](UINT id) { return !(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED); };
    EXPECT_EQ(label(ID_CL_CUT), L"Cu&t\tCtrl+X");
    EXPECT_EQ(label(IDC_CL_MOVE_BOTTOM), L"Bottom\tCtrl+B");  // as the window's own button
    EXPECT_EQ(label(ID_CL_LOAD), L"&Load...");
    EXPECT_FALSE(enabled(ID_CL_CUT));  // no editing
    EXPECT_TRUE(enabled(ID_CL_COPY));
    EXPECT_FALSE(enabled(IDC_CL_MOVE_UP));  // the first row is selected
    EXPECT_TRUE(enabled(IDC_CL_MOVE_DOWN));
    EXPECT_FALSE(enabled(ID_CL_LOAD));
    EXPECT_EQ(GetMenuState(menu, ID_CL_SELECT_ALL, MF_BYCOMMAND), UINT(-1));  // removed
    // Removing Select All left no two separators in a row.
    for (int i = 1; i < GetMenuItemCount(menu); ++i)
      EXPECT_FALSE((GetMenuState(menu, i - 1, MF_BYPOSITION) & MF_SEPARATOR) &&
                   (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR));
    DestroyMenu(menu);
  });
}

TEST_F(CheckListTest, ListGetsFullRowSelectDoubleBufferingAndTheExtraStateImages) {
  Run({L"a"}, {}, [&](HWND, HWND lv) {
    DWORD ex = static_cast<DWORD>(SendMessageW(lv, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(ex & LVS_EX_DOUBLEBUFFER);
    EXPECT_TRUE(ex & LVS_EX_CHECKBOXES);
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(lv, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
    list.SetRowStateImage(0, 3);
    EXPECT_EQ(list.RowStateImage(0), 3);
    EXPECT_FALSE(list.IsRowChecked(0));
  });
}

// The colour at (x, y) of state image `index` drawn on white.
COLORREF StatePixel(HWND lv, int index, int x, int y) {
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(lv, LVM_GETIMAGELIST, LVSIL_STATE, 0));
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images, &cx, &cy);
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof bi.bmiHeader, cx, cy, 1, 32};
  void* bits = nullptr;
  HBITMAP canvas = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, canvas);
  RECT all = {0, 0, cx, cy};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  return c;
}

TEST_F(CheckListTest, DarkThemeColoursTheListAndItsCheckBoxes) {
  list.darkTheme = true;
  Run({L"a", L"b"}, {}, [&](HWND, HWND lv) {
    EXPECT_EQ(SendMessageW(lv, LVM_GETBKCOLOR, 0, 0), 0x262D30);
    EXPECT_EQ(SendMessageW(lv, LVM_GETTEXTCOLOR, 0, 0), 0xE0FFFC);
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(lv, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    ASSERT_EQ(ImageList_GetImageCount(images), 4);
    const int size = std::min({MulDiv(13, static_cast<int>(list.dpi), 96), cx, cy});
    const int left = (cx - size) / 2, top = (cy - size) / 2;
    // Unchecked, checked, mixed and checked dimmed (state images 1 to 4): framed and filled
    // dark, dimmed the last; the mixed mark fills the middle.
    struct Expect {
      int index;
      COLORREF frame, fill;
    };
    for (const Expect& e : {Expect{0, scrv::kDarkCheckFrameColor, scrv::kDarkBackgroundColor},
                            Expect{1, scrv::kDarkCheckFrameColor, scrv::kDarkBackgroundColor},
                            Expect{2, scrv::kDarkCheckFrameColor, scrv::kDarkBackgroundColor},
                            Expect{3, scrv::kDarkBorderColor, scrv::kDarkFaceColor}}) {
      SCOPED_TRACE(e.index);
      EXPECT_EQ(StatePixel(lv, e.index, left, top + size / 2), e.frame);
      EXPECT_EQ(StatePixel(lv, e.index, left + 1, top + 1), e.fill);
    }
    EXPECT_EQ(StatePixel(lv, 2, left + size / 2, top + size / 2), scrv::kDarkTextColor);
    // A disabled list dims its boxes.
    list.SetRowStateImage(1, 2);
    EnableWindow(lv, FALSE);
    EXPECT_EQ(StatePixel(lv, 0, left, top + size / 2), scrv::kDarkBorderColor);
    EnableWindow(lv, TRUE);
    list.darkTheme = false;
    list.ApplyColors();
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(lv, LVM_GETBKCOLOR, 0, 0)),
              GetSysColor(COLOR_WINDOW));
    // The light boxes come back, and the rows keep their checks.
    images = reinterpret_cast<HIMAGELIST>(SendMessageW(lv, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
    EXPECT_NE(StatePixel(lv, 0, left + 1, top + 1), scrv::kDarkBackgroundColor);
    EXPECT_EQ(list.RowStateImage(1), 2);
  });
}

// What a dark menu looked like while it was open, and the keys typed into it.
struct OpenMenu {
  HMENU menu = nullptr;
  std::vector<UINT> types;
  bool darkBackground = false;
  static OpenMenu* current;
  static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    OpenMenu& m = *current;
    for (int i = 0; i < GetMenuItemCount(m.menu); ++i) {
      MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
      GetMenuItemInfoW(m.menu, static_cast<UINT>(i), TRUE, &info);
      m.types.push_back(info.fType);
    }
    MENUINFO menuInfo = {sizeof menuInfo, MIM_BACKGROUND};
    LOGBRUSH brush = {};
    m.darkBackground = GetMenuInfo(m.menu, &menuInfo) && menuInfo.hbrBack &&
                       GetObjectW(menuInfo.hbrBack, sizeof brush, &brush) &&
                       brush.lbColor == scrv::kDarkMenuColor;
    // "d" chooses Delta (where the system does not read the owner-drawn item's mnemonic, the
    // owner's WM_MENUCHAR answer does).
    PostMessageW(FindWindowW(L"#32768", nullptr), WM_CHAR, L'd', 0);
  }
};
OpenMenu* OpenMenu::current = nullptr;

TEST_F(CheckListTest, MenusAreOwnerDrawnDarkWhileOpenAndKeepTheirMnemonics) {
  DWORD dark = 2;
  settings_test::SetRawValue(L"Common", L"AppTheme", REG_DWORD, &dark, sizeof dark);
  Run({L"a"}, {}, [&](HWND, HWND lv) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"&Alpha");
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 2, L"&Beta\tCtrl+B");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 3, L"&Gamma");
    AppendMenuW(menu, MF_STRING, 4, L"&Delta");
    OpenMenu open;
    open.menu = menu;
    OpenMenu::current = &open;
    SetTimer(nullptr, 0, 1, &OpenMenu::Look);
    EXPECT_EQ(scrv::TrackMenu(menu, TPM_RETURNCMD, 10, 10, lv), 4);
    ASSERT_EQ(open.types.size(), 5u);
    for (UINT type : open.types) EXPECT_TRUE(type & MFT_OWNERDRAW);
    EXPECT_TRUE(open.types[2] & MFT_SEPARATOR);
    EXPECT_TRUE(open.darkBackground);
    // Closed, every item is as it was.
    wchar_t text[32] = {};
    GetMenuStringW(menu, 2, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Beta\tCtrl+B");
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYCOMMAND) & (MF_OWNERDRAW | MF_CHECKED), UINT(MF_CHECKED));
    MENUINFO menuInfo = {sizeof menuInfo, MIM_BACKGROUND};
    GetMenuInfo(menu, &menuInfo);
    EXPECT_EQ(menuInfo.hbrBack, nullptr);
    DestroyMenu(menu);
  });
  ClearRegistrySettings();
}

TEST_F(CheckListTest, DpiChangeRescalesColumnsAndKeepsTheExtraImages) {
  list.fillLastColumn = false;  // a column of its own width, not one that fills the list
  Run({L"a"}, {}, [&](HWND, HWND lv) {
    int before = static_cast<int>(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 0, 0));
    UINT now = list.dpi;
    list.dpi = now / 2;              // the columns were laid out for half the DPI the window has
    SendMessageW(lv, 0x02E3, 0, 0);  // WM_DPICHANGED_AFTERPARENT
    EXPECT_EQ(list.dpi, now);
    EXPECT_EQ(static_cast<int>(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 0, 0)), before * 2);
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(lv, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
  });
}

// A point on the row's text (not on its check box, whose width follows the DPI), near its top
// or bottom edge.
POINT RowPoint(HWND lv, int row, bool lower) {
  RECT r = {};
  r.left = LVIR_LABEL;
  SendMessageW(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  POINT pt = {r.left + 4, lower ? r.bottom - 2 : r.top + 2};
  ClientToScreen(lv, &pt);
  return pt;
}

TEST_F(CheckListTest, DraggingARowMovesItThroughTheSwapCallback) {
  Run({L"a", L"b", L"c", L"d", L"e", L"f"}, {false, true}, [&](HWND hwnd, HWND lv) {
    SetForegroundWindow(hwnd);
    SetFocus(lv);
    Select({1});
    POINT from = RowPoint(lv, 1, false), to = RowPoint(lv, 4, true);
    DragWithMouse(
        from, {{from.x, from.y + 6}, {from.x, from.y + 12}, {to.x, (from.y + to.y) / 2}, to, to});
    EXPECT_EQ(Order(), L"acdebf");
    EXPECT_EQ(Checks(), L"....x.");
    EXPECT_EQ(log.swaps, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {3, 4}}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{4}));
    // The list's drop target lives only as long as the drag: the list is free to take another.
    auto* probe = new scrv::CDropTargetList(lv, nullptr, nullptr);
    EXPECT_EQ(RegisterDragDrop(lv, probe), S_OK);
    RevokeDragDrop(lv);
    probe->Release();
  });
}

}  // namespace
