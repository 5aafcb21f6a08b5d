// DoMenu and ResetJumpList through the real library, in both settings back ends: the tree
// driven by its keys, buttons and context menu, what OK stores (and removes) and what Cancel
// leaves alone; and the tree's drag and drop through its drop target, in process.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>

#include "controls/clipboard_win.h"
#include "controls/list_drag_win.h"
#include "dialog_test_support.h"
#include "frame/key_names_win.h"
#include "key_dialog_steps.h"
#include "menus/menu_resources_win.h"
#include "menus/menu_storage.h"
#include "menus/menus_dlg.h"
#include "menus_ids.h"
#include "scrvdlgs_api.h"
#include "settings/file_store_win.h"
#include "test_support.h"

using namespace testing_support;
using scrv::MenuItem;
using scrv::MenuKind;
using scrv::MenuList;

namespace {

// The tree of the menus dialog.
HWND Tree(HWND dlg) {
  return GetDlgItem(dlg, IDC_MENUS_TREE);
}

HTREEITEM Nth(HWND tree, HTREEITEM first, int index) {
  while (first && index-- > 0) first = TreeView_GetNextSibling(tree, first);
  return first;
}
HTREEITEM Root(HWND tree, int index) {
  return Nth(tree, TreeView_GetRoot(tree), index);
}
HTREEITEM Child(HWND tree, HTREEITEM parent, int index) {
  return Nth(tree, TreeView_GetChild(tree, parent), index);
}
HTREEITEM LastChild(HWND tree, HTREEITEM parent) {
  HTREEITEM item = TreeView_GetChild(tree, parent), last = nullptr;
  for (; item; item = TreeView_GetNextSibling(tree, item)) last = item;
  return last;
}

std::wstring Label(HWND tree, HTREEITEM item) {
  wchar_t text[300] = {};
  TVITEMW tvi = {};
  tvi.mask = TVIF_TEXT;
  tvi.hItem = item;
  tvi.pszText = text;
  tvi.cchTextMax = 300;
  return item && TreeView_GetItem(tree, &tvi) ? text : L"(none)";
}

void Select(HWND tree, HTREEITEM item) {
  TreeView_SelectItem(tree, item);
}

// A key pressed in the tree, with the modifiers as the tree's owner will read them.
void PressKey(HWND tree, UINT vk, bool ctrl = false, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  SetFocus(tree);
  SendMessageW(tree, WM_KEYDOWN, vk, 1);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

void SelectMenu(HWND dlg, int index) {
  SendDlgItemMessageW(dlg, IDC_MENUS_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MENUS_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_MENUS_LIST)));
}

std::wstring RoamingRecords() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return std::wstring(path) + L"\\Veltranix\\Scrivlet\\Common\\";
}

// Runs `script` on the first dialog other than `outer` that this thread shows while `open`
// runs (a dialog is shown only once its modal loop first goes idle, so it is waited for from a
// timer, not by pumping).
void RunOver(HWND outer, const std::function<void()>& open,
             const std::function<void(HWND)>& script) {
  static HWND s_outer;
  static const std::function<void(HWND)>* s_script;
  s_outer = outer;
  s_script = &script;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND dlg = FindThreadDialog(s_outer)) {
      KillTimer(nullptr, id);
      (*s_script)(dlg);
    }
  });
  open();
  KillTimer(nullptr, timer);
}

class MenusExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    std::error_code ec;
    std::filesystem::remove_all(RoamingRecords(), ec);
    fn = lib.Get<decltype(&DoMenu)>("DoMenu");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { SetUp(); }

  int Run(int32_t start, const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return fn(host.Hwnd(), start); }, script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }

  std::wstring RecordPath(uint32_t index) const {
    std::wstring folder = ini ? this->folder.File(L"AppData\\Common\\") : RoamingRecords();
    return folder + L"Menu" + std::to_wstring(index) + L".bin";
  }
  scrv::MenuRecordFiles Records() {
    return {[this](std::u16string_view, std::u16string_view name) {
              std::wstring n(name.begin(), name.end());
              std::wstring p = RecordPath(std::stoul(n.substr(4)));
              return std::u16string(p.begin(), p.end());
            },
            &files};
  }
  std::optional<MenuList> Stored(uint32_t index) {
    scrv::CModuleMenuResources none;
    return scrv::LoadStoredMenu(index, Records(), none);
  }
  bool Broadcast() const {
    for (const auto& m : host.messages)
      if (m.msg == scrv::SCM_SETTINGS_CHANGED && m.wParam == 0x800000 && m.lParam == 0) return true;
    return false;
  }
  long long Setting(const wchar_t* name) {
    return key_dialog_steps::CommonDword(folder, ini, name);
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  scrv::Win32FileStore files;
  decltype(&DoMenu) fn = nullptr;
};

