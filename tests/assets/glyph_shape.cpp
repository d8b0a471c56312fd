#include "glyph_shape.h"

#include <algorithm>

namespace assettest {

using assetgen::Bitmap;

int ink(const Bitmap& g) {
  return static_cast<int>(std::count(g.ink.begin(), g.ink.end(), 1));
}

InkBox ink_box(const Bitmap& g) {
  InkBox box{g.width, g.height, -1, -1};
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (!g.at(x, y)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
  }
  return box;
}

namespace {

// Flood-fills regions of pixels equal to `lit`; counts those that do not touch
// the border when `enclosed_only`.
int regions(const Bitmap& g, bool lit, bool diagonals, bool enclosed_only) {
  std::vector<char> seen(g.ink.size(), 0);
  int count = 0;
  for (int start = 0; start < static_cast<int>(g.ink.size()); ++start) {
    if (seen[start] || (g.ink[start] != 0) != lit) continue;
    bool touches_border = false;
    std::vector<int> todo = {start};
    seen[start] = 1;
    while (!todo.empty()) {
      const int at = todo.back();
      todo.pop_back();
      const int x = at % g.width, y = at / g.width;
      touches_border |= x == 0 || y == 0 || x == g.width - 1 || y == g.height - 1;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if ((dx == 0 && dy == 0) || (!diagonals && dx != 0 && dy != 0)) continue;
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= g.width || ny >= g.height) continue;
          const int next = ny * g.width + nx;
          if (seen[next] || g.at(nx, ny) != lit) continue;
          seen[next] = 1;
          todo.push_back(next);
        }
      }
    }
    if (!enclosed_only || !touches_border) ++count;
  }
  return count;
}

}  // namespace

int pieces(const Bitmap& g) {
  return regions(g, true, true, false);
}
int holes(const Bitmap& g) {
  return regions(g, false, false, true);
}

double mean_ink_x(const Bitmap& g, int from, int to) {
  double sum = 0;
  int n = 0;
  for (int y = from; y < to; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (g.at(x, y)) sum += x, ++n;
    }
  }
  return n ? sum / n : -1.0;
}

std::vector<int> edge_ink(const Bitmap& g, Edge edge) {
  std::vector<int> lit;
  const bool across = edge == Edge::kTop || edge == Edge::kBottom;
  const int n = across ? g.width : g.height;
  for (int i = 0; i < n; ++i) {
    const int x = across ? i : (edge == Edge::kLeft ? 0 : g.width - 1);
    const int y = across ? (edge == Edge::kTop ? 0 : g.height - 1) : i;
    if (g.at(x, y)) lit.push_back(i);
  }
  return lit;
}

}  // namespace assettest
