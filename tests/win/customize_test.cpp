// DoCustomize through the real library, in both settings back ends: the page it opens on and
// the one it remembers, what OK writes and whom it tells, the page list's search and keys, and
// FindAdditionalText.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include "frame/search_marks.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
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
using dialog_test::PostedKey;

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

// A control's accessible description, as a screen reader asks for it ("?" without an object).
std::wstring AccDescription(HWND control) {
  IAccessible* acc = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&acc))) || !acc)
    return L"?";
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  std::wstring description;
  if (acc->get_accDescription(self, &text) == S_OK && text) description = text;
  SysFreeString(text);
  acc->Release();
  return description;
}

// The page menu for the selected row of the page list (or the current tab of `from`), read
// once it is up, then closed: its entries, and whether the first can be chosen.
struct PageMenuSeen {
  int entries = 0;
  bool firstEnabled = false;
};
PageMenuSeen PageMenuOf(HWND sheet, HWND from = nullptr) {
  static PageMenuSeen seen;
  seen = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
    if (!menu) return;
    KillTimer(nullptr, id);
    seen.entries = GetMenuItemCount(menu);
    seen.firstEnabled = !(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
    EndMenu();
  });
  SendMessageW(sheet, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(from ? from : Titles(sheet)), -1);
  KillTimer(nullptr, timer);
  return seen;
}
bool FirstPageMenuEntryEnabled(HWND sheet) { return PageMenuOf(sheet).firstEnabled; }

void Key(HWND control, UINT vk) {
  SendMessageW(control, WM_KEYDOWN, vk, 0);
}

// A key as the sheet's own message loop would see it, through its dialog manager.
void DialogKey(HWND sheet, HWND control, UINT vk) {
  MSG msg = {control, WM_KEYDOWN, vk, 0, static_cast<DWORD>(GetMessageTime()), {}};
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
        [&] {
          return static_cast<INT_PTR>(fn(host.Hwnd(), start, &restart, csvFormat, focusControl, 0));
        },
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
  int csvFormat = -1;
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

  // Everything the settings hold: every value under the application's key with its type, or
  // the bytes of every settings file in the application folder.
  std::map<std::wstring, std::string> Snapshot() {
    std::map<std::wstring, std::string> all;
    if (Ini()) {
      namespace fs = std::filesystem;
      for (const auto& e : fs::recursive_directory_iterator(fs::path(folder.Path())))
        if (e.is_regular_file() && (e.path().extension() == L".ini" || e.path().extension() == L".bin")) {
          const std::wstring name = e.path().wstring().substr(folder.Path().size());
          all[name] = folder.ReadBytes(name);
        }
      return all;
    }
    std::function<void(const std::wstring&)> walk = [&](const std::wstring& path) {
      HKEY key;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
      wchar_t name[256];
      BYTE data[70000];
      DWORD type = 0;
      for (DWORD i = 0, n = 256, size = sizeof data;
           RegEnumValueW(key, i, name, &n, nullptr, &type, data, &size) == ERROR_SUCCESS;
           ++i, n = 256, size = sizeof data)
        all[path + L"|" + name] = std::to_string(type) + ":" + std::string(data, data + size);
      std::vector<std::wstring> subkeys;
      for (DWORD i = 0, n = 256; RegEnumKeyExW(key, i, name, &n, nullptr, nullptr, nullptr, nullptr) ==
                                 ERROR_SUCCESS;
           ++i, n = 256)
        subkeys.push_back(name);
      RegCloseKey(key);
      for (const std::wstring& sub : subkeys) walk(path + L"\\" + sub);
    };
    walk(L"Software\\Korvan\\Scrivlet v3");
    return all;
  }
};

