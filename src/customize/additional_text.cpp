#include "customize/additional_text.h"

#include "customize/customize_pages.h"
#include "customize/page_model.h"

namespace scrv {
namespace {

constexpr size_t kScratchCapacity = 520;

}  // namespace

bool GetAdditionalText(const PageDescriptor& page, const StringSource& strings, size_t i,
                       std::u16string* label, size_t capacity) {
  const uint16_t id = AdditionalTextId(page, i);
  if (!id) return false;
  *label = strings.Load(id);
  if (label->size() >= capacity) label->resize(capacity ? capacity - 1 : 0);
  return true;
}

std::u16string GetAllAdditionalText(const PageDescriptor& page, const StringSource& strings,
                                    size_t capacity) {
  std::u16string joined, label;
  if (capacity == 0) return joined;
  for (size_t i = 0; GetAdditionalText(page, strings, i, &label, kScratchCapacity); ++i) {
    if (!joined.empty()) joined += u"::";
    joined += label;
    if (joined.size() >= capacity - 1) {
      joined.resize(capacity - 1);
      break;
    }
  }
  return joined;
}

uint32_t FindAdditionalText(uint32_t selector, const std::u16string* query,
                            const StringSource& strings, const TextFolder& folder,
                            std::u16string* label, size_t capacity) {
  label->clear();
  uint32_t i = selector & 0xFFFF;
  const PageDescriptor* page = FindCustomizePage(static_cast<uint16_t>(selector >> 16));
  if (!page) return ~i;
  const OptionQuery words(query ? *query : std::u16string(), folder);
  for (;; ++i) {
    if (!GetAdditionalText(*page, strings, i, label, capacity)) return ~i;
    if (!query || query->empty()) return i;
    if (words.Matches(*label)) return i;  // a "*" label never matches
  }
}

}  // namespace scrv
