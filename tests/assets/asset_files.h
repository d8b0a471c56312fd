// Reading back what assetgen wrote beside the test program.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap.h"

namespace assettest {

// The folder holding terminal/ and sound/: the test program's own, as the game's.
std::filesystem::path asset_dir();

// The 256 cells of a font picture in libtcod's column-major layout; a pixel
// counts as ink when it is brighter than mid grey.
std::array<assetgen::Bitmap, 256> read_font_cells(const std::filesystem::path& png, int cell);

// The first `count` cells of the top console row in a screenshot.
std::vector<assetgen::Bitmap> read_screen_row(const std::filesystem::path& png, int cell,
                                              int count);

struct Wav {
  int channels = 0;
  int sample_rate = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;  // interleaved; empty unless 16-bit
};

// Read as SDL reads it for the game; throws when SDL cannot.
Wav read_wav(const std::filesystem::path& file);

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);

// A path in the temporary folder that no other test process uses, so ctest -j
// and a second build's tests never share files.
std::filesystem::path scratch_path(const std::string& name);

}  // namespace assettest
