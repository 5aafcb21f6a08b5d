#include "settings/memory_settings.h"

#include <cstring>

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

RawValue MemorySettings::ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) {
  RawValue v;
  Values* values = Resolve(h);
  if (!values) return v;
  auto it = values->find(std::u16string(name));
  if (it == values->end()) return v;
  v.found = true;
  if (!ini_) {
    v.type = static_cast<uint32_t>(it->second.type);
    if (it->second.bytes.size() > capacity)
      v.tooLarge = true;
    else
      v.bytes = it->second.bytes;
    return v;
  }
  // What the profile functions return: one pair of surrounding quotes dropped, the text cut
  // to the buffer.
  std::u16string_view text = it->second.text;
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
    text = text.substr(1, text.size() - 2);
  if (capacity == 0)
    text = {};
  else if (text.size() > capacity - 1)
    text = text.substr(0, capacity - 1);
  v.type = static_cast<uint32_t>(ValueType::kString);
  v.bytes = Bytes(text.data(), text.size() * sizeof(char16_t));
  return v;
}

uint32_t MemorySettings::WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type,
                                  const void* data, size_t size) {
  Values* values = Resolve(h);
  if (!values) return kErrorInvalidHandle;
  StoredValue v;
  v.type = type;
  if (ini_)
    v.text.assign(static_cast<const char16_t*>(data), size / sizeof(char16_t));
  else
    v.bytes = Bytes(data, size);
  (*values)[std::u16string(name)] = std::move(v);
  return 0;
}

uint32_t MemorySettings::DeleteRaw(SettingsHandle h, std::u16string_view name) {
  Values* values = Resolve(h);
  if (!values) return kErrorInvalidHandle;
  return values->erase(std::u16string(name)) ? 0 : (ini_ ? 0 : kErrorFileNotFound);
}

}  // namespace scrv
