#include "frame/key_names_win.h"

#include <algorithm>

namespace scrv {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

class Win32KeyNames final : public KeyNameSource {
 public:
  uint32_t ScanCode(uint32_t vk) override { return MapVirtualKeyW(vk, MAPVK_VK_TO_VSC); }

  // GetKeyNameTextW answers 0 both for a key without a name and for a failed call, so both
  // lead to the retry and the English names.
  std::u16string KeyNameText(uint32_t keyArgument) override {
    wchar_t buffer[128];
    int n = GetKeyNameTextW(static_cast<LONG>(keyArgument), buffer, 128);
    if (n <= 0) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(n));
  }

  bool IsLower(char16_t c) override { return IsCharLowerW(static_cast<WCHAR>(c)) != FALSE; }
  bool IsLetterOrDigit(char16_t c) override {
    return IsCharAlphaNumericW(static_cast<WCHAR>(c)) != FALSE;
  }
  // A pointer value below 0x10000 asks CharLowerW for that one character.
  char16_t ToLower(char16_t c) override {
    ULONG_PTR r = reinterpret_cast<ULONG_PTR>(
        CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c))));
    return static_cast<char16_t>(LOWORD(r));
  }
};

// Bounded copy that always terminates.
void CopyOut(const std::u16string& text, wchar_t* out, size_t capacity) {
  if (capacity == 0) return;
  size_t n = std::min(text.size(), capacity - 1);
  std::copy_n(reinterpret_cast<const wchar_t*>(text.data()), n, out);
  out[n] = L'\0';
}

}  // namespace

KeyNameSource& SystemKeyNames() {
  static Win32KeyNames names;
  return names;
}

void GetVirtualKeyName(wchar_t* buffer, int capacity, UINT vk) {
  if (!buffer || capacity <= 0) return;
  size_t cap = static_cast<size_t>(capacity);
  CopyOut(GetVirtualKeyName(SystemKeyNames(), vk, cap), buffer, cap);
}

void FormatAccelerator(wchar_t* out, const ACCEL& accel) {
  if (!out) return;
  Accelerator a;
  a.flags = accel.fVirt;
  a.key = accel.key;
  a.command = accel.cmd;
  CopyOut(FormatAccelerator(SystemKeyNames(), a), out, kAcceleratorTextCapacity);
}

}  // namespace scrv
