#include "tools/host_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace scrv {
namespace {

// A host that answers the two-step exchange with the given names.
struct FakeHost {
  std::vector<std::u16string> names;
  intptr_t countAnswer = -2;  // -2: the true count
  intptr_t fillAnswer = 1;
  std::vector<size_t> requests;

  intptr_t operator()(size_t count, char16_t* buffer) {
    requests.push_back(count);
    if (count == 0) return countAnswer == -2 ? static_cast<intptr_t>(names.size()) : countAnswer;
    for (size_t i = 0; i < count && i < names.size(); ++i) {
      std::copy(names[i].begin(), names[i].end(), buffer + i * kHostNameSlotUnits);
    }
    return fillAnswer;
  }
};

TEST(HostNames, AsksForTheCountThenTheNames) {
  FakeHost host{{u"a.csv", u"b, c.csv", u""}};
  std::vector<std::u16string> names = RequestHostNames(std::ref(host));
  EXPECT_EQ(names, (std::vector<std::u16string>{u"a.csv", u"b, c.csv", u""}));
  EXPECT_EQ(host.requests, (std::vector<size_t>{0, 3}));
}

TEST(HostNames, NoNamesAskOnlyOnce) {
  FakeHost host;
  EXPECT_TRUE(RequestHostNames(std::ref(host)).empty());
  EXPECT_EQ(host.requests.size(), 1u);
}

TEST(HostNames, RefusesNegativeAndOversizedCounts) {
  FakeHost negative{{u"x"}, -1};
  EXPECT_TRUE(RequestHostNames(std::ref(negative)).empty());
  EXPECT_EQ(negative.requests.size(), 1u);
  FakeHost huge{{u"x"}, static_cast<intptr_t>(kMaxHostNames) + 1};
  EXPECT_TRUE(RequestHostNames(std::ref(huge)).empty());
  EXPECT_EQ(huge.requests.size(), 1u);
}

TEST(HostNames, AnUnfilledBufferGivesNoNames) {
  FakeHost host{{u"a", u"b"}};
  host.fillAnswer = 0;
  EXPECT_TRUE(RequestHostNames(std::ref(host)).empty());
}

TEST(HostNames, SlotsWithoutTerminatorAreCutBeforeTheNextSlot) {
  std::vector<char16_t> buffer(2 * kHostNameSlotUnits, u'x');
  buffer[kHostNameSlotUnits] = u'y';
  buffer[kHostNameSlotUnits + 1] = 0;
  std::vector<std::u16string> names = ParseHostNameSlots(buffer.data(), buffer.size(), 2);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], std::u16string(kHostNameSlotUnits - 1, u'x'));
  EXPECT_EQ(names[1], u"y");
}

TEST(HostNames, SlotsBeyondTheBufferAreNotRead) {
  std::vector<char16_t> buffer(kHostNameSlotUnits + 10, 0);
  buffer[0] = u'a';
  EXPECT_EQ(ParseHostNameSlots(buffer.data(), buffer.size(), 5).size(), 1u);
  EXPECT_TRUE(ParseHostNameSlots(nullptr, 1000, 3).empty());
}

TEST(HostNames, ColumnRequestCarriesDocumentAndCount) {
  EXPECT_EQ(ColumnNamesWParam(kCurrentDocument, 0), 0xFFFF0000u);
  EXPECT_EQ(ColumnNamesWParam(kCurrentDocument, 12), 0xFFFF000Cu);
  EXPECT_EQ(ColumnNamesWParam(3, 2), 0x30002u);
}

}  // namespace
}  // namespace scrv
