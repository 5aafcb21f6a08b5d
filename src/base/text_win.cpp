#include "base/text_win.h"

#include "base/module_state_win.h"

namespace scrv {

std::u16string FromAnsi(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return {};
  const int n = static_cast<int>(bytes.size());
  int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, nullptr, 0);
  if (units <= 0) return {};
  std::wstring out(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, out.data(), units);
  return ToU(out);
}

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
