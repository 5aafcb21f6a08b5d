#include "base/text_win.h"

#include "base/module_state_win.h"

namespace scrv {

std::wstring GetWindowTextString(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  if (n <= 0) return L"";
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(hwnd, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

std::wstring LoadResString(UINT id) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(Module().resourceModule, id, reinterpret_cast<LPWSTR>(&p), 0);
  return n > 0 && p ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace scrv
