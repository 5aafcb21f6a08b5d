#pragma once
// Steps for dialogs that open over a dialog under test (a question, a file dialog, a properties
// dialog): `step` runs inside their modal loop once the newest dialog is a new one. The
// driver's watchdog (RunDialog) still ends everything that outlives its script.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "test_support.h"

namespace dialog_chain {

struct Pending {
  std::vector<HWND> open;  // the thread's visible windows when the step was scheduled
  std::function<void(HWND)> step;
  UINT_PTR timer = 0;
};

inline Pending& Next() {
  static Pending pending;
  return pending;
}

inline void CALLBACK ChainTick(HWND, UINT, UINT_PTR, DWORD) {
  Pending& p = Next();
  HWND dlg = testing_support::FindThreadDialog();  // the newest
  // A dialog that was open already is not the one awaited: the owner shows again for a moment
  // between a dialog that closes and the next one, which becomes visible only when its loop
  // first runs out of messages.
  if (!dlg || !p.step || std::find(p.open.begin(), p.open.end(), dlg) != p.open.end()) return;
  KillTimer(nullptr, p.timer);
  p.timer = 0;
  std::function<void(HWND)> step = std::move(p.step);
  p.step = nullptr;
  step(dlg);  // may chain the next step
}

// Schedules `step` for the next dialog that is not shown yet (`current` and the dialogs under it
// are; one still in its initialisation is not); call it before the action that opens that
// dialog.
inline void OnNextDialog(HWND current, std::function<void(HWND)> step) {
  Pending& p = Next();
  if (p.timer) KillTimer(nullptr, p.timer);
  p.open = {current};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM list) -> BOOL {
        if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&p.open));
  p.step = std::move(step);
  p.timer = SetTimer(nullptr, 0, 20, ChainTick);
}

// True when no scheduled step is waiting (each ran).
inline bool AllStepsRan() {
  return !Next().step;
}

}  // namespace dialog_chain
