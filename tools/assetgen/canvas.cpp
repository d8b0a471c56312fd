#include "canvas.h"

#include <libtcod/error.h>
#include <libtcod/image.h>

#include <memory>
#include <stdexcept>

#include "staged_file.h"

namespace assetgen {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("empty canvas");
}

void Canvas::put(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[index(x, y)] = colour;
}

void Canvas::fill_rect(int x, int y, int w, int h, Rgb colour) {
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) put(xx, yy, colour);
  }
}

void Canvas::save_png(const std::filesystem::path& file) const {
  std::unique_ptr<TCOD_Image, decltype(&TCOD_image_delete)> image(TCOD_image_new(width_, height_),
                                                                  &TCOD_image_delete);
  if (!image) throw std::runtime_error("libtcod could not allocate an image");
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Rgb c = at(x, y);
      TCOD_image_put_pixel(image.get(), x, y, TCOD_color_t{c.r, c.g, c.b});
    }
  }
  StagedFile out(file);
  if (TCOD_image_save(image.get(), out.temp_path().c_str()) < 0) {
    throw std::runtime_error(file.string() + ": " + TCOD_get_error());
  }
  out.commit();
}

}  // namespace assetgen
