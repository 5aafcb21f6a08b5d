#include "customize/customize_search_win.h"

#include <windows.h>

#include "base/module_state_win.h"
#include "base/text_win.h"

namespace scrv {
namespace {

class LocalisationModule : public TemplateSource, public StringSource {
 public:
  std::span<const uint8_t> Template(uint32_t id) const override {
    HMODULE module = Module().resourceModule;
    HRSRC res = module ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG) : nullptr;
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return {static_cast<const uint8_t*>(bytes), SizeofResource(module, res)};
  }
  std::u16string Load(uint32_t id) const override { return ToU(LoadResString(id)); }
};

}  // namespace

const SearchIndex& CustomizeSearchIndex() {
  // The localisation module is chosen once, when the library loads.
  static const SearchIndex index = [] {
    const LocalisationModule module;
    return BuildCustomizeIndex(module, module);
  }();
  return index;
}

}  // namespace scrv
