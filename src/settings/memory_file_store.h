#pragma once
// Whole files kept in memory, for native tests and benchmarks: each write stamps the file with
// the next tick of a private clock, so "changed since the last load" behaves as on disk.

#include <map>

#include "settings/file_store.h"

namespace scrv {

class MemoryFileStore : public FileStore {
 public:
  struct File {
    std::vector<uint8_t> bytes;
    uint64_t lastWrite = 0;
  };

  ReadResult ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                           std::vector<uint8_t>& out) override;
  bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) override;
  bool RemoveWholeFile(std::u16string_view path) override;

  // Test access.
  const File* Find(std::u16string_view path) const;
  void Put(std::u16string_view path, std::vector<uint8_t> bytes);
  void Remove(std::u16string_view path) { files_.erase(std::u16string(path)); }
  // While set, every write fails and leaves the files as they were, like a full disk.
  bool failWrites = false;

 private:
  std::map<std::u16string, File, std::less<>> files_;
  uint64_t clock_ = 0;
};

}  // namespace scrv
