// The window icon as SDL loads it for the game.
#include <SDL.h>
#include <gtest/gtest.h>

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
  int opaque = 0;
  for (int i = 0; i < icon->w * icon->h; ++i) {
    opaque += static_cast<Uint32*>(icon->pixels)[i] >> 24 == 0xFF;  // alpha is the top byte
  }
  EXPECT_EQ(static_cast<Uint32*>(icon->pixels)[0] >> 24, 0u) << "the corner shows through";
  EXPECT_GT(opaque, 32 * 32 / 5);
  EXPECT_LT(opaque, 32 * 32 * 3 / 5);
  SDL_FreeSurface(icon);
}

}  // namespace
}  // namespace assettest
