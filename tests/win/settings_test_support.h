#pragma once
// Helpers shared by the settings tests: the product's registry keys written and read with the
// raw registry API (to plant values of the wrong type or size), profile text read back, and
// folders removed after a test.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace settings_test {

inline std::u16string U(const std::wstring& s) {
  return std::u16string(s.begin(), s.end());
}

inline const std::wstring kProductKey = L"Software\\Korvan\\Scrivlet v3\\";

// Sets a value below HKEY_CURRENT_USER\Software\Korvan\Scrivlet v3\<key>, creating the key.
inline LONG SetRawValue(const std::wstring& key, const std::wstring& name, DWORD type,
                        const void* data, DWORD size, HKEY root = HKEY_CURRENT_USER) {
  return RegSetKeyValueW(root, (kProductKey + key).c_str(), name.c_str(), type, data, size);
}

struct RawValue {
  LONG status = ERROR_FILE_NOT_FOUND;
  DWORD type = 0;
  std::vector<BYTE> bytes;
};

inline RawValue GetRawValue(const std::wstring& key, const std::wstring& name,
                            HKEY root = HKEY_CURRENT_USER) {
  RawValue v;
  DWORD size = 0;
  std::wstring path = kProductKey + key;
  v.status = RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &v.type,
                          nullptr, &size);
  if (v.status != ERROR_SUCCESS) return v;
  v.bytes.resize(size);
  v.status = RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &v.type,
                          v.bytes.data(), &size);
  v.bytes.resize(size);
  return v;
}

// The key names of a section, in file order (GetPrivateProfileStringW with no key).
inline std::vector<std::wstring> IniKeys(const std::wstring& file, const std::wstring& section) {
  std::vector<wchar_t> buf(8192);
  DWORD n = GetPrivateProfileStringW(section.c_str(), nullptr, L"", buf.data(),
                                     static_cast<DWORD>(buf.size()), file.c_str());
  std::vector<std::wstring> keys;
  for (DWORD i = 0; i < n;) {
    std::wstring k(buf.data() + i);
    i += static_cast<DWORD>(k.size()) + 1;
    if (!k.empty()) keys.push_back(k);
  }
  return keys;
}

inline void RemoveTree(const std::wstring& path) {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(path), ec);
}

// The file names in a folder (no subfolders, no "." entries).
inline std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return names;
}

}  // namespace settings_test
