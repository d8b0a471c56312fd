// The game's console fonts: 256 square cells in code page 437 order, laid out
// column by column (code c in grid column c / 16, row c % 16) as libtcod's
// TCOD_FONT_LAYOUT_ASCII_INCOL expects.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap.h"

namespace assetgen {

inline constexpr int kFontGrid = 16;
inline constexpr int kFontCodes = kFontGrid * kFontGrid;

// A console font file and how far its glyphs are widened and heightened to
// fill one cell.
struct GlyphSource {
  std::string file;
  int scale_x = 1;
  int scale_y = 1;
};

struct FontRecipe {
  std::string png_name;  // under terminal/
  std::string zoom;      // the game's name for the size: x1, x15, x2
  int cell = 0;
  std::vector<GlyphSource> sources;  // earlier sources win
};

struct FontCell {
  Bitmap glyph;
  std::string origin;  // the console font file, "drawn" or "blank"
};

struct Font {
  int cell = 0;
  std::array<FontCell, kFontCodes> cells;
};

// The three sizes the game offers: 8, 12 and 16 pixel cells.
std::vector<FontRecipe> font_recipes();

// Fails when any code from 1 to 255 would be left without a glyph.
Font build_font(const FontRecipe& recipe, const std::filesystem::path& console_font_dir);

// Where code `code` sits in the font picture, in cells.
inline int font_grid_column(int code) {
  return code / kFontGrid;
}
inline int font_grid_row(int code) {
  return code % kFontGrid;
}

// White glyphs on black.
void save_font_png(const Font& font, const std::filesystem::path& file);

}  // namespace assetgen
