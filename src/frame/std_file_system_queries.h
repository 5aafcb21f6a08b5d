#pragma once
// FileSystemQueries over std::filesystem, for native tests and tools: backslashes in the paths
// are taken as separators on systems whose separator is "/", and folder entries are listed in
// name order (the order an NTFS volume enumerates them in).

#include "frame/file_system_queries.h"

namespace scrv {

class StdFileSystemQueries : public FileSystemQueries {
 public:
  bool IsDirectory(std::u16string_view path) const override;
  bool IsFile(std::u16string_view path) const override;
  std::vector<FolderEntry> ListFolder(std::u16string_view folder) const override;
};

}  // namespace scrv
