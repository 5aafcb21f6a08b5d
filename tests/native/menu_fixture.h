#pragma once
// Menus built in memory for the menu model's tests: a small editor's main menu and user menus,
// command strings, a plug-in list, and the record files the menus are kept in.

#include <map>
#include <ostream>

#include "menus/menu_item.h"
#include "menus/menu_labels.h"
#include "menus/menu_resources.h"
#include "menus/menu_storage.h"
#include "menus_ids.h"
#include "settings/memory_file_store.h"

namespace scrv {

inline void PrintTo(const MenuItem& item, std::ostream* os) {
  *os << "{kind " << static_cast<int>(item.kind) << ", command " << item.command << ", level "
      << static_cast<int>(item.level) << ", text " << item.text.size() << " units, target "
      << item.target.size() << " units}";
}

}  // namespace scrv

namespace scrv::menu_test {

inline ResourceMenuItem Cmd(uint32_t id, std::u16string text) {
  return {id, std::move(text), {}};
}
inline ResourceMenuItem Sep() {
  return {0, u"", {}};
}
inline ResourceMenuItem Sub(std::u16string text, std::vector<ResourceMenuItem> items) {
  return {kSubMenuId, std::move(text), std::move(items)};
}

inline MenuItem Item(MenuKind kind, uint16_t command, uint8_t level, std::u16string text = u"",
                     std::u16string target = u"") {
  return {std::move(text), std::move(target), command, level, kind};
}

class FakeMenuResources : public MenuResources {
 public:
  FakeMenuResources() {
    menus[IDR_MENU_MAIN] = {
        Sub(u"&File", {Cmd(4096, u"&New"), Cmd(4097, u"&Open..."), Sep(), Cmd(4122, u"E&xit")}),
        Sub(u"&Edit", {Cmd(4126, u"Cu&t"), Cmd(4127, u"&Copy"), Cmd(4129, u"&Paste"),
                       Sub(u"C&onvert", {Cmd(4200, u"&Upper Case"), Cmd(4201, u"&Lower Case")})}),
        Sub(u"&Empty", {}),
    };
    menus[IDR_MENU_USER] = {
        Sub(u"User", {Cmd(4200, u"&Upper Case"), Sep(), Cmd(4201, u"&Lower Case")})};
    strings = {{4096, u"Creates a new document\nNew"},
               {4097, u"Opens a document\nOpen..."},
               {4126, u"Cuts\nCut"},
               {4200, u"Converts to upper case\nUpper Case"},
               {4201, u"\nLower Case"}};
  }
  std::optional<std::vector<ResourceMenuItem>> LoadMenuResource(uint32_t id) override {
    auto it = menus.find(id);
    if (it == menus.end()) return std::nullopt;
    return it->second;
  }
  std::u16string LoadText(uint32_t id) override {
    auto it = strings.find(id);
    return it == strings.end() ? std::u16string() : it->second;
  }
  std::map<uint32_t, std::vector<ResourceMenuItem>> menus;
  std::map<uint32_t, std::u16string> strings;
};

class FakePlugIns : public PlugInLabels {
 public:
  struct PlugIn {
    std::u16string file, menuText, status;
  };
  explicit FakePlugIns(std::vector<PlugIn> list) : list_(std::move(list)) {}
  size_t Count() const override { return list_.size(); }
  std::u16string FileName(size_t i) const override { return list_[i].file; }
  std::u16string MenuText(size_t i) override { return list_[i].menuText; }
  std::u16string StatusText(size_t i) override { return list_[i].status; }

 private:
  std::vector<PlugIn> list_;
};

inline std::u16string RecordPath(std::u16string_view folder, std::u16string_view name) {
  return u"/appdata/" + std::u16string(folder) + u"/" + std::u16string(name) + u".bin";
}

// Record files in memory.
struct MemoryRecords {
  MemoryFileStore files;
  MenuRecordFiles Where() { return {RecordPath, &files}; }
  static std::u16string MenuPath(uint32_t index) {
    std::u16string name = u"Menu";
    if (index >= 10) name += static_cast<char16_t>(u'0' + index / 10);
    name += static_cast<char16_t>(u'0' + index % 10);
    return RecordPath(u"Common", name);
  }
  const MemoryFileStore::File* Menu(uint32_t index) const { return files.Find(MenuPath(index)); }
};

}  // namespace scrv::menu_test
