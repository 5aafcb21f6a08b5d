#include "settings/file_store_win.h"

#include <windows.h>

#include <new>

#include "base/text_win.h"
#include "settings/app_path.h"

namespace scrv {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kChunk = 1u << 30;

uint64_t Ticks(const FILETIME& t) {
  return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

bool LastWriteOf(const std::wstring& path, uint64_t* out) {
  WIN32_FILE_ATTRIBUTE_DATA a;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &a)) return false;
  *out = Ticks(a.ftLastWriteTime);
  return true;
}

bool ReadAll(HANDLE file, uint8_t* data, DWORD size) {
  for (DWORD done = 0; done < size;) {
    DWORD got = 0;
    if (!ReadFile(file, data + done, size - done, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

ReadResult ReadOpenFile(HANDLE file, uint64_t* lastWrite, std::vector<uint8_t>& out) {
  LARGE_INTEGER size;
  FILETIME written;
  if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 || size.QuadPart > 0xFFFFFFFFll ||
      !GetFileTime(file, nullptr, nullptr, &written))
    return ReadResult::kFailed;
  std::vector<uint8_t> data;
  try {
    data.resize(static_cast<size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return ReadResult::kFailed;
  }
  if (!ReadAll(file, data.data(), static_cast<DWORD>(size.QuadPart))) return ReadResult::kFailed;
  out = std::move(data);
  if (lastWrite) *lastWrite = Ticks(written);
  return ReadResult::kRead;
}

bool WriteAll(HANDLE file, const uint8_t* data, size_t size) {
  while (size > 0) {
    DWORD part = size < kChunk ? static_cast<DWORD>(size) : kChunk, written = 0;
    if (!WriteFile(file, data, part, &written, nullptr) || written != part) return false;
    data += part;
    size -= part;
  }
  return true;
}

// The temporary file gets every byte and is flushed to the disk before it may replace the
// target, so a crash or a full disk can never leave a half-written target behind.
bool WriteTemporary(const wchar_t* temp, const uint8_t* data, size_t size) {
  HANDLE file =
      CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, data, size) && FlushFileBuffers(file);
  DWORD error = GetLastError();
  if (!CloseHandle(file)) return false;
  SetLastError(error);
  return ok;
}

bool IsReadOnly(const std::wstring& path) {
  DWORD attrs = GetFileAttributesW(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

ReadResult Win32FileStore::ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                                         std::vector<uint8_t>& out) {
  std::wstring p = ToW(path);
  uint64_t current = 0;
  if (lastWrite && *lastWrite && LastWriteOf(p, &current) && current <= *lastWrite)
    return ReadResult::kUnchanged;
  HANDLE file = CreateFileW(p.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ReadResult::kFailed;
  ReadResult r = ReadOpenFile(file, lastWrite, out);
  CloseHandle(file);
  return r;
}

bool Win32FileStore::WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) {
  if (!data && size) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  std::wstring target = ToW(path);
  // A read-only target is the user's "keep this": refuse it as truncating it in place would,
  // rather than let the move decide (not every file system refuses the replacement).
  if (IsReadOnly(target)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  std::wstring folder = ToW(RemoveFileName(path));
  wchar_t temp[MAX_PATH];
  if (!GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"scr", 0, temp)) return false;
  bool ok = WriteTemporary(temp, data, size) &&
            MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) {
    DWORD error = GetLastError();
    DeleteFileW(temp);
    SetLastError(error);
  }
  return ok;
}

bool Win32FileStore::RemoveWholeFile(std::u16string_view path) {
  std::wstring target = ToW(path);
  if (DeleteFileW(target.c_str())) return true;
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace scrv
