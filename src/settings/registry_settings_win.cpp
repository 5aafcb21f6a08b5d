#include "settings/registry_settings_win.h"

#include <windows.h>

#include "frame/text_win.h"

namespace scrv {
namespace {

HKEY Key(SettingsHandle h) {
  return reinterpret_cast<HKEY>(h);
}

// Reads a value of one of the given types; false on any failure or a size other than `size`.
bool QueryExact(SettingsHandle h, std::u16string_view name, DWORD wantType, void* out, DWORD size) {
  if (!h) return false;
  DWORD type = 0, got = size;
  LONG rc =
      RegQueryValueExW(Key(h), ToW(name).c_str(), nullptr, &type, static_cast<BYTE*>(out), &got);
  return rc == ERROR_SUCCESS && type == wantType && got == size;
}

uint32_t SetValue(SettingsHandle h, std::u16string_view name, DWORD type, const void* data,
                  size_t size) {
  if (!h) return ERROR_INVALID_HANDLE;
  if (size > 0x7FFFFFFF) return ERROR_INVALID_PARAMETER;
  return static_cast<uint32_t>(RegSetValueExW(Key(h), ToW(name).c_str(), 0, type,
                                              static_cast<const BYTE*>(data),
                                              static_cast<DWORD>(size)));
}

}  // namespace

SettingsHandle RegistrySettings::OpenAppKey(std::u16string_view key, uint32_t flags) {
  std::wstring path = L"Software\\Korvan\\";
  if (!(flags & kNoProductKey)) path += L"Scrivlet v3\\";
  path += ToW(key);
  if (path.size() > 127) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HKEY root = (flags & kMachineWide) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  HKEY out = nullptr;
  LONG rc;
  if (flags & kOpenExisting) {
    REGSAM access = (flags & kReadOnly) ? KEY_READ : (KEY_READ | KEY_WRITE);
    rc = RegOpenKeyExW(root, path.c_str(), 0, access, &out);
  } else {
    rc = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &out,
                         nullptr);
  }
  if (rc != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(rc));
    return 0;
  }
  return reinterpret_cast<SettingsHandle>(out);
}

SettingsHandle RegistrySettings::OpenConfig(std::u16string_view name, uint32_t flags) {
  // An empty name would open "Config" itself and mix its values with the configurations'.
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SettingsHandle config = OpenAppKey(u"Config", flags);
  if (!config) return 0;
  HKEY out = nullptr;
  std::wstring sub = ToW(name);
  LONG rc = (flags & kOpenExisting)
                ? RegOpenKeyExW(Key(config), sub.c_str(), 0, KEY_READ | KEY_WRITE, &out)
                : RegCreateKeyExW(Key(config), sub.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                  nullptr, &out, nullptr);
  RegCloseKey(Key(config));
  if (rc != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(rc));
    return 0;
  }
  return reinterpret_cast<SettingsHandle>(out);
}

void RegistrySettings::CloseSettings(SettingsHandle h) {
  if (h) RegCloseKey(Key(h));
}

uint32_t RegistrySettings::ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) {
  uint32_t v;
  return QueryExact(h, name, REG_DWORD, &v, 4) ? v : def;
}

uint32_t RegistrySettings::WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) {
  return SetValue(h, name, REG_DWORD, &value, 4);
}

uint64_t RegistrySettings::ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) {
  uint64_t v;
  if (QueryExact(h, name, REG_QWORD, &v, 8)) return v;
  // A 4-byte DWORD is accepted too: the low half from it, the high half from the default.
  uint32_t low;
  if (QueryExact(h, name, REG_DWORD, &low, 4)) return (def & 0xFFFFFFFF00000000ull) | low;
  return def;
}

uint32_t RegistrySettings::WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) {
  return SetValue(h, name, REG_QWORD, &value, 8);
}

std::u16string RegistrySettings::ReadString(SettingsHandle h, std::u16string_view name,
                                            size_t capacity, std::u16string_view def) {
  if (capacity == 0) return {};
  std::u16string out;
  bool ok = false;
  if (h && capacity < 0x10000000) {
    std::wstring buf(capacity, L'\0');
    // A value longer than the buffer is a failed read (ERROR_MORE_DATA) and gives the default;
    // one that fills it exactly without a terminator is cut to capacity - 1 below.
    DWORD type = 0, bytes = static_cast<DWORD>(capacity * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(Key(h), ToW(name).c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buf.data()), &bytes);
    if (rc == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
      buf.resize(bytes / sizeof(wchar_t));
      if (size_t z = buf.find(L'\0'); z != std::wstring::npos) buf.resize(z);
      out = ToU(buf);
      ok = true;
    }
  }
  if (!ok) out = std::u16string(def);
  if (out.size() > capacity - 1) out.resize(capacity - 1);
  return out;
}

uint32_t RegistrySettings::WriteStringValue(SettingsHandle h, std::u16string_view name,
                                            std::u16string_view value, bool /*quote*/) {
  std::wstring v = ToW(value);
  return SetValue(h, name, REG_SZ, v.c_str(), (v.size() + 1) * sizeof(wchar_t));
}

bool RegistrySettings::ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer,
                                  size_t size) {
  if (size > 0x7FFFFFFF) return false;
  // Query the size first: a value of any other size must not touch the caller's buffer.
  DWORD type = 0, got = 0;
  if (!h ||
      RegQueryValueExW(Key(h), ToW(name).c_str(), nullptr, &type, nullptr, &got) != ERROR_SUCCESS ||
      type != REG_BINARY || got != size)
    return false;
  return QueryExact(h, name, REG_BINARY, buffer, static_cast<DWORD>(size));
}

std::optional<std::vector<uint8_t>> RegistrySettings::ReadBinaryAlloc(SettingsHandle h,
                                                                      std::u16string_view name) {
  if (!h) return std::nullopt;
  std::wstring n = ToW(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(Key(h), n.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_BINARY || size == 0)
    return std::nullopt;
  std::vector<uint8_t> data(size);
  DWORD got = size;
  if (RegQueryValueExW(Key(h), n.c_str(), nullptr, &type, data.data(), &got) != ERROR_SUCCESS ||
      type != REG_BINARY || got != size)
    return std::nullopt;
  return data;
}

uint32_t RegistrySettings::WriteBinary(SettingsHandle h, std::u16string_view name, const void* data,
                                       size_t size, bool /*suppressSizeValue*/) {
  if (!h) return ERROR_INVALID_HANDLE;
  if (!data) return static_cast<uint32_t>(RegDeleteValueW(Key(h), ToW(name).c_str()));
  return SetValue(h, name, REG_BINARY, data, size);
}

uint32_t RegistrySettings::DeleteValue(SettingsHandle h, std::u16string_view name,
                                       bool /*alsoSizeValue*/) {
  if (!h) return ERROR_INVALID_HANDLE;
  return static_cast<uint32_t>(RegDeleteValueW(Key(h), ToW(name).c_str()));
}

}  // namespace scrv
