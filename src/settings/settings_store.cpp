#include "settings/settings_store.h"

#include <cstring>

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

namespace {

// The largest capacity a string read is made with; anything above is a caller's mistake.
constexpr size_t kMaxStringCapacity = 0x10000000;
// The companion byte count's name is refused beyond this (the profile functions' key limit).
constexpr size_t kMaxIniSizeNameLength = 79;

template <class T>
std::optional<T> Fixed(const RawValue& v, ValueType type) {
  if (!v.found || v.tooLarge || v.type != static_cast<uint32_t>(type) ||
      v.bytes.size() != sizeof(T))
    return std::nullopt;
  T out;
  std::memcpy(&out, v.bytes.data(), sizeof out);
  return out;
}

std::u16string Units(const std::vector<uint8_t>& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  if (!out.empty()) std::memcpy(out.data(), bytes.data(), out.size() * 2);
  return out;
}

}  // namespace

std::optional<std::u16string> SettingsStore::ReadText(SettingsHandle h, std::u16string_view name,
                                                      size_t capacity) {
  RawValue v = ReadRaw(h, name, capacity);
  if (!v.found) return std::nullopt;
  std::u16string text = Units(v.bytes);
  if (capacity && text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

uint32_t SettingsStore::WriteText(SettingsHandle h, std::u16string_view name,
                                  std::u16string_view text) {
  if (text.find_first_of(u"\r\n") != std::u16string_view::npos) return kErrorInvalidData;
  return WriteRaw(h, name, ValueType::kString, text.data(), text.size() * sizeof(char16_t));
}

uint32_t SettingsStore::ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) {
  if (IniMode()) {
    std::optional<std::u16string> text = ReadText(h, name, 64);
    return text ? ParseIniDword(*text, def) : def;
  }
  return Fixed<uint32_t>(ReadRaw(h, name, 4), ValueType::kDword).value_or(def);
}

uint32_t SettingsStore::WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) {
  if (IniMode()) return WriteText(h, name, EncodeIniDword(value));
  return WriteRaw(h, name, ValueType::kDword, &value, sizeof value);
}

uint64_t SettingsStore::ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) {
  if (IniMode()) return ParseIniQword(ReadText(h, name, 64).value_or(u""), def);
  RawValue v = ReadRaw(h, name, 8);
  if (std::optional<uint64_t> q = Fixed<uint64_t>(v, ValueType::kQword)) return *q;
  if (std::optional<uint32_t> low = Fixed<uint32_t>(v, ValueType::kDword))
    return (def & 0xFFFFFFFF00000000ull) | *low;
  return def;
}

uint32_t SettingsStore::WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) {
  if (IniMode()) return WriteText(h, name, EncodeIniQword(value));
  return WriteRaw(h, name, ValueType::kQword, &value, sizeof value);
}

