// The window icon: the player's ship as the game draws it, "/M\" over a "|"
// tail, in ember colours with a dark rim so it reads on light and dark desktops.
#pragma once

#include <filesystem>

namespace assetgen {

inline constexpr int kIconSide = 32;

// A 32-bit BMP with alpha, as SDL_LoadBMP reads it.
void save_icon_bmp(const std::filesystem::path& file);

}  // namespace assetgen
