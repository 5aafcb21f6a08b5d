#include "settings/registry_settings_win.h"

#include <windows.h>

#include "base/text_win.h"

namespace scrv {
namespace {

HKEY Key(SettingsHandle h) {
  return reinterpret_cast<HKEY>(h);
}

// Reads above this many bytes first ask for the value's size instead of offering a buffer of
// the whole capacity.
constexpr size_t kDirectReadLimit = 0x10000;

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

RawValue RegistrySettings::ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) {
  RawValue v;
  if (!h) return v;
  const std::wstring n = ToW(name);
  DWORD type = 0;
  if (capacity > kDirectReadLimit) {
    DWORD size = 0;
    if (RegQueryValueExW(Key(h), n.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return v;
    v.found = true;
    v.type = type;
    if (size > capacity) {
      v.tooLarge = true;
      return v;
    }
    capacity = size;
  }
  // A value longer than the buffer is reported (ERROR_MORE_DATA) rather than read in part.
  BYTE none = 0;
  v.bytes.resize(capacity);
  DWORD got = static_cast<DWORD>(capacity);
  LONG rc =
      RegQueryValueExW(Key(h), n.c_str(), nullptr, &type, capacity ? v.bytes.data() : &none, &got);
  if (rc == ERROR_MORE_DATA) {
    v = RawValue{true, true, type, {}};
  } else if (rc == ERROR_SUCCESS) {
    v.found = true;
    v.type = type;
    v.bytes.resize(got);
  } else {
    v = RawValue{};
  }
  return v;
}

uint32_t RegistrySettings::WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type,
                                    const void* data, size_t size) {
  if (!h) return kErrorInvalidHandle;
  if (size > 0x7FFFFFFF) return kErrorInvalidParameter;
  return static_cast<uint32_t>(
      RegSetValueExW(Key(h), ToW(name).c_str(), 0, static_cast<DWORD>(type),
                     static_cast<const BYTE*>(data), static_cast<DWORD>(size)));
}

uint32_t RegistrySettings::DeleteRaw(SettingsHandle h, std::u16string_view name) {
  if (!h) return kErrorInvalidHandle;
  return static_cast<uint32_t>(RegDeleteValueW(Key(h), ToW(name).c_str()));
}

}  // namespace scrv
