// The three console fonts: every cell the right glyph, in a font libtcod takes.
#include <SDL.h>
#include <gtest/gtest.h>
#include <libtcod.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "asset_files.h"
#include "bitmap.h"
#include "cp437.h"
#include "drawn_cells.h"
#include "psf.h"

namespace assettest {
namespace {

using assetgen::Bitmap;

// A console font of the game and the console fonts it is drawn from.
struct FontCase {
  const char* png;
  int cell;
  const char* psf;  // FullGreek-<psf> and Uni2-<psf>
};
const FontCase kFontCases[] = {
    {"terminal.png", 8, "VGA8"}, {"termx15.png", 12, "Terminus12x6"}, {"termx2.png", 16, "VGA16"}};

// The first `count` cells of a picture laid out as libtcod reads a font:
// column by column, 16 to a column. Ink is brighter than mid grey.
std::vector<Bitmap> read_cells(const std::filesystem::path& png, int cell, int count) {
  constexpr int kColumn = 16, kMidGrey = 128;
  std::unique_ptr<TCOD_Image, decltype(&TCOD_image_delete)> image(TCOD_image_load(png.c_str()),
                                                                  &TCOD_image_delete);
  if (!image) throw std::runtime_error(png.string() + ": cannot load");
  std::vector<Bitmap> cells(count, Bitmap(cell, cell));
  for (int i = 0; i < count; ++i) {
    const int left = i / kColumn * cell, top = i % kColumn * cell;
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x)
        cells[i].set(x, y, TCOD_image_get_pixel(image.get(), left + x, top + y).r >= kMidGrey);
  }
  return cells;
}

class Font : public ::testing::TestWithParam<FontCase> {
 protected:
  void TearDown() override { TCOD_quit(); }
};

// Each cell is its character's glyph (or a look-alike's) in one of the
// console fonts its size is drawn from, or one of the cells we draw; libtcod
// takes the font in the game's column-major 16 x 16 layout, its cells sizing the window.
TEST_P(Font, EveryCodeShowsItsOwnCharacterAndLibtcodOpensA50By70ConsoleWithIt) {
  const FontCase& f = GetParam();
  const auto png = asset_dir() / "terminal" / f.png;
  const std::vector<Bitmap> cells = read_cells(png, f.cell, 256);
  std::vector<assetgen::PsfFont> sources;
  for (const std::string family : {"FullGreek-", "Uni2-"})
    sources.push_back(assetgen::load_psf(EV_CONSOLE_FONT_DIR "/" + family + f.psf + ".psf.gz"));
  for (int code = 1; code < 256; ++code) {
    std::vector<Bitmap> allowed;
    if (auto drawn = assetgen::drawn_cell(f.cell, code)) allowed.push_back(*drawn);
    std::vector<char32_t> wanted = {assetgen::cp437_to_unicode(code)};
    if (auto stand_in = assetgen::cp437_stand_in(code)) wanted.push_back(*stand_in);
    for (const auto& source : sources)
      for (char32_t cp : wanted)
        if (const Bitmap* g = source.find(cp))
          allowed.push_back(assetgen::scaled(*g, f.cell / g->width, f.cell / g->height));
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), cells[code]), allowed.end())
        << "code " << code;
  }
  for (int a = 1; a < 255; ++a)  // 255, the no-break space, is blank as 32 is
    for (int b = a + 1; b < 255; ++b) EXPECT_NE(cells[a], cells[b]) << "codes " << a << " " << b;
  // The pictures the game draws below 32 by their code page's characters.
  for (auto [code, want] :
       {std::pair{1, U'\u263A'}, {7, U'\u2022'}, {10, U'\u25D9'}, {22, U'\u25AC'}})
    EXPECT_EQ(assetgen::cp437_to_unicode(code), want) << code;

  constexpr int kLayout = TCOD_FONT_LAYOUT_ASCII_INCOL | TCOD_FONT_TYPE_GREYSCALE;
  ASSERT_EQ(TCOD_console_set_custom_font(png.c_str(), kLayout, 16, 16), TCOD_E_OK)
      << TCOD_get_error();
  ASSERT_GE(TCOD_console_init_root(50, 70, "asset test", false, TCOD_RENDERER_SDL2), 0)
      << TCOD_get_error();
  int w = 0, h = 0;
  SDL_GetWindowSize(TCOD_sys_get_sdl_window(), &w, &h);
  EXPECT_EQ(std::pair(w, h), std::pair(50 * f.cell, 70 * f.cell));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Font, ::testing::ValuesIn(kFontCases),
                         [](const auto& font) { return "cell" + std::to_string(font.param.cell); });

}  // namespace
}  // namespace assettest
