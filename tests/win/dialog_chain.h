#pragma once
// Steps for dialogs that open over a dialog under test (a question, a file dialog, a properties
// dialog): `step` runs inside their modal loop once the newest dialog is not `current`. The
// driver's watchdog (RunDialog) still ends everything that outlives its script.

#include <windows.h>

#include <functional>

#include "test_support.h"

namespace dialog_chain {

struct Pending {
  HWND current = nullptr;
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
  if (!dlg || dlg == p.current || !p.step) return;
  KillTimer(nullptr, p.timer);
  p.timer = 0;
  std::function<void(HWND)> step = std::move(p.step);
  p.step = nullptr;
  step(dlg);  // may chain the next step
}

// Schedules `step` for the next dialog other than `current`; call it before the action that
// opens that dialog.
inline void OnNextDialog(HWND current, std::function<void(HWND)> step) {
  Pending& p = Next();
  if (p.timer) KillTimer(nullptr, p.timer);
  p.current = current;
  p.step = std::move(step);
  p.timer = SetTimer(nullptr, 0, 20, ChainTick);
}

// True when no scheduled step is waiting (each ran).
inline bool AllStepsRan() {
  return !Next().step;
}

}  // namespace dialog_chain
