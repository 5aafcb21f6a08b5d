// Menu records are written by the host and by older versions and can be anything: the reader
// must take what is whole, keep every field within its limits, and give a list that the editor
// builds into a tree and writes back unchanged.
//
// The first byte chooses how the rest is read: 0 as a whole record file of menu 0 (the magic
// word is put in front), anything else as the record's lists filled directly (a version, a
// count and values for both stored forms).

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "menus/menu_set.h"
#include "menus/menu_storage.h"
#include "menus/menu_tree.h"

namespace {

using namespace scrv;

class NoResources : public MenuResources {
 public:
  std::optional<std::vector<ResourceMenuItem>> LoadMenuResource(uint32_t) override {
    return std::vector<ResourceMenuItem>{
        {kSubMenuId, u"&File", {{4096, u"&New", {}}, {0, u"", {}}, {4097, u"&Open", {}}}},
        {kSubMenuId, u"&Edit", {{4126, u"Cu&t", {}}}}};
  }
  std::u16string LoadText(uint32_t id) override { return id == 4097 ? u"Opens\nOpen" : u""; }
};

void Fill(FuzzedDataProvider& in, SettingsRecord& record) {
  const uint8_t version = in.ConsumeIntegral<uint8_t>();
  record.AddDword(version < 128 ? 1 : version < 250 ? 0 : version);
  while (in.remaining_bytes()) {
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
      case 0:
        record.AddDword(in.ConsumeIntegral<uint32_t>());
        break;
      case 1:
        record.AddWord(in.ConsumeIntegral<uint16_t>());
        break;
      case 2:
        record.AddBit(in.ConsumeBool());
        break;
      case 3: {
        std::string bytes = in.ConsumeRandomLengthString(600);
        record.AddText(std::u16string(bytes.begin(), bytes.end()));
        break;
      }
      case 4:
        for (int i = in.ConsumeIntegralInRange<int>(0, 22); i > 0; --i)
          record.AddBit(in.ConsumeBool());
    }
  }
}

void Check(const MenuList& items) {
  for (const MenuItem& item : items)
    if (item.level > kMaxMenuLevel || item.text.size() > kMenuTextMax ||
        item.target.size() > kMenuTargetMax || static_cast<uint8_t>(item.kind) >= kMenuKindCount)
      std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  SettingsRecord record(u"menu", 0xFF2900, RecordTextEncoding::kUtf16);
  if (data[0] == 0) {
    std::vector<uint8_t> file = {0x00, 0x29, 0xFF, 0x00};
    file.insert(file.end(), data + 1, data + size);
    RecordLists lists;
    if (!ParseRecordFile(file.data(), file.size(), 0xFF2900, RecordTextEncoding::kUtf16, lists))
      return 0;
    for (uint32_t d : lists.dwords) record.AddDword(d);
    for (uint16_t w : lists.words) record.AddWord(w);
    for (bool b : lists.bits) record.AddBit(b);
    for (const auto& t : lists.texts) record.AddText(t);
  } else {
    FuzzedDataProvider in(data + 1, size - 1);
    Fill(in, record);
  }

  std::optional<StoredMenuForm> form = ReadMenuRecord(record);
  if (!form) return 0;
  Check(form->items);
  NoResources resources;
  if (form->oldForm) {
    MenuList reference = {MenuItem{u"&File", u"", 4096, 0, MenuKind::kPopup},
                          MenuItem{u"&Open", u"", 4097, 1, MenuKind::kDefaultLabel}};
    ConvertOldForm(form->items, reference, resources);
    Check(form->items);
  }
  UnwrapRootPopup(form->items);

  // What is read goes into the editor's tree and back out unchanged in size and within limits.
  MenuTree tree(false, MaxMenuLevel(1));
  tree.Build(form->items);
  MenuList flat = tree.Flatten();
  if (flat.size() != form->items.size()) std::abort();
  Check(flat);

  // And what the current form holds reads back the same.
  SettingsRecord again(u"menu", 0xFF2900, RecordTextEncoding::kUtf16);
  WriteMenuRecord(form->items, again);
  std::optional<StoredMenuForm> back = ReadMenuRecord(again);
  if (!back || back->oldForm || back->items != form->items) std::abort();
  return 0;
}
