// The edit control's text rules: word boundaries for word deletion, the effect and mode of a
// drag over the control, and drops that move text within it.

#include <gtest/gtest.h>

#include "controls/edit_drop.h"
#include "controls/edit_words.h"

namespace scrv {
namespace {

std::u16string Erase(std::u16string text, TextRange r) {
  return text.erase(r.start, r.size());
}

TEST(EditWords, CtrlDeleteRemovesTheRestOfTheWordAndTheBlanksAfterIt) {
  std::u16string t = u"alpha  beta,gamma";
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {0, 0}, true)), u"beta,gamma");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {2, 2}, true)), u"albeta,gamma");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {5, 5}, true)), u"alphabeta,gamma");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {11, 11}, true)), u"alpha  betagamma");
  EXPECT_EQ(WordDeletionRange(t, {17, 17}, true), (TextRange{17, 17}));
}

TEST(EditWords, CtrlBackspaceRemovesTheBlanksAndTheWordBefore) {
  std::u16string t = u"alpha  beta,gamma";
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {7, 7}, false)), u"beta,gamma");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {17, 17}, false)), u"alpha  beta,");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {12, 12}, false)), u"alpha  betagamma");
  EXPECT_EQ(Erase(t, WordDeletionRange(t, {9, 9}, false)), u"alpha  ta,gamma");
  EXPECT_EQ(WordDeletionRange(t, {0, 0}, false), (TextRange{0, 0}));
}

TEST(EditWords, ASelectionIsDeletedAsIs) {
  std::u16string t = u"one two three";
  EXPECT_EQ(WordDeletionRange(t, {2, 9}, true), (TextRange{2, 9}));
  EXPECT_EQ(WordDeletionRange(t, {9, 2}, false), (TextRange{2, 9}));
  EXPECT_EQ(WordDeletionRange(t, {4, 500}, false), (TextRange{4, 13}));
}

TEST(EditWords, LettersBeyondAsciiAreWordCharactersAndWideBlanksAreBlanks) {
  std::u16string t = u"gr\u00FC\u00DFe\u3000\u65E5\u672C\u3002x";
  EXPECT_EQ(NextWordBoundary(t, 0), 6u);  // the word, then the ideographic space
  EXPECT_EQ(NextWordBoundary(t, 6), 8u);  // up to the ideographic full stop
  EXPECT_EQ(PreviousWordBoundary(t, 9), 8u);
  EXPECT_EQ(PreviousWordBoundary(t, 6), 0u);
  EXPECT_EQ(NextWordBoundary(t, 99), t.size());
}

TEST(EditDragOver, CtrlCopiesShiftMovesOtherwiseCopyUnlessFromHere) {
  EXPECT_EQ(DecideEditDragOver(0, false, false, false).effect, kDropEffectCopy);
  EXPECT_EQ(DecideEditDragOver(kDragKeyShift, false, false, false).effect, kDropEffectMove);
  EXPECT_EQ(DecideEditDragOver(kDragKeyControl | kDragKeyShift, false, false, false).effect,
            kDropEffectCopy);
  EXPECT_EQ(DecideEditDragOver(0, true, false, false).effect, kDropEffectMove);
  EXPECT_EQ(DecideEditDragOver(kDragKeyControl, true, false, false).effect, kDropEffectCopy);
}

TEST(EditDragOver, OwnSelectionShowsNoEffect) {
  auto r = DecideEditDragOver(kDragKeyControl, true, true, true);
  EXPECT_EQ(r.effect, kDropEffectNone);
  // Only a drag from this control is refused over its selection.
  EXPECT_EQ(DecideEditDragOver(0, false, true, false).effect, kDropEffectCopy);
}

TEST(EditDragOver, AltReplacesCtrlOrShiftInsertOtherwiseTheDefault) {
  EXPECT_TRUE(DecideEditDragOver(kDragKeyAlt, false, false, false).replace);
  EXPECT_FALSE(DecideEditDragOver(kDragKeyControl, false, false, true).replace);
  EXPECT_FALSE(DecideEditDragOver(kDragKeyShift, false, false, true).replace);
  EXPECT_TRUE(DecideEditDragOver(0, false, false, true).replace);
  EXPECT_FALSE(DecideEditDragOver(0, false, false, false).replace);
  EXPECT_FALSE(DecideEditDragOver(kDragKeyAlt, true, false, true).replace);
}

TEST(EditDragOver, PositionOnSelectionMeansOnASelectedCharacter) {
  EXPECT_TRUE(IsOnSelection(2, {2, 5}));
  EXPECT_TRUE(IsOnSelection(4, {2, 5}));
  EXPECT_FALSE(IsOnSelection(5, {2, 5}));
  EXPECT_FALSE(IsOnSelection(3, {3, 3}));
}

// Carries out a plan on a string the way the control does with undoable replacements.
std::u16string Perform(std::u16string text, const EditDropPlan& p, const std::u16string& drop) {
  if (p.deleteBefore) text.erase(p.source.start, p.source.size());
  text.insert(p.insertAt, drop);
  if (p.deleteAfter) text.erase(p.source.start, p.source.size());
  return text;
}

TEST(EditDrop, CopyInsertsAtTheDropPoint) {
  auto p = PlanEditDrop(6, 3, 2, std::nullopt);
  ASSERT_TRUE(p);
  EXPECT_EQ(Perform(u"abcdef", *p, u"XY"), u"abcXYdef");
  EXPECT_EQ(p->caret, 5u);
  p = PlanEditDrop(6, 40, 1, std::nullopt);
  EXPECT_EQ(Perform(u"abcdef", *p, u"Z"), u"abcdefZ");
}

TEST(EditDrop, MoveForwardDeletesTheSourceAfterInserting) {
  std::u16string t = u"one two three";
  auto p = PlanEditDrop(t.size(), 13, 4, TextRange{0, 4});  // "one " to the end
  ASSERT_TRUE(p);
  EXPECT_TRUE(p->deleteAfter);
  EXPECT_EQ(Perform(t, *p, u"one "), u"two threeone ");
  EXPECT_EQ(p->caret, 13u);
}

TEST(EditDrop, MoveBackwardDeletesTheSourceFirst) {
  std::u16string t = u"one two three";
  auto p = PlanEditDrop(t.size(), 0, 5, TextRange{8, 13});  // "three" to the front
  ASSERT_TRUE(p);
  EXPECT_TRUE(p->deleteBefore);
  EXPECT_EQ(Perform(t, *p, u"three"), u"threeone two ");
  EXPECT_EQ(p->caret, 5u);
}

TEST(EditDrop, MoveIntoItselfChangesNothing) {
  EXPECT_FALSE(PlanEditDrop(10, 4, 3, TextRange{3, 6}));
  auto edge = PlanEditDrop(10, 6, 3, TextRange{3, 6});
  ASSERT_TRUE(edge);
  EXPECT_EQ(Perform(u"0123456789", *edge, u"345"), u"0123456789");
}

}  // namespace
}  // namespace scrv
