// Every dialog of the gallery, opened through its export with the gallery's sample data:
//   - in the dark theme no visible control, nor the face around them, paints the light face;
//   - every control a user can reach has a name a screen reader reads, and no two controls of
//     one dialog share a name unless a group box tells them apart.

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "host_app.h"
#include "scrvdlgs_api.h"
#include "test_support.h"

namespace {

using testing_support::FindThreadDialog;
using testing_support::NestedDialogs;
using testing_support::PumpMessages;
using testing_support::RunDialog;

constexpr wchar_t kCommonKey[] = L"Software\\Korvan\\Scrivlet v3\\Common";

std::wstring ClassOf(HWND w) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  return cls;
}

std::wstring TextOf(HWND w) {
  wchar_t text[512] = {};
  GetWindowTextW(w, text, 512);
  return text;
}

std::string Narrow(const std::wstring& w) {
  return std::string(w.begin(), w.end());
}

// The dialog and, for a property sheet, its current page: the windows whose children a user
// sees.
std::vector<HWND> Surfaces(HWND dlg) {
  std::vector<HWND> out = {dlg};
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (ClassOf(c) == L"#32770" && IsWindowVisible(c)) out.push_back(c);
  return out;
}

// Runs `check` on a dialog once it has painted.
void CheckPainted(const DemoEntry& e, HWND dlg,
                  const std::function<void(const DemoEntry&, HWND)>& check) {
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages(100);
  check(e, dlg);
}

// Opens every gallery entry in turn and runs `check` on its dialog, then closes it.
void ForEachDialog(const std::function<void(const DemoEntry&, HWND)>& check) {
  HWND owner = FindWindowW(scrv::kHostMainWindowClass, nullptr);
  for (const DemoEntry& e : DemoEntries()) {
    SCOPED_TRACE(Narrow(e.title));
    auto run = RunDialog([&] { return static_cast<INT_PTR>(e.open(owner).size()); },
                         [&](HWND dlg) {
                           if (e.measured || !e.prepare) {
                             CheckPainted(e, dlg, check);
                           } else {
                             // A dialog the export opens only over its first one: checked in place.
                             NestedDialogs inner(dlg, [&](HWND d) {
                               CheckPainted(e, d, check);
                               PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
                             });
                             e.prepare(dlg);
                             for (int i = 0; i < 100 && !inner.Ran(); ++i) PumpMessages(50);
                             EXPECT_TRUE(inner.Ran());
                           }
                           PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
                         });
    EXPECT_TRUE(run.scriptRan);
    EXPECT_FALSE(run.timedOut);
  }
}

class GalleryWalk : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    OleInitialize(nullptr);
    host_ = CreateHostWindow(GetModuleHandleW(nullptr));
    ShowWindow(host_, SW_SHOWNOACTIVATE);
    SetHostLogging(false);
  }
  static void TearDownTestSuite() {
    DestroyWindow(host_);
    OleUninitialize();
  }
  static HWND host_;
};
HWND GalleryWalk::host_ = nullptr;

// ---------------------------------------------------------------------------------------------
// Dark theme

// How many pixels of a screen rectangle are exactly `color`.
long PixelsOf(const RECT& screen, COLORREF color) {
  const int w = screen.right - screen.left, h = screen.bottom - screen.top;
  if (w <= 0 || h <= 0) return 0;
  HDC dc = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, dc, screen.left, screen.top, SRCCOPY);
  const auto* px = static_cast<const uint32_t*>(bits);
  const uint32_t want = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  long hits = 0;
  for (int i = 0; i < w * h; ++i) hits += (px[i] & 0xFFFFFF) == want;
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, dc);
  return hits;
}

RECT ClientOnScreen(HWND w) {
  RECT rc;
  GetClientRect(w, &rc);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

long Area(const RECT& rc) {
  return std::max(1L, static_cast<long>(rc.right - rc.left) * (rc.bottom - rc.top));
}

TEST_F(GalleryWalk, DarkThemeLeavesNoLightFaceInAnyDialog) {
  DWORD dark = 2;
  RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme", REG_DWORD, &dark, sizeof dark);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ForEachDialog([&](const DemoEntry&, HWND dlg) {
    for (HWND surface : Surfaces(dlg)) {
      const RECT whole = ClientOnScreen(surface);
      long onChildren = 0;
      for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c) || ClassOf(c) == L"#32770") continue;
        const RECT rc = ClientOnScreen(c);
        const long light = PixelsOf(rc, face);
        onChildren += light;
        // An owner-drawn button shows a value the dialog draws (a colour), not a face.
        if (ClassOf(c) == L"Button" && (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW)
          continue;
        // A few light pixels (a focus rectangle's dots, a box's edge) are no face.
        EXPECT_LT(light * 1000 / Area(rc), 50)
            << Narrow(ClassOf(c)) << " " << GetDlgCtrlID(c) << " \"" << Narrow(TextOf(c)) << "\"";
      }
      EXPECT_LT((PixelsOf(whole, face) - onChildren) * 1000 / Area(whole), 20)
          << "the face of " << Narrow(TextOf(dlg));
    }
  });
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme");
}

