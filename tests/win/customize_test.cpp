// DoCustomize through the real library, in both settings back ends: the page it opens on and
// the one it remembers, what OK writes and whom it tells, the page list's search and keys, and
// FindAdditionalText.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "key_dialog_steps.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;

namespace {

using DoCustomizeFn = decltype(&DoCustomize);
using FindAdditionalTextFn = decltype(&FindAdditionalText);

HWND Page(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int PageIndex(HWND sheet) {
  HWND tab = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

HWND Titles(HWND sheet) {
  return GetDlgItem(sheet, IDC_NAV_TITLES);
}

// The titles the page list shows, separated by "|", and the selected one.
std::wstring Listed(HWND sheet) {
  std::wstring all;
  const int n = static_cast<int>(SendMessageW(Titles(sheet), LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    wchar_t title[100] = {};
    SendMessageW(Titles(sheet), LB_GETTEXT, i, reinterpret_cast<LPARAM>(title));
    all += (i ? L"|" : L"") + std::wstring(title);
  }
  return all;
}

int SelectedRow(HWND sheet) {
  return static_cast<int>(SendMessageW(Titles(sheet), LB_GETCURSEL, 0, 0));
}

void Key(HWND control, UINT vk) {
  SendMessageW(control, WM_KEYDOWN, vk, 0);
}

// A key as the sheet's own message loop would see it, through its dialog manager.
void DialogKey(HWND sheet, HWND control, UINT vk) {
  MSG msg = {control, WM_KEYDOWN, vk, 0, GetMessageTime(), {}};
  if (!SendMessageW(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg))) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The tray program's window: records the change masks it is sent.
struct FakeTray {
  FakeTray() {
    static ATOM cls = [] {
      WNDCLASSW wc = {};
      wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == scrv::SCM_SETTINGS_CHANGED)
          reinterpret_cast<FakeTray*>(GetWindowLongPtrW(h, GWLP_USERDATA))
              ->masks.push_back((static_cast<uint64_t>(l) << 32) | (w & 0xFFFFFFFF));
        return DefWindowProcW(h, m, w, l);
      };
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = scrv::kHostTrayWindowClass;
      return RegisterClassW(&wc);
    }();
    (void)cls;
    hwnd = CreateWindowExW(0, scrv::kHostTrayWindowClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~FakeTray() { DestroyWindow(hwnd); }
  HWND hwnd;
  std::vector<uint64_t> masks;
};

// The library loaded from an application folder of its own (INI settings or the registry),
// with a host window, running DoCustomize with a script.
class CustomizeBase {
 protected:
  explicit CustomizeBase(bool ini) : folder(ini), lib(folder.Path()) {
    ClearRegistrySettings();
    fn = lib.Get<DoCustomizeFn>("DoCustomize");
  }
  ~CustomizeBase() { ClearRegistrySettings(); }

  uint32_t Open(int start, const std::function<void(HWND)>& script, uint32_t focusControl = 0) {
    if (!fn) {
      ADD_FAILURE() << "no DoCustomize";
      return 0;
    }
    ScriptResult r = RunDialog(
        [&] { return static_cast<INT_PTR>(fn(host.Hwnd(), start, &restart, -1, focusControl, 0)); },
        script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<uint32_t>(r.result);
  }

  AppFolder folder;
  Library lib;
  FakeHost host;
  DoCustomizeFn fn = nullptr;
  uint32_t restart = 0;
};

class Customize : public ::testing::TestWithParam<bool>, public CustomizeBase {
 protected:
  Customize() : CustomizeBase(GetParam()) {}
  bool Ini() const { return GetParam(); }

  // The names stored in "Common".
  std::set<std::wstring> Stored() {
    std::set<std::wstring> names;
    if (Ini()) {
      for (const std::wstring& k : settings_test::IniKeys(folder.File(L"scCommon.ini"), L"Common"))
        names.insert(k);
      return names;
    }
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
      return names;
    wchar_t name[256];
    for (DWORD i = 0, n = 256;
         RegEnumValueW(key, i, name, &n, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, n = 256)
      names.insert(name);
    RegCloseKey(key);
    return names;
  }

  std::wstring StoredText(const wchar_t* name) {
    if (Ini()) return folder.IniText(L"scCommon.ini", L"Common", name);
    settings_test::RawValue v = settings_test::GetRawValue(L"Common", name);
    if (v.status != ERROR_SUCCESS) return L"";
    if (v.type == REG_DWORD) return std::to_wstring(*reinterpret_cast<DWORD*>(v.bytes.data()));
    return reinterpret_cast<const wchar_t*>(v.bytes.data());
  }

  void Store(const wchar_t* name, DWORD value) {
    if (Ini())
      WritePrivateProfileStringW(L"Common", name, std::to_wstring(value).c_str(),
                                 folder.File(L"scCommon.ini").c_str());
    else
      settings_test::SetRawValue(L"Common", name, REG_DWORD, &value, sizeof value);
  }

  std::vector<uint64_t> Broadcasts() const {
    std::vector<uint64_t> masks;
    for (const FakeHost::Message& m : host.messages)
      if (m.msg == scrv::SCM_SETTINGS_CHANGED)
        masks.push_back((static_cast<uint64_t>(m.lParam) << 32) | (m.wParam & 0xFFFFFFFF));
    return masks;
  }
};

TEST_P(Customize, OkAtOnceOnTheFilePageWritesOnlyTheFilterAndTellsNobody) {
  EXPECT_EQ(Open(0, [](HWND sheet) { Click(sheet, IDOK); }), 1u);
  const std::set<std::wstring> expected = {L"FileFilter", L"DefCustomizePage", L"CustomizePSPos"};
  std::set<std::wstring> stored = Stored();
  stored.erase(L"CustomizePSPos-Size");  // the INI form of a binary value (none for placements)
  EXPECT_EQ(stored, expected);
  EXPECT_EQ(StoredText(L"FileFilter"), L"*.txt;*.bat;*.htm;*.html;*.ini;*.inf;*.log;*.mac");
  EXPECT_TRUE(Broadcasts().empty());
  EXPECT_EQ(restart, 0u);
}

TEST_P(Customize, OpensOnTheLastPageAndRemembersWhereItClosed) {
  Store(L"DefCustomizePage", 7);
  int opened = -1;
  EXPECT_EQ(Open(-1,
                 [&](HWND sheet) {
                   opened = PageIndex(sheet);
                   SendMessageW(sheet, PSM_SETCURSEL, 9, 0);
                   Click(sheet, IDCANCEL);
                 }),
            0u);
  EXPECT_EQ(opened, 7);
  EXPECT_EQ(StoredText(L"DefCustomizePage"), L"9");
  // Cancel keeps nothing of the pages.
  EXPECT_EQ(Stored(), (std::set<std::wstring>{L"DefCustomizePage", L"CustomizePSPos"}));
}

TEST_P(Customize, AStatusItemTickedBroadcastsExactlyItsBit) {
  EXPECT_EQ(Open(11,
                 [](HWND sheet) {
                   key_dialog_steps::SetRowChecked(Page(sheet), 2, true);
                   Click(sheet, IDOK);
                 }),
            1u);
  EXPECT_EQ(StoredText(L"StatusShowBits"), L"2687");
  EXPECT_EQ(Broadcasts(), std::vector<uint64_t>{0x4});
}

TEST_P(Customize, ALanguageChangeReachesTheTrayAndAsksForARestart) {
  FakeTray tray;
  EXPECT_EQ(Open(22,
                 [](HWND sheet) {
                   Click(Page(sheet), IDC_LANG_SYSTEM);
                   Click(sheet, IDOK);
                 }),
            1u);
  EXPECT_EQ(Broadcasts(), std::vector<uint64_t>{0x482});
  EXPECT_EQ(tray.masks, std::vector<uint64_t>{0x482});
  EXPECT_EQ(restart, 4097u);
  EXPECT_EQ(StoredText(L"SystemLang"), L"0");
}

TEST_P(Customize, ASizedSheetReopensAtItsSizeWithThePageFillingIt) {
  SIZE first = {}, second = {};
  int pageGrowth = 0;
  Open(0, [&](HWND sheet) {
    RECT rc = dialog_test::WindowRectOf(sheet);
    RECT page = {};
    GetWindowRect(Page(sheet), &page);
    SetWindowPos(sheet, nullptr, 0, 0, rc.right - rc.left + 120, rc.bottom - rc.top + 90,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT grown = {};
    GetWindowRect(Page(sheet), &grown);
    pageGrowth = (grown.right - grown.left) - (page.right - page.left);
    rc = dialog_test::WindowRectOf(sheet);
    first = {rc.right - rc.left, rc.bottom - rc.top};
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(pageGrowth, 120);
  EXPECT_TRUE(Stored().count(L"CustomizePSPos"));
  Open(3, [&](HWND sheet) {
    RECT rc = dialog_test::WindowRectOf(sheet);
    second = {rc.right - rc.left, rc.bottom - rc.top};
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(second.cx, first.cx);
  EXPECT_EQ(second.cy, first.cy);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, Customize, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

class CustomizeNavigation : public ::testing::Test, public CustomizeBase {
 protected:
  CustomizeNavigation() : CustomizeBase(false) {}
  static void Type(HWND sheet, const wchar_t* words) {
    SetDlgItemTextW(sheet, IDC_NAV_SEARCH, words);
  }
};

TEST_F(CustomizeNavigation, TypedWordsNarrowThePageListAndEscEmptiesTheBoxFirst) {
  std::wstring all, narrowed, afterEsc;
  int selectedWhileHidden = 0;
  bool openAfterEsc = false;
  Open(0, [&](HWND sheet) {
    all = Listed(sheet);
    Type(sheet, L"TAB width");
    narrowed = Listed(sheet);
    // The File page is not listed: nothing is selected, and the page stays.
    selectedWhileHidden = SelectedRow(sheet);
    HWND box = GetDlgItem(sheet, IDC_NAV_SEARCH);
    SetFocus(box);
    DialogKey(sheet, box, VK_ESCAPE);
    afterEsc = Listed(sheet);
    openAfterEsc = IsWindow(sheet) && IsWindowVisible(sheet);
    DialogKey(sheet, box, VK_ESCAPE);  // an empty box: Esc closes as usual
  });
  EXPECT_EQ(all.substr(0, 20), L"File|Edit|Sort|Searc");
  EXPECT_EQ(narrowed, L"Tab|CSV");
  EXPECT_EQ(selectedWhileHidden, -1);
  EXPECT_EQ(afterEsc, all);
  EXPECT_TRUE(openAfterEsc);
}

TEST_F(CustomizeNavigation, KeysMoveBetweenTheSearchBoxTheListAndThePage) {
  HWND afterDown = nullptr, afterUp = nullptr, afterCtrlF = nullptr, afterRight = nullptr;
  HWND box = nullptr, list = nullptr;
  int rowAfterPageChange = -1;
  Open(0, [&](HWND sheet) {
    box = GetDlgItem(sheet, IDC_NAV_SEARCH);
    list = Titles(sheet);
    SetFocus(box);
    Key(box, VK_DOWN);
    afterDown = GetFocus();
    Key(list, VK_UP);  // on the first row
    afterUp = GetFocus();
    SetFocus(list);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Key(list, 'F');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    PumpMessages(120);
    afterCtrlF = GetFocus();
    // Another page chosen elsewhere (Ctrl+Page Down, say) moves the list's selection.
    SendMessageW(sheet, PSM_SETCURSEL, 3, 0);
    rowAfterPageChange = SelectedRow(sheet);
    SetFocus(list);
    Key(list, VK_RIGHT);
    afterRight = GetFocus();
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(afterDown, list);
  EXPECT_EQ(afterUp, box);
  EXPECT_EQ(afterCtrlF, box);
  EXPECT_EQ(rowAfterPageChange, 3);
  EXPECT_NE(afterRight, list);
  EXPECT_NE(afterRight, box);
}

TEST_F(CustomizeNavigation, ACaptionFoundTakesTheUserToItsControl) {
  HWND focused = nullptr, control = nullptr;
  COLORREF frame = 0;
  Open(0, [&](HWND sheet) {
    Type(sheet, L"triple click");
    HWND list = Titles(sheet);
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(sheet, WM_COMMAND, MAKEWPARAM(IDC_NAV_TITLES, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    SetFocus(list);
    Key(list, VK_RIGHT);
    PumpMessages(50);
    focused = GetFocus();
    HWND page = Page(sheet);
    control = GetDlgItem(page, IDC_MOUSE_TRIPLE_CLICK);
    UpdateWindow(page);
    RECT rc = dialog_test::ControlRect(page, IDC_MOUSE_TRIPLE_CLICK);
    HDC dc = GetDC(page);
    frame = GetPixel(dc, rc.left - 3, (rc.top + rc.bottom) / 2);
    ReleaseDC(page, dc);
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(focused, control);
  EXPECT_EQ(frame, GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(CustomizeNavigation, TheFocusStartsOnTheListOrOnTheControlTheHostNames) {
  HWND onOpen = nullptr, list = nullptr, named = nullptr, filter = nullptr;
  Open(0, [&](HWND sheet) {
    PumpMessages(30);
    onOpen = GetFocus();
    list = Titles(sheet);
    Click(sheet, IDCANCEL);
  });
  uint32_t restart = 0;
  RunDialog(
      [&] { return static_cast<INT_PTR>(fn(host.Hwnd(), 0, &restart, -1, IDC_FILE_FILTER, 0)); },
      [&](HWND sheet) {
        PumpMessages(30);
        named = GetFocus();
        filter = GetDlgItem(Page(sheet), IDC_FILE_FILTER);
        Click(sheet, IDCANCEL);
      });
  EXPECT_EQ(onOpen, list);
  EXPECT_EQ(named, filter);
}

TEST_F(CustomizeNavigation, WithoutThePageListTheSheetShowsItsTabs) {
  DWORD off = 0;
  settings_test::SetRawValue(L"Common", L"NewPropertySheet", REG_DWORD, &off, sizeof off);
  bool searchBox = true, tabsVisible = false;
  Open(2, [&](HWND sheet) {
    searchBox = GetDlgItem(sheet, IDC_NAV_SEARCH) != nullptr;
    tabsVisible =
        IsWindowVisible(reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)));
    Click(sheet, IDCANCEL);
  });
  EXPECT_FALSE(searchBox);
  EXPECT_TRUE(tabsVisible);
}

TEST(FindAdditionalTextExport, ServesTheLabelsOfSixPages) {
  AppFolder folder{false};
  Library lib{folder.Path()};
  auto find = lib.Get<FindAdditionalTextFn>("FindAdditionalText");
  ASSERT_NE(find, nullptr);
  wchar_t buffer[64] = L"old";
  EXPECT_EQ(find(buffer, 64, (IDD_CUST_FILE << 16) + 13, nullptr), 0xFFFFFFF2u);
  EXPECT_STREQ(buffer, L"");
  EXPECT_EQ(find(buffer, 64, (IDD_CUST_SORT << 16) + 0, nullptr), 0u);
  EXPECT_STREQ(buffer, L"Ignore case");
  EXPECT_EQ(find(buffer, 64, (IDD_CUST_CSV << 16) + 0, L"CELL BAR"), 7u);
  EXPECT_EQ(find(buffer, 64, (IDD_CUST_WINDOW << 16) + 3, L"x"), ~3u);
  EXPECT_EQ(find(buffer, 8, (IDD_CUST_STATUS << 16) + 0, nullptr), 0u);
  EXPECT_STREQ(buffer, L"Line an");
}

}  // namespace

namespace {

// F1 and the Help button open the current page's topic, not one of the sheet.
TEST(CustomizeHelp, GoesToTheCurrentPage) {
  ClearRegistrySettings();
  dialog_test::InProcessModule module;
  dialog_test::RecordingLauncher launcher;
  FakeHost host;
  for (const wchar_t* name : {L"PromptHelp", L"HelpInternet"}) {
    DWORD online = std::wstring(name) == L"HelpInternet";
    settings_test::SetRawValue(L"Common", name, REG_DWORD, &online, sizeof online);
  }
  uint32_t restart = 0;
  RunDialog([&] { return static_cast<INT_PTR>(DoCustomize(host.Hwnd(), 9, &restart, -1, 0, 0)); },
            [](HWND sheet) {
              SendMessageW(sheet, WM_HELP, 0, 0);
              SendMessageW(sheet, PSM_SETCURSEL, 10, 0);
              Click(sheet, IDHELP);
              Click(sheet, IDCANCEL);
            });
  ASSERT_EQ(launcher.addresses.size(), 2u);
  EXPECT_NE(launcher.addresses[0].find(L"dlg_customize_tab_index.html"), std::wstring::npos);
  EXPECT_NE(launcher.addresses[1].find(L"dlg_customize_mouse_index.html"), std::wstring::npos);
  ClearRegistrySettings();
}

}  // namespace
