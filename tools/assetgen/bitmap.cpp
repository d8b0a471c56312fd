#include "bitmap.h"

#include <stdexcept>

namespace assetgen {

Bitmap bitmap_from_rows(std::initializer_list<std::string_view> rows) {
  if (rows.size() == 0) throw std::invalid_argument("bitmap without rows");
  const int width = static_cast<int>(rows.begin()->size());
  Bitmap out(width, static_cast<int>(rows.size()));
  int y = 0;
  for (std::string_view row : rows) {
    if (static_cast<int>(row.size()) != width) throw std::invalid_argument("ragged bitmap rows");
    for (int x = 0; x < width; ++x) {
      if (row[x] != '#' && row[x] != '.') throw std::invalid_argument("bitmap rows take # and .");
      out.set(x, y, row[x] == '#');
    }
    ++y;
  }
  return out;
}

Bitmap scaled(const Bitmap& source, int sx, int sy) {
  if (sx < 1 || sy < 1) throw std::invalid_argument("scale factors must be whole and positive");
  Bitmap out(source.width * sx, source.height * sy);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) out.set(x, y, source.at(x / sx, y / sy));
  }
  return out;
}

}  // namespace assetgen