// ---------------------------------------------------------------------------------------------
// Names a screen reader reads

bool Focusable(HWND c) {
  if (!IsWindowVisible(c)) return false;
  const std::wstring cls = ClassOf(c);
  const LONG style = GetWindowLongW(c, GWL_STYLE);
  if (cls == L"Button") return (style & BS_TYPEMASK) != BS_GROUPBOX;
  return cls == L"Edit" || cls == L"ComboBox" || cls == WC_LISTVIEWW || cls == WC_TREEVIEWW ||
         cls == TRACKBAR_CLASSW || cls == L"ListBox";
}

bool IsLabel(HWND w) {
  if (ClassOf(w) != L"Static") return false;
  const LONG type = GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK;
  return type != SS_ICON && type != SS_BITMAP && type != SS_ETCHEDHORZ && type != SS_ETCHEDVERT &&
         type != SS_ETCHEDFRAME && !TextOf(w).empty();
}

// As a screen reader reads it: without the mnemonic's "&" and the blanks around.
std::wstring WithoutAmpersand(std::wstring s) {
  for (size_t at = s.find(L'&'); at != std::wstring::npos; at = s.find(L'&', at + 1))
    s.erase(at, 1);
  s.erase(0, s.find_first_not_of(L' '));
  s.erase(s.find_last_not_of(L' ') + 1);
  return s;
}

// The name the accessibility layer gives the control: its own text for buttons, else the text
// of the label just before it (skipping hidden windows other than a hidden label placed directly
// before the control to name it).
std::wstring ComputedName(HWND c) {
  if (ClassOf(c) == L"Button") return WithoutAmpersand(TextOf(c));
  for (HWND p = GetWindow(c, GW_HWNDPREV); p; p = GetWindow(p, GW_HWNDPREV)) {
    if (!IsWindowVisible(p) && !(p == GetWindow(c, GW_HWNDPREV) && IsLabel(p))) continue;
    const bool group =
        ClassOf(p) == L"Button" && (GetWindowLongW(p, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    return IsLabel(p) || group ? WithoutAmpersand(TextOf(p)) : std::wstring();
  }
  return {};
}

// The platform's own answer, when it gives one.
std::wstring AccessibleName(HWND c) {
  IAccessible* acc = nullptr;
  if (FAILED(AccessibleObjectFromWindow(c, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&acc))) ||
      !acc)
    return {};
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring out;
  if (acc->get_accName(self, &name) == S_OK && name) out = name;
  SysFreeString(name);
  acc->Release();
  return out;
}

// The group box whose rectangle holds the control, or null.
HWND EnclosingGroup(HWND surface, HWND c) {
  RECT rc;
  GetWindowRect(c, &rc);
  for (HWND g = GetWindow(surface, GW_CHILD); g; g = GetWindow(g, GW_HWNDNEXT)) {
    if (ClassOf(g) != L"Button" || (GetWindowLongW(g, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
      continue;
    RECT gr, both;
    GetWindowRect(g, &gr);
    if (IntersectRect(&both, &gr, &rc) && EqualRect(&both, &rc)) return g;
  }
  return nullptr;
}

TEST_F(GalleryWalk, EveryReachableControlHasItsOwnName) {
  int asked = 0, computed = 0;
  ForEachDialog([&](const DemoEntry&, HWND dlg) {
    for (HWND surface : Surfaces(dlg)) {
      std::map<std::pair<std::wstring, HWND>, std::vector<int>> seen;
      for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!Focusable(c)) continue;
        // Where the platform's accessibility layer answers by the same rule, its answer counts.
        std::wstring name = ComputedName(c);
        const std::wstring platform = AccessibleName(c);
        if (!platform.empty() && platform == name)
          ++asked;
        else
          ++computed;
        EXPECT_FALSE(name.empty()) << Narrow(ClassOf(c)) << " " << GetDlgCtrlID(c);
        if (name.empty()) continue;
        seen[{name, EnclosingGroup(surface, c)}].push_back(GetDlgCtrlID(c));
      }
      for (const auto& [key, ids] : seen)
        EXPECT_EQ(ids.size(), 1u) << "\"" << Narrow(key.first) << "\" names " << ids.size()
                                  << " controls, the first " << ids[0];
    }
  });
  // Which way the names were found, for the record of the run.
  std::printf("names: %d confirmed by the accessibility layer, %d computed\n", asked, computed);
  EXPECT_GT(asked + computed, 0);
}

}  // namespace
