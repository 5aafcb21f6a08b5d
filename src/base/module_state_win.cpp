#include "base/module_state_win.h"

namespace scrv {
namespace {

ModuleState g_module;

struct LockInit {
  LockInit() { InitializeCriticalSectionEx(&g_module.createListLock, 0, 0); }
} g_lockInit;

}  // namespace

ModuleState& Module() {
  return g_module;
}

std::wstring AppPath(std::wstring_view relative) {
  std::wstring p = g_module.appFolder;
  p += relative;
  if (p.size() >= MAX_PATH) p.resize(MAX_PATH - 1);
  return p;
}

}  // namespace scrv
