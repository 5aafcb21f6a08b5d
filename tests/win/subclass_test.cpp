// The subclassing helper: messages reach the object first and the rest the replaced
// procedure; unbinding, window destruction and procedures installed over ours.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/text_win.h"
#include "frame/subclass_win.h"

namespace {

constexpr UINT kPing = WM_USER + 1;

class Recorder : public scrv::CSubclassedWindow {
 public:
  int pings = 0;
  int finals = 0;
  HWND finalHwnd = nullptr;
  bool ProcessWindowMessage(HWND, UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != kPing) return false;
    ++pings;
    result = 42;
    return true;
  }
  void OnFinalMessage(HWND hwnd) override {
    ++finals;
    finalHwnd = hwnd;
  }
};

HWND NewEdit() {
  return CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

WNDPROC g_outer = nullptr;
LRESULT CALLBACK Outer(HWND h, UINT m, WPARAM w, LPARAM l) {
  return CallWindowProcW(g_outer, h, m, w, l);
}

TEST(Subclass, ObjectSeesMessagesFirstAndTheEditTheRest) {
  HWND edit = NewEdit();
  auto original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  Recorder r;
  ASSERT_TRUE(r.SubclassWindow(edit));
  EXPECT_EQ(scrv::CSubclassedWindow::FromHandle(edit), &r);
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 42);
  SetWindowTextW(edit, L"typed");  // not handled: the edit keeps its text
  EXPECT_EQ(scrv::GetWindowTextString(edit), L"typed");
  EXPECT_EQ(r.UnsubclassWindow(), edit);
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 0);
  EXPECT_EQ(r.pings, 1);
  DestroyWindow(edit);
}

TEST(Subclass, OneObjectPerWindow) {
  HWND edit = NewEdit();
  Recorder a, b;
  ASSERT_TRUE(a.SubclassWindow(edit));
  EXPECT_FALSE(b.SubclassWindow(edit));
  EXPECT_FALSE(a.SubclassWindow(edit));
  EXPECT_FALSE(b.SubclassWindow(nullptr));
  DestroyWindow(edit);
}

TEST(Subclass, DestroyingTheWindowUnbindsAndCallsTheFinalMessageOnce) {
  HWND edit = NewEdit();
  Recorder r;
  ASSERT_TRUE(r.SubclassWindow(edit));
  DestroyWindow(edit);
  EXPECT_EQ(r.finals, 1);
  EXPECT_EQ(r.finalHwnd, edit);
  EXPECT_EQ(r.m_hWnd, nullptr);
  EXPECT_EQ(r.UnsubclassWindow(), nullptr);
}

TEST(Subclass, UnbindingUnderAnotherSubclasserKeepsTheChainWorking) {
  HWND edit = NewEdit();
  {
    Recorder r;
    ASSERT_TRUE(r.SubclassWindow(edit));
    g_outer = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Outer)));
  }  // the object goes first
  SetWindowTextW(edit, L"still an edit");
  EXPECT_EQ(scrv::GetWindowTextString(edit), L"still an edit");
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 0);
  Recorder again;
  EXPECT_FALSE(again.SubclassWindow(edit));  // would loop through the orphaned procedure
  DestroyWindow(edit);
}

}  // namespace
