#pragma once
// The system's open and save file dialogs, with a file-type list that is a string of the
// localisation module: "name|pattern|name|pattern|...|".

#include <windows.h>

#include <optional>
#include <string>

namespace scrv {

struct ChosenFile {
  std::wstring path;
  int typeIndex = 1;  // the chosen entry of the type list, from 1
};

// The file to open (it must exist), or nothing when the user cancelled. `defaultExtension`
// (without the dot) is added to a name typed without one.
std::optional<ChosenFile> AskFileToOpen(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension);
// The file to save to (replacing one is confirmed first), or nothing when the user cancelled.
std::optional<ChosenFile> AskFileToSave(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension);

}  // namespace scrv
