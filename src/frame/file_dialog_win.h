#pragma once
// The system's open and save file dialogs: one set-up for every dialog that asks for a file.
// The file-type list is a string of the localisation module, "name|pattern|name|pattern|...|":
// its last character is the separator of its parts (a "|" or a tab).

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace scrv {

struct FileRequest {
  UINT typesStringId = 0;
  const wchar_t* defaultExtension = nullptr;  // without the dot; added to a name typed without one
  std::wstring file;                          // the name the dialog starts with
  std::wstring folder;                        // the folder it starts in
  bool save = false;                          // replacing a file is confirmed first
  bool multiple = false;                      // open only: several files may be chosen
};

struct ChosenFiles {
  std::vector<std::wstring> paths;  // whole paths, at least one
  int typeIndex = 1;                // the chosen entry of the type list, from 1
};

// The files the user chose (to open, they must exist), or nothing when the user cancelled.
std::optional<ChosenFiles> AskFiles(HWND owner, const FileRequest& request);

struct ChosenFile {
  std::wstring path;
  int typeIndex = 1;
};
std::optional<ChosenFile> AskFileToOpen(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension);
std::optional<ChosenFile> AskFileToSave(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension);

// The type list string `id` in the form the file dialogs take: the parts separated and the
// whole ended by zeros.
std::wstring FileDialogFilter(UINT id);

}  // namespace scrv
