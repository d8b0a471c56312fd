// The window icon: the player's ship as the game draws it, "/M\" over a "|"
// tail, in ember colours with a dark rim so it reads on light and dark desktops.
#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "png.h"

namespace assetgen {

inline constexpr int kIconSide = 32;
// The desktop's icon theme sizes: the drawing's own and whole-pixel enlargements
// of it, so the ship keeps its hard edges in a software centre too.
inline constexpr std::array<int, 3> kIconPngSides = {32, 64, 128};

// The drawing with every pixel made a `scale` by `scale` block, row-major.
std::vector<Rgba> icon_pixels(int scale);

// A 32-bit BMP with alpha, as SDL_LoadBMP reads it: the window's icon.
void save_icon_bmp(const std::filesystem::path& file);
// The same drawing as a `side` by `side` PNG (a multiple of 32) for the desktop.
void save_icon_png(int side, const std::filesystem::path& file);

}  // namespace assetgen
