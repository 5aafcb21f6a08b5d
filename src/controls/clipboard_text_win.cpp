#include "controls/clipboard_text_win.h"

#include <algorithm>

#include "controls/ole_object_win.h"

namespace scrv {

bool PutClipboardText(HWND owner, const std::u16string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL block = NewMovableBlock(text.c_str(), (text.size() + 1) * sizeof(char16_t));
  const bool ok = block && SetClipboardData(CF_UNICODETEXT, block);
  if (block && !ok) GlobalFree(block);
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
