#pragma once
// Whole-file access for the record files and lists the library keeps: read all of a file, or
// replace all of it atomically (temporary file in the same folder, then replace), so that a
// failed write never costs the user the file they had.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scrv {

enum class ReadResult : int { kFailed = 0, kRead = 1, kUnchanged = 2 };

class FileStore {
 public:
  virtual ~FileStore() = default;
  // With a non-null, non-zero lastWrite that the file's last-write time is not later than,
  // answers kUnchanged without reading. Otherwise reads a file of 1 byte to below 4 GiB whole
  // and updates lastWrite (when given).
  virtual ReadResult ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                                   std::vector<uint8_t>& out) = 0;
  // Succeeds only when every byte was written; the old file stays intact otherwise.
  virtual bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) = 0;
  // Deletes a file; true when it is gone afterwards (also when there was none).
  virtual bool RemoveWholeFile(std::u16string_view path) = 0;
};

}  // namespace scrv
