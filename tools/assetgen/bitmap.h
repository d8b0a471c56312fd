// One-bit pictures: console glyphs and the cells we draw by hand.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace assetgen {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;  // row-major, 1 where the pixel is lit

  Bitmap() = default;
  Bitmap(int w, int h) : width(w), height(h), ink(static_cast<std::size_t>(w) * h, 0) {}

  bool at(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x] != 0; }
  void set(int x, int y, bool lit) { ink[static_cast<std::size_t>(y) * width + x] = lit ? 1 : 0; }
  bool operator==(const Bitmap&) const = default;
};

// Rows of '#' (lit) and '.' (dark), all the same length.
Bitmap bitmap_from_rows(std::initializer_list<std::string_view> rows);

// Whole-pixel enlargement: every source pixel becomes an sx by sy block, so no
// edge is ever smoothed.
Bitmap scaled(const Bitmap& source, int sx, int sy);

}  // namespace assetgen
