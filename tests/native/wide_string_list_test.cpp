#include "controls/wide_string_list.h"

#include <gtest/gtest.h>

#include <cstring>

namespace scrv {
namespace {

// One element written by hand the way the host lays it out.
struct Element {
  uint8_t area[16] = {};
  uint64_t length = 0;
  uint64_t capacity = 0;
};
static_assert(sizeof(Element) == 32);

Element Inline(std::u16string_view s, uint64_t capacity = 7) {
  Element e;
  std::memcpy(e.area, s.data(), s.size() * 2);
  e.length = s.size();
  e.capacity = capacity;
  return e;
}

Element OutOfLine(const char16_t* text, uint64_t length, uint64_t capacity) {
  Element e;
  std::memcpy(e.area, &text, sizeof text);
  e.length = length;
  e.capacity = capacity;
  return e;
}

struct Descriptor {
  const void* begin;
  const void* end;
  const void* storageEnd;
};

Descriptor Over(const std::vector<Element>& v, size_t reserve = 0) {
  return {v.data(), v.data() + v.size(), v.data() + v.size() + reserve};
}

TEST(WideStringList, ReadsInlineAndOutOfLineElements) {
  const char16_t longText[] = u"Column of the CSV file";
  std::vector<Element> v = {Inline(u""), Inline(u"Line"), Inline(u"1234567"),
                            OutOfLine(longText, 22, 22), OutOfLine(longText, 6, 30)};
  v.reserve(8);
  Descriptor d = Over(v, 2);
  WideListError why = WideListError::kBadExtent;
  auto list = ReadWideStringList(&d, &why);
  ASSERT_TRUE(list);
  EXPECT_EQ(why, WideListError::kNone);
  EXPECT_EQ(*list, (std::vector<std::u16string>{u"", u"Line", u"1234567", u"Column of the CSV file",
                                                u"Column"}));
}

TEST(WideStringList, InlineTextWithSmallerCapacityIsStillInline) {
  std::vector<Element> v = {Inline(u"ab", 2), Inline(u"", 0)};
  Descriptor d = Over(v);
  auto list = ReadWideStringList(&d);
  ASSERT_TRUE(list);
  EXPECT_EQ(*list, (std::vector<std::u16string>{u"ab", u""}));
}

TEST(WideStringList, EmptyListsInBothShapes) {
  Descriptor none{nullptr, nullptr, nullptr};
  EXPECT_EQ(ReadWideStringList(&none), std::vector<std::u16string>{});
  std::vector<Element> v;
  v.reserve(4);
  Descriptor reserved = Over(v, 4);
  EXPECT_EQ(ReadWideStringList(&reserved), std::vector<std::u16string>{});
}

TEST(WideStringList, BuilderLaysOutWhatTheReaderReads) {
  std::vector<std::u16string> items = {u"", u"seven77", u"eight888", std::u16string(300, u'x'),
                                       std::u16string(u"nul\0in", 6)};
  WideStringListBuilder b(items);
  EXPECT_EQ(ReadWideStringList(b.Descriptor()), items);
  WideStringListBuilder empty({});
  EXPECT_EQ(ReadWideStringList(empty.Descriptor()), std::vector<std::u16string>{});
}

WideListError Why(const void* descriptor) {
  WideListError why = WideListError::kNone;
  EXPECT_FALSE(ReadWideStringList(descriptor, &why));
  return why;
}

TEST(WideStringList, RefusesBrokenPointers) {
  std::vector<Element> v = {Inline(u"a"), Inline(u"b")};
  EXPECT_EQ(Why(nullptr), WideListError::kNullDescriptor);
  Descriptor noBegin{nullptr, v.data() + 2, v.data() + 2};
  EXPECT_EQ(Why(&noBegin), WideListError::kBadPointers);
  Descriptor noStorage{v.data(), v.data() + 2, nullptr};
  EXPECT_EQ(Why(&noStorage), WideListError::kBadPointers);
  Descriptor backwards{v.data() + 2, v.data(), v.data() + 2};
  EXPECT_EQ(Why(&backwards), WideListError::kBadPointers);
  Descriptor storageShort{v.data(), v.data() + 2, v.data() + 1};
  EXPECT_EQ(Why(&storageShort), WideListError::kBadPointers);
}

TEST(WideStringList, RefusesPartialAndAbsurdExtents) {
  std::vector<Element> v = {Inline(u"a"), Inline(u"b")};
  const auto* base = reinterpret_cast<const uint8_t*>(v.data());
  Descriptor partial{base, base + 40, base + 64};
  EXPECT_EQ(Why(&partial), WideListError::kBadExtent);
  // A huge range is refused from the descriptor alone, before any element is touched.
  Descriptor huge{base, base + 32 * ((size_t{1} << 20) + 1), base + 32 * ((size_t{1} << 20) + 1)};
  EXPECT_EQ(Why(&huge), WideListError::kBadExtent);
}

TEST(WideStringList, RefusesNonsenseElements) {
  const char16_t text[] = u"abcdefghij";
  std::vector<Element> longer = {Inline(u"ok"), Inline(u"abc", 2)};
  Descriptor d1 = Over(longer);
  EXPECT_EQ(Why(&d1), WideListError::kBadLength) << "length above capacity";

  std::vector<Element> nullText = {OutOfLine(nullptr, 3, 10)};
  Descriptor d2 = Over(nullText);
  EXPECT_EQ(Why(&d2), WideListError::kNullText);

  std::vector<Element> absurd = {OutOfLine(text, uint64_t{1} << 40, uint64_t{1} << 41)};
  Descriptor d3 = Over(absurd);
  EXPECT_EQ(Why(&d3), WideListError::kBadLength);

  std::vector<Element> wraps = {
      OutOfLine(reinterpret_cast<const char16_t*>(UINTPTR_MAX - 3), 8, 8)};
  Descriptor d4 = Over(wraps);
  EXPECT_EQ(Why(&d4), WideListError::kBadLength);

  // Too much text in all, though every element alone is within the limit.
  std::vector<Element> many(5, OutOfLine(text, size_t{1} << 24, size_t{1} << 24));
  Descriptor d5 = Over(many);
  EXPECT_EQ(Why(&d5), WideListError::kBadLength);
}

TEST(WideStringList, CorruptingOneElementRefusesTheWholeList) {
  WideStringListBuilder b({u"first", u"a longer second entry"});
  uint64_t bad = 1;  // capacity 1 with the length 21 still in place
  std::memcpy(b.Elements() + 32 + 24, &bad, sizeof bad);
  EXPECT_FALSE(ReadWideStringList(b.Descriptor()));
}

}  // namespace
}  // namespace scrv
