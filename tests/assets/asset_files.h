// Reading back what assetgen wrote beside the test program.
#pragma once

#include <array>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "bitmap.h"

namespace assettest {

// The folder holding terminal/ and sound/: the test program's own, as the game's.
std::filesystem::path asset_dir();

// A path in the temporary folder that no other test process uses.
std::filesystem::path scratch_path(const std::string& name);

// The first `count` cells of a picture laid out as libtcod reads a font:
// column by column, 16 to a column. Ink is brighter than mid grey.
std::vector<assetgen::Bitmap> read_cells(const std::filesystem::path& png, int cell, int count);

// A console font of the game, the console fonts it is drawn from and the
// window it gives a 50x70 console.
struct FontCase {
  const char* png;
  int cell;
  const char* psf;  // FullGreek-<psf> and Uni2-<psf>
  int window_width, window_height;
};

inline constexpr std::array<FontCase, 3> kFontCases = {{
    {"terminal.png", 8, "VGA8", 400, 560},
    {"termx15.png", 12, "Terminus12x6", 600, 840},
    {"termx2.png", 16, "VGA16", 800, 1120},
}};

inline std::ostream& operator<<(std::ostream& out, const FontCase& f) {
  return out << f.png;
}

}  // namespace assettest
