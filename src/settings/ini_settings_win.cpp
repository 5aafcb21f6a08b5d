#include "settings/ini_settings_win.h"

#include <windows.h>

#include <cstring>

#include "base/text_win.h"
#include "settings/ini_encoding.h"
#include "settings/unicode_ini_win.h"

namespace scrv {
namespace {

// Given as the default of a read, so that a missing value can be told from an empty one. A
// stored text of exactly this character therefore reads as missing.
constexpr wchar_t kMissing[] = L"\x01";

}  // namespace

IniSettings::Target IniSettings::Resolve(SettingsHandle h) const {
  Target t;
  if (h == 0) return t;
  if (h >= ini_section::kFirstPseudo) {
    std::u16string_view section = ini_section::PseudoSectionName(h);
    if (!section.empty()) {
      t.section = ToW(section);
      t.file = common_;
    }
    return t;
  }
  if (h > 0xFFFF) return t;  // atoms are 16-bit
  wchar_t name[261] = {};
  if (GetAtomNameW(static_cast<ATOM>(h), name, 261) > 0) {
    t.section = name;
    t.file = config_;
  }
  return t;
}

SettingsHandle IniSettings::OpenAppKey(std::u16string_view key, uint32_t flags) {
  // The common file stands for the user's product key only: nothing machine-wide, nothing
  // outside "Scrivlet v3".
  if (flags & (kMachineWide | kNoProductKey)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  static const SettingsHandle kPseudo[] = {
      ini_section::kCommon,       ini_section::kMacros,          ini_section::kPlugIns,
      ini_section::kRecentFile,   ini_section::kRecentFolder,    ini_section::kRecentFont,
      ini_section::kRecentInsert, ini_section::kRecentWorkspace, ini_section::kActiveString};
  for (SettingsHandle h : kPseudo)
    if (ini_section::PseudoSectionName(h) == key) return h;
  SetLastError(ERROR_FILE_NOT_FOUND);
  return 0;
}

SettingsHandle IniSettings::OpenConfig(std::u16string_view name, uint32_t /*flags*/) {
  if (name.empty() || name.size() > 255) return 0;
  return AddAtomW(ToW(name).c_str());
}

void IniSettings::CloseSettings(SettingsHandle h) {
  if (h && h < ini_section::kFirstPseudo && h <= 0xFFFF) DeleteAtom(static_cast<ATOM>(h));
}

uint32_t ReadIniDword(const std::wstring& section, std::u16string_view name, uint32_t def,
                      const std::wstring& file) {
  // Read as text rather than with GetPrivateProfileIntW, which answers 0 for a present but
  // non-numeric text: garbage must give the caller's default like every other failed read.
  wchar_t text[64] = {};
  DWORD n =
      GetPrivateProfileStringW(section.c_str(), ToW(name).c_str(), L"", text, 64, file.c_str());
  return ParseIniDword(ToU(std::wstring_view(text, n)), def);
}

RawValue IniSettings::ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) {
  RawValue v;
  Target t = Resolve(h);
  if (!t.ok() || capacity > 0x7FFFFFFF) return v;
  // Room for the marker of a missing value at least.
  std::wstring text(capacity < 2 ? 2 : capacity, L'\0');
  DWORD n = GetPrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), kMissing, text.data(),
                                     static_cast<DWORD>(text.size()), t.file->c_str());
  text.resize(n < text.size() ? n : text.size() - 1);
  if (text == kMissing) return v;
  v.found = true;
  v.type = static_cast<uint32_t>(ValueType::kString);
  v.bytes.resize(text.size() * sizeof(wchar_t));
  if (!text.empty()) memcpy(v.bytes.data(), text.data(), v.bytes.size());
  return v;
}

uint32_t IniSettings::WriteRaw(SettingsHandle h, std::u16string_view name, ValueType,
                               const void* data, size_t size) {
  Target t = Resolve(h);
  if (!t.ok()) return kErrorInvalidHandle;
  std::wstring text(static_cast<const wchar_t*>(data), size / sizeof(wchar_t));
  EnsureUnicodeIni(*t.file);
  if (!WritePrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), text.c_str(),
                                  t.file->c_str()))
    return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  return 0;
}

uint32_t IniSettings::DeleteRaw(SettingsHandle h, std::u16string_view name) {
  Target t = Resolve(h);
  if (!t.ok()) return kErrorInvalidHandle;
  // A file that cannot be written (read-only, locked) keeps the value: that is a failure.
  SetLastError(0);
  if (!WritePrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), nullptr, t.file->c_str()))
    return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  return 0;
}

}  // namespace scrv
