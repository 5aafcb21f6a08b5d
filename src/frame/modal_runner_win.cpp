// The modal dialog runner with per-monitor font scaling of the template.

#include <windows.h>

#include <vector>

#include "frame/template_scaler.h"
#include "frame/window_win.h"

namespace scrv {

INT_PTR RunModalDialog(HMODULE module, const std::vector<uint8_t>& dialogTemplate, HWND owner,
                       DLGPROC proc, LPARAM param) {
  std::optional<std::vector<uint8_t>> copy =
      ScaleDialogTemplate(dialogTemplate.data(), dialogTemplate.size(),
                          static_cast<int32_t>(WindowScalePercent(owner)));
  if (!copy) return 0;
  return DialogBoxIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(copy->data()), owner,
                                 proc, param);
}

INT_PTR RunModalDialog(HMODULE module, UINT templateId, HWND owner, DLGPROC proc, LPARAM param) {
  UINT scale = WindowScalePercent(owner);
  if (scale == 100)
    return DialogBoxParamW(module, MAKEINTRESOURCEW(templateId), owner, proc, param);
  HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
  if (!res) return 0;
  HGLOBAL loaded = LoadResource(module, res);
  DWORD size = SizeofResource(module, res);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return 0;
  std::optional<std::vector<uint8_t>> copy =
      ScaleDialogTemplate(static_cast<const uint8_t*>(data), size, static_cast<int32_t>(scale));
  if (!copy) return 0;
  return DialogBoxIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(copy->data()), owner,
                                 proc, param);
}

}  // namespace scrv
