#include "icon.h"

#include <SDL.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "staged_file.h"

namespace assetgen {
namespace {

// W wing, M hull, T tail flame; the rim is added around them.
constexpr std::array<std::string_view, kIconSide> kArt = {
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "......WWW.MMM......MMM.WWW......",  //
    "......WWW.MMMM....MMMM.WWW......",  //
    ".....WWW..MMMMM..MMMMM..WWW.....",  //
    ".....WWW..MMM.MMMM.MMM..WWW.....",  //
    "....WWW...MMM..MM..MMM...WWW....",  //
    "....WWW...MMM......MMM...WWW....",  //
    "...WWW....MMM......MMM....WWW...",  //
    "...WWW....MMM......MMM....WWW...",  //
    "..WWW.....MMM......MMM.....WWW..",  //
    "..WWW.....MMM......MMM.....WWW..",  //
    ".WWW......MMM......MMM......WWW.",  //
    ".WWW......MMM......MMM......WWW.",  //
    "................................",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "...............TT...............",  //
    "................................",  //
    "................................",  //
};

Uint8 mix(Uint8 from, Uint8 to, double t) {
  return static_cast<Uint8>(from + (to - from) * t + 0.5);
}

Rgba blend(Rgba top, Rgba bottom, double t) {
  return {mix(top.r, bottom.r, t), mix(top.g, bottom.g, t), mix(top.b, bottom.b, t), 255};
}

// Colours run down each part like heat: pale at the top, deeper below.
Rgba colour_of(char part, int y) {
  constexpr Rgba kHullTop{255, 245, 120, 255}, kHullBottom{255, 130, 20, 255};
  constexpr Rgba kWingTop{170, 250, 255, 255}, kWingBottom{30, 150, 255, 255};
  constexpr Rgba kFlameTop{255, 235, 90, 255}, kFlameBottom{230, 30, 20, 255};
  constexpr int kHullFirst = 5, kHullLast = 16, kTailFirst = 18, kTailLast = 29;
  switch (part) {
    case 'M':
      return blend(kHullTop, kHullBottom, double(y - kHullFirst) / (kHullLast - kHullFirst));
    case 'W':
      return blend(kWingTop, kWingBottom, double(y - kHullFirst) / (kHullLast - kHullFirst));
    case 'T':
      return blend(kFlameTop, kFlameBottom, double(y - kTailFirst) / (kTailLast - kTailFirst));
    default:
      return {0, 0, 0, 0};
  }
}

bool lit(int x, int y) {
  return x >= 0 && y >= 0 && x < kIconSide && y < kIconSide && kArt[y][x] != '.';
}

bool next_to_lit(int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (lit(x + dx, y + dy)) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<Rgba> icon_pixels(int scale) {
  constexpr Rgba kRim{24, 8, 32, 255};
  const int side = kIconSide * scale;
  std::vector<Rgba> pixels(static_cast<std::size_t>(side) * side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const int ax = x / scale, ay = y / scale;
      Rgba c = colour_of(kArt[ay][ax], ay);
      if (c.a == 0 && next_to_lit(ax, ay)) c = kRim;
      pixels[static_cast<std::size_t>(y) * side + x] = c;
    }
  }
  return pixels;
}

void save_icon_bmp(const std::filesystem::path& file) {
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
      SDL_CreateRGBSurfaceWithFormat(0, kIconSide, kIconSide, 32, SDL_PIXELFORMAT_ARGB8888),
      &SDL_FreeSurface);
  if (!surface) throw std::runtime_error(std::string("icon surface: ") + SDL_GetError());
  const std::vector<Rgba> pixels = icon_pixels(1);
  for (int y = 0; y < kIconSide; ++y) {
    auto* row =
        reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < kIconSide; ++x) {
      const Rgba& c = pixels[static_cast<std::size_t>(y) * kIconSide + x];
      row[x] = SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.a);
    }
  }
  StagedFile out(file);
  if (SDL_SaveBMP(surface.get(), out.temp_path().c_str()) != 0) {
    throw std::runtime_error(file.string() + ": " + SDL_GetError());
  }
  out.commit();
}

void save_icon_png(int side, const std::filesystem::path& file) {
  if (side <= 0 || side % kIconSide != 0) {
    throw std::invalid_argument(file.string() + ": not a whole enlargement of the icon");
  }
  save_rgba_png(side, side, icon_pixels(side / kIconSide), file);
}

}  // namespace assetgen
