// The exception boundary: what a dialog's handler, a subclassed control or a property page
// throws ends its modal loop and reaches the export's guard, which answers with the export's
// failure value and the last error; nothing unwinds through the window manager.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "frame/dialog_impl_win.h"
#include "frame/export_guard_win.h"
#include "frame/subclass_win.h"
#include "jump_ids.h"
#include "key_dialog_steps.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "test_support.h"

namespace {

// Throws whatever it is told to when its window gets kThrow.
constexpr UINT kThrow = WM_APP + 1;
class ThrowingEdit : public scrv::CSubclassedWindow {
 public:
  std::function<void()> raise;
  bool ProcessWindowMessage(HWND, UINT msg, WPARAM, LPARAM, LRESULT&) override {
    if (msg == kThrow) raise();
    return false;
  }
};

class ProbeDlg : public scrv::CMyDialogImpl<ProbeDlg> {
 public:
  enum { IDD = IDD_JUMP };
  std::function<void(ProbeDlg&)> init;
  ThrowingEdit edit;
  BOOL OnInitDialog() override {
    init(*this);
    return TRUE;
  }
};

// Runs the dialog the way an export does, with -7 as the failure value.
int RunGuarded(const std::function<void(ProbeDlg&)>& init) {
  return scrv::GuardExport(-7, [&] {
    ProbeDlg dlg;
    dlg.init = init;
    return static_cast<int>(dlg.DoModal(nullptr));
  });
}

TEST(ExceptionBoundary, AFailedHandlerEndsTheDialogAndTheExportFailsWithTheLastError) {
  dialog_test::InProcessModule module;
  SetLastError(0);
  EXPECT_EQ(RunGuarded([](ProbeDlg&) { throw std::bad_alloc(); }), -7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_OUTOFMEMORY));

  // A control's handler throws later, inside the modal loop.
  SetLastError(0);
  EXPECT_EQ(RunGuarded([](ProbeDlg& dlg) {
              dlg.edit.raise = [] { throw std::runtime_error("broken"); };
              dlg.edit.SubclassWindow(dlg.GetDlgItem(IDC_JUMP_TARGET));
              PostMessageW(dlg.edit, kThrow, 0, 0);
            }),
            -7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));

  // Without a failure the runner's result comes through.
  EXPECT_EQ(RunGuarded([](ProbeDlg& dlg) { PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0); }),
            IDCANCEL);
}

// The values under "Common", by name.
std::map<std::wstring, std::vector<BYTE>> CommonValues() {
  std::map<std::wstring, std::vector<BYTE>> values;
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", 0, KEY_READ,
                    &key) != ERROR_SUCCESS)
    return values;
  wchar_t name[256];
  BYTE data[4096];
  for (DWORD i = 0, n = 256, size = sizeof data;
       RegEnumValueW(key, i, name, &n, nullptr, nullptr, data, &size) == ERROR_SUCCESS;
       ++i, n = 256, size = sizeof data)
    values[name].assign(data, data + size);
  RegCloseKey(key);
  return values;
}

