// The window icon as SDL loads it for the game, and the desktop's PNG icons.
#include <SDL.h>
#include <gtest/gtest.h>
#include <libtcod/error.h>
#include <libtcod/tileset.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "asset_files.h"
#include "icon.h"

namespace assettest {
namespace {

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Pixels as 0xAABBGGRR.
Surface load_window_icon() {
  Surface loaded(SDL_LoadBMP((asset_dir() / "terminal" / "EVicon.bmp").c_str()), &SDL_FreeSurface);
  if (!loaded) return {nullptr, &SDL_FreeSurface};
  return {SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ABGR8888, 0), &SDL_FreeSurface};
}

// The window's icon, and the desktop's PNGs enlarged from it pixel for pixel.
TEST(IconFile, A32By32ShipOnClearGroundAndItsEnlargements) {
  Surface icon = load_window_icon();
  ASSERT_NE(icon, nullptr) << SDL_GetError();
  EXPECT_EQ(std::pair(icon->w, icon->h), std::pair(32, 32));
  const auto* window = static_cast<Uint32*>(icon->pixels);
  // Alpha is the top byte: the corner shows through, a fifth to three fifths is the ship.
  const auto opaque =
      std::count_if(window, window + 32 * 32, [](Uint32 p) { return p >> 24 == 0xFF; });
  EXPECT_EQ(window[0] >> 24, 0u);
  EXPECT_TRUE(opaque > 32 * 32 / 5 && opaque < 32 * 32 * 3 / 5) << opaque;
  for (int side : assetgen::kIconPngSides) {
    const std::string name = std::to_string(side) + "x" + std::to_string(side) + ".png";
    SCOPED_TRACE(name);
    // Read as a one-tile sheet: libtcod's tilesets keep alpha, its images do not.
    const int charmap[] = {0};
    std::unique_ptr<TCOD_Tileset, decltype(&TCOD_tileset_delete)> png(
        TCOD_tileset_load((asset_dir() / "icons" / name).c_str(), 1, 1, 1, charmap),
        &TCOD_tileset_delete);
    ASSERT_NE(png, nullptr) << TCOD_get_error();
    ASSERT_EQ(std::pair(TCOD_tileset_get_tile_width_(png.get()),
                        TCOD_tileset_get_tile_height_(png.get())),
              std::pair(side, side));
    std::vector<TCOD_ColorRGBA> pixels(static_cast<std::size_t>(side) * side);
    ASSERT_EQ(TCOD_tileset_get_tile_(png.get(), 0, pixels.data()), TCOD_E_OK);
    const int scale = side / 32;
    int unlike = 0;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const Uint32 p = window[(y / scale) * 32 + x / scale];
        const TCOD_ColorRGBA c = pixels[static_cast<std::size_t>(y) * side + x];
        // Clear pixels may hold any colour.
        const Uint32 got = c.a == 0 ? 0 : c.r | c.g << 8 | c.b << 16 | Uint32{c.a} << 24;
        unlike += got != (p >> 24 == 0 ? 0 : p);
      }
    }
    EXPECT_EQ(unlike, 0);
  }
}

}  // namespace
}  // namespace assettest
