#include "frame/file_dialog_win.h"

#include <commdlg.h>

#include <algorithm>

#include "base/text_win.h"

namespace scrv {
namespace {

// The type list in the form the file dialogs take: the parts separated and the whole ended by
// zeros.
std::wstring FileTypes(UINT stringId) {
  std::wstring types = LoadResString(stringId);
  std::replace(types.begin(), types.end(), L'|', L'\0');
  types.append(2, L'\0');
  return types;
}

std::optional<ChosenFile> Ask(HWND owner, UINT typesStringId, const wchar_t* defaultExtension,
                              bool save) {
  wchar_t path[MAX_PATH] = {};
  const std::wstring types = FileTypes(typesStringId);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = types.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = defaultExtension;
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
  return ChosenFile{path, static_cast<int>(ofn.nFilterIndex)};
}

}  // namespace

std::optional<ChosenFile> AskFileToOpen(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension) {
  return Ask(owner, typesStringId, defaultExtension, false);
}

std::optional<ChosenFile> AskFileToSave(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension) {
  return Ask(owner, typesStringId, defaultExtension, true);
}

}  // namespace scrv
