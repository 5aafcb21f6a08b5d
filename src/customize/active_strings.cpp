#include "customize/active_strings.h"

#include "base/command_table.h"

namespace scrv {
namespace {

constexpr char16_t kAddressLookup[] = u"https://search.arin.net/rdap/?query=$(ActiveString)";

struct BuiltinEntry {
  uint8_t kind, occasion, action;
  const char16_t* text;
};
constexpr BuiltinEntry kBuiltins[] = {
    {0, 1, 1, u""},
    {1, 1, 7, u""},
    {2, 1, 8, u""},
    {3, 0, 5, u"$(AppDir)\\Macros\\IPTip.jssc"},
    {3, 1, 4, kAddressLookup},
    {4, 1, 4, kAddressLookup},
    {5, 1, 2, u""},
    {6, 1, 2, u""},
    {7, 0, 9, u""},
    {8, 0, 9, u""},
    {9, 1, 10, u""},
    {10, 1, 10, u""},
};

ActiveStringTable MakeBuiltins() {
  ActiveStringTable t{};
  for (const BuiltinEntry& b : kBuiltins) {
    ActiveStringEntry& e = t[b.kind * kActiveStringOccasions + b.occasion];
    e.action = b.action;
    e.text = b.text;
  }
  return t;
}

}  // namespace

const std::array<std::u16string_view, 22> kActiveStringVariables = {
    u"Path",      u"Dir",         u"Filename",  u"FilenameEx",      u"Ext",
    u"LineText",  u"WordText",    u"DocText",   u"SelText",         u"CurText",
    u"CurCol",    u"CurLine",     u"TabSize",   u"IndentSize",      u"AppVersion",
    u"AppDir",    u"AppDrive",    u"Clipboard", u"SplitFileSerial", u"SplitRunSerial",
    u"FirstLine", u"ActiveString"};

std::u16string ActiveStringVariable(size_t index) {
  if (index >= kActiveStringVariables.size()) return {};
  return u"$(" + std::u16string(kActiveStringVariables[index]) + u")";
}

const ActiveStringTable& BuiltinActiveStrings() {
  static const ActiveStringTable table = MakeBuiltins();
  return table;
}

ActiveStringTable ReadActiveStrings(const RecordLists& lists) {
  ActiveStringTable t = BuiltinActiveStrings();
  const auto& d = lists.dwords;
  auto at = [&](size_t k) { return k < d.size() ? d[k] : 0u; };
  size_t text = 0;
  for (size_t k = 0; k < d.size(); k += 5) {
    const uint32_t kind = d[k], occasion = at(k + 1);
    if (kind >= kActiveStringKinds || occasion >= kActiveStringOccasions) break;
    ActiveStringEntry& e = t[kind * kActiveStringOccasions + occasion];
    e.action = at(k + 2);
    e.value1 = at(k + 3);
    e.value2 = at(k + 4);
    e.text = text < lists.texts.size()
                 ? lists.texts[text++].substr(0, kActiveStringTextCapacity - 1)
                 : std::u16string();
  }
  return t;
}

RecordLists ActiveStringLists(const ActiveStringTable& table, const SameTextFn& same) {
  RecordLists l;
  const ActiveStringTable& builtin = BuiltinActiveStrings();
  for (size_t k = 0; k < kActiveStringEntries; ++k) {
    const ActiveStringEntry& e = table[k];
    const ActiveStringEntry& b = builtin[k];
    if (e.action == b.action && e.value1 == b.value1 && e.value2 == b.value2 &&
        same(e.text, b.text))
      continue;
    for (uint32_t v :
         {static_cast<uint32_t>(k / kActiveStringOccasions),
          static_cast<uint32_t>(k % kActiveStringOccasions), e.action, e.value1, e.value2})
      l.dwords.push_back(v);
    l.texts.push_back(e.text);
  }
  return l;
}

std::vector<uint16_t> ActiveStringCommands() {
  std::vector<uint16_t> ids;
  ids.reserve(kActiveStringCommandCount);
  for (uint32_t category : {kCategoryEdit, kCategorySearch, kCategoryTools})
    for (const CommandEntry& e : CategoryRun(category)) {
      if (ids.size() == kActiveStringCommandCount) return ids;
      ids.push_back(e.command);
    }
  return ids;
}

}  // namespace scrv
