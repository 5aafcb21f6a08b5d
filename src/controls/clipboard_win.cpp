#include "controls/clipboard_win.h"

#include <cstring>

#include "controls/clipboard_rows.h"

namespace scrv {

std::optional<std::u16string> ReadClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const size_t bytes = GlobalSize(data);
    if (const void* p = GlobalLock(data)) {
      text = ClipboardBlockText(p, bytes);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool WriteClipboardText(HWND owner, std::u16string_view text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  bool ok = false;
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (auto* p = static_cast<char16_t*>(GlobalLock(block))) {
      if (!text.empty()) std::memcpy(p, text.data(), text.size() * sizeof(char16_t));
      p[text.size()] = u'\0';
      GlobalUnlock(block);
      ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!ok) GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

}  // namespace scrv
