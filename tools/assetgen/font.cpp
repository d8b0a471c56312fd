#include "font.h"

#include <map>
#include <stdexcept>

#include "canvas.h"
#include "cp437.h"
#include "drawn_cells.h"
#include "psf.h"

namespace assetgen {

std::vector<FontRecipe> font_recipes() {
  // FullGreek keeps the double box-drawing lines apart from the single ones
  // (Uni2 merges them) and has the Greek letters (right at 12 and 16 pixels;
  // see drawn_cells.cpp for 8); Uni2 fills in the few Latin letters FullGreek
  // lacks. The 8x16 and 6x12 glyphs are doubled in width to make square cells
  // with the full vertical detail of the larger sizes.
  return {
      {"terminal.png", "x1", 8, {{"FullGreek-VGA8.psf.gz", 1, 1}, {"Uni2-VGA8.psf.gz", 1, 1}}},
      {"termx15.png",
       "x15",
       12,
       {{"FullGreek-Terminus12x6.psf.gz", 2, 1}, {"Uni2-Terminus12x6.psf.gz", 2, 1}}},
      {"termx2.png", "x2", 16, {{"FullGreek-VGA16.psf.gz", 2, 1}, {"Uni2-VGA16.psf.gz", 2, 1}}},
  };
}

namespace {

constexpr int kNoCharacter = 0;

FontCell cell_from_sources(int code, const std::vector<GlyphSource>& sources,
                           const std::map<std::string, PsfFont>& fonts) {
  std::vector<char32_t> wanted = {cp437_to_unicode(code)};
  if (auto stand_in = cp437_stand_in(code)) wanted.push_back(*stand_in);
  // The exact character in any source beats a stand-in from the first one.
  for (char32_t cp : wanted) {
    for (const GlyphSource& source : sources) {
      if (const Bitmap* glyph = fonts.at(source.file).find(cp)) {
        return {scaled(*glyph, source.scale_x, source.scale_y), source.file};
      }
    }
  }
  throw std::runtime_error("no glyph for code page 437 code " + std::to_string(code));
}

}  // namespace

Font build_font(const FontRecipe& recipe, const std::filesystem::path& console_font_dir) {
  std::map<std::string, PsfFont> fonts;
  for (const GlyphSource& source : recipe.sources) {
    PsfFont font = load_psf(console_font_dir / source.file);
    if (font.width * source.scale_x != recipe.cell || font.height * source.scale_y != recipe.cell) {
      throw std::runtime_error(source.file + " does not scale to " + std::to_string(recipe.cell) +
                               "-pixel cells");
    }
    fonts.emplace(source.file, std::move(font));
  }
  Font out;
  out.cell = recipe.cell;
  for (int code = 0; code < kFontCodes; ++code) {
    if (code == kNoCharacter) {
      out.cells[code] = {Bitmap(recipe.cell, recipe.cell), "blank"};
    } else if (auto drawn = drawn_cell(recipe.cell, code)) {
      out.cells[code] = {std::move(*drawn), "drawn"};
    } else {
      out.cells[code] = cell_from_sources(code, recipe.sources, fonts);
    }
  }
  return out;
}

void save_font_png(const Font& font, const std::filesystem::path& file) {
  constexpr Rgb kInk{255, 255, 255};
  constexpr Rgb kPaper{0, 0, 0};
  Canvas canvas(font.cell * kFontGrid, font.cell * kFontGrid, kPaper);
  for (int code = 0; code < kFontCodes; ++code) {
    const Bitmap& glyph = font.cells[code].glyph;
    const int left = font_grid_column(code) * font.cell;
    const int top = font_grid_row(code) * font.cell;
    for (int y = 0; y < glyph.height; ++y) {
      for (int x = 0; x < glyph.width; ++x) {
        if (glyph.at(x, y)) canvas.put(left + x, top + y, kInk);
      }
    }
  }
  canvas.save_png(file);
}

}  // namespace assetgen
