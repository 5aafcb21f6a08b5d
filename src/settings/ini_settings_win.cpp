#include "settings/ini_settings_win.h"

#include <windows.h>

#include <cstring>

#include "frame/text_win.h"
#include "settings/ini_encoding.h"
#include "settings/unicode_ini_win.h"

namespace scrv {
namespace {

// The largest binary value a profile text is read for; the companion count of a value is
// outside data and is never trusted beyond it.
constexpr size_t kMaxBinarySize = 0x100000;

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

uint32_t IniSettings::ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) {
  Target t = Resolve(h);
  if (!t.ok()) return def;
  return ReadIniDword(t.section, name, def, *t.file);
}

uint32_t IniSettings::WriteText(const Target& t, std::u16string_view name,
                                const std::wstring& text) {
  if (!t.ok()) return ERROR_INVALID_HANDLE;
  // A line break would end the value early and turn the rest into a line of its own (a
  // forged key or section) that every later reader of the file believes.
  if (text.find_first_of(L"\r\n") != std::wstring::npos) return ERROR_INVALID_DATA;
  EnsureUnicodeIni(*t.file);
  if (!WritePrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), text.c_str(),
                                  t.file->c_str()))
    return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  return 0;
}

uint32_t IniSettings::WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) {
  return WriteText(Resolve(h), name, ToW(EncodeIniDword(value)));
}

uint64_t IniSettings::ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) {
  std::u16string text = ReadString(h, name, 64, u"");
  return ParseIniQword(text, def);
}

uint32_t IniSettings::WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) {
  return WriteText(Resolve(h), name, ToW(EncodeIniQword(value)));
}

std::u16string IniSettings::ReadString(SettingsHandle h, std::u16string_view name, size_t capacity,
                                       std::u16string_view def) {
  if (capacity == 0) return {};
  Target t = Resolve(h);
  std::u16string out(def);
  if (t.ok() && capacity < 0x10000000) {
    std::wstring buf(capacity, L'\0');
    DWORD n = GetPrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), ToW(def).c_str(),
                                       buf.data(), static_cast<DWORD>(capacity), t.file->c_str());
    buf.resize(n < capacity ? n : capacity - 1);
    out = ToU(buf);
  }
  if (out.size() > capacity - 1) out.resize(capacity - 1);
  return out;
}

uint32_t IniSettings::WriteStringValue(SettingsHandle h, std::u16string_view name,
                                       std::u16string_view value, bool quote) {
  return WriteText(Resolve(h), name, ToW(quote ? QuoteIniString(value) : std::u16string(value)));
}

bool IniSettings::ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer,
                             size_t size) {
  Target t = Resolve(h);
  if (!t.ok() || size > kMaxBinarySize) return false;
  // Decoded here rather than by GetPrivateProfileStructW, which (depending on the system)
  // accepts trailing digits after the checksum and fills the caller's buffer before it checks
  // the checksum. The text must be exactly the encoding of `size` bytes; one character more
  // than that is read so that a longer text is seen and refused.
  std::wstring text(size * 2 + 4, L'\0');
  DWORD n = GetPrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), L"", text.data(),
                                     static_cast<DWORD>(text.size()), t.file->c_str());
  text.resize(n);
  std::optional<std::vector<uint8_t>> bytes = DecodeIniBinary(ToU(text), size);
  if (!bytes) return false;
  if (size) memcpy(buffer, bytes->data(), size);
  return true;
}

std::optional<std::vector<uint8_t>> IniSettings::ReadBinaryAlloc(SettingsHandle h,
                                                                 std::u16string_view name) {
  std::u16string sizeName = IniSizeValueName(name);
  if (sizeName.size() > 79) return std::nullopt;
  int size = static_cast<int>(ReadDword(h, sizeName, 0));
  if (size <= 0 || static_cast<size_t>(size) > kMaxBinarySize) return std::nullopt;
  std::vector<uint8_t> data(static_cast<size_t>(size));
  if (!ReadBinary(h, name, data.data(), data.size())) return std::nullopt;
  return data;
}

uint32_t IniSettings::WriteBinary(SettingsHandle h, std::u16string_view name, const void* data,
                                  size_t size, bool suppressSizeValue) {
  Target t = Resolve(h);
  if (!t.ok()) return ERROR_INVALID_HANDLE;
  if (size > kMaxBinarySize) return ERROR_INVALID_PARAMETER;
  if (!data) {
    // As in the registry, no data removes the value, and with it the byte count it had.
    WritePrivateProfileStringW(t.section.c_str(), ToW(name).c_str(), nullptr, t.file->c_str());
    WritePrivateProfileStringW(t.section.c_str(), ToW(IniSizeValueName(name)).c_str(), nullptr,
                               t.file->c_str());
    return 0;
  }
  if (!suppressSizeValue) {
    uint32_t rc =
        WriteText(t, IniSizeValueName(name), ToW(EncodeIniDword(static_cast<uint32_t>(size))));
    if (rc) return rc;
  }
  EnsureUnicodeIni(*t.file);
  if (!WritePrivateProfileStructW(t.section.c_str(), ToW(name).c_str(), const_cast<void*>(data),
                                  static_cast<UINT>(size), t.file->c_str()))
    return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  return 0;
}

uint32_t IniSettings::DeleteValue(SettingsHandle h, std::u16string_view name, bool alsoSizeValue) {
  Target t = Resolve(h);
  if (!t.ok()) return ERROR_FILE_NOT_FOUND;
  std::wstring n = ToW(name);
  wchar_t probe[2] = {};
  if (GetPrivateProfileStringW(t.section.c_str(), n.c_str(), L"", probe, 2, t.file->c_str()) == 0)
    return ERROR_FILE_NOT_FOUND;
  WritePrivateProfileStringW(t.section.c_str(), n.c_str(), nullptr, t.file->c_str());
  if (alsoSizeValue)
    WritePrivateProfileStringW(t.section.c_str(), ToW(IniSizeValueName(name)).c_str(), nullptr,
                               t.file->c_str());
  return 0;
}

}  // namespace scrv
