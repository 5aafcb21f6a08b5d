#include "frame/win_file_system_queries_win.h"

#include <shlwapi.h>

#include "base/text_win.h"

namespace scrv {

bool WinFileSystemQueries::IsDirectory(std::u16string_view path) const {
  return PathIsDirectoryW(ToW(path).c_str()) != FALSE;
}

bool WinFileSystemQueries::IsFile(std::u16string_view path) const {
  DWORD a = GetFileAttributesW(ToW(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<FolderEntry> WinFileSystemQueries::ListFolder(std::u16string_view folder) const {
  std::vector<FolderEntry> out;
  std::wstring pattern = ToW(folder);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return out;
  do {
    out.push_back({ToU(fd.cFileName), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return out;
}

}  // namespace scrv
