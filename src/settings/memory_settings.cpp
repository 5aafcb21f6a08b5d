#include "settings/memory_settings.h"

#include <cstring>

#include "settings/ini_encoding.h"

namespace scrv {
namespace {

std::vector<uint8_t> Bytes(const void* p, size_t n) {
  const auto* b = static_cast<const uint8_t*>(p);
  return std::vector<uint8_t>(b, b + n);
}

}  // namespace

SettingsHandle MemorySettings::OpenAppKey(std::u16string_view key, uint32_t flags) {
  std::u16string path = (flags & kMachineWide) ? u"HKLM\\" : u"";
  if (flags & kNoProductKey) path += u"~\\";
  path += key;
  if ((flags & kOpenExisting) && !keys_.count(path)) return 0;
  keys_[path];
  SettingsHandle h = next_++;
  open_[h] = path;
  return h;
}

SettingsHandle MemorySettings::OpenConfig(std::u16string_view name, uint32_t flags) {
  if (ini_) {
    // Sections of the configuration file are named by the configuration.
    std::u16string section = u"Config:";
    section += name;
    keys_[section];
    SettingsHandle h = next_++;
    open_[h] = section;
    return h;
  }
  std::u16string key = u"Config\\";
  key += name;
  return OpenAppKey(key, flags);
}

void MemorySettings::CloseSettings(SettingsHandle h) {
  open_.erase(h);
}

MemorySettings::Values* MemorySettings::Resolve(SettingsHandle h) {
  if (ini_ && h >= ini_section::kFirstPseudo) {
    std::u16string_view section = ini_section::PseudoSectionName(h);
    if (section.empty()) return nullptr;
    return &keys_[std::u16string(section)];
  }
  auto it = open_.find(h);
  if (it == open_.end()) return nullptr;
  return &keys_[it->second];
}

const StoredValue* MemorySettings::Get(SettingsHandle h, std::u16string_view name) {
  Values* values = Resolve(h);
  if (!values) return nullptr;
  auto it = values->find(std::u16string(name));
  return it == values->end() ? nullptr : &it->second;
}

void MemorySettings::Put(SettingsHandle h, std::u16string_view name, StoredValue v) {
  if (Values* values = Resolve(h)) (*values)[std::u16string(name)] = std::move(v);
}

std::optional<std::u16string> MemorySettings::Text(SettingsHandle h, std::u16string_view name) {
  const StoredValue* v = Get(h, name);
  if (!v) return std::nullopt;
  return v->text;
}

const StoredValue* MemorySettings::Find(std::u16string_view key, std::u16string_view name) const {
  auto k = keys_.find(std::u16string(key));
  if (k == keys_.end()) return nullptr;
  auto v = k->second.find(std::u16string(name));
  return v == k->second.end() ? nullptr : &v->second;
}

void MemorySettings::PutRaw(std::u16string_view key, std::u16string_view name, ValueType type,
                            std::vector<uint8_t> bytes) {
  keys_[std::u16string(key)][std::u16string(name)] = StoredValue{type, std::move(bytes), {}};
}

void MemorySettings::PutText(std::u16string_view section, std::u16string_view name,
                             std::u16string_view text) {
  keys_[std::u16string(section)][std::u16string(name)] =
      StoredValue{ValueType::kString, {}, std::u16string(text)};
}

uint32_t MemorySettings::ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) {
  if (ini_) {
    auto t = Text(h, name);
    return t ? ParseIniDword(*t, def) : def;
  }
  const StoredValue* v = Get(h, name);
  if (!v || v->type != ValueType::kDword || v->bytes.size() != 4) return def;
  uint32_t out;
  std::memcpy(&out, v->bytes.data(), 4);
  return out;
}

uint32_t MemorySettings::WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) {
  if (!Resolve(h)) return 6;
  if (ini_)
    Put(h, name, {ValueType::kString, {}, EncodeIniDword(value)});
  else
    Put(h, name, {ValueType::kDword, Bytes(&value, 4), {}});
  return 0;
}

uint64_t MemorySettings::ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) {
  if (ini_) {
    auto t = Text(h, name);
    return t ? ParseIniQword(*t, def) : def;
  }
  const StoredValue* v = Get(h, name);
  if (!v) return def;
  if (v->type == ValueType::kQword && v->bytes.size() == 8) {
    uint64_t out;
    std::memcpy(&out, v->bytes.data(), 8);
    return out;
  }
  if (v->type == ValueType::kDword && v->bytes.size() == 4) {
    uint32_t low;
    std::memcpy(&low, v->bytes.data(), 4);
    return (def & 0xFFFFFFFF00000000ull) | low;
  }
  return def;
}

