// Reads a screenshot of the game's window back as text: every 8 x 8 cell's
// lit pixels are matched against the font's glyphs.
//
//   screen_reader FONT.png SHOT.png        the 70 rows of 50 characters
//   screen_reader FONT.png SHOT.png X Y    "R G B", the colour of the cell's lit
//                                          pixels, or "dark"
//
// Glyphs outside printable ASCII print as '#', cells that match no glyph as '?'.

#include <libtcod.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace {

constexpr int kCell = 8;
constexpr int kColumns = 50;
constexpr int kRows = 70;
constexpr int kGlyphsPerSide = 16;
// Black is the only background; anything brighter is ink.
constexpr int kLit = 24;

using Mask = uint64_t;  // one bit a pixel, row by row

struct ImageDeleter {
  void operator()(TCOD_Image* image) const { TCOD_image_delete(image); }
};
using Image = std::unique_ptr<TCOD_Image, ImageDeleter>;

Image load(const char* path, int width, int height) {
  Image image{TCOD_image_load(path)};
  int w = 0, h = 0;
  if (image) TCOD_image_get_size(image.get(), &w, &h);
  if (w != width || h != height) {
    std::fprintf(stderr, "%s: %d x %d, expected %d x %d\n", path, w, h, width, height);
    std::exit(2);
  }
  return image;
}

bool lit(TCOD_color_t c) {
  return c.r >= kLit || c.g >= kLit || c.b >= kLit;
}

Mask cell_mask(TCOD_Image* image, int left, int top) {
  Mask mask = 0;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      if (lit(TCOD_image_get_pixel(image, left + x, top + y))) mask |= Mask{1} << (y * kCell + x);
    }
  }
  return mask;
}

// Code c sits at column c / 16, row c % 16 of the sheet. Where glyphs share a
// picture (the blanks), printable ASCII wins.
std::map<Mask, int> glyph_codes(TCOD_Image* font) {
  std::map<Mask, int> codes;
  for (int c = 255; c >= 0; --c) {
    Mask mask = cell_mask(font, c / kGlyphsPerSide * kCell, c % kGlyphsPerSide * kCell);
    bool printable = c >= ' ' && c <= '~';
    auto found = codes.find(mask);
    if (found == codes.end() || printable) codes[mask] = c;
  }
  return codes;
}

void print_grid(TCOD_Image* font, TCOD_Image* shot) {
  auto codes = glyph_codes(font);
  for (int row = 0; row < kRows; ++row) {
    std::string line;
    for (int column = 0; column < kColumns; ++column) {
      auto found = codes.find(cell_mask(shot, column * kCell, row * kCell));
      if (found == codes.end()) {
        line += '?';
      } else {
        int c = found->second;
        line += c >= ' ' && c <= '~' ? static_cast<char>(c) : '#';
      }
    }
    std::printf("%s\n", line.c_str());
  }
}

// The most common lit colour, so one stray pixel cannot decide it.
void print_colour(TCOD_Image* shot, int column, int row) {
  std::map<std::tuple<int, int, int>, int> counts;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      TCOD_color_t c = TCOD_image_get_pixel(shot, column * kCell + x, row * kCell + y);
      if (lit(c)) ++counts[{c.r, c.g, c.b}];
    }
  }
  if (counts.empty()) {
    std::printf("dark\n");
    return;
  }
  auto best = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    if (it->second > best->second) best = it;
  }
  auto [r, g, b] = best->first;
  std::printf("%d %d %d\n", r, g, b);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s FONT.png SHOT.png [X Y]\n", argv[0]);
    return 2;
  }
  Image font = load(argv[1], kGlyphsPerSide * kCell, kGlyphsPerSide * kCell);
  Image shot = load(argv[2], kColumns * kCell, kRows * kCell);
  if (argc == 3) {
    print_grid(font.get(), shot.get());
    return 0;
  }
  int column = std::atoi(argv[3]);
  int row = std::atoi(argv[4]);
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) {
    std::fprintf(stderr, "cell %d, %d is off the screen\n", column, row);
    return 2;
  }
  print_colour(shot.get(), column, row);
  return 0;
}
