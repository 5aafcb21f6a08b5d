// The subclassing helpers: messages reach the object first and the rest the replaced
// procedure; unbinding, window destruction, procedures installed over ours, and chains of
// procedures removed while they run.

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
  Recorder again;  // joins the chain that the outer procedure still forwards to
  ASSERT_TRUE(again.SubclassWindow(edit));
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 42);
  DestroyWindow(edit);
  EXPECT_EQ(again.finals, 1);
}

// Two procedures that tag the ping's result; the first removes itself while it runs.
LRESULT CALLBACK Tens(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
  if (m != kPing) return scrv::DefSubclass(h, m, w, l);
  if (w) scrv::RemoveSubclass(h, Tens, id);
  return 10 + scrv::DefSubclass(h, m, w, l);
}
LRESULT CALLBACK Hundreds(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  if (m != kPing) return scrv::DefSubclass(h, m, w, l);
  return static_cast<LRESULT>(data) + scrv::DefSubclass(h, m, w, l);
}

TEST(Subclass, ChainRunsNewestFirstAndGivesTheProcedureBackWhenEmpty) {
  HWND edit = NewEdit();
  auto original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  ASSERT_TRUE(scrv::SetSubclass(edit, Hundreds, 1, 100));
  ASSERT_TRUE(scrv::SetSubclass(edit, Tens, 1, 0));
  ASSERT_TRUE(scrv::SetSubclass(edit, Hundreds, 1, 200));  // same pair: new data, same place
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 210);
  EXPECT_EQ(SendMessageW(edit, kPing, 1, 0), 210);  // removed itself, the message went on
  EXPECT_EQ(SendMessageW(edit, kPing, 0, 0), 200);
  DWORD_PTR data = 0;
  EXPECT_FALSE(scrv::FindSubclass(edit, Tens, 1, &data));
  ASSERT_TRUE(scrv::FindSubclass(edit, Hundreds, 1, &data));
  EXPECT_EQ(data, 200u);
  SetWindowTextW(edit, L"typed");
  EXPECT_EQ(scrv::GetWindowTextString(edit), L"typed");
  EXPECT_TRUE(scrv::RemoveSubclass(edit, Hundreds, 1));
  EXPECT_FALSE(scrv::RemoveSubclass(edit, Hundreds, 1));
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  ASSERT_TRUE(scrv::SetSubclass(edit, Tens, 2, 0));
  DestroyWindow(edit);  // takes the chain with it
  EXPECT_FALSE(scrv::FindSubclass(edit, Tens, 2, nullptr));
}

}  // namespace
