#include "controls/state_image.h"

#include <gtest/gtest.h>

#include <set>

namespace scrv {
namespace {

constexpr uint32_t kMask = 0xFF00FF;

// A 13 × 13 box: border 1, inside 2, a mask-coloured centre pixel.
std::vector<uint32_t> Box() {
  std::vector<uint32_t> p(13 * 13, 2);
  for (int i = 0; i < 13; ++i) p[i] = p[12 * 13 + i] = p[i * 13] = p[i * 13 + 12] = 1;
  p[6 * 13 + 6] = kMask;
  return p;
}

TEST(StateImage, ACellOfTheBitmapsSizeTakesItAsIs) {
  auto cell = FitStateImage(Box(), 13, 13, 13, 13, kMask);
  ASSERT_EQ(cell.width, 13);
  EXPECT_EQ(cell.pixels[0], 1u);
  EXPECT_EQ(cell.pixels[12], 1u);
  EXPECT_EQ(cell.pixels[13 + 1], 2u);
  EXPECT_TRUE(cell.clear[6 * 13 + 6]);  // the mask colour
  EXPECT_EQ(cell.pixels[6 * 13 + 6], 0u);
  EXPECT_FALSE(cell.clear[0]);
}

TEST(StateImage, TheBaseCellCentresTheImageWithoutScaling) {
  auto cell = FitStateImage(Box(), 13, 13, 16, 16, kMask);
  ASSERT_EQ(cell.width, 16);
  EXPECT_TRUE(cell.clear[0]);                // margin
  EXPECT_EQ(cell.pixels[1 * 16 + 1], 1u);    // the box's corner, one pixel in
  EXPECT_EQ(cell.pixels[13 * 16 + 13], 1u);  // the opposite corner: all 13 rows kept
  EXPECT_TRUE(cell.clear[14 * 16 + 14]);
}

TEST(StateImage, LargerCellsScaleByTheirRatioPixelForPixel) {
  auto cell = FitStateImage(Box(), 13, 13, 24, 24, kMask);  // 150 %: the box becomes 20 wide
  ASSERT_EQ(cell.width, 24);
  EXPECT_TRUE(cell.clear[1 * 24 + 1]);
  EXPECT_EQ(cell.pixels[2 * 24 + 2], 1u);
  EXPECT_EQ(cell.pixels[21 * 24 + 21], 1u);
  EXPECT_TRUE(cell.clear[22 * 24 + 22]);
  std::set<uint32_t> values(cell.pixels.begin(), cell.pixels.end());
  EXPECT_EQ(values, (std::set<uint32_t>{0, 1, 2}));  // no blended colours
}

TEST(StateImage, SmallerCellsCropTheCentre) {
  auto cell = FitStateImage(Box(), 13, 13, 11, 11, kMask);
  ASSERT_EQ(cell.width, 11);
  EXPECT_EQ(cell.pixels[0], 2u);  // the border falls outside
}

TEST(StateImage, BadSizesGiveNothing) {
  auto box = Box();
  EXPECT_EQ(FitStateImage(box, 0, 13, 16, 16, kMask).width, 0);
  EXPECT_EQ(FitStateImage(box, 13, 13, 16, -1, kMask).width, 0);
  EXPECT_EQ(FitStateImage(box, 13, 13, 5000, 16, kMask).width, 0);
  EXPECT_EQ(FitStateImage(box, 14, 13, 16, 16, kMask).width, 0);  // fewer pixels than claimed
}

}  // namespace
}  // namespace scrv