// What the process holds of the window system. Where GetGuiResources does not count (Wine),
// the GDI handle table is walked by index and the windows of this thread are counted.
struct GuiObjects {
  DWORD gdi = 0, user = 0;
  friend bool operator==(const GuiObjects&, const GuiObjects&) = default;
};
GuiObjects CountGuiObjects() {
  GuiObjects n{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
               GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
  if (n.gdi) return n;
  for (ULONG_PTR h = 1; h < 0x10000; ++h) n.gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
  auto count = [](HWND window, LPARAM user) -> BOOL {
    ++*reinterpret_cast<DWORD*>(user);
    EnumChildWindows(
        window, [](HWND, LPARAM u) -> BOOL { return ++*reinterpret_cast<DWORD*>(u), TRUE; }, user);
    return TRUE;
  };
  EnumThreadWindows(GetCurrentThreadId(), count, reinterpret_cast<LPARAM>(&n.user));
  return n;
}

HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// The message the pages' test seam throws at.
constexpr UINT kPageThrows = WM_APP + 0x2A5;

// A page handler throws while each property-sheet export runs, after the user changed a page:
// the export answers its failure value with the last error set, the sheet is gone, the store
// holds what a Cancel leaves (the sheet's own page and placement, nothing of the pages), the
// host is told what a Cancel tells it, and the process has as many GDI and USER objects as
// before.
TEST(ExceptionBoundary, AFailedPageEndsEachSheetExportAsACancelThatFails) {
  using testing_support::RunDialog;
  struct Sheet {
    const char* name;
    int page;
    std::function<void(HWND)> change;
    std::function<int(testing_support::Library&, HWND)> run;
  } sheets[] = {
      // A previewed rendering change: a failed sheet takes it back as Cancel does.
      {"Customize", 6,
       [](HWND sheet) {
         HWND page = CurrentPage(sheet);
         HWND gamma = GetDlgItem(page, IDC_RENDER_GAMMA);
         SendMessageW(gamma, TBM_SETPOS, TRUE, 25);
         SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                      reinterpret_cast<LPARAM>(gamma));
       },
       [](testing_support::Library& lib, HWND host) {
         uint32_t restart = 0;
         return static_cast<int>(
             lib.Get<decltype(&DoCustomize)>("DoCustomize")(host, 6, &restart, -1, 0, 0));
       }},
      {"Markers", 2,
       [](HWND sheet) { testing_support::Click(CurrentPage(sheet), IDC_MO_COUNT_MATCHES); },
       [](testing_support::Library& lib, HWND host) {
         return lib.Get<decltype(&DoCustomizeMarkers)>("DoCustomizeMarkers")(host, 2, L"", -1, 0,
                                                                             0);
       }},
  };
  const std::wstring seam = std::to_wstring(kPageThrows);
  for (const Sheet& s : sheets) {
    testing_support::AppFolder folder(false);
    testing_support::Library lib(folder.Path());
    testing_support::FakeHost host;
    SetEnvironmentVariableW(L"SCRV_TEST_PAGE_THROW", seam.c_str());

    // A Cancel after the same change, which also makes what the library keeps for the
    // process (caches, classes) before the objects are counted.
    testing_support::ClearRegistrySettings();
    EXPECT_EQ(RunDialog([&] { return static_cast<INT_PTR>(s.run(lib, host.Hwnd())); },
                        [&](HWND sheet) {
                          s.change(sheet);
                          testing_support::Click(sheet, IDCANCEL);
                        })
                  .result,
              0)
        << s.name;
    const auto cancelled = CommonValues();
    std::vector<UINT> told;
    for (const auto& m : host.messages) told.push_back(m.msg);
    if (s.page == 6)  // the preview taken back
      EXPECT_EQ(std::count(told.begin(), told.end(), scrv::SCM_SETTINGS_CHANGED), 1);

    testing_support::ClearRegistrySettings();
    host.messages.clear();
    const GuiObjects before = CountGuiObjects();
    DWORD error = 0;
    HWND shown = nullptr;
    const testing_support::ScriptResult r = RunDialog(
        [&] {
          SetLastError(0);
          const int result = s.run(lib, host.Hwnd());
          error = GetLastError();
          return static_cast<INT_PTR>(result);
        },
        [&](HWND sheet) {
          shown = sheet;
          s.change(sheet);
          SendMessageW(CurrentPage(sheet), kPageThrows, 0, 0);
        });
    SetEnvironmentVariableW(L"SCRV_TEST_PAGE_THROW", nullptr);
    EXPECT_EQ(r.result, 0) << s.name;
    EXPECT_FALSE(r.timedOut) << s.name << ": the sheet stayed open";
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_INTERNAL_ERROR)) << s.name;
    EXPECT_FALSE(IsWindow(shown)) << s.name;
    EXPECT_EQ(CommonValues(), cancelled) << s.name;
    std::vector<UINT> toldNow;
    for (const auto& m : host.messages) toldNow.push_back(m.msg);
    EXPECT_EQ(toldNow, told) << s.name;
    const GuiObjects after = CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi) << s.name;
    EXPECT_EQ(after.user, before.user) << s.name;
  }
  testing_support::ClearRegistrySettings();
}

}  // namespace
