#pragma once
// The few file system questions the library asks when it locates its companion files (language
// folders, resource modules). Paths use the platform's backslash separators; the Win32 layer
// answers with PathIsDirectoryW, GetFileAttributesW and FindFirstFileW/FindNextFileW.

#include <string>
#include <string_view>
#include <vector>

namespace scrv {

struct FolderEntry {
  std::u16string name;       // the entry's own name, without the folder
  bool isDirectory = false;  // the directory attribute of the entry
};

class FileSystemQueries {
 public:
  virtual ~FileSystemQueries() = default;
  // Whether the path names an existing folder.
  virtual bool IsDirectory(std::u16string_view path) const = 0;
  // Whether the path names an existing file that is not a folder.
  virtual bool IsFile(std::u16string_view path) const = 0;
  // The entries of the folder ("folder\*") in the order the file system enumerates them,
  // including "." and ".." where the platform reports them; empty when it cannot be read.
  virtual std::vector<FolderEntry> ListFolder(std::u16string_view folder) const = 0;
};

}  // namespace scrv
