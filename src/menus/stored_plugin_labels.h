#pragma once
// The enabled plug-ins as the menus name them, read from the plug-in list the host keeps in
// settings record 3, without loading any plug-in: a plug-in item is labelled with the plug-in's
// file name without its extension, and its status text is its stored path.
//
// Record 3: in the 32-bit list the version 0; per plug-in its key in the 64-bit list, its
// enabled flag in the byte list and its path in the text list.

#include <string>
#include <vector>

#include "menus/menu_labels.h"
#include "settings/file_store.h"
#include "settings/settings_record.h"

namespace scrv {

class StoredPlugInLabels : public PlugInLabels {
 public:
  // The enabled plug-ins of record 3; the nine standard plug-ins when the record cannot be
  // read, none for a version other than 0.
  StoredPlugInLabels(const BinPathBuilder& binPath, FileStore& files);
  explicit StoredPlugInLabels(std::vector<std::u16string> paths) : paths_(std::move(paths)) {}

  size_t Count() const override { return paths_.size(); }
  std::u16string FileName(size_t position) const override { return paths_[position]; }
  std::u16string MenuText(size_t position) override;
  std::u16string StatusText(size_t position) override { return paths_[position]; }

 private:
  std::vector<std::u16string> paths_;
};

}  // namespace scrv
