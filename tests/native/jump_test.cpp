#include "tools/jump.h"

#include <gtest/gtest.h>

#include "fake_dialog_window.h"
#include "controls/wide_string_list.h"

namespace scrv {
namespace {

const std::vector<std::u16string> kChoices = {u"Line", u"Paragraph", u"Column of the CSV file"};

TEST(Jump, ZeroBasedNumbersAreShownOneBasedAndReturnedUnchanged) {
  JumpValues host{0, 0, 1};
  JumpModel m(host, false, kChoices);
  EXPECT_EQ(m.TargetShown(), 1);
  EXPECT_EQ(m.SecondaryShown(), 1);
  m.Accept(1u, 1u, true, 1);
  EXPECT_EQ(FinishJump(1, m, host), 1);
  EXPECT_EQ(host, (JumpValues{0, 0, 1}));
}

TEST(Jump, ZeroTypedIsRaisedToOneUnlessAsIs) {
  JumpModel m({41, 6, -1}, false, {});
  EXPECT_EQ(m.TargetShown(), 42);
  m.Accept(0u, 0u, true, -1);
  EXPECT_EQ(m.HostValues(), (JumpValues{0, 0, -1}));

  JumpModel asIs({41, 6, -1}, true, {});
  EXPECT_EQ(asIs.TargetShown(), 41);
  EXPECT_EQ(asIs.SecondaryShown(), 6);
  asIs.Accept(0u, 0u, true, -1);
  EXPECT_EQ(asIs.HostValues(), (JumpValues{0, 0, -1}));
}

TEST(Jump, NumbersAboveTheRangeAreClamped) {
  JumpModel m({5, 5, -1}, false, {});
  m.Accept(4000000000u, 2147483647u, true, -1);
  EXPECT_EQ(m.HostValues().target, 2147483645u);
  EXPECT_EQ(m.HostValues().secondary, 2147483645u);
  JumpModel asIs({5, 5, -1}, true, {});
  asIs.Accept(4000000000u, 2147483646u, true, -1);
  EXPECT_EQ(asIs.HostValues().target, 2147483646u);
  EXPECT_EQ(asIs.HostValues().secondary, 2147483646u);
}

TEST(Jump, TextThatIsNoNumberKeepsTheOpeningValue) {
  JumpModel m({99, 7, -1}, false, {});
  m.Accept(std::nullopt, std::nullopt, true, -1);
  EXPECT_EQ(m.HostValues(), (JumpValues{99, 7, -1}));
  JumpModel asIs({99, 7, -1}, true, {});
  asIs.Accept(std::nullopt, 3u, true, -1);
  EXPECT_EQ(asIs.HostValues(), (JumpValues{99, 3, -1}));
}

TEST(Jump, EmptyChoiceListIsDisabledAndGivesMinusOne) {
  JumpModel m({0, 0, 2}, false, {});
  EXPECT_FALSE(m.ChoiceListEnabled());
  EXPECT_EQ(m.InitialSelection(), -1);
  m.Accept(1u, 1u, true, 0);
  EXPECT_EQ(m.HostValues().choiceIndex, -1);
}

TEST(Jump, ChoiceIndexSelectsAnEntryOnlyInsideTheList) {
  EXPECT_EQ(JumpModel({0, 0, 2}, false, kChoices).InitialSelection(), 2);
  EXPECT_EQ(JumpModel({0, 0, 3}, false, kChoices).InitialSelection(), -1);
  EXPECT_EQ(JumpModel({0, 0, -5}, false, kChoices).InitialSelection(), -1);
  JumpModel m({0, 0, 0}, false, kChoices);
  EXPECT_TRUE(m.ChoiceListEnabled());
  m.Accept(1u, 1u, true, 2);
  EXPECT_EQ(m.HostValues().choiceIndex, 2);
  m.Accept(1u, 1u, true, -1);
  EXPECT_EQ(m.HostValues().choiceIndex, -1);
}

TEST(Jump, ChangingTheChoiceResetsTheSecondaryFieldToOne) {
  JumpModel m({0, 40, 0}, true, kChoices);
  EXPECT_EQ(m.SecondaryShown(), 40);
  // The dialog puts the value into the field; OK reads the field back.
  m.Accept(3u, JumpModel::kSecondaryAfterChoiceChange, true, 1);
  EXPECT_EQ(m.HostValues(), (JumpValues{3, 1, 1}));
}

TEST(Jump, CheckBoxOpensCheckedAndIsTheResult) {
  JumpValues host{10, 20, 0};
  JumpModel m(host, false, kChoices);
  EXPECT_TRUE(m.CheckedOnOpen());
  m.Accept(5u, 6u, false, 1);
  EXPECT_EQ(FinishJump(1, m, host), 0);
  EXPECT_EQ(host, (JumpValues{4, 5, 1}));
}

TEST(Jump, CancelLeavesTheHostValuesAlone) {
  JumpValues host{10, 20, 0};
  JumpModel m(host, false, kChoices);
  EXPECT_EQ(FinishJump(2, m, host), -1);
  EXPECT_EQ(FinishJump(-1, m, host), -1);
  EXPECT_EQ(FinishJump(0, m, host), -1);
  EXPECT_EQ(host, (JumpValues{10, 20, 0}));
}

TEST(Jump, ShownNumbersAreSignedAndWrapLikeTheHostsArithmetic) {
  EXPECT_EQ(JumpModel({0xFFFFFFFF, 0x7FFFFFFF, -1}, false, {}).TargetShown(), 0);
  EXPECT_EQ(JumpModel({0xFFFFFFFF, 0x7FFFFFFF, -1}, false, {}).SecondaryShown(), INT32_MIN);
}

TEST(Jump, ChoicesAreReadFromTheHostsList) {
  WideStringListBuilder list(kChoices);
  EXPECT_EQ(ReadJumpChoices(list.Descriptor()), kChoices);
  EXPECT_TRUE(ReadJumpChoices(nullptr).empty());
  const void* garbage[3] = {reinterpret_cast<void*>(64), reinterpret_cast<void*>(32), nullptr};
  EXPECT_TRUE(ReadJumpChoices(garbage).empty());
}

TEST(Jump, AnchorsWidenTheFieldsWithTheDialog) {
  testing::FakeDialogWindow w;
  w.client = {300, 120};
  w.controls = {{IDC_JUMP_TARGET, {10, 10, 140, 30}},
                {IDC_JUMP_SECONDARY_LABEL, {160, 10, 200, 30}},
                {IDC_JUMP_SECONDARY, {210, 10, 290, 30}},
                {IDC_JUMP_CHOICE, {10, 40, 290, 60}},
                {IDC_JUMP_CHECK, {10, 70, 120, 85}},
                {1, {150, 90, 210, 110}},
                {2, {220, 90, 280, 110}}};
  AnchorList anchors;
  for (const Anchor& a : kJumpAnchors) ASSERT_TRUE(anchors.Add(&w, a.controlId, a.flags));
  w.client = {500, 120};
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controls[IDC_JUMP_TARGET], (Rect{10, 10, 240, 30}));
  EXPECT_EQ(w.controls[IDC_JUMP_SECONDARY_LABEL], (Rect{260, 10, 300, 30}));
  EXPECT_EQ(w.controls[IDC_JUMP_SECONDARY], (Rect{310, 10, 490, 30}));
  EXPECT_EQ(w.controls[IDC_JUMP_CHOICE], (Rect{10, 40, 490, 60}));
  EXPECT_EQ(w.controls[IDC_JUMP_CHECK], (Rect{10, 70, 120, 85}));
  EXPECT_EQ(w.controls[1], (Rect{350, 90, 410, 110}));
  EXPECT_EQ(w.controls[2], (Rect{420, 90, 480, 110}));
}

}  // namespace
}  // namespace scrv
