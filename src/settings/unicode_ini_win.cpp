#include "settings/unicode_ini_win.h"

#include <windows.h>

namespace scrv {
namespace {

bool IsFile(const std::wstring& path) {
  DWORD attrs = GetFileAttributesW(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool EnsureUnicodeIni(const std::wstring& path) {
  if (IsFile(path)) return true;
  // CREATE_NEW: never truncate a file that another writer created meanwhile.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    static const BYTE kBom[2] = {0xFF, 0xFE};
    DWORD written = 0;
    BOOL ok = WriteFile(file, kBom, sizeof kBom, &written, nullptr) && written == sizeof kBom;
    CloseHandle(file);
    if (!ok) DeleteFileW(path.c_str());
  }
  return IsFile(path);
}

}  // namespace scrv
