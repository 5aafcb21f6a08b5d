#include "settings/memory_file_store.h"

namespace scrv {

ReadResult MemoryFileStore::ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                                          std::vector<uint8_t>& out) {
  auto it = files_.find(path);
  if (it == files_.end()) return ReadResult::kFailed;
  const File& f = it->second;
  if (lastWrite && *lastWrite && f.lastWrite <= *lastWrite) return ReadResult::kUnchanged;
  if (f.bytes.empty() || f.bytes.size() >= 0xFFFFFFFFull) return ReadResult::kFailed;
  out = f.bytes;
  if (lastWrite) *lastWrite = f.lastWrite;
  return ReadResult::kRead;
}

bool MemoryFileStore::WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) {
  if (failWrites) return false;
  File& f = files_[std::u16string(path)];
  f.bytes.assign(data, data + size);
  f.lastWrite = ++clock_;
  return true;
}

bool MemoryFileStore::RemoveWholeFile(std::u16string_view path) {
  if (failWrites) return !files_.count(path);
  auto it = files_.find(path);
  if (it != files_.end()) files_.erase(it);
  return true;
}

const MemoryFileStore::File* MemoryFileStore::Find(std::u16string_view path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

void MemoryFileStore::Put(std::u16string_view path, std::vector<uint8_t> bytes) {
  files_[std::u16string(path)] = File{std::move(bytes), ++clock_};
}

}  // namespace scrv
