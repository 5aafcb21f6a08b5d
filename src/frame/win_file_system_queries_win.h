#pragma once
// The file system questions of the companion-file search, answered by the platform.

#include "frame/file_system_queries.h"

namespace scrv {

class WinFileSystemQueries : public FileSystemQueries {
 public:
  bool IsDirectory(std::u16string_view path) const override;
  bool IsFile(std::u16string_view path) const override;
  std::vector<FolderEntry> ListFolder(std::u16string_view folder) const override;
};

}  // namespace scrv
