// Icons taken out of icon files are kept while the file stays as it was, and taken anew once it
// has changed.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "integration/icon_files_win.h"
#include "test_support.h"

namespace {

// A one-image ".ico" file: 16 x 16 opaque pixels of one colour (0xRRGGBB).
std::vector<uint8_t> SolidIcon(uint32_t rgb) {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out.push_back(static_cast<uint8_t>(value >> (8 * b)));
  };
  constexpr uint32_t kImageBytes = 40 + 16 * 16 * 4 + 16 * 4;
  put(0, 2), put(1, 2), put(1, 2);                           // directory: an icon, one image
  put(16, 1), put(16, 1), put(0, 2), put(1, 2), put(32, 2);  // 16 x 16, 32 bits
  put(kImageBytes, 4), put(22, 4);
  put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(32, 2);  // header: image and mask high
  for (int i = 0; i < 6; ++i) put(0, 4);
  for (int p = 0; p < 16 * 16; ++p) put(0xFF000000u | rgb, 4);
  for (int row = 0; row < 16; ++row) put(0, 4);  // the mask: all drawn
  return out;
}

void WriteIconFile(const std::wstring& path, const std::vector<uint8_t>& bytes, int day) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  SYSTEMTIME when = {2024, 1, 0, static_cast<WORD>(day), 12, 0, 0, 0};
  FILETIME stamp;
  SystemTimeToFileTime(&when, &stamp);
  SetFileTime(f, nullptr, nullptr, &stamp);
  CloseHandle(f);
}

// The colour of the centre of the image list's first image (0xRRGGBB).
uint32_t CentreOf(HIMAGELIST list) {
  return testing_support::PaintedSquare(
             [&](HDC dc) { ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL); })[8 * 16 + 8] &
         0xFFFFFF;
}

// The colour the kept icon shows once added to a fresh list.
uint32_t ListedColour(HICON icon) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  EXPECT_TRUE(scrv::AddKeptIconImage(list, icon));
  const uint32_t colour = CentreOf(list);
  ImageList_Destroy(list);
  return colour;
}

TEST(IconFiles, KeptWhileTheFileIsUnchangedAndTakenAnewOnceItChanged) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"scrv_icon_files_test.ico";
  WriteIconFile(path, SolidIcon(0xFF0000), 1);
  std::vector<HICON> first = scrv::ExtractIconsAt(path, {0, 0, 5}, 16);
  ASSERT_TRUE(first[0]);
  EXPECT_EQ(first[1], first[0]);  // an index named twice
  EXPECT_FALSE(first[2]);         // no such icon
  EXPECT_EQ(scrv::ExtractIconsAt(path, {0}, 16)[0], first[0]);
  EXPECT_EQ(ListedColour(first[0]), 0xFF0000u);
  EXPECT_EQ(ListedColour(first[0]), 0xFF0000u);  // through the bitmaps read the first time
  // The same size, a later time: the new picture.
  WriteIconFile(path, SolidIcon(0x0000FF), 2);
  HICON again = scrv::ExtractIconsAt(path, {0}, 16)[0];
  ASSERT_TRUE(again);
  EXPECT_EQ(ListedColour(again), 0x0000FFu);
  DeleteFileW(path.c_str());
}

}  // namespace
