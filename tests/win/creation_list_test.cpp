// Binding new windows to their dialog objects through the creation list.

#include <gtest/gtest.h>

#include <vector>

#include "frame/window_win.h"

namespace {

class Probe : public scrv::CDialogBase {
 public:
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg == WM_INITDIALOG) {
      initWindow = hwnd;
      result = TRUE;
      return true;
    }
    if (msg == WM_APP) {
      // A nested message sent to the same window while this one is being handled.
      ++depthSeen;
      if (depthSeen == 1) ::SendMessageW(hwnd, WM_APP, 0, 0);
      result = 42;
      return true;
    }
    return false;
  }
  void OnFinalMessage(HWND) override { finalCalls++; }
  HWND initWindow = nullptr;
  int depthSeen = 0;
  int finalCalls = 0;
};

// A minimal in-memory template: a popup dialog with no controls.
std::vector<WORD> EmptyTemplate() {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / 2 + 3, 0);
  auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
  d->style = WS_POPUP;
  d->cx = 100;
  d->cy = 50;
  return t;
}

HWND Create(const std::vector<WORD>& t) {
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                    reinterpret_cast<const DLGTEMPLATE*>(t.data()), nullptr,
                                    scrv::CDialogBase::StartDialogProc, 0);
}

TEST(CreationList, TwoObjectsRegisteredFirstAreBoundLastInFirstOut) {
  Probe first, second;
  first.RegisterForCreation();
  second.RegisterForCreation();
  auto t = EmptyTemplate();
  HWND w1 = Create(t);
  HWND w2 = Create(t);
  ASSERT_TRUE(w1 && w2);
  EXPECT_EQ(second.initWindow, w1);
  EXPECT_EQ(first.initWindow, w2);
  EXPECT_EQ(second.m_hWnd, w1);
  DestroyWindow(w1);
  DestroyWindow(w2);
  EXPECT_EQ(first.m_hWnd, nullptr);
  EXPECT_EQ(second.m_hWnd, nullptr);
  EXPECT_EQ(first.finalCalls, 1);
  EXPECT_EQ(second.finalCalls, 1);
}

TEST(CreationList, NestedMessagesReturnTheirResultsAndTheObjectStaysBound) {
  Probe p;
  p.RegisterForCreation();
  auto t = EmptyTemplate();
  HWND w = Create(t);
  ASSERT_TRUE(w);
  EXPECT_EQ(SendMessageW(w, WM_APP, 0, 0), 42);
  EXPECT_EQ(p.depthSeen, 2);
  EXPECT_EQ(p.m_hWnd, w);
  DestroyWindow(w);
  EXPECT_EQ(p.finalCalls, 1);
}

}  // namespace
