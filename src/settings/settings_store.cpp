#include "settings/settings_store.h"

#include "settings/ini_encoding.h"

namespace scrv {

std::u16string_view ini_section::PseudoSectionName(SettingsHandle h) {
  switch (h) {
    case kCommon:
      return u"Common";
    case kMacros:
      return u"Macros";
    case kPlugIns:
      return u"PlugIns";
    case kRecentFile:
      return u"Recent File List";
    case kRecentFolder:
      return u"Recent Folder List";
    case kRecentFont:
      return u"Recent Font List";
    case kRecentInsert:
      return u"Recent Insert List";
    case kRecentWorkspace:
      return u"Recent Workspace List";
    case kActiveString:
      return u"ActiveString";
    default:
      return {};
  }
}

uint32_t SettingsStore::WriteString(SettingsHandle h, std::u16string_view name,
                                    std::u16string_view value, bool quote, const char16_t* def) {
  if (def && value == std::u16string_view(def)) {
    DeleteCommonValue(name);
    return 0;
  }
  return WriteStringValue(h, name, value, quote);
}

// A list is stored as one string of at most 2999 characters.
std::vector<std::u16string> SettingsStore::ReadStringList(SettingsHandle h,
                                                          std::u16string_view name) {
  return DecodeStringList(ReadString(h, name, 3000, u""));
}

uint32_t SettingsStore::WriteStringList(SettingsHandle h, std::u16string_view name,
                                        const std::vector<std::u16string>& items) {
  return WriteStringValue(h, name, EncodeStringList(items), false);
}

SettingsHandle SettingsStore::OpenCommon(bool forWriting) {
  if (IniMode()) return ini_section::kCommon;
  return OpenAppKey(u"Common", forWriting ? kCommonWriteFlags : kCommonReadFlags);
}

uint32_t SettingsStore::ReadCommonDword(std::u16string_view name, uint32_t def) {
  SettingsHandle h = OpenCommon(false);
  uint32_t v = ReadDword(h, name, def);
  CloseSettings(h);
  return v;
}

void SettingsStore::WriteCommonDword(std::u16string_view name, uint32_t value) {
  SettingsHandle h = OpenCommon(true);
  WriteDword(h, name, value);
  CloseSettings(h);
}

uint64_t SettingsStore::ReadCommonQword(std::u16string_view name, uint64_t def) {
  SettingsHandle h = OpenCommon(false);
  uint64_t v = ReadQword(h, name, def);
  CloseSettings(h);
  return v;
}

void SettingsStore::WriteCommonQword(std::u16string_view name, uint64_t value) {
  SettingsHandle h = OpenCommon(true);
  WriteQword(h, name, value);
  CloseSettings(h);
}

std::u16string SettingsStore::ReadCommonString(std::u16string_view name, size_t capacity,
                                               std::u16string_view def) {
  SettingsHandle h = OpenCommon(false);
  std::u16string v = ReadString(h, name, capacity, def);
  CloseSettings(h);
  return v;
}

uint32_t SettingsStore::WriteCommonString(std::u16string_view name, std::u16string_view value,
                                          const char16_t* def) {
  SettingsHandle h = OpenCommon(true);
  uint32_t rc = WriteString(h, name, value, false, def);
  CloseSettings(h);
  return rc;
}

uint32_t SettingsStore::DeleteCommonValue(std::u16string_view name) {
  SettingsHandle h = OpenCommon(true);
  uint32_t rc = DeleteValue(h, name, false);
  CloseSettings(h);
  return rc;
}

}  // namespace scrv
