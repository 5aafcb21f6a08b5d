#include "controls/wide_string_list.h"

#include <cstring>

#include "controls/host_vector.h"

namespace scrv {
namespace {

static_assert(sizeof(void*) == 8 && sizeof(uintptr_t) == 8,
              "the host's list layout is that of a 64-bit process");

template <typename T>
T Load(const uint8_t* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

std::optional<std::vector<std::u16string>> Refuse(WideListError* error, WideListError why) {
  if (error) *error = why;
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::u16string>> ReadWideStringList(const void* descriptor,
                                                              WideListError* error) {
  if (error) *error = WideListError::kNone;
  if (!descriptor) return Refuse(error, WideListError::kNullDescriptor);
  HostVectorError why = HostVectorError::kNone;
  const auto extent = ReadHostVector(descriptor, kWideStringElementSize, alignof(uint64_t),
                                     kWideStringListMaxCount, &why);
  if (!extent)
    return Refuse(error, why == HostVectorError::kBadExtent ? WideListError::kBadExtent
                                                            : WideListError::kBadPointers);
  std::vector<std::u16string> out;
  const uintptr_t begin = extent->first;
  const size_t count = extent->count;
  size_t total = 0;
  // Validate every element before copying any text, so garbage costs no allocation.
  for (size_t i = 0; i < count; ++i) {
    const auto* e = reinterpret_cast<const uint8_t*>(begin + i * kWideStringElementSize);
    auto length = Load<uint64_t>(e + 16);
    auto capacity = Load<uint64_t>(e + 24);
    if (length > capacity || length > kWideStringMaxLength)
      return Refuse(error, WideListError::kBadLength);
    total += length;
    if (total > kWideStringListMaxTotal) return Refuse(error, WideListError::kBadLength);
    if (capacity >= kWideStringInlineCapacity) {
      auto text = Load<uintptr_t>(e);
      if (!text) return Refuse(error, WideListError::kNullText);
      if (text > UINTPTR_MAX - length * sizeof(char16_t))
        return Refuse(error, WideListError::kBadLength);
    }
  }

  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const auto* e = reinterpret_cast<const uint8_t*>(begin + i * kWideStringElementSize);
    auto length = static_cast<size_t>(Load<uint64_t>(e + 16));
    auto capacity = Load<uint64_t>(e + 24);
    const uint8_t* text = capacity < kWideStringInlineCapacity
                              ? e
                              : reinterpret_cast<const uint8_t*>(Load<uintptr_t>(e));
    std::u16string s(length, u'\0');
    if (length) std::memcpy(s.data(), text, length * sizeof(char16_t));
    out.push_back(std::move(s));
  }
  return out;
}

WideStringListBuilder::WideStringListBuilder(const std::vector<std::u16string>& items)
    : elements_(items.size() * kWideStringElementSize) {
  for (size_t i = 0; i < items.size(); ++i) {
    uint8_t* e = elements_.data() + i * kWideStringElementSize;
    const std::u16string& s = items[i];
    uint64_t length = s.size();
    uint64_t capacity = length < kWideStringInlineCapacity ? kWideStringInlineCapacity - 1 : length;
    if (capacity < kWideStringInlineCapacity) {
      std::memcpy(e, s.data(), s.size() * sizeof(char16_t));
    } else {
      auto text = std::make_unique<char16_t[]>(s.size() + 1);
      std::memcpy(text.get(), s.data(), s.size() * sizeof(char16_t));
      auto address = reinterpret_cast<uintptr_t>(text.get());
      std::memcpy(e, &address, sizeof address);
      texts_.push_back(std::move(text));
    }
    std::memcpy(e + 16, &length, sizeof length);
    std::memcpy(e + 24, &capacity, sizeof capacity);
  }
  if (!elements_.empty()) {
    descriptor_[0] = elements_.data();
    descriptor_[1] = elements_.data() + elements_.size();
    descriptor_[2] = elements_.data() + elements_.size();
  }
}

}  // namespace scrv
