// CEditDD in a real dialog: drops from other windows in insert and replace mode, Ctrl+A, and
// word deletion with Ctrl+Delete and Ctrl+Backspace.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/text_win.h"
#include "control_dialog.h"
#include "controls/edit_dd_win.h"
#include "test_support.h"

using namespace testing_support;
using scrv::GetWindowTextString;

namespace {

constexpr WORD kEdit = 2005;
constexpr WORD kOtherEdit = 2006;

// Offers text only in the ANSI format.
class AnsiOnlyData : public scrv::CFormatDataObject {
 public:
  explicit AnsiOnlyData(std::string text) : CFormatDataObject({CF_TEXT}), text_(std::move(text)) {}

 protected:
  HGLOBAL Render(CLIPFORMAT) const override {
    return scrv::NewMovableBlock(text_.c_str(), text_.size() + 1);
  }

 private:
  std::string text_;
};

class EditDDTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    tpl.Add(L"EDIT", kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 7, 220, 14);
    tpl.Add(L"EDIT", kOtherEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 30, 120, 14);
    tpl.Add(L"BUTTON", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 177, 30, 50, 14, L"OK");
    dlg.init = [this](HWND hwnd) {
      HWND e = GetDlgItem(hwnd, kEdit);
      SetWindowTextW(e, initial.c_str());
      ASSERT_TRUE(edit.SubclassWindow(e));
      ASSERT_TRUE(other.SubclassWindow(GetDlgItem(hwnd, kOtherEdit)));
    };
  }
  void TearDown() override { OleUninitialize(); }

  void Run(const std::function<void(HWND, HWND)>& script) {
    auto r = RunDialog([&] { return dlg.Run(tpl); },
                       [&](HWND hwnd) {
                         script(hwnd, GetDlgItem(hwnd, kEdit));
                         EndDialog(hwnd, IDCANCEL);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
  }

  // A screen point just inside the left edge of character `index`.
  static POINTL CharPoint(HWND e, int index) {
    LRESULT pos = SendMessageW(e, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    POINT pt = {static_cast<short>(LOWORD(pos)) + 1, static_cast<short>(HIWORD(pos)) + 2};
    ClientToScreen(e, &pt);
    return {pt.x, pt.y};
  }

  // Drags `data` from another window over character `index` and drops it there.
  DWORD Drop(HWND e, IDataObject* data, int index, DWORD keys) {
    IDropTarget* target = edit.DropTarget();
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(data, keys | MK_LBUTTON, CharPoint(e, index), &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(data, keys, CharPoint(e, index), &effect);
    return effect;
  }

  static void Key(HWND e, int vk, std::initializer_list<int> held) {
    HeldKeys keys(held);
    SendMessageW(e, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
  }

  static std::pair<DWORD, DWORD> Sel(HWND e) {
    DWORD s = 0, t = 0;
    SendMessageW(e, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&t));
    return {s, t};
  }

  std::wstring initial = L"hello world";
  DialogTemplate tpl{L"Edit", 234, 51};
  ControlDialog dlg;
  scrv::CEditDD edit;
  scrv::CEditDD other;
};

TEST_F(EditDDTest, AnAnsiOnlyDropIsInsertedAsUnicodeAtTheCharacterUnderTheCursor) {
  Run([&](HWND, HWND e) {
    EXPECT_TRUE(edit.DropTargetRegistered());
    auto* data = new AnsiOnlyData(" caf\xE9");
    EXPECT_EQ(Drop(e, data, 5, 0), DWORD{DROPEFFECT_COPY});
    wchar_t dropped[16] = {};
    MultiByteToWideChar(CP_ACP, 0, " caf\xE9", -1, dropped, 16);
    EXPECT_EQ(GetWindowTextString(e), L"hello" + std::wstring(dropped) + L" world");
    EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{10, 10}));  // the caret after the drop
    EXPECT_EQ(GetFocus(), e);
    data->Release();
  });
}

TEST_F(EditDDTest, AltReplacesTheWholeTextAndShiftMoves) {
  Run([&](HWND, HWND e) {
    auto* data = new scrv::CTextDataObject(L"new");
    EXPECT_EQ(Drop(e, data, 3, MK_ALT), DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(GetWindowTextString(e), L"new");
    EXPECT_EQ(Drop(e, data, 0, MK_SHIFT), DWORD{DROPEFFECT_MOVE});
    EXPECT_EQ(GetWindowTextString(e), L"newnew");
    data->Release();
  });
}

TEST_F(EditDDTest, TheDefaultReplaceFlagDecidesWithoutKeys) {
  edit.replaceByDefault = true;
  Run([&](HWND, HWND e) {
    auto* data = new scrv::CTextDataObject(L"X");
    Drop(e, data, 2, 0);
    EXPECT_EQ(GetWindowTextString(e), L"X");
    Drop(e, data, 1, MK_CONTROL);  // Ctrl inserts
    EXPECT_EQ(GetWindowTextString(e), L"XX");
    data->Release();
  });
}

TEST_F(EditDDTest, CtrlASelectsEverything) {
  Run([&](HWND, HWND e) {
    SetFocus(e);
    SendMessageW(e, EM_SETSEL, 2, 2);
    Key(e, 'A', {VK_CONTROL});
    SendMessageW(e, WM_CHAR, 0x01, 1);  // the character Ctrl+A types is not inserted
    EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{0, 11}));
    EXPECT_EQ(GetWindowTextString(e), L"hello world");
  });
}

