#pragma once
// The compiled resources of the localisation module (a .res file: the build compiles the
// module's script for the native tests) read as the library reads them from the module: dialog
// templates by number and strings by number.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_res {

class ResourceFile {
 public:
  // An empty file when the build has no resource compiler.
  static const ResourceFile& Localisation() {
#ifdef SCRV_LOC_RES
    static const ResourceFile file(SCRV_LOC_RES);
#else
    static const ResourceFile file("");
#endif
    return file;
  }

  // The pseudo-localised module's resources, compiled from the same scripts.
  static const ResourceFile& PseudoLocalisation() {
#ifdef SCRV_PSEUDO_RES
    static const ResourceFile file(SCRV_PSEUDO_RES);
#else
    static const ResourceFile file("");
#endif
    return file;
  }

  const std::map<uint32_t, std::vector<uint8_t>>& Dialogs() const { return dialogs_; }
  const std::map<uint32_t, std::u16string>& Strings() const { return strings_; }

  bool Loaded() const {
    return !dialogs_.empty();
  }
  const std::vector<uint8_t>* Dialog(uint32_t id) const {
    auto it = dialogs_.find(id);
    return it == dialogs_.end() ? nullptr : &it->second;
  }
  std::u16string String(uint32_t id) const {
    auto it = strings_.find(id);
    return it == strings_.end() ? std::u16string() : it->second;
  }

 private:
  explicit ResourceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t at = 0; at + 32 <= d.size();) {
      const uint32_t dataSize = Dword(d, at), headerSize = Dword(d, at + 4);
      if (headerSize < 32 || at + headerSize + dataSize > d.size()) break;
      size_t p = at + 8;
      const std::optional<uint32_t> type = Ordinal(d, &p);
      const std::optional<uint32_t> name = Ordinal(d, &p);
      const uint8_t* data = d.data() + at + headerSize;
      if (type == 5u && name) dialogs_[*name].assign(data, data + dataSize);
      if (type == 6u && name) ReadStringBlock(*name, data, dataSize);
      at += headerSize + ((dataSize + 3) & ~3u);
    }
  }

  static uint32_t Word(const std::vector<uint8_t>& d, size_t at) {
    return d[at] | (d[at + 1] << 8);
  }
  static uint32_t Dword(const std::vector<uint8_t>& d, size_t at) {
    return Word(d, at) | (Word(d, at + 2) << 16);
  }
  // A type or name field: 0xFFFF and an ordinal, or a string (named resources are skipped).
  static std::optional<uint32_t> Ordinal(const std::vector<uint8_t>& d, size_t* p) {
    if (Word(d, *p) == 0xFFFF) {
      uint32_t v = Word(d, *p + 2);
      *p += 4;
      return v;
    }
    while (Word(d, *p) != 0) *p += 2;
    *p += 2;
    return std::nullopt;
  }
  // Block n holds strings (n - 1) * 16 to n * 16 - 1, each a length and its characters.
  void ReadStringBlock(uint32_t block, const uint8_t* data, uint32_t size) {
    size_t at = 0;
    for (uint32_t k = 0; k < 16 && at + 2 <= size; ++k) {
      const uint32_t len = data[at] | (data[at + 1] << 8);
      at += 2;
      if (at + len * 2 > size) return;
      std::u16string s;
      for (uint32_t c = 0; c < len; ++c)
        s.push_back(static_cast<char16_t>(data[at + 2 * c] | (data[at + 2 * c + 1] << 8)));
      at += len * 2;
      if (len) strings_[(block - 1) * 16 + k] = s;
    }
  }

  std::map<uint32_t, std::vector<uint8_t>> dialogs_;
  std::map<uint32_t, std::u16string> strings_;
};

}  // namespace testing_res
