#pragma once
// Whole files on the Windows file system: read all of a file, or replace all of it through a
// temporary file in the same folder, so that the target is either the old file or the new one.

#include "settings/file_store.h"

namespace scrv {

class Win32FileStore : public FileStore {
 public:
  // Opens with sharing for read, write and delete, so a file the host has open can be read.
  ReadResult ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                           std::vector<uint8_t>& out) override;
  // Writes and flushes a temporary file beside the target, then moves it over the target
  // (replacing it, written through). On failure the temporary is removed, the target is as it
  // was, and the thread's last error tells why.
  bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) override;
  bool RemoveWholeFile(std::u16string_view path) override;
};

}  // namespace scrv
