#pragma once
// A small dialog built in memory for testing the shared controls inside a real modal loop:
// a template builder and a dialog object whose message map hands every message to a hook
// first (where a test puts a control's parent hook) and records what the controls send it.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/window_win.h"

namespace testing_support {

// A classic dialog template (DLGTEMPLATE) with "MS Shell Dlg" 8 and the items added.
class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* title, short cx, short cy) {
    DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    PutDword(style);
    PutDword(0);  // extended style
    countAt_ = words_.size();
    Put(0);  // item count, filled in by Add
    Put(0), Put(0), Put(static_cast<WORD>(cx)), Put(static_cast<WORD>(cy));
    Put(0), Put(0);  // no menu, the standard class
    PutString(title);
    Put(8);
    PutString(L"MS Shell Dlg");
  }

  void Add(const wchar_t* windowClass, WORD id, DWORD style, short x, short y, short cx, short cy,
           const wchar_t* text = L"") {
    if (words_.size() % 2) Put(0);  // items start on a DWORD boundary
    PutDword(style | WS_CHILD | WS_VISIBLE);
    PutDword(0);
    Put(static_cast<WORD>(x)), Put(static_cast<WORD>(y));
    Put(static_cast<WORD>(cx)), Put(static_cast<WORD>(cy));
    Put(id);
    PutString(windowClass);
    PutString(text);
    Put(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Put(WORD w) { words_.push_back(w); }
  void PutDword(DWORD d) { Put(LOWORD(d)), Put(HIWORD(d)); }
  void PutString(const wchar_t* s) {
    for (; *s; ++s) Put(static_cast<WORD>(*s));
    Put(0);
  }
  std::vector<WORD> words_;
  size_t countAt_ = 0;
};

// A dialog object over an in-memory template. `init` runs at WM_INITDIALOG; `hook` sees every
// message first; messages from the controls (0x8000 and up) are recorded, and `answer` may
// give their result.
class ControlDialog : public scrv::CDialogBase {
 public:
  struct Message {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  std::function<void(HWND)> init;
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)> hook;
  std::function<LRESULT(UINT, WPARAM, LPARAM)> answer;
  std::vector<Message> received;

  INT_PTR Run(const DialogTemplate& t) {
    RegisterForCreation();
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), nullptr, StartDialogProc, 0);
  }

  size_t Count(UINT msg, WPARAM wParam) const {
    size_t n = 0;
    for (const auto& m : received) n += m.msg == msg && m.wParam == wParam;
    return n;
  }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override {
    if (hook && hook(hwnd, msg, wParam, lParam, result)) return true;
    if (msg >= 0x8000 && msg < 0xC000) {
      received.push_back({msg, wParam, lParam});
      result = answer ? answer(msg, wParam, lParam) : 0;
      return true;
    }
    switch (msg) {
      case WM_INITDIALOG:
        if (init) init(hwnd);
        result = TRUE;
        return true;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
          EndDialog(LOWORD(wParam));
          return true;
        }
        break;
    }
    return false;
  }
};

// Holds modifier keys down in this thread's keyboard state for as long as it lives, so that
// GetKeyState sees them while a test sends key messages.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    for (int k : keys) state[k] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256] = {};
};

}  // namespace testing_support
