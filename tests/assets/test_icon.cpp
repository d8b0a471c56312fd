// The window icon as SDL loads it for the game.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "asset_files.h"

namespace assettest {
namespace {

TEST(IconFile, LoadsAsA32By32ShipOnClearGround) {
  SDL_Surface* loaded = SDL_LoadBMP((asset_dir() / "terminal" / "EVicon.bmp").c_str());
  ASSERT_NE(loaded, nullptr) << SDL_GetError();
  SDL_Surface* icon = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
  SDL_FreeSurface(loaded);
  ASSERT_NE(icon, nullptr) << SDL_GetError();
  EXPECT_EQ(std::pair(icon->w, icon->h), std::pair(32, 32));
  const auto* pixels = static_cast<Uint32*>(icon->pixels);
  // Alpha is the top byte: the corner shows through, a fifth to three fifths is the ship.
  const auto opaque =
      std::count_if(pixels, pixels + 32 * 32, [](Uint32 p) { return p >> 24 == 0xFF; });
  EXPECT_EQ(pixels[0] >> 24, 0u);
  EXPECT_TRUE(opaque > 32 * 32 / 5 && opaque < 32 * 32 * 3 / 5) << opaque;
  SDL_FreeSurface(icon);
}

}  // namespace
}  // namespace assettest
