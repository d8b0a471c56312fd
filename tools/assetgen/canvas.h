// A colour picture saved as PNG through libtcod's image API.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
  // Pixels outside the canvas are dropped, so callers may draw near its edges.
  void put(int x, int y, Rgb colour);
  void fill_rect(int x, int y, int w, int h, Rgb colour);

  void save_png(const std::filesystem::path& file) const;

 private:
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace assetgen
