#include "controls/state_image.h"

#include <algorithm>

namespace scrv {
namespace {
constexpr int kMaxSide = 1024;
constexpr int kBaseCell = 16;  // the cell the bitmaps are drawn for
}  // namespace

StateImageCell FitStateImage(const std::vector<uint32_t>& pixels, int width, int height,
                             int cellWidth, int cellHeight, uint32_t maskColor) {
  StateImageCell cell;
  auto bad = [](int v) { return v <= 0 || v > kMaxSide; };
  if (bad(width) || bad(height) || bad(cellWidth) || bad(cellHeight) ||
      pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
    return cell;
  // Cells up to the base size take the image as drawn; larger ones scale it, rounded.
  int cellSide = std::max(kBaseCell, std::min(cellWidth, cellHeight));
  int scaledW = (width * cellSide + kBaseCell / 2) / kBaseCell;
  int scaledH = (height * cellSide + kBaseCell / 2) / kBaseCell;
  int left = (cellWidth - scaledW) / 2, top = (cellHeight - scaledH) / 2;
  cell.width = cellWidth;
  cell.height = cellHeight;
  size_t n = static_cast<size_t>(cellWidth) * static_cast<size_t>(cellHeight);
  cell.pixels.assign(n, 0);
  cell.clear.assign(n, true);
  maskColor &= 0xFFFFFF;
  for (int y = 0; y < cellHeight; ++y) {
    int sy = y - top;
    if (sy < 0 || sy >= scaledH) continue;
    for (int x = 0; x < cellWidth; ++x) {
      int sx = x - left;
      if (sx < 0 || sx >= scaledW) continue;
      size_t from = static_cast<size_t>(sy * height / scaledH) * static_cast<size_t>(width) +
                    static_cast<size_t>(sx * width / scaledW);
      uint32_t p = pixels[from] & 0xFFFFFF;
      if (p == maskColor) continue;
      size_t to = static_cast<size_t>(y) * static_cast<size_t>(cellWidth) + static_cast<size_t>(x);
      cell.pixels[to] = p;
      cell.clear[to] = false;
    }
  }
  return cell;
}

}  // namespace scrv
