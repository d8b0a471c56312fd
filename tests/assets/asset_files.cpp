#include "asset_files.h"

#include <SDL.h>
#include <libtcod/image.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

namespace assettest {

std::filesystem::path asset_dir() {
  std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  if (!base) throw std::runtime_error("SDL_GetBasePath failed");
  return base.get();
}

namespace {

using Image = std::unique_ptr<TCOD_Image, decltype(&TCOD_image_delete)>;

Image load_image(const std::filesystem::path& png, int* w, int* h) {
  Image image(TCOD_image_load(png.c_str()), &TCOD_image_delete);
  if (!image) throw std::runtime_error(png.string() + ": cannot load");
  TCOD_image_get_size(image.get(), w, h);
  return image;
}

assetgen::Bitmap cell_at(const TCOD_Image* image, int left, int top, int cell) {
  constexpr int kMidGrey = 128;
  assetgen::Bitmap out(cell, cell);
  for (int y = 0; y < cell; ++y) {
    for (int x = 0; x < cell; ++x) {
      out.set(x, y, TCOD_image_get_pixel(image, left + x, top + y).r >= kMidGrey);
    }
  }
  return out;
}

}  // namespace

std::array<assetgen::Bitmap, 256> read_font_cells(const std::filesystem::path& png, int cell) {
  constexpr int kGrid = 16;
  int w = 0, h = 0;
  const Image image = load_image(png, &w, &h);
  if (w != cell * kGrid || h != cell * kGrid) throw std::runtime_error(png.string() + ": bad size");
  std::array<assetgen::Bitmap, 256> cells;
  for (int code = 0; code < 256; ++code) {
    cells[code] = cell_at(image.get(), (code / kGrid) * cell, (code % kGrid) * cell, cell);
  }
  return cells;
}

std::vector<assetgen::Bitmap> read_screen_row(const std::filesystem::path& png, int cell,
                                              int count) {
  int w = 0, h = 0;
  const Image image = load_image(png, &w, &h);
  if (w < cell * count || h < cell) throw std::runtime_error(png.string() + ": too small");
  std::vector<assetgen::Bitmap> cells;
  for (int i = 0; i < count; ++i) cells.push_back(cell_at(image.get(), i * cell, 0, cell));
  return cells;
}

std::filesystem::path scratch_path(const std::string& name) {
  return std::filesystem::temp_directory_path() / (name + "." + std::to_string(getpid()));
}

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot open");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Wav read_wav(const std::filesystem::path& file) {
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV(file.c_str(), &spec, &buffer, &bytes)) {
    throw std::runtime_error(file.string() + ": " + SDL_GetError());
  }
  Wav wav{spec.channels, spec.freq, static_cast<int>(SDL_AUDIO_BITSIZE(spec.format)), {}};
  if (spec.format == AUDIO_S16LSB) {
    wav.samples.resize(bytes / 2);
    std::memcpy(wav.samples.data(), buffer, wav.samples.size() * 2);
  }
  SDL_FreeWAV(buffer);
  return wav;
}

}  // namespace assettest
