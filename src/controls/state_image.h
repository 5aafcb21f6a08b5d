#pragma once
// Fitting the check list's extra state images into the cells of the list's state image list.
// The bitmaps are drawn for a 16-pixel cell at 96 DPI; a larger cell scales them by the same
// ratio, pixel for pixel (blending would smear their edges and their mask colour), and the
// result is centred in the cell.

#include <cstdint>
#include <vector>

namespace scrv {

struct StateImageCell {
  int width = 0;  // 0: nothing could be made
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB-style values, row by row; 0 where clear
  std::vector<bool> clear;       // the transparent pixels
};

// `pixels` are `width` × `height` values, row by row from the top; only the low 24 bits count
// and those equal to `maskColor` are transparent, as is everything outside the scaled image.
// Sizes of 0, negative or above 1024 (either the bitmap's or the cell's) give an empty cell.
StateImageCell FitStateImage(const std::vector<uint32_t>& pixels, int width, int height,
                             int cellWidth, int cellHeight, uint32_t maskColor);

}  // namespace scrv
