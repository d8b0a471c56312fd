#include "asset_files.h"

#include <SDL.h>
#include <libtcod/image.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace assettest {
namespace {

// Windows and audio open on SDL's dummy drivers unless the environment names
// others. Set here: gtest_discover_tests passes on only one variable.
[[maybe_unused]] const bool kHeadless =
    setenv("SDL_VIDEODRIVER", "dummy", 0) == 0 && setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;

}  // namespace

std::filesystem::path asset_dir() {
  std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  if (!base) throw std::runtime_error("SDL_GetBasePath failed");
  return base.get();
}

std::filesystem::path scratch_path(const std::string& name) {
  return std::filesystem::temp_directory_path() / (name + "." + std::to_string(getpid()));
}

std::vector<assetgen::Bitmap> read_cells(const std::filesystem::path& png, int cell, int count) {
  constexpr int kColumn = 16, kMidGrey = 128;
  std::unique_ptr<TCOD_Image, decltype(&TCOD_image_delete)> image(TCOD_image_load(png.c_str()),
                                                                  &TCOD_image_delete);
  if (!image) throw std::runtime_error(png.string() + ": cannot load");
  std::vector<assetgen::Bitmap> cells(count, assetgen::Bitmap(cell, cell));
  for (int i = 0; i < count; ++i) {
    for (int y = 0; y < cell; ++y) {
      for (int x = 0; x < cell; ++x) {
        const int px = i / kColumn * cell + x, py = i % kColumn * cell + y;
        cells[i].set(x, y, TCOD_image_get_pixel(image.get(), px, py).r >= kMidGrey);
      }
    }
  }
  return cells;
}

}  // namespace assettest
