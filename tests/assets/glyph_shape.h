// Measurements of a glyph that hold whatever font it was drawn from.
#pragma once

#include <vector>

#include "bitmap.h"

namespace assettest {

struct InkBox {
  int left, top, right, bottom;  // inclusive; right < left when blank
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

int ink(const assetgen::Bitmap& g);
InkBox ink_box(const assetgen::Bitmap& g);
// Pieces of ink (touching by edge or corner) and enclosed holes in it.
int pieces(const assetgen::Bitmap& g);
int holes(const assetgen::Bitmap& g);
// Mean x of the ink in rows [from, to).
double mean_ink_x(const assetgen::Bitmap& g, int from, int to);

// Lit pixels along one edge of the cell, where lines meet the next cell.
enum class Edge { kTop, kBottom, kLeft, kRight };
std::vector<int> edge_ink(const assetgen::Bitmap& g, Edge edge);

}  // namespace assettest
