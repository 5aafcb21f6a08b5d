#include "controls/clipboard_text_win.h"

#include <algorithm>
#include <cstring>

namespace scrv {

bool PutClipboardText(HWND owner, const std::u16string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  bool ok = false;
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* p = GlobalLock(block)) {
      memcpy(p, text.c_str(), bytes);
      GlobalUnlock(block);
      ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!ok) GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

std::optional<std::u16string> GetClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const size_t units = GlobalSize(data) / sizeof(char16_t);
    if (const auto* p = static_cast<const char16_t*>(GlobalLock(data))) {
      text = std::u16string(p, std::find(p, p + units, u'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace scrv
