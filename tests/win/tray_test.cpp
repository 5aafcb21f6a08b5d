// DoCustomizeTray through the real library in either back end: the click combos with the
// commands by name, the left-click rule, the hot keys' refused combinations, Reset, the tray
// menu button, OK writing the six values and Cancel writing nothing.

#include <gtest/gtest.h>

#include "key_dialog_steps.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

int Selected(HWND dlg, int combo) {
  return static_cast<int>(SendDlgItemMessageW(dlg, combo, CB_GETCURSEL, 0, 0));
}

void Choose(HWND dlg, int combo, int entry) {
  ChooseComboEntry(dlg, combo, entry);
}

std::wstring Entry(HWND dlg, int combo, int entry) {
  wchar_t text[256] = {};
  SendDlgItemMessageW(dlg, combo, CB_GETLBTEXT, static_cast<WPARAM>(entry),
                      reinterpret_cast<LPARAM>(text));
  return text;
}

class TrayExport : public OwnerExport {
 protected:
  TrayExport() : OwnerExport("DoCustomizeTray") {}
};

TEST_P(TrayExport, CombosListTheMenusThenTheCommandsByNameAndOkWritesEveryValue) {
  int entries = 0;
  std::wstring nothing, menu1, firstCommand;
  int left = -1, right = -1, middle = -1, dbl = -1;
  int r = Run([&](HWND dlg) {
    entries = static_cast<int>(SendDlgItemMessageW(dlg, IDC_TRAY_RIGHT, CB_GETCOUNT, 0, 0));
    nothing = Entry(dlg, IDC_TRAY_RIGHT, 0);
    menu1 = Entry(dlg, IDC_TRAY_RIGHT, 1);
    firstCommand = Entry(dlg, IDC_TRAY_RIGHT, 3);
    left = Selected(dlg, IDC_TRAY_LEFT);
    right = Selected(dlg, IDC_TRAY_RIGHT);
    middle = Selected(dlg, IDC_TRAY_MIDDLE);
    dbl = Selected(dlg, IDC_TRAY_DOUBLE);
    Choose(dlg, IDC_TRAY_RIGHT, 11);  // the ninth command, 4207
    // Ctrl+F: a combination the control refuses, stored as Ctrl+Alt+F.
    SendDlgItemMessageW(dlg, IDC_TRAY_HOT_KEY, HKM_SETHOTKEY, MAKEWORD('F', HOTKEYF_CONTROL), 0);
    SendDlgItemMessageW(dlg, IDC_TRAY_EDIT_HOT_KEY, HKM_SETHOTKEY,
                        MAKEWORD('E', HOTKEYF_ALT | HOTKEYF_SHIFT), 0);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(entries, 18);
  EXPECT_EQ(nothing, LocalisedString(IDS_TRAY_NOTHING));
  EXPECT_EQ(menu1, LocalisedString(IDS_TRAY_MENU1));
  std::wstring command = LocalisedString(4462);
  EXPECT_EQ(firstCommand, command.substr(command.find(L'\n') + 1)) << "the command's name";
  EXPECT_EQ(left, 1);
  EXPECT_EQ(right, 2);
  EXPECT_EQ(middle, 3);
  EXPECT_EQ(dbl, 4);
  EXPECT_EQ(Setting(L"TrayLClick"), 1);
  EXPECT_EQ(Setting(L"TrayRClick"), 4207);
  EXPECT_EQ(Setting(L"TrayMClick"), 4462);
  EXPECT_EQ(Setting(L"TrayLDblClk"), 4096);
  EXPECT_EQ(Setting(L"TrayHotKey"), MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_EQ(Setting(L"EditHotKey"), MAKEWORD('E', HOTKEYF_ALT | HOTKEYF_SHIFT));
}

TEST_P(TrayExport, UnknownCommandsShowAsNothingAndALeftClickCommandClearsTheDoubleClick) {
  Store(L"TrayMClick", 9999);
  int middle = -1, dblAfter = -1;
  bool dblEnabledBefore = false, dblEnabledAfter = true;
  int r = Run([&](HWND dlg) {
    middle = Selected(dlg, IDC_TRAY_MIDDLE);
    dblEnabledBefore = Enabled(dlg, IDC_TRAY_DOUBLE);
    Choose(dlg, IDC_TRAY_LEFT, 5);  // a command
    dblAfter = Selected(dlg, IDC_TRAY_DOUBLE);
    dblEnabledAfter = Enabled(dlg, IDC_TRAY_DOUBLE);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(middle, 0);
  EXPECT_TRUE(dblEnabledBefore);
  EXPECT_EQ(dblAfter, 0);
  EXPECT_FALSE(dblEnabledAfter);
  EXPECT_EQ(Setting(L"TrayMClick"), 0) << "written back as nothing";
  EXPECT_EQ(Setting(L"TrayLClick"), 4123);
  EXPECT_EQ(Setting(L"TrayLDblClk"), 0);
}

TEST_P(TrayExport, ResetShowsTheDefaultsAndCancelWritesNothing) {
  Store(L"TrayLClick", 4096);
  Store(L"TrayHotKey", MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT));
  int left = -1, dbl = -1;
  LRESULT hotKey = -1;
  bool dblEnabled = false;
  int r = Run([&](HWND dlg) {
    Click(dlg, IDC_TRAY_RESET);
    left = Selected(dlg, IDC_TRAY_LEFT);
    dbl = Selected(dlg, IDC_TRAY_DOUBLE);
    dblEnabled = Enabled(dlg, IDC_TRAY_DOUBLE);
    hotKey = SendDlgItemMessageW(dlg, IDC_TRAY_HOT_KEY, HKM_GETHOTKEY, 0, 0);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, 0);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(dbl, 4);
  EXPECT_TRUE(dblEnabled);
  EXPECT_EQ(hotKey, 0);
  EXPECT_EQ(Setting(L"TrayLClick"), 4096);
  EXPECT_EQ(Setting(L"TrayRClick"), -1);
}

// The menus dialog opened over the tray dialog: which menu it shows, then closed.
HWND g_trayDialog = nullptr;
LRESULT g_menuShown = -2;
void CALLBACK CloseMenusDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menus = FindThreadDialog(g_trayDialog);
  if (!menus) return;
  KillTimer(nullptr, timer);
  g_menuShown = SendDlgItemMessageW(menus, IDC_MENUS_LIST, LB_GETCURSEL, 0, 0);
  PostMessageW(menus, WM_COMMAND, IDCANCEL, 0);
}

TEST_P(TrayExport, TheTrayMenusButtonOpensTheMenusDialogOnTheTraysFirstMenu) {
  g_menuShown = -2;
  int r = Run([&](HWND dlg) {
    g_trayDialog = dlg;
    SetTimer(nullptr, 0, 50, CloseMenusDialog);
    Click(dlg, IDC_TRAY_MENUS);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, 0);
  EXPECT_EQ(g_menuShown, 2);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, TrayExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
