#include "frame/file_dialog_win.h"

#include <commdlg.h>

#include <cwchar>

#include "base/text_win.h"

namespace scrv {
namespace {

// Room for the folder and the names of many chosen files.
constexpr size_t kMultipleBufferUnits = 30000;

// A multiple choice comes back as the folder and then each name, zero-separated; a single file
// as its whole path.
std::vector<std::wstring> SplitChoice(const std::vector<wchar_t>& buffer) {
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer.data(); *p; p += wcslen(p) + 1) parts.emplace_back(p);
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts[0];
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> files;
  for (size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

std::optional<ChosenFile> First(std::optional<ChosenFiles> chosen) {
  if (!chosen) return std::nullopt;
  return ChosenFile{chosen->paths.front(), chosen->typeIndex};
}

}  // namespace

std::wstring FileDialogFilter(UINT id) {
  std::wstring filter = LoadResString(id);
  if (!filter.empty()) {
    const wchar_t separator = filter.back();
    for (wchar_t& c : filter)
      if (c == separator) c = L'\0';
  }
  filter.append(2, L'\0');  // c_str() adds one more: the list ends with an empty string
  return filter;
}

std::optional<ChosenFiles> AskFiles(HWND owner, const FileRequest& request) {
  const bool multiple = request.multiple && !request.save;
  std::vector<wchar_t> buffer(multiple ? kMultipleBufferUnits : MAX_PATH, L'\0');
  wcsncpy(buffer.data(), request.file.c_str(), buffer.size() - 1);
  const std::wstring types = FileDialogFilter(request.typesStringId);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = types.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
  ofn.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
  ofn.lpstrDefExt = request.defaultExtension;
  // The host's current folder is its own: the dialog must not move it.
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
              (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST) |
              (multiple ? OFN_ALLOWMULTISELECT : 0);
  if (!(request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
  ChosenFiles chosen{SplitChoice(buffer), static_cast<int>(ofn.nFilterIndex)};
  if (chosen.paths.empty()) return std::nullopt;
  return chosen;
}

std::optional<ChosenFile> AskFileToOpen(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension) {
  return First(AskFiles(owner, {typesStringId, defaultExtension}));
}

std::optional<ChosenFile> AskFileToSave(HWND owner, UINT typesStringId,
                                        const wchar_t* defaultExtension) {
  FileRequest request{typesStringId, defaultExtension};
  request.save = true;
  return First(AskFiles(owner, request));
}

}  // namespace scrv