uint32_t MemorySettings::WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) {
  if (!Resolve(h)) return 6;
  if (ini_)
    Put(h, name, {ValueType::kString, {}, EncodeIniQword(value)});
  else
    Put(h, name, {ValueType::kQword, Bytes(&value, 8), {}});
  return 0;
}

std::u16string MemorySettings::ReadString(SettingsHandle h, std::u16string_view name,
                                          size_t capacity, std::u16string_view def) {
  if (capacity == 0) return {};
  std::u16string out(def);
  if (ini_) {
    if (auto t = Text(h, name)) {
      out = *t;
      // The profile functions drop one pair of surrounding quotes.
      if (out.size() >= 2 && out.front() == u'"' && out.back() == u'"')
        out = out.substr(1, out.size() - 2);
    }
  } else if (const StoredValue* v = Get(h, name); v && v->type == ValueType::kString) {
    out.assign(reinterpret_cast<const char16_t*>(v->bytes.data()), v->bytes.size() / 2);
    if (auto z = out.find(u'\0'); z != std::u16string::npos) out.resize(z);
  }
  if (out.size() > capacity - 1) out.resize(capacity - 1);
  return out;
}

uint32_t MemorySettings::WriteStringValue(SettingsHandle h, std::u16string_view name,
                                          std::u16string_view value, bool quote) {
  if (!Resolve(h)) return 6;
  if (ini_) {
    Put(h, name, {ValueType::kString, {}, quote ? QuoteIniString(value) : std::u16string(value)});
  } else {
    std::u16string z(value);
    z += u'\0';
    Put(h, name, {ValueType::kString, Bytes(z.data(), z.size() * 2), {}});
  }
  return 0;
}

bool MemorySettings::ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer,
                                size_t size) {
  if (ini_) {
    auto t = Text(h, name);
    if (!t) return false;
    auto bytes = DecodeIniBinary(*t, size);
    if (!bytes) return false;
    if (size) std::memcpy(buffer, bytes->data(), size);
    return true;
  }
  const StoredValue* v = Get(h, name);
  if (!v || v->type != ValueType::kBinary || v->bytes.size() != size) return false;
  if (size) std::memcpy(buffer, v->bytes.data(), size);
  return true;
}

std::optional<std::vector<uint8_t>> MemorySettings::ReadBinaryAlloc(SettingsHandle h,
                                                                    std::u16string_view name) {
  if (ini_) {
    auto sizeText = Text(h, IniSizeValueName(name));
    if (!sizeText) return std::nullopt;
    int32_t size = static_cast<int32_t>(ParseIniDword(*sizeText, 0));
    if (size <= 0) return std::nullopt;
    auto t = Text(h, name);
    if (!t) return std::nullopt;
    return DecodeIniBinary(*t, static_cast<size_t>(size));
  }
  const StoredValue* v = Get(h, name);
  if (!v || v->type != ValueType::kBinary) return std::nullopt;
  return v->bytes;
}

uint32_t MemorySettings::WriteBinary(SettingsHandle h, std::u16string_view name, const void* data,
                                     size_t size, bool suppressSizeValue) {
  Values* values = Resolve(h);
  if (!values) return 6;
  if (ini_) {
    if (!suppressSizeValue)
      Put(h, IniSizeValueName(name),
          {ValueType::kString, {}, EncodeIniDword(static_cast<uint32_t>(size))});
    if (data)
      Put(h, name,
          {ValueType::kString, {}, EncodeIniBinary(static_cast<const uint8_t*>(data), size)});
    return 0;
  }
  if (!data) {
    values->erase(std::u16string(name));
    return 0;
  }
  Put(h, name, {ValueType::kBinary, Bytes(data, size), {}});
  return 0;
}

uint32_t MemorySettings::DeleteValue(SettingsHandle h, std::u16string_view name,
                                     bool alsoSizeValue) {
  Values* values = Resolve(h);
  if (!values) return kErrorFileNotFound;
  auto it = values->find(std::u16string(name));
  if (ini_) {
    if (it == values->end() || it->second.text.empty()) return kErrorFileNotFound;
    values->erase(it);
    if (alsoSizeValue) values->erase(IniSizeValueName(name));
    return 0;
  }
  if (it == values->end()) return kErrorFileNotFound;
  values->erase(it);
  return 0;
}

}  // namespace scrv
