#include "frame/common_controls_win.h"

#include "base/module_state_win.h"

namespace scrv {
namespace {

constexpr WORD kManifestResource = 2;  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID

struct CommonControls {
  bool resolved = false;
  bool contextTried = false;
  HANDLE context = INVALID_HANDLE_VALUE;
  HMODULE module = nullptr;  // loaded by us, released at detach
  TaskDialogIndirectFn taskDialogIndirect = nullptr;
};
CommonControls g_controls;

HANDLE LibraryContext() {
  if (g_controls.contextTried) return g_controls.context;
  g_controls.contextTried = true;
  HMODULE self = Module().dllInstance;
  wchar_t path[MAX_PATH] = {};
  if (!self || !GetModuleFileNameW(self, path, MAX_PATH)) return INVALID_HANDLE_VALUE;
  ACTCTXW ctx = {sizeof ctx};
  ctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  ctx.hModule = self;
  ctx.lpSource = path;
  ctx.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
  g_controls.context = CreateActCtxW(&ctx);
  return g_controls.context;
}

template <typename F>
F Find(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace

TaskDialogIndirectFn TaskDialogIndirectFunction() {
  if (g_controls.resolved) return g_controls.taskDialogIndirect;
  g_controls.resolved = true;
  {
    // The comctl32 that the library's own manifest binds to.
    ScopedCommonControlsV6 v6;
    g_controls.module = LoadLibraryW(L"comctl32.dll");
  }
  g_controls.taskDialogIndirect =
      Find<TaskDialogIndirectFn>(g_controls.module, "TaskDialogIndirect");
  if (!g_controls.taskDialogIndirect) {
    // Without a manifest of our own (a program that links the dialogs statically), the
    // process's comctl32 may still offer task dialogs.
    g_controls.taskDialogIndirect =
        Find<TaskDialogIndirectFn>(GetModuleHandleW(L"comctl32.dll"), "TaskDialogIndirect");
  }
  return g_controls.taskDialogIndirect;
}

ScopedCommonControlsV6::ScopedCommonControlsV6() {
  HANDLE ctx = LibraryContext();
  if (ctx != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(ctx, &cookie_) != FALSE;
}

ScopedCommonControlsV6::~ScopedCommonControlsV6() {
  if (active_) DeactivateActCtx(0, cookie_);
}

void ReleaseCommonControls() {
  if (g_controls.module) FreeLibrary(g_controls.module);
  if (g_controls.context != INVALID_HANDLE_VALUE) ReleaseActCtx(g_controls.context);
  g_controls = CommonControls{};
}

}  // namespace scrv
