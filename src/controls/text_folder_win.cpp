#include "controls/text_folder_win.h"

#include <windows.h>

namespace scrv {

std::u16string WinTextFolder::Fold(std::u16string_view text) const {
  std::u16string out(text);
  if (!out.empty())
    CharLowerBuffW(reinterpret_cast<wchar_t*>(out.data()), static_cast<DWORD>(out.size()));
  return out;
}

}  // namespace scrv