TEST_F(EditDDTest, CtrlBackspaceAndCtrlDeleteRemoveWords) {
  initial = L"alpha beta, gamma";
  Run([&](HWND, HWND e) {
    SetFocus(e);
    SendMessageW(e, EM_SETSEL, 17, 17);
    Key(e, VK_BACK, {VK_CONTROL});
    SendMessageW(e, WM_CHAR, 0x7F, 1);  // the character Ctrl+Backspace types
    EXPECT_EQ(GetWindowTextString(e), L"alpha beta, ");
    Key(e, VK_BACK, {VK_CONTROL});
    EXPECT_EQ(GetWindowTextString(e), L"alpha beta");
    SendMessageW(e, EM_SETSEL, 0, 0);
    Key(e, VK_DELETE, {VK_CONTROL});
    EXPECT_EQ(GetWindowTextString(e), L"beta");
    // A selection goes as a whole.
    SendMessageW(e, EM_SETSEL, 1, 3);
    Key(e, VK_DELETE, {VK_CONTROL});
    EXPECT_EQ(GetWindowTextString(e), L"ba");
    // Shift+Ctrl+Backspace is not word deletion.
    SendMessageW(e, EM_SETSEL, 2, 2);
    Key(e, VK_BACK, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(GetWindowTextString(e), L"ba");
    // Word deletion is undoable like typing.
    SendMessageW(e, EM_SETSEL, 0, 0);
    Key(e, VK_DELETE, {VK_CONTROL});
    EXPECT_EQ(GetWindowTextString(e), L"");
    SendMessageW(e, EM_UNDO, 0, 0);
    EXPECT_EQ(GetWindowTextString(e), L"ba");
  });
}

}  // namespace

namespace {

// Mouse input as the system queues it, for a real drag out of the edit.
void MouseButton(bool down) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

void MouseTo(POINTL pt) {
  SetCursorPos(pt.x, pt.y);
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = pt.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = pt.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

// Steps run from a thread timer, which the drag's own message loop keeps dispatching.
std::vector<std::function<void()>> g_steps;
void CALLBACK StepTick(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_steps.empty()) {
    KillTimer(nullptr, id);
    return;
  }
  auto step = g_steps.front();
  g_steps.erase(g_steps.begin());
  step();
}

// Presses the left button at `from`, moves to `to` in a few steps and releases it there, the
// way a user drags; returns once the drag is over.
void DragWithMouse(POINTL from, POINTL to) {
  MouseTo(from);
  PumpMessages(30);
  g_steps = {[=] {
               MouseTo({from.x + 8, from.y});
             },
             [=] {
               MouseTo({(from.x + to.x) / 2, to.y});
             },
             [=] { MouseTo(to); }, [=] { MouseTo(to); }, [] { MouseButton(false); }};
  UINT_PTR timer = SetTimer(nullptr, 0, 40, StepTick);
  MouseButton(true);
  PumpMessages(800);
  KillTimer(nullptr, timer);
  g_steps.clear();
}

TEST_F(EditDDTest, DraggingTheSelectionForwardWithinTheControlMovesIt) {
  Run([&](HWND hwnd, HWND e) {
    SetForegroundWindow(hwnd);
    SetFocus(e);
    SendMessageW(e, EM_SETSEL, 0, 5);  // "hello"
    DragWithMouse(CharPoint(e, 1), CharPoint(e, 6));
    EXPECT_EQ(GetWindowTextString(e), L" helloworld");
    EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{6, 6}));
  });
}

TEST_F(EditDDTest, DraggingTheSelectionBackwardWithinTheControlMovesIt) {
  Run([&](HWND hwnd, HWND e) {
    SetForegroundWindow(hwnd);
    SetFocus(e);
    SendMessageW(e, EM_SETSEL, 6, 11);  // "world"
    DragWithMouse(CharPoint(e, 8), CharPoint(e, 0));
    EXPECT_EQ(GetWindowTextString(e), L"worldhello ");
    EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{5, 5}));
  });
}

TEST_F(EditDDTest, AShiftDragIntoAnotherEditMovesTheText) {
  Run([&](HWND hwnd, HWND e) {
    HWND o = GetDlgItem(hwnd, kOtherEdit);
    SetWindowTextW(o, L"[]");
    SetForegroundWindow(hwnd);
    SetFocus(e);
    SendMessageW(e, EM_SETSEL, 0, 6);  // "hello "
    {
      HeldKeys shift({VK_SHIFT});
      DragWithMouse(CharPoint(e, 2), CharPoint(o, 1));
    }
    EXPECT_EQ(GetWindowTextString(o), L"[hello ]");
    EXPECT_EQ(GetWindowTextString(e), L"world");
  });
}

}  // namespace
