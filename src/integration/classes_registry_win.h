#pragma once
// The shell's class entries in the registry: the current user's and the machine's
// "Software\Classes" and the merged classes root. Writes and deletions reach the current user's
// "Software\Classes" only, and never its root itself.

#include "integration/file_associations.h"

namespace scrv {

class WinClassesRegistry : public ClassesRegistry {
 public:
  std::vector<std::u16string> SubKeyNames(ClassesTree tree, std::u16string_view prefix) override;
  std::optional<std::u16string> ReadString(ClassesTree tree, std::u16string_view key,
                                           std::u16string_view name) override;
  bool WriteString(std::u16string_view key, std::u16string_view name,
                   std::u16string_view data) override;
  bool CreateKey(std::u16string_view key) override;
  bool DeleteTree(std::u16string_view key) override;
};

}  // namespace scrv
