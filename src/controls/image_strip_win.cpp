#include "controls/image_strip_win.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "controls/state_image.h"

namespace scrv {
namespace {

constexpr uint32_t kMaskColor = 0xFF00FF;  // magenta, the same in COLORREF and in DIB order

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  return bi;
}

// One fitted frame as an image and its mask, added to the list.
bool AddCell(HIMAGELIST list, const StateImageCell& cell) {
  if (cell.width <= 0) return false;
  BITMAPINFO bi = TopDownInfo(cell.width, cell.height);
  void* bits = nullptr;
  // RGB colours need no device context (getting the screen's costs a trip to the display).
  HBITMAP image = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!image || !bits) {
    if (image) DeleteObject(image);
    return false;
  }
  const size_t stride = static_cast<size_t>((cell.width + 15) / 16) * 2;  // whole words
  std::vector<uint8_t> maskBits(stride * static_cast<size_t>(cell.height), 0);
  auto* out = static_cast<uint32_t*>(bits);
  for (int y = 0; y < cell.height; ++y) {
    for (int x = 0; x < cell.width; ++x) {
      const size_t i = static_cast<size_t>(y) * static_cast<size_t>(cell.width) + x;
      out[i] = cell.clear[i] ? 0 : (cell.pixels[i] | 0xFF000000u);
      if (cell.clear[i]) maskBits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
    }
  }
  HBITMAP mask = CreateBitmap(cell.width, cell.height, 1, 1, maskBits.data());
  const bool ok = mask && ImageList_Add(list, image, mask) >= 0;
  if (mask) DeleteObject(mask);
  DeleteObject(image);
  return ok;
}

// The frames of a strip bitmap fitted to a cell size. The image module does not change while
// the library is loaded, so each strip is decoded and fitted once per size, not per list.
std::vector<StateImageCell> FittedFrames(HMODULE module, int bitmapId, int cx, int cy) {
  std::vector<StateImageCell> cells;
  auto source = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!source) return cells;
  BITMAP info = {};
  GetObjectW(source, sizeof info, &info);
  const int w = info.bmWidth, h = info.bmHeight;
  HDC screen = GetDC(nullptr);
  if (h > 0 && h <= 256 && w >= h && w % h == 0 && w / h <= 64) {
    BITMAPINFO bi = TopDownInfo(w, h);
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    if (GetDIBits(screen, source, 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS) ==
        h) {
      std::vector<uint32_t> frame(static_cast<size_t>(h) * static_cast<size_t>(h));
      for (int f = 0; f < w / h; ++f) {
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < h; ++x)
            frame[static_cast<size_t>(y) * h + x] =
                pixels[static_cast<size_t>(y) * w + static_cast<size_t>(f) * h + x] & 0xFFFFFF;
        cells.push_back(FitStateImage(frame, h, h, cx, cy, kMaskColor));
      }
    }
  }
  ReleaseDC(nullptr, screen);
  DeleteObject(source);
  return cells;
}

}  // namespace

bool AddStripImages(HIMAGELIST list, HMODULE module, int bitmapId) {
  int cx = 0, cy = 0;
  if (!list || !module || !ImageList_GetIconSize(list, &cx, &cy)) return false;
  using Key = std::tuple<HMODULE, int, int, int>;
  static std::mutex lock;
  static std::map<Key, std::vector<StateImageCell>> fitted;
  std::vector<StateImageCell> cells;
  {
    std::lock_guard<std::mutex> hold(lock);
    auto [at, added] = fitted.try_emplace(Key{module, bitmapId, cx, cy});
    if (added) at->second = FittedFrames(module, bitmapId, cx, cy);
    cells = at->second;
  }
  if (cells.empty()) return false;
  bool ok = true;
  for (const StateImageCell& cell : cells) ok = AddCell(list, cell) && ok;
  return ok;
}

bool AddDrawnImage(HIMAGELIST list, const std::function<void(HDC, const RECT&)>& draw) {
  int cx = 0, cy = 0;
  if (!list || !ImageList_GetIconSize(list, &cx, &cy) || cx <= 0 || cy <= 0) return false;
  BITMAPINFO bi = TopDownInfo(cx, cy);
  void* bits = nullptr;
  HBITMAP canvas = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!canvas || !bits || !dc) {
    if (canvas) DeleteObject(canvas);
    if (dc) DeleteDC(dc);
    return false;
  }
  const size_t n = static_cast<size_t>(cx) * static_cast<size_t>(cy);
  auto* px = static_cast<uint32_t*>(bits);
  std::fill(px, px + n, kMaskColor);
  HGDIOBJ old = SelectObject(dc, canvas);
  draw(dc, RECT{0, 0, cx, cy});
  GdiFlush();
  StateImageCell cell;
  cell.width = cx;
  cell.height = cy;
  cell.pixels.resize(n);
  cell.clear.resize(n);
  for (size_t i = 0; i < n; ++i) {
    cell.pixels[i] = px[i] & 0xFFFFFF;
    cell.clear[i] = cell.pixels[i] == kMaskColor;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(canvas);
  return AddCell(list, cell);
}

bool AddIconImage(HIMAGELIST list, HICON icon) {
  ICONINFO info = {};
  if (!list || !icon || !GetIconInfo(icon, &info)) return false;
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  BITMAP color = {};
  const bool sameSize = info.hbmColor && GetObjectW(info.hbmColor, sizeof color, &color) &&
                        color.bmWidth == cx && color.bmHeight == cy;
  const int added =
      sameSize ? ImageList_Add(list, info.hbmColor, info.hbmMask) : ImageList_AddIcon(list, icon);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return added >= 0;
}

IconBitmaps ReadIconBitmaps(HICON icon) {
  IconBitmaps out;
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) return out;
  BITMAP color = {};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof color, &color) && color.bmWidth > 0 &&
      color.bmHeight > 0 && color.bmWidth <= 1024 && color.bmHeight <= 1024) {
    BITMAPINFO bi = TopDownInfo(color.bmWidth, color.bmHeight);
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    if (copy && bits && dc &&
        GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(color.bmHeight), bits, &bi,
                  DIB_RGB_COLORS) == color.bmHeight) {
      out = {copy, info.hbmMask, color.bmWidth, color.bmHeight};
      copy = nullptr;
      info.hbmMask = nullptr;
    }
    if (dc) DeleteDC(dc);
    if (copy) DeleteObject(copy);
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return out;
}

void FreeIconBitmaps(IconBitmaps& bitmaps) {
  if (bitmaps.color) DeleteObject(bitmaps.color);
  if (bitmaps.mask) DeleteObject(bitmaps.mask);
  bitmaps = {};
}

bool AddIconBitmaps(HIMAGELIST list, const IconBitmaps& bitmaps, HICON icon) {
  int cx = 0, cy = 0;
  if (!list || !bitmaps.color || !ImageList_GetIconSize(list, &cx, &cy) || bitmaps.width != cx ||
      bitmaps.height != cy)
    return AddIconImage(list, icon);
  return ImageList_Add(list, bitmaps.color, bitmaps.mask) >= 0;
}

void SetUpImageRows(HWND list, HMODULE module, int bitmapId) {
  // The column leaves room for a vertical scroll bar, so that rows do not scroll sideways.
  RECT client = {};
  GetClientRect(list, &client);
  LVCOLUMNW column = {};
  column.mask = LVCF_WIDTH;
  column.cx = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  const int size = GetSystemMetrics(SM_CXSMICON);
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 10, 0);
  if (images && AddStripImages(images, module, bitmapId))
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  else if (images)
    ImageList_Destroy(images);
}

}  // namespace scrv