TEST_P(MenusExport, CancelWritesNothing) {
  int r = Run(0, [&](HWND dlg) {
    PressKey(Tree(dlg), VK_DELETE, false, true);  // delete all
    EXPECT_EQ(TreeView_GetCount(Tree(dlg)), 0u);
    SelectMenu(dlg, 5);
    SendDlgItemMessageW(dlg, IDC_MENUS_DELAY, TBM_SETPOS, TRUE, 4);
    SendMessageW(dlg, WM_HSCROLL, TB_ENDTRACK,
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_MENUS_DELAY)));
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_FALSE(std::filesystem::exists(RecordPath(0)));
  EXPECT_EQ(Setting(L"Delay-UserMenu1"), -1);
  EXPECT_FALSE(Broadcast());
}

TEST_P(MenusExport, ResetThenOkRemovesTheStoredMenu) {
  MenuItem planted{u"Planted", u"", 4096, 0, MenuKind::kCustom};
  std::filesystem::create_directories(std::filesystem::path(RecordPath(5)).parent_path());
  ASSERT_TRUE(scrv::SaveMenu(5, {planted}, false, Records()));
  std::wstring before, after;
  int r = Run(5, [&](HWND dlg) {
    before = Label(Tree(dlg), Root(Tree(dlg), 0));
    Click(dlg, IDC_MENUS_RESET);
    after = Label(Tree(dlg), Root(Tree(dlg), 0));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(before, L"Planted");
  EXPECT_EQ(after, L"Copy &Full Path");
  EXPECT_FALSE(std::filesystem::exists(RecordPath(5)));
  EXPECT_EQ(Setting(L"Delay-UserMenu1"), -1);  // back at 1000, as it was
  EXPECT_TRUE(Broadcast());
}

TEST_P(MenusExport, CommandsOfTheMainMenuStayInsidePopups) {
  std::wstring firstOfFile, firstOfEdit;
  bool editOpen = false;
  int r = Run(-3, [&](HWND dlg) {
    // Every edit refills the tree: items are looked up again after each.
    HWND tree = Tree(dlg);
    TreeView_Expand(tree, Root(tree, 0), TVE_EXPAND);
    Select(tree, Child(tree, Root(tree, 0), 0));
    PressKey(tree, 'U', true);  // New may not leave File for the top level
    firstOfFile = Label(tree, Child(tree, Root(tree, 0), 0));
    Select(tree, LastChild(tree, Root(tree, 0)));
    Click(dlg, IDC_MENUS_DOWN);  // Exit All goes down into the closed Edit popup
    HTREEITEM edit = Root(tree, 1);
    editOpen = TreeView_GetItemState(tree, edit, TVIS_EXPANDED) & TVIS_EXPANDED;
    firstOfEdit = Label(tree, Child(tree, edit, 0));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(firstOfFile, L"&New");
  EXPECT_TRUE(editOpen);
  EXPECT_EQ(firstOfEdit, L"Exi&t All");
  std::optional<MenuList> stored = Stored(0);
  ASSERT_TRUE(stored);
  int exitAll = scrv::FindCommand(*stored, 4122);
  ASSERT_GT(exitAll, 0);
  EXPECT_EQ((*stored)[static_cast<size_t>(exitAll)].level, 1);
  EXPECT_EQ((*stored)[static_cast<size_t>(exitAll) - 1].kind, MenuKind::kPopup);
  EXPECT_EQ((*stored)[static_cast<size_t>(exitAll) - 1].level, 0);
}

TEST_P(MenusExport, PastedItemsKeepTheirRelativeLevelsAndLabels) {
  int r = Run(6, [&](HWND dlg) {
    ASSERT_TRUE(scrv::WriteClipboardText(
        dlg, u"Tools\t\t0\t4\t3\r\nA\t\t4096\t5\t1\r\nB\t\t4097\t5\t2\r\nnot an item\r\n"));
    PressKey(Tree(dlg), VK_DELETE, false, true);
    PressKey(Tree(dlg), 'V', true);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(Stored(6), (MenuList{{u"Tools", u"", 0, 0, MenuKind::kPopup},
                                 {u"A", u"", 4096, 1, MenuKind::kDefaultLabel},
                                 {u"B", u"", 4097, 1, MenuKind::kCommandName}}));
}

TEST_P(MenusExport, RenamingMakesTheLabelTheItemsOwn) {
  bool openWhileEditing = false;
  std::wstring renamed;
  int r = Run(7, [&](HWND dlg) {
    HWND tree = Tree(dlg);
    Select(tree, Root(tree, 0));
    PressKey(tree, VK_F2);
    SetWindowTextW(TreeView_GetEditControl(tree), L"Shout");
    // Enter in the label's edit reaches the dialog as its OK command, the edit still open.
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    openWhileEditing = IsWindow(dlg) && IsWindowVisible(dlg);
    renamed = Label(tree, Root(tree, 0));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_TRUE(openWhileEditing);
  EXPECT_EQ(renamed, L"Shout");
  std::optional<MenuList> stored = Stored(7);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->front(),
            (MenuItem{u"Shout", u"", stored->front().command, 0, MenuKind::kCustom}));
}

TEST_P(MenusExport, ThePropertiesDialogStoresAPickedCommandByItsName) {
  std::wstring label;
  int r = Run(0, [&](HWND menus) {
    HWND tree = Tree(menus);
    HTREEITEM file = Root(tree, 0);
    TreeView_Expand(tree, file, TVE_EXPAND);
    Select(tree, Child(tree, file, 0));
    RunOver(
        menus, [&] { Click(menus, IDC_MENUS_PROPERTIES); },
        [&](HWND props) {
          EXPECT_EQ(Text(props, IDC_MPROP_LABEL), L"&New");
          SendDlgItemMessageW(props, IDC_MPROP_COMMANDS, LB_SETCURSEL, 1, 0);  // Open...
          SendMessageW(props, WM_COMMAND, MAKEWPARAM(IDC_MPROP_COMMANDS, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(GetDlgItem(props, IDC_MPROP_COMMANDS)));
          EXPECT_EQ(Text(props, IDC_MPROP_STATUS), L"Opens an existing document");
          Click(props, IDOK);
        });
    label = Label(tree, Child(tree, Root(tree, 0), 0));
    Click(menus, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(label, L"Open...");
  std::optional<MenuList> stored = Stored(0);
  ASSERT_TRUE(stored);
  EXPECT_EQ((*stored)[1], (MenuItem{u"", u"", 4097, 1, MenuKind::kCommandName}));
}

// OK never leaves an item without a label or with a command the editor does not know: the
// dialog stays open, says why beside the label, and accepts once the user has fixed it.
TEST_P(MenusExport, ThePropertiesKeepAnItemThatWouldShowNothingOpenAndSayWhy) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(RecordPath(6)).parent_path(), ec);
  ASSERT_TRUE(scrv::SaveMenu(
      6,
      {{u"", u"", 57599, 0, MenuKind::kCommandName}, {u"", u"", 4097, 0, MenuKind::kCommandName}},
      false, Records()));
  struct Step {
    int row;
    const wchar_t* label;  // typed into the label field, or null
    bool openAfterOk;
    std::wstring reason;
  } steps[] = {
      {0, nullptr, true,
       L"Choose a command: the item's command 57599 is not one the editor knows."},
      {1, L"", true, L"Type a label: without one the menu entry would be empty."},
  };
  std::vector<bool> open;
  std::vector<std::wstring> reasons;
  int r = Run(6, [&](HWND menus) {
    HWND tree = Tree(menus);
    for (const Step& step : steps) {
      Select(tree, Root(tree, step.row));
      RunOver(
          menus, [&] { Click(menus, IDC_MENUS_PROPERTIES); },
          [&](HWND props) {
            if (step.label) SetDlgItemTextW(props, IDC_MPROP_LABEL, step.label);
            Click(props, IDOK);
            open.push_back(IsWindow(props) && IsWindowVisible(props));
            reasons.push_back(Text(props, IDC_MPROP_REASON));
            // Fixed (a command picked, a label typed), OK closes.
            if (step.label) {
              SetDlgItemTextW(props, IDC_MPROP_LABEL, L"Mine");
            } else {
              SendDlgItemMessageW(props, IDC_MPROP_COMMANDS, LB_SETCURSEL, 1, 0);  // Open...
              SendMessageW(props, WM_COMMAND, MAKEWPARAM(IDC_MPROP_COMMANDS, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(GetDlgItem(props, IDC_MPROP_COMMANDS)));
            }
            Click(props, IDOK);
          });
    }
    Click(menus, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  ASSERT_EQ(open.size(), std::size(steps));
  for (size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(open[i], steps[i].openAfterOk) << i;
    EXPECT_EQ(reasons[i], steps[i].reason) << i;
  }
  std::optional<MenuList> stored = Stored(6);
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->size(), 2u);
  EXPECT_EQ((*stored)[0], (MenuItem{u"", u"", 4097, 0, MenuKind::kCommandName}));
  EXPECT_EQ((*stored)[1], (MenuItem{u"Mine", u"", 4097, 0, MenuKind::kCustom}));
}

// A paste that would bring in a command the editor does not know, text that holds no item, or
// a command for the main menu's top level (emptied, so nothing is selected), is refused as a
// whole with a message saying why.
TEST_P(MenusExport, APasteOfUnknownCommandsOrOfNoItemsSaysWhyAndPastesNothing) {
  struct Case {
    int menu;
    const char16_t* clipboard;
    std::wstring message;
  } cases[] = {
      {6, u"A\t\t4096\t0\t2\r\nB\t\t99999999\t0\t2\r\n",
       L"Nothing was pasted: line 2 names command 99999999, which the editor does not know."},
      {6, u"just some words", L"The clipboard holds no menu items."},
      {0, u"A\t\t4096\t0\t2\r\n", L"the main menu's top level holds only popups"},
  };
  std::vector<std::wstring> shown;
  std::vector<int> rows;
  int r = Run(6, [&](HWND dlg) {
    for (const Case& c : cases) {
      SelectMenu(dlg, c.menu);
      PressKey(Tree(dlg), VK_DELETE, false, true);
      ASSERT_TRUE(scrv::WriteClipboardText(dlg, c.clipboard));
      NestedDialogs box(dlg, [&](HWND message) {
        shown.push_back(key_dialog_steps::AllTexts(message));
        AnswerBox(message, IDOK);
      });
      PressKey(Tree(dlg), 'V', true);
      EXPECT_TRUE(box.Ran());
      rows.push_back(static_cast<int>(TreeView_GetCount(Tree(dlg))));
    }
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  ASSERT_EQ(shown.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_NE(shown[i].find(cases[i].message), std::wstring::npos) << i;
    EXPECT_EQ(rows[i], 0) << i;
  }
}

TEST_P(MenusExport, TheDelayOfAUserMenuIsWrittenWhenItChanged) {
  std::wstring text;
  bool mainMenuSlider = true;
  int r = Run(5, [&](HWND dlg) {
    SendDlgItemMessageW(dlg, IDC_MENUS_DELAY, TBM_SETPOS, TRUE, 15);
    SendMessageW(dlg, WM_HSCROLL, TB_ENDTRACK,
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_MENUS_DELAY)));
    text = Text(dlg, IDC_MENUS_DELAY_TEXT);
    SelectMenu(dlg, 0);
    mainMenuSlider = Enabled(dlg, IDC_MENUS_DELAY);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(text, L"1.5 s");
  EXPECT_FALSE(mainMenuSlider);
  EXPECT_EQ(Setting(L"Delay-UserMenu1"), 1500);
  EXPECT_EQ(Setting(L"Delay-UserMenu2"), -1);
  for (uint32_t i = 0; i < scrv::kMenuCount; ++i)
    EXPECT_FALSE(std::filesystem::exists(RecordPath(i)));
}

TEST_P(MenusExport, TheContextMenuShowsShortcutsAndWhatApplies) {
  std::vector<std::wstring> texts;
  std::vector<bool> enabled;
  Run(13, [&](HWND dlg) {
    static std::vector<std::wstring>* outTexts;
    static std::vector<bool>* outEnabled;
    outTexts = &texts;
    outEnabled = &enabled;
    // Reads the menu once it is up, then closes it.
    UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      HWND popup = FindWindowW(L"#32768", nullptr);
      HMENU menu =
          popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
      if (!menu) return;
      KillTimer(nullptr, id);
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[100] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 100, MF_BYPOSITION);
        outTexts->push_back(text);
        outEnabled->push_back(
            !(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED));
      }
      EndMenu();
    });
    Select(Tree(dlg), Root(Tree(dlg), 0));
    SendMessageW(dlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree(dlg)), -1);
    KillTimer(nullptr, timer);
    Click(dlg, IDCANCEL);
  });
  auto keys = [](BYTE flags, WORD key) {
    wchar_t text[scrv::kAcceleratorTextCapacity] = {};
    scrv::FormatAccelerator(text, ACCEL{static_cast<BYTE>(FVIRTKEY | flags), key, 0});
    return std::wstring(text);
  };
  ASSERT_EQ(texts.size(), 15u);
  EXPECT_EQ(texts[0], L"Cu&t\t" + keys(FCONTROL, 'X'));
  EXPECT_EQ(texts[4], L"Copy &Menu\t" + keys(FCONTROL | FSHIFT, 'C'));
  EXPECT_EQ(texts[12], L"Delete &All\t" + keys(FSHIFT, VK_DELETE));
  EXPECT_FALSE(enabled[6]);  // move up: nothing above the first item
  EXPECT_TRUE(enabled[7]);
  EXPECT_EQ(texts[14].substr(0, 8), L"&Rename\t");
}

TEST_P(MenusExport, ResetJumpListEndsQuietlyWhereTheShellHasNoList) {
  auto reset = lib.Get<decltype(&ResetJumpList)>("ResetJumpList");
  ASSERT_NE(reset, nullptr);
  reset();
  EXPECT_EQ(Setting(L"JumpListReset"), -1);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MenusExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

// Drag and drop inside the tree, driven through the tree's drop target while the dialog runs
// its drag.
class MenusDragDrop : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    ClearRegistrySettings();
  }
  void TearDown() override {
    ClearRegistrySettings();
    OleUninitialize();
  }
  dialog_test::InProcessModule module;
  scrv::CModuleMenuResources resources;
};

POINTL RowPoint(HWND tree, HTREEITEM item, int eighths) {
  RECT r = {};
  TreeView_GetItemRect(tree, item, &r, FALSE);
  POINT pt = {r.left + 20, r.top + (r.bottom - r.top) * eighths / 8};
  ClientToScreen(tree, &pt);
  return {pt.x, pt.y};
}

TEST_F(MenusDragDrop, ACommandDropsIntoAPopupButNotBetweenTopLevelPopups) {
  scrv::CMenusDlg dlg(0, resources, nullptr);
  HWND tree = nullptr;
  HTREEITEM edit = nullptr, view = nullptr;
  DWORD fromElsewhere = 1, between = 1, into = 0, dropped = 0;
  HTREEITEM highlight = nullptr;
  dlg.SetDragRunner([&](IDataObject* data, IDropSource*) {
    auto* target = dlg.DropTarget();
    auto* other = new scrv::CListDataObject(GetDesktopWindow());
    DWORD effect = DROPEFFECT_MOVE;
    target->DragEnter(other, MK_LBUTTON, RowPoint(tree, edit, 4), &effect);
    fromElsewhere = effect;
    target->DragLeave();
    other->Release();

    effect = DROPEFFECT_MOVE;
    target->DragEnter(data, MK_LBUTTON, RowPoint(tree, view, 1), &effect);
    between = effect;  // the upper quarter of a top-level popup: before it, at the top level
    effect = DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, RowPoint(tree, edit, 4), &effect);
    into = effect;
    highlight = TreeView_GetDropHilight(tree);
    effect = DROPEFFECT_MOVE;
    target->Drop(data, 0, RowPoint(tree, edit, 4), &effect);
    dropped = effect;
  });
  std::wstring editLast, helpFirst;
  auto r = RunDialog([&] { return dlg.DoModal(nullptr); },
                     [&](HWND d) {
                       tree = Tree(d);
                       HTREEITEM help = Root(tree, 7);
                       edit = Root(tree, 1);
                       view = Root(tree, 3);
                       // Help is opened (its items go into the tree) and closed again: its
                       // first command is dragged from inside it.
                       TreeView_Expand(tree, help, TVE_EXPAND);
                       TreeView_Expand(tree, help, TVE_COLLAPSE);
                       NMTREEVIEWW begin = {};
                       begin.hdr = {tree, IDC_MENUS_TREE, TVN_BEGINDRAGW};
                       begin.itemNew.hItem = Child(tree, help, 0);
                       begin.itemNew.mask = TVIF_PARAM;
                       TreeView_GetItem(tree, &begin.itemNew);
                       SendMessageW(d, WM_NOTIFY, IDC_MENUS_TREE, reinterpret_cast<LPARAM>(&begin));
                       edit = Root(tree, 1);
                       editLast = Label(tree, LastChild(tree, edit));
                       helpFirst = Label(tree, Child(tree, Root(tree, 7), 0));
                       Click(d, IDCANCEL);
                     });
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(fromElsewhere, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(between, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(into, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_NE(highlight, nullptr);
  EXPECT_EQ(dropped, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(editLast, L"&Help Contents");
  EXPECT_EQ(helpFirst, L"&Search Help...");
}

}  // namespace

namespace {

// The platform's own reading of a menu: each position's identifier, text and sub-menu.
std::vector<scrv::ResourceMenuItem> WalkMenu(HMENU menu) {
  std::vector<scrv::ResourceMenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    scrv::ResourceMenuItem item;
    item.id = GetMenuItemID(menu, i);
    wchar_t text[300] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 300, MF_BYPOSITION);
    item.text = std::u16string(text, text + wcslen(text));
    if (HMENU sub = GetSubMenu(menu, i)) item.items = WalkMenu(sub);
    items.push_back(std::move(item));
  }
  return items;
}

bool SameItems(const std::vector<scrv::ResourceMenuItem>& a,
               const std::vector<scrv::ResourceMenuItem>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].id != b[i].id || a[i].text != b[i].text || !SameItems(a[i].items, b[i].items))
      return false;
  return true;
}

TEST(MenuResources, TheTemplatesReadAsThePlatformBuildsThem) {
  dialog_test::InProcessModule module;
  scrv::CModuleMenuResources resources;
  for (UINT id : {IDR_MENU_MAIN, IDR_MENU_CONTEXT, IDR_MENU_TRAY1, IDR_MENU_TRAY2, IDR_MENU_TAB,
                  IDR_MENU_USER1, IDR_MENU_USER, IDR_MENU_JUMP_LIST, IDM_MENUS_TREE}) {
    HMENU menu = LoadMenuW(scrv::Module().resourceModule, MAKEINTRESOURCEW(id));
    ASSERT_TRUE(menu) << id;
    auto parsed = resources.LoadMenuResource(id);
    ASSERT_TRUE(parsed) << id;
    EXPECT_TRUE(SameItems(*parsed, WalkMenu(menu))) << id;
    DestroyMenu(menu);
  }
  EXPECT_FALSE(resources.LoadMenuResource(9999));
}

}  // namespace

namespace {

TEST(MenuResources, NamesCompareAsTheSystemCompares) {
  EXPECT_TRUE(scrv::SameNameOrdinal(u"\u00C4rger.dll", u"\u00E4RGER.DLL"));
  EXPECT_FALSE(scrv::SameNameOrdinal(u"Sum.jssc", u"Sum.jss"));
}

}  // namespace
