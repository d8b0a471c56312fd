// The fonts as the game uses them: libtcod opens a 50x70 console with each and
// draws console code c with the font's cell c.
#include <SDL.h>
#include <gtest/gtest.h>
#include <libtcod.h>

#include <filesystem>

#include "asset_files.h"
#include "font_cases.h"

namespace assettest {
namespace {

constexpr int kColumns = 50, kRows = 70;
constexpr int kDrawn[] = {1,   7,   10,  22,  '/', '\\', '|', 'M', 'A',
                          'z', 179, 186, 188, 196, 200,  201, 205, 219};

class FontInLibtcod : public ::testing::TestWithParam<FontCase> {
 protected:
  void TearDown() override { TCOD_quit(); }
};

TEST_P(FontInLibtcod, OpensTheWindowAndDrawsEachCodeWithItsCell) {
  const FontCase& f = GetParam();
  const auto png = asset_dir() / "terminal" / f.png;
  ASSERT_EQ(TCOD_console_set_custom_font(
                png.c_str(), TCOD_FONT_LAYOUT_ASCII_INCOL | TCOD_FONT_TYPE_GREYSCALE, 16, 16),
            TCOD_E_OK)
      << TCOD_get_error();
  ASSERT_GE(TCOD_console_init_root(kColumns, kRows, "asset test", false, TCOD_RENDERER_SDL2), 0)
      << TCOD_get_error();
  int w = 0, h = 0;
  SDL_GetWindowSize(TCOD_sys_get_sdl_window(), &w, &h);
  EXPECT_EQ(w, f.window_width);
  EXPECT_EQ(h, f.window_height);

  TCOD_console_set_default_background(nullptr, TCOD_black);
  TCOD_console_set_default_foreground(nullptr, TCOD_white);
  TCOD_console_clear(nullptr);
  for (int i = 0; i < static_cast<int>(std::size(kDrawn)); ++i) {
    TCOD_console_put_char(nullptr, i, 0, kDrawn[i], TCOD_BKGND_SET);
  }
  TCOD_console_flush();
  const auto shot = scratch_path("asset_shot_" + std::to_string(f.cell)).concat(".png");
  TCOD_sys_save_screenshot(shot.c_str());
  const auto screen = read_screen_row(shot, f.cell, static_cast<int>(std::size(kDrawn)));
  const auto font = read_font_cells(png, f.cell);
  for (int i = 0; i < static_cast<int>(std::size(kDrawn)); ++i) {
    EXPECT_EQ(screen[i], font[kDrawn[i]]) << "console code " << kDrawn[i];
  }
  std::filesystem::remove(shot);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontInLibtcod, ::testing::ValuesIn(kFontCases),
                         [](const auto& info) { return font_case_name(info.param); });

}  // namespace
}  // namespace assettest