std::u16string SettingsStore::ReadString(SettingsHandle h, std::u16string_view name,
                                         size_t capacity, std::u16string_view def) {
  if (capacity == 0) return {};
  std::optional<std::u16string> out;
  if (capacity < kMaxStringCapacity) {
    if (IniMode()) {
      out = ReadText(h, name, capacity);
    } else {
      RawValue v = ReadRaw(h, name, capacity * sizeof(char16_t));
      if (v.found && !v.tooLarge &&
          (v.type == static_cast<uint32_t>(ValueType::kString) ||
           v.type == static_cast<uint32_t>(ValueType::kExpandString))) {
        out = Units(v.bytes);
        if (size_t z = out->find(u'\0'); z != std::u16string::npos) out->resize(z);
      }
    }
  }
  std::u16string text = out ? std::move(*out) : std::u16string(def);
  if (text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

bool SettingsStore::ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer,
                               size_t size) {
  if (IniMode()) {
    if (size > kMaxIniBinarySize) return false;
    // One unit more than the encoding of `size` bytes is read, so that a longer text is seen
    // and refused.
    std::optional<std::u16string> text = ReadText(h, name, size * 2 + 4);
    std::optional<std::vector<uint8_t>> bytes;
    if (text) bytes = DecodeIniBinary(*text, size);
    if (!bytes) return false;
    if (size) std::memcpy(buffer, bytes->data(), size);
    return true;
  }
  if (size > 0x7FFFFFFF) return false;
  RawValue v = ReadRaw(h, name, size);
  if (!v.found || v.tooLarge || v.type != static_cast<uint32_t>(ValueType::kBinary) ||
      v.bytes.size() != size)
    return false;
  if (size) std::memcpy(buffer, v.bytes.data(), size);
  return true;
}

std::optional<std::vector<uint8_t>> SettingsStore::ReadBinaryAlloc(SettingsHandle h,
                                                                   std::u16string_view name) {
  if (IniMode()) {
    std::u16string sizeName = IniSizeValueName(name);
    if (sizeName.size() > kMaxIniSizeNameLength) return std::nullopt;
    int32_t size = static_cast<int32_t>(ReadDword(h, sizeName, 0));
    if (size <= 0 || static_cast<size_t>(size) > kMaxIniBinarySize) return std::nullopt;
    std::vector<uint8_t> data(static_cast<size_t>(size));
    if (!ReadBinary(h, name, data.data(), data.size())) return std::nullopt;
    return data;
  }
  RawValue v = ReadRaw(h, name, kAnySize);
  if (!v.found || v.tooLarge || v.type != static_cast<uint32_t>(ValueType::kBinary) ||
      v.bytes.empty())
    return std::nullopt;
  return std::move(v.bytes);
}

uint32_t SettingsStore::WriteBinary(SettingsHandle h, std::u16string_view name, const void* data,
                                    size_t size, bool suppressSizeValue) {
  if (!IniMode()) {
    if (!data) return DeleteRaw(h, name);
    return WriteRaw(h, name, ValueType::kBinary, data, size);
  }
  if (size > kMaxIniBinarySize) return kErrorInvalidParameter;
  if (!data) {
    // As in the registry, no data removes the value, and with it the byte count it had.
    if (DeleteRaw(h, name) == kErrorInvalidHandle) return kErrorInvalidHandle;
    DeleteRaw(h, IniSizeValueName(name));
    return 0;
  }
  if (!suppressSizeValue) {
    uint32_t rc = WriteText(h, IniSizeValueName(name), EncodeIniDword(static_cast<uint32_t>(size)));
    if (rc) return rc;
  }
  return WriteText(h, name, EncodeIniBinary(static_cast<const uint8_t*>(data), size));
}

uint32_t SettingsStore::DeleteValue(SettingsHandle h, std::u16string_view name,
                                    bool alsoSizeValue) {
  if (!IniMode()) return DeleteRaw(h, name);
  std::optional<std::u16string> probe = ReadText(h, name, 2);
  if (!probe || probe->empty()) return kErrorFileNotFound;
  if (const uint32_t rc = DeleteRaw(h, name)) return rc;
  return alsoSizeValue ? DeleteRaw(h, IniSizeValueName(name)) : 0;
}

uint32_t SettingsStore::WriteString(SettingsHandle h, std::u16string_view name,
                                    std::u16string_view value, bool quote, const char16_t* def) {
  if (def && value == std::u16string_view(def)) {
    DeleteCommonValue(name);
    return 0;
  }
  if (IniMode()) return WriteText(h, name, quote ? QuoteIniString(value) : std::u16string(value));
  std::u16string z(value);
  z += u'\0';
  return WriteRaw(h, name, ValueType::kString, z.data(), z.size() * sizeof(char16_t));
}

bool SettingsStore::HasValue(SettingsHandle h, std::u16string_view name) {
  return ReadRaw(h, name, 4).found;
}

// A list is stored as one string of at most 2999 characters.

std::vector<std::u16string> SettingsStore::ReadStringList(SettingsHandle h,
                                                          std::u16string_view name) {
  return DecodeStringList(ReadString(h, name, 3000, u""));
}

uint32_t SettingsStore::WriteStringList(SettingsHandle h, std::u16string_view name,
                                        const std::vector<std::u16string>& items) {
  return WriteString(h, name, EncodeStringList(items));
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
