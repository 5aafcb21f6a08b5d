// Icons added to an image list: one of the list's size through its own bitmaps (or through
// copies of them read once), looking as the icon itself does, any other drawn into the list.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "controls/image_strip_win.h"
#include "test_support.h"

namespace {

TEST(ImageStrip, IconsOfAnySizeLookAsThemselvesInTheList) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
  ASSERT_TRUE(list);
  auto small = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, 0));
  auto big = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 32, 32, 0));
  ASSERT_TRUE(small && big);
  EXPECT_TRUE(scrv::AddIconImage(list, small));
  EXPECT_TRUE(scrv::AddIconImage(list, big));
  EXPECT_FALSE(scrv::AddIconImage(list, nullptr));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  const std::vector<DWORD> listed = testing_support::PaintedSquare(
      [&](HDC dc) { ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL); });
  const std::vector<DWORD> icon = testing_support::PaintedSquare(
      [&](HDC dc) { DrawIconEx(dc, 0, 0, small, 16, 16, 0, nullptr, DI_NORMAL); });
  // The same colours, but for the blending's rounding.
  for (size_t p = 0; p < icon.size(); ++p)
    for (int shift : {0, 8, 16})
      EXPECT_NEAR((listed[p] >> shift) & 0xFF, (icon[p] >> shift) & 0xFF, 2) << "pixel " << p;
  // Through the icon's bitmaps read once: the very pixels AddIconImage gives; of another size,
  // drawn as AddIconImage draws it.
  scrv::IconBitmaps smallBitmaps = scrv::ReadIconBitmaps(small);
  scrv::IconBitmaps bigBitmaps = scrv::ReadIconBitmaps(big);
  EXPECT_EQ(smallBitmaps.width, 16);
  EXPECT_TRUE(scrv::AddIconBitmaps(list, smallBitmaps, small));
  EXPECT_TRUE(scrv::AddIconBitmaps(list, bigBitmaps, big));
  EXPECT_EQ(ImageList_GetImageCount(list), 4);
  for (int kept : {2, 3})
    EXPECT_EQ(testing_support::PaintedSquare(
                  [&](HDC dc) { ImageList_Draw(list, kept, dc, 0, 0, ILD_NORMAL); }),
              testing_support::PaintedSquare(
                  [&](HDC dc) { ImageList_Draw(list, kept - 2, dc, 0, 0, ILD_NORMAL); }))
        << "image " << kept;
  scrv::FreeIconBitmaps(smallBitmaps);
  scrv::FreeIconBitmaps(bigBitmaps);
  DestroyIcon(small);
  DestroyIcon(big);
  ImageList_Destroy(list);
}

}  // namespace
