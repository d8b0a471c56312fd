// Pictures with an alpha channel saved as PNG. libtcod's image API keeps no
// alpha, and a desktop icon needs it, so the file is written through zlib.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

// `pixels` is row-major, width * height of them.
void save_rgba_png(int width, int height, const std::vector<Rgba>& pixels,
                   const std::filesystem::path& file);

}  // namespace assetgen
