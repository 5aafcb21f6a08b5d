#pragma once
// Whole-file access through the standard library, for builds without the Win32 file calls.

#include "settings/file_store.h"

namespace scrv {

class StdFileStore : public FileStore {
 public:
  ReadResult ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                           std::vector<uint8_t>& out) override;
  // Writes a temporary file in the target's folder and renames it over the target once every
  // byte is written, so the old file stays whole when anything fails.
  bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) override;
  bool RemoveWholeFile(std::u16string_view path) override;
};

// A file's last-write time as a number that grows with the time and is never 0.
uint64_t LastWriteStamp(std::u16string_view path);

}  // namespace scrv
