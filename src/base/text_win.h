#pragma once
// UTF-16 text crosses between the portable core (char16_t) and Win32 (wchar_t): on Windows
// both are 16-bit units, so the conversion is a reinterpretation, not a transcoding.

#include <windows.h>

#include <string>
#include <string_view>

#include "base/string_source.h"

namespace scrv {

inline const wchar_t* W(const std::u16string& s) {
  return reinterpret_cast<const wchar_t*>(s.c_str());
}
inline std::wstring ToW(std::u16string_view s) {
  return std::wstring(s.begin(), s.end());
}
inline std::u16string ToU(std::wstring_view s) {
  return std::u16string(s.begin(), s.end());
}
inline std::u16string ToU(const wchar_t* s) {
  return s ? ToU(std::wstring_view(s)) : std::u16string();
}

// Bounded copy that truncates and always terminates (capacity counts the terminator).
inline void CopyBounded(wchar_t* dst, size_t capacity, std::wstring_view src) {
  if (!dst || capacity == 0) return;
  size_t n = src.size() < capacity - 1 ? src.size() : capacity - 1;
  src.copy(dst, n);
  dst[n] = L'\0';
}

// Text in the system's ANSI code page (CP_ACP), whole; empty when it cannot be converted.
std::u16string FromAnsi(std::string_view bytes);

// The text of a window, whole.
std::wstring GetWindowTextString(HWND hwnd);
// A string of the localisation module; empty when it is missing.
std::wstring LoadResString(UINT id);

// The localisation module's strings for the portable code.
class ModuleStrings : public StringSource {
 public:
  std::u16string Load(uint32_t id) const override { return ToU(LoadResString(id)); }
};

}  // namespace scrv