TEST_P(Customize, ModifiedListsExactlyThePagesWithStoredChangesAndMarksTheirControls) {
  Store(L"TabWidth", 200);
  Store(L"Beep", 0);
  Store(L"TabIcon", 1);  // stored, but its default
  std::wstring modified, combined;
  COLORREF bar = 0, unmarked = 0;
  std::wstring widthName, iconName;
  Open(0, [&](HWND sheet) {
    SetDlgItemTextW(sheet, IDC_NAV_SEARCH, L"@modified");
    modified = Listed(sheet);
    SetDlgItemTextW(sheet, IDC_NAV_SEARCH, L"@MODIFIED beep");
    combined = Listed(sheet);
    SendMessageW(sheet, PSM_SETCURSEL, 9, 0);  // the Tab page
    HWND page = Page(sheet);
    UpdateWindow(page);
    // The bar goes left of the edit's label ("Width:"), which stands just before it.
    const RECT width = dialog_test::ControlRect(page, IDC_TAB_WIDTH_VALUE_LABEL);
    const RECT icon = dialog_test::ControlRect(page, IDC_TAB_ICON);
    HDC dc = GetDC(page);
    const auto dpi = static_cast<uint32_t>(GetDeviceCaps(dc, LOGPIXELSX));
    auto barAt = [&](const RECT& rc) {
      return GetPixel(dc, scrv::ModifiedBar({rc.left, rc.top, rc.right, rc.bottom}, dpi).left,
                      (rc.top + rc.bottom) / 2);
    };
    bar = barAt(width);
    unmarked = barAt(icon);
    ReleaseDC(page, dc);
    CoInitialize(nullptr);
    widthName = AccDescription(GetDlgItem(page, IDC_TAB_WIDTH));
    iconName = AccDescription(GetDlgItem(page, IDC_TAB_ICON));
    CoUninitialize();
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(widthName, L"changed from its default");
  EXPECT_EQ(iconName, L"");
  EXPECT_EQ(modified, L"Window|Tab");
  EXPECT_EQ(combined, L"Window");
  EXPECT_EQ(bar, scrv::MarkColor(scrv::MarkKind::kModified, false));
  EXPECT_NE(unmarked, bar);
}

TEST_P(Customize, ResetToDefaultFromTheContextMenuWritesTheDefaultAtOk) {
  Store(L"TabWidth", 200);
  std::wstring before, after, boxUndone, fieldUndone;
  const uint32_t result = Open(9, [&](HWND sheet) {
    HWND page = Page(sheet);
    HWND width = GetDlgItem(page, IDC_TAB_WIDTH);
    before = dialog_test::WindowText(GetDlgItem(page, IDC_TAB_WIDTH));
    SetFocus(width);
    // The menu opened from the keyboard, its one entry chosen with the keys.
    PostMessageW(page, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(page, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(width), -1);
    after = dialog_test::WindowText(GetDlgItem(page, IDC_TAB_WIDTH));
    // Ctrl+Z in a text box takes back its own typing, not the sheet's last step (the reset):
    // in the search box, and in the page's field (the sheet's undo would refill it, which
    // leaves it nothing of its own to undo).
    HWND box = GetDlgItem(sheet, IDC_NAV_SEARCH);
    SetFocus(box);
    SendMessageW(box, WM_CHAR, L'q', 0);
    PostedKey(box, 'Z', true);
    boxUndone = dialog_test::WindowText(box) + L"|" + dialog_test::WindowText(width);
    SetFocus(width);
    SendMessageW(width, EM_SETSEL, 0, -1);
    SendMessageW(width, WM_CHAR, L'7', 0);
    PostedKey(width, 'Z', true);
    fieldUndone = dialog_test::WindowText(width) +
                  (SendMessageW(width, EM_CANUNDO, 0, 0) ? L"|own" : L"|sheet");
    Click(sheet, IDOK);
  });
  EXPECT_EQ(result, 1u);
  EXPECT_EQ(before, L"200");
  EXPECT_EQ(after, L"160");
  EXPECT_EQ(boxUndone, L"|160");
  EXPECT_EQ(fieldUndone, L"160|own");
  EXPECT_EQ(StoredText(L"TabWidth"), L"160");
  ASSERT_EQ(Broadcasts().size(), 1u);
  EXPECT_EQ(Broadcasts()[0] & 0x4002, 0x4002u);
}

// A menu entry chosen with the keys: the first, whatever the menu opened from.
void ChooseFirstMenuEntry(HWND queue, HWND target, HWND from) {
  PostMessageW(queue, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(queue, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(from), -1);
}

TEST_P(Customize, RandomChangesAllUndoneWithTheKeysWriteWhatAPlainOkWrites) {
  // Boxes on two pages, the status bar's order, a reset and a page restored from the page list.
  auto visit = [](HWND sheet) {
    for (int p : {1, 9, 11}) SendMessageW(sheet, PSM_SETCURSEL, p, 0);
  };
  Open(0, [&](HWND sheet) {
    visit(sheet);
    Click(sheet, IDOK);
  });
  const std::map<std::wstring, std::string> plain = Snapshot();
  EXPECT_FALSE(plain.empty());
  const std::vector<uint64_t> plainBroadcasts = Broadcasts();
  host.messages.clear();
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937 rng(seed);
  int steps = 0, pageAfterUndo = -1, pageOfListUndo = -1, boxPage = -1;
  HWND focusAfterUndo = nullptr, box = nullptr;
  bool redone = false, undoneAgain = true;
  int restoreOffered = -1;  // ones: before the changes, tens: after
  const uint32_t result = Open(0, [&](HWND sheet) {
    visit(sheet);
    std::vector<std::pair<int, int>> boxes;
    for (int p : {1, 9}) {
      SendMessageW(sheet, PSM_SETCURSEL, p, 0);
      for (HWND w : dialog_test::ChildrenOfClass(Page(sheet), L"Button"))
        if ((GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX && IsWindowEnabled(w))
          boxes.emplace_back(p, GetDlgCtrlID(w));
    }
    std::shuffle(boxes.begin(), boxes.end(), rng);
    boxes.resize(std::min<size_t>(boxes.size(), 5));
    ASSERT_GE(boxes.size(), 2u);
    // "Restore defaults of" is greyed on a page that has them, and offered once it has not.
    SendMessageW(sheet, PSM_SETCURSEL, boxes.back().first, 0);
    restoreOffered = FirstPageMenuEntryEnabled(sheet) ? 1 : 0;
    for (const auto& [p, id] : boxes) {
      SendMessageW(sheet, PSM_SETCURSEL, p, 0);
      Click(Page(sheet), id);
      ++steps;
    }
    SendMessageW(sheet, PSM_SETCURSEL, 11, 0);
    Click(Page(sheet), IDC_CL_MOVE_DOWN);
    ++steps;
    boxPage = boxes[0].first;
    SendMessageW(sheet, PSM_SETCURSEL, boxPage, 0);
    box = GetDlgItem(Page(sheet), boxes[0].second);
    SetFocus(box);
    ChooseFirstMenuEntry(Page(sheet), Page(sheet), box);  // "Reset to default (...)"
    ++steps;
    SendMessageW(sheet, PSM_SETCURSEL, boxes.back().first, 0);
    SetFocus(Titles(sheet));
    restoreOffered += FirstPageMenuEntryEnabled(sheet) ? 10 : 0;
    ChooseFirstMenuEntry(Titles(sheet), sheet, Titles(sheet));  // "Restore defaults of ..."
    ++steps;
    for (int i = 0; i < steps; ++i) {
      PostedKey(GetFocus(), 'Z', true);
      // The reset is taken back on its page, at its box; the list's move on the Status page.
      if (i == 1) {
        pageAfterUndo = PageIndex(sheet);
        focusAfterUndo = GetFocus();
      }
      if (i == 2) pageOfListUndo = PageIndex(sheet);
    }
    // The first box's change again (Ctrl+Y), and back (Ctrl+Shift+Z, then Ctrl+Z).
    SendMessageW(sheet, PSM_SETCURSEL, boxPage, 0);
    box = GetDlgItem(Page(sheet), boxes[0].second);
    const bool before = Checked(Page(sheet), boxes[0].second);
    PostedKey(GetFocus(), 'Y', true);
    redone = Checked(Page(sheet), boxes[0].second) != before;
    PostedKey(GetFocus(), 'Z', true);
    PostedKey(GetFocus(), 'Z', true, true);
    PostedKey(GetFocus(), 'Z', true);
    undoneAgain = Checked(Page(sheet), boxes[0].second) == before;
    SendMessageW(sheet, PSM_SETCURSEL, 11, 0);  // where the plain OK closed
    Click(sheet, IDOK);
  });
  EXPECT_EQ(result, 1u);
  EXPECT_EQ(pageAfterUndo, boxPage);
  EXPECT_EQ(focusAfterUndo, box);
  EXPECT_EQ(pageOfListUndo, 11);
  EXPECT_EQ(restoreOffered, 10);
  EXPECT_TRUE(redone);
  EXPECT_TRUE(undoneAgain);
  EXPECT_EQ(Snapshot(), plain);
  EXPECT_EQ(Broadcasts(), plainBroadcasts);
}

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
  // The record keeps the size in units of 96 DPI.
  EXPECT_EQ(second.cx, dialog_test::PlacementPixels(dialog_test::PlacementUnits(first.cx)));
  EXPECT_EQ(second.cy, dialog_test::PlacementPixels(dialog_test::PlacementUnits(first.cy)));
}

TEST_P(Customize, AStatusItemMovedAndOkBroadcastsTheStatusBit) {
  std::vector<COLORREF> bars, found;
  EXPECT_EQ(Open(11,
                 [&](HWND sheet) {
                   Click(Page(sheet), IDC_CL_MOVE_DOWN);
                   // The two items that changed places are marked as changed, the next is not.
                   HWND list = GetDlgItem(Page(sheet), IDC_CHECK_LIST);
                   UpdateWindow(list);
                   HDC dc = GetDC(list);
                   for (int row : {0, 1, 2}) {
                     RECT rc = {LVIR_BOUNDS};
                     SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
                     bars.push_back(GetPixel(dc, rc.left, (rc.top + rc.bottom) / 2));
                   }
                   // The second item, now first, is where a search for it is marked.
                   SetDlgItemTextW(sheet, IDC_NAV_SEARCH, L"character code");
                   UpdateWindow(list);
                   for (int row : {0, 2}) {
                     RECT rc = {LVIR_LABEL};
                     SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
                     found.push_back(GetPixel(dc, rc.right - 3, (rc.top + rc.bottom) / 2));
                   }
                   ReleaseDC(list, dc);
                   Click(sheet, IDOK);
                 }),
            1u);
  const COLORREF bar = scrv::MarkColor(scrv::MarkKind::kModified, false);
  EXPECT_EQ(bars, (std::vector<COLORREF>{bar, bar, bars[2]}));
  EXPECT_NE(bars[2], bar);
  const COLORREF match = scrv::MatchRowBackground(false);
  EXPECT_EQ(found, (std::vector<COLORREF>{match, found[1]}));
  EXPECT_NE(found[1], match);
  EXPECT_EQ(Broadcasts(), std::vector<uint64_t>{0x4});
  EXPECT_EQ(StoredText(L"StatusShowBits"), L"2679");
}

// A configuration's "Cust" block with its byte of enabled formats.
constexpr size_t kCustSize = 6660, kCustFormats = 3809;

TEST_P(Customize, CsvFormatsMovedRemapTheConfigurationsAndTellTheHost) {
  std::vector<BYTE> cust(kCustSize, 0x5A);
  cust[kCustFormats] = 0b001;
  if (Ini()) {
    std::wstring hex;
    unsigned sum = 0;
    wchar_t two[3];
    for (BYTE b : cust) {
      swprintf(two, 3, L"%02X", b);
      hex += two;
      sum += b;
    }
    swprintf(two, 3, L"%02X", sum & 0xFF);
    WritePrivateProfileStringW(L"Text", L"Cust", (hex + two).c_str(),
                               folder.File(L"scConfig.ini").c_str());
  } else {
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Config\\Text", 0, nullptr,
                    0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, L"Cust", 0, REG_BINARY, cust.data(), kCustSize);
    RegCloseKey(key);
  }
  const std::wstring record = key_dialog_steps::AppDataFile(folder, Ini(), L"Common\\csv2.bin");
  DeleteFileW(record.c_str());
  host.answer = [](UINT msg, WPARAM w, LPARAM l, FakeHost::Message& m) -> LRESULT {
    if (msg == scrv::SCM_REMAP_CSV_FORMATS && l)
      m.payload.assign(reinterpret_cast<BYTE*>(l), reinterpret_cast<BYTE*>(l) + w * 4);
    return 0;
  };
  csvFormat = 0;
  EXPECT_EQ(Open(17,
                 [](HWND sheet) {
                   Click(Page(sheet), IDC_CL_MOVE_DOWN);
                   Click(sheet, IDOK);
                 }),
            1u | 32u);
  const std::vector<uint32_t> expected = {1, 0, 2, 3, 4};
  std::vector<uint32_t> table;
  for (const FakeHost::Message& m : host.messages)
    if (m.msg == scrv::SCM_REMAP_CSV_FORMATS) {
      EXPECT_EQ(m.wParam, 5u);
      table.assign(reinterpret_cast<const uint32_t*>(m.payload.data()),
                   reinterpret_cast<const uint32_t*>(m.payload.data() + m.payload.size()));
    }
  EXPECT_EQ(table, expected);
  EXPECT_EQ(Broadcasts(), std::vector<uint64_t>{0x4102});
  std::vector<BYTE> after(kCustSize);
  bool stamped = false;
  if (Ini()) {
    const std::wstring file = folder.File(L"scConfig.ini");
    EXPECT_TRUE(GetPrivateProfileStructW(L"Text", L"Cust", after.data(), kCustSize, file.c_str()));
    stamped = !folder.IniText(L"scConfig.ini", L"Text", L"LastWriteTime").empty();
  } else {
    DWORD size = kCustSize;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Config\\Text",
                           L"Cust", RRF_RT_REG_BINARY, nullptr, after.data(), &size),
              ERROR_SUCCESS);
    stamped =
        RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Config\\Text",
                     L"LastWriteTime", RRF_RT_QWORD, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
  EXPECT_EQ(after[kCustFormats], 0b010);
  EXPECT_EQ(after[kCustFormats + 1], 0x5A);
  EXPECT_TRUE(stamped);
  EXPECT_GT(key_dialog_steps::FileBytes(record).size(), 16u);
  DeleteFileW(record.c_str());
}

TEST_P(Customize, ARenderingPreviewCancelledLeavesTheStoreAndBroadcasts) {
  Store(L"Gamma", 1500);
  std::vector<float> previewed;
  host.answer = [&](UINT msg, WPARAM w, LPARAM l, FakeHost::Message&) -> LRESULT {
    if (msg != scrv::SCM_RENDERING || !l) return 0;
    auto* block = reinterpret_cast<float*>(l);
    if (w == 0) {
      block[0] = 2.2f;
      reinterpret_cast<uint32_t*>(l)[3] = 1;
    } else {
      previewed.push_back(block[0]);
    }
    return 0;
  };
  EXPECT_EQ(Open(6,
                 [](HWND sheet) {
                   HWND page = Page(sheet);
                   HWND gamma = GetDlgItem(page, IDC_RENDER_GAMMA);
                   SendMessageW(gamma, TBM_SETPOS, TRUE, 25);
                   SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                                reinterpret_cast<LPARAM>(gamma));
                   EXPECT_EQ(Text(page, IDC_RENDER_GAMMA_VALUE), L"2.5");
                   // Reset to the host's default from the slider's menu: shown and previewed.
                   ChooseFirstMenuEntry(page, page, gamma);
                   EXPECT_EQ(Text(page, IDC_RENDER_GAMMA_VALUE), L"2.2");
                   Click(sheet, IDCANCEL);
                 }),
            0u);
  ASSERT_EQ(previewed.size(), 2u);
  EXPECT_FLOAT_EQ(previewed[0], 2.5f);
  EXPECT_FLOAT_EQ(previewed[1], 2.2f);
  EXPECT_EQ(StoredText(L"Gamma"), L"1500");
  EXPECT_EQ(Broadcasts(), std::vector<uint64_t>{0x800004000});
}

TEST_P(Customize, AFallbackFontIsAddedOnlyOnceOneIsChosen) {
  bool okBeforeChoice = true, openAfterEmptyOk = false;
  std::wstring chosen, added;
  Open(6, [&](HWND sheet) {
    HWND page = Page(sheet);
    const int before = key_dialog_steps::RowCount(page);
    {
      NestedDialogs font(sheet, [&](HWND dlg) {
        okBeforeChoice = Enabled(dlg, IDOK);
        SendMessageW(dlg, WM_COMMAND, IDOK, 0);
        openAfterEmptyOk = IsWindowVisible(dlg) != FALSE;
        ChooseComboEntry(dlg, IDC_FONT_FAMILY, 0);
        chosen = Text(dlg, IDC_FONT_FAMILY);
        Click(dlg, IDOK);
      });
      Click(page, IDC_RENDER_FALLBACK_ADD);
      EXPECT_TRUE(font.Ran());
    }
    ASSERT_EQ(key_dialog_steps::RowCount(page), before + 1);
    added = key_dialog_steps::RowText(page, before);
    Click(sheet, IDCANCEL);
  });
  EXPECT_FALSE(okBeforeChoice);
  EXPECT_TRUE(openAfterEmptyOk);
  EXPECT_FALSE(chosen.empty());
  EXPECT_EQ(added, chosen);
}

// Answers the clear-history dialog from inside its own modal loop.
HWND g_clearOwner = nullptr;
bool g_okWithNothing = true;
void CALLBACK AnswerClearHistory(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dlg = FindThreadDialog(g_clearOwner);
  if (!dlg) return;
  KillTimer(nullptr, timer);
  EXPECT_EQ(key_dialog_steps::RowCount(dlg), 10);
  EXPECT_TRUE(key_dialog_steps::RowChecked(dlg, 6));
  EXPECT_FALSE(key_dialog_steps::RowChecked(dlg, 7));
  for (int row = 0; row < 10; ++row) key_dialog_steps::SetRowChecked(dlg, row, false);
  g_okWithNothing = Enabled(dlg, IDOK);
  key_dialog_steps::SetRowChecked(dlg, 7, true);
  Click(dlg, IDOK);
}

TEST_P(Customize, ClearingOnlyRowSevenTellsTheHostAndKeepsTheStore) {
  Store(L"MaxRecentFile", 9);
  EXPECT_EQ(Open(4,
                 [](HWND sheet) {
                   g_clearOwner = sheet;
                   SetTimer(nullptr, 0, 50, AnswerClearHistory);
                   Click(Page(sheet), IDC_HISTORY_CLEAR);
                   Click(sheet, IDCANCEL);
                 }),
            0u);
  EXPECT_FALSE(g_okWithNothing);
  std::vector<LPARAM> cleared;
  for (const FakeHost::Message& m : host.messages)
    if (m.msg == scrv::SCM_CLEAR_HISTORY) cleared.push_back(m.lParam);
  EXPECT_EQ(cleared, std::vector<LPARAM>{0x80});
  EXPECT_EQ(StoredText(L"ClearHistoryFlags"), L"128");
  EXPECT_EQ(StoredText(L"MaxRecentFile"), L"9");
}

// The locales come sorted as the box itself would sort them, the stored one selected, and the
// one chosen is the one stored.
TEST_P(Customize, TheSortLocalesAreInTheBoxsOrderAndTheChosenOneIsStored) {
  const wchar_t* name = L"SortLocaleName";
  if (Ini())
    WritePrivateProfileStringW(L"Common", name, L"de-DE", folder.File(L"scCommon.ini").c_str());
  else
    settings_test::SetRawValue(L"Common", name, REG_SZ, L"de-DE", 12);
  auto shown = [](const wchar_t* locale) {
    wchar_t text[100] = {};
    GetLocaleInfoEx(locale, LOCALE_SLOCALIZEDDISPLAYNAME, text, 100);
    return std::wstring(text);
  };
  std::wstring selected;
  int count = 0, outOfOrder = 0;
  Open(2, [&](HWND sheet) {
    HWND page = Page(sheet), combo = GetDlgItem(page, IDC_SORT_LOCALE);
    const auto lcid = static_cast<LCID>(SendMessageW(combo, CB_GETLOCALE, 0, 0));
    count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    std::wstring previous;
    for (int i = 0; i < count; ++i) {
      wchar_t text[200] = {};
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      if (i && CompareStringW(lcid, NORM_IGNORECASE, previous.c_str(), -1, text, -1) ==
                   CSTR_GREATER_THAN)
        ++outOfOrder;
      previous = text;
    }
    selected = Text(page, IDC_SORT_LOCALE);
    const LRESULT french = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(shown(L"fr-FR").c_str()));
    ChooseComboEntry(page, IDC_SORT_LOCALE, french);
    Click(sheet, IDOK);
  });
  EXPECT_GT(count, 100);
  EXPECT_EQ(outOfOrder, 0);
  EXPECT_EQ(selected, shown(L"de-DE"));
  EXPECT_EQ(StoredText(name), L"fr-FR");
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

TEST_F(CustomizeNavigation, EnterF3AndEscGoToTheMatchesAndNeverCloseTheSheet) {
  HWND box = nullptr, list = nullptr, afterEnter = nullptr, afterF3 = nullptr,
       afterShiftF3 = nullptr, afterListEsc = nullptr, afterCtrlF = nullptr;
  int pageAfterListEnter = -1;
  std::wstring firstListed, titleAfterEnter;
  bool openAtEnd = false;
  auto currentTitle = [](HWND sheet) {
    wchar_t title[100] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = 100;
    HWND tab = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    SendMessageW(tab, TCM_GETITEMW, PageIndex(sheet), reinterpret_cast<LPARAM>(&item));
    return std::wstring(title);
  };
  const uint32_t result = Open(0, [&](HWND sheet) {
    box = GetDlgItem(sheet, IDC_NAV_SEARCH);
    list = Titles(sheet);
    Type(sheet, L"width");
    firstListed = Listed(sheet).substr(0, Listed(sheet).find(L'|'));
    SetFocus(box);
    DialogKey(sheet, box, VK_RETURN);  // the first match, on the first listed page
    titleAfterEnter = currentTitle(sheet);
    afterEnter = GetFocus();
    PostedKey(GetFocus(), VK_F3);
    afterF3 = GetFocus();
    PostedKey(GetFocus(), VK_F3, false, true);
    afterShiftF3 = GetFocus();
    SetFocus(list);
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    DialogKey(sheet, list, VK_RETURN);  // the first listed page's match
    pageAfterListEnter = PageIndex(sheet);
    SetFocus(list);
    DialogKey(sheet, list, VK_ESCAPE);  // back to the box, not Cancel
    afterListEsc = GetFocus();
    SetFocus(GetNextDlgTabItem(Page(sheet), nullptr, FALSE));
    PostedKey(GetFocus(), 'F', true);  // Ctrl+F from inside the page, through the queue
    afterCtrlF = GetFocus();
    openAtEnd = IsWindow(sheet) && IsWindowVisible(sheet);
    Click(sheet, IDCANCEL);
  });
  EXPECT_EQ(result, 0u);
  EXPECT_TRUE(openAtEnd);
  EXPECT_EQ(titleAfterEnter, firstListed);
  EXPECT_NE(afterEnter, box);
  EXPECT_NE(afterF3, afterEnter);
  EXPECT_EQ(afterShiftF3, afterEnter);
  EXPECT_GE(pageAfterListEnter, 0);
  EXPECT_EQ(afterListEsc, box);
  EXPECT_EQ(afterCtrlF, box);
}

TEST_F(CustomizeNavigation, EveryMatchOnThePageIsMarkedAndAnEmptyResultSaysSo) {
  std::vector<COLORREF> frames;
  std::vector<std::wstring> names;  // accessible descriptions: matched, other, matched later
  COLORREF other = 0;
  std::wstring emptyName;
  int emptyCount = -1;
  std::wstring titleText;
  bool titleShown = false, titleAbove = false, pageBack = false;
  LOGFONTW titleFont = {};
  Open(0, [&](HWND sheet) {
    Type(sheet, L"width");
    SendMessageW(sheet, PSM_SETCURSEL, 9, 0);  // the Tab page: three captions hold the word
    HWND page = Page(sheet);
    UpdateWindow(page);
    HDC dc = GetDC(page);
    // The frame's first column, at whatever DPI the page is drawn.
    const auto dpi = static_cast<uint32_t>(GetDeviceCaps(dc, LOGPIXELSX));
    auto frameAt = [&](int id) {
      const RECT rc = dialog_test::ControlRect(page, id);
      const scrv::MarkFrame f = scrv::MatchFrame({rc.left, rc.top, rc.right, rc.bottom}, dpi);
      return GetPixel(dc, f.outer.left, (rc.top + rc.bottom) / 2);
    };
    for (int id : {IDC_TAB_WIDTH_LABEL, IDC_TAB_WIDTH_VALUE_LABEL, IDC_TAB_ADJUST_WIDTH_LABEL})
      frames.push_back(frameAt(id));
    other = frameAt(IDC_TAB_STYLE_LABEL);
    ReleaseDC(page, dc);
    CoInitialize(nullptr);
    names.push_back(AccDescription(GetDlgItem(page, IDC_TAB_WIDTH_LABEL)));
    names.push_back(AccDescription(GetDlgItem(page, IDC_TAB_STYLE_LABEL)));
    const LONG pageTop = dialog_test::WindowRectOf(page).top;
    Type(sheet, L"zzzqqq");
    emptyCount = static_cast<int>(SendMessageW(Titles(sheet), LB_GETCOUNT, 0, 0));
    wchar_t name[100] = {};
    GetWindowTextW(Titles(sheet), name, 100);
    emptyName = name;
    names.push_back(AccDescription(GetDlgItem(page, IDC_TAB_WIDTH_LABEL)));  // its mark gone
    CoUninitialize();
    // The page shown keeps its title above it while nothing is listed, and only then.
    HWND title = GetDlgItem(sheet, IDC_NAV_PAGE_TITLE);
    titleShown = title && IsWindowVisible(title);
    titleText = title ? dialog_test::WindowText(title) : L"";
    titleAbove = title && dialog_test::WindowRectOf(title).bottom <= dialog_test::WindowRectOf(page).top;
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)), sizeof titleFont,
               &titleFont);
    Type(sheet, L"");
    titleShown = titleShown && !IsWindowVisible(title);
    pageBack = dialog_test::WindowRectOf(page).top == pageTop;
    Click(sheet, IDCANCEL);
  });
  const COLORREF mark = scrv::MarkColor(scrv::MarkKind::kMatch, false);
  EXPECT_EQ(frames, (std::vector<COLORREF>{mark, mark, mark}));
  EXPECT_NE(other, mark);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"matches the search", L"", L""}));
  EXPECT_EQ(emptyCount, 0);
  EXPECT_EQ(emptyName, L"No settings match \"zzzqqq\"");
  EXPECT_TRUE(titleShown);
  EXPECT_EQ(titleText, L"Tab");
  EXPECT_TRUE(titleAbove);
  EXPECT_GE(titleFont.lfWeight, FW_BOLD);
  EXPECT_TRUE(pageBack);
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
  PageMenuSeen menu;
  Open(2, [&](HWND sheet) {
    searchBox = GetDlgItem(sheet, IDC_NAV_SEARCH) != nullptr;
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    tabsVisible = IsWindowVisible(tabs);
    // The tabs offer the page list's menu: restore the page, export, import.
    menu = PageMenuOf(sheet, tabs);
    Click(sheet, IDCANCEL);
  });
  EXPECT_FALSE(searchBox);
  EXPECT_TRUE(tabsVisible);
  EXPECT_EQ(menu.entries, 3);
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
