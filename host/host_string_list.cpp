#include "host_string_list.h"

#include <cstring>

HostStringList::HostStringList(const std::vector<std::wstring>& items) {
  elements_.resize(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    Element& e = elements_[i];
    memset(&e, 0, sizeof e);
    const std::wstring& s = items[i];
    e.length = s.size();
    if (s.size() < 8) {
      e.capacity = 7;
      memcpy(e.text.inline_, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
    } else {
      e.capacity = s.size();
      texts_.push_back(std::make_unique<wchar_t[]>(s.size() + 1));
      memcpy(texts_.back().get(), s.c_str(), (s.size() + 1) * sizeof(wchar_t));
      e.text.pointer = texts_.back().get();
    }
  }
  if (!elements_.empty()) {
    descriptor_[0] = elements_.data();
    descriptor_[1] = elements_.data() + elements_.size();
    descriptor_[2] = elements_.data() + elements_.size();
  }
}
