#pragma once
// Scripts for the dialogs a step opens on top of the dialog under test (message boxes, nested
// dialogs, file dialogs): each runs from a timer inside the nested modal loop.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace testing_support {

// Runs scripts on the dialogs that open next on this thread over `main` (message boxes,
// nested dialogs, file dialogs), one script per dialog in the order they show, from a timer,
// while the caller's step waits in their modal loops.
class NestedDialogs {
 public:
  NestedDialogs(HWND main, std::vector<std::function<void(HWND)>> scripts) {
    state_.handled.push_back(main);
    state_.scripts = std::move(scripts);
    saved_ = current_;
    current_ = &state_;
    timer_ = SetTimer(nullptr, 0, 20, Tick);
  }
  NestedDialogs(HWND main, std::function<void(HWND)> script)
      : NestedDialogs(main, std::vector<std::function<void(HWND)>>{std::move(script)}) {}
  ~NestedDialogs() {
    KillTimer(nullptr, timer_);
    current_ = saved_;
  }
  bool Ran() const { return state_.ran == state_.scripts.size(); }

 private:
  struct State {
    std::vector<HWND> handled;
    std::vector<std::function<void(HWND)>> scripts;
    size_t ran = 0;
  };
  static HWND NewDialog(const std::vector<HWND>& handled) {
    struct Ctx {
      const std::vector<HWND>* handled;
      HWND found;
    } ctx{&handled, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
          auto* c = reinterpret_cast<Ctx*>(p);
          wchar_t cls[16] = {};
          GetClassNameW(w, cls, 16);
          if (IsWindowVisible(w) && wcscmp(cls, L"#32770") == 0 &&
              std::find(c->handled->begin(), c->handled->end(), w) == c->handled->end()) {
            c->found = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    State* s = current_;
    if (!s || s->ran >= s->scripts.size()) return;
    if (HWND box = NewDialog(s->handled)) {
      s->handled.push_back(box);
      s->scripts[s->ran++](box);
    }
  }
  static inline State* current_ = nullptr;
  State state_;
  State* saved_ = nullptr;
  UINT_PTR timer_ = 0;
};

// Closes a message box: its OK button, or the button of the answer asked for.
inline void AnswerBox(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

}  // namespace testing_support
