// The window icon as SDL loads it for the game.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "asset_files.h"

namespace assettest {
namespace {

TEST(IconFile, LoadsAsABrightSymmetricShipOnClearGround) {
  using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
  const auto file = asset_dir() / "terminal" / "EVicon.bmp";
  Surface loaded(SDL_LoadBMP_RW(SDL_RWFromFile(file.c_str(), "rb"), 1), &SDL_FreeSurface);
  ASSERT_TRUE(loaded) << SDL_GetError();
  ASSERT_EQ(loaded->w, 32);
  ASSERT_EQ(loaded->h, 32);
  Surface icon(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ABGR8888, 0),
               &SDL_FreeSurface);
  ASSERT_TRUE(icon);
  auto pixel = [&](int x, int y) {
    SDL_Color c;
    const Uint32 raw = static_cast<Uint32*>(icon->pixels)[y * icon->pitch / 4 + x];
    SDL_GetRGBA(raw, icon->format, &c.r, &c.g, &c.b, &c.a);
    return c;
  };
  EXPECT_EQ(pixel(0, 0).a, 0);
  EXPECT_EQ(pixel(31, 31).a, 0);
  int opaque = 0, warm = 0, cool = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const SDL_Color c = pixel(x, y), mirror = pixel(31 - x, y);
      EXPECT_EQ(std::tie(c.r, c.g, c.b, c.a), std::tie(mirror.r, mirror.g, mirror.b, mirror.a))
          << x << "," << y;
      opaque += c.a == 255;
      warm += c.a == 255 && c.r > 200 && c.g > 120 && c.b < 150;
      cool += c.a == 255 && c.b > 200 && c.r < 200;
    }
  }
  EXPECT_GT(opaque, 32 * 32 / 5);
  EXPECT_LT(opaque, 32 * 32 * 3 / 5);
  EXPECT_GT(warm, 40) << "a hull and flame in ember colours";
  EXPECT_GT(cool, 20) << "wings in a cold colour";
}

}  // namespace
}  // namespace assettest
