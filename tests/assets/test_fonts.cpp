// The three console fonts: every cell the right glyph, drawn by libtcod as
// the game draws it, and the sizes agreeing code for code.
#include <SDL.h>
#include <gtest/gtest.h>
#include <libtcod.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "asset_files.h"
#include "cp437.h"
#include "drawn_cells.h"
#include "psf.h"

namespace assettest {
namespace {

using assetgen::Bitmap;
using Cells = std::vector<Bitmap>;

Cells font_cells(const FontCase& f) {
  return read_cells(asset_dir() / "terminal" / f.png, f.cell, 256);
}

class Font : public ::testing::TestWithParam<FontCase> {
 protected:
  void TearDown() override { TCOD_quit(); }
  const Cells cells_ = font_cells(GetParam());
};

// Each cell is its character's glyph (or a look-alike's) in one of the
// console fonts its size is drawn from, or one of the cells we draw.
TEST_P(Font, EveryCodeShowsItsOwnCharacter) {
  const FontCase& f = GetParam();
  std::vector<assetgen::PsfFont> sources;
  for (const std::string family : {"FullGreek-", "Uni2-"}) {
    sources.push_back(assetgen::load_psf(EV_CONSOLE_FONT_DIR "/" + family + f.psf + ".psf.gz"));
  }
  for (int code = 1; code < 256; ++code) {
    std::vector<Bitmap> allowed;
    if (auto drawn = assetgen::drawn_cell(f.cell, code)) allowed.push_back(*drawn);
    std::vector<char32_t> wanted = {assetgen::cp437_to_unicode(code)};
    if (auto stand_in = assetgen::cp437_stand_in(code)) wanted.push_back(*stand_in);
    for (const auto& source : sources) {
      for (char32_t cp : wanted) {
        if (const Bitmap* g = source.find(cp)) {
          allowed.push_back(assetgen::scaled(*g, f.cell / g->width, f.cell / g->height));
        }
      }
    }
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), cells_[code]), allowed.end())
        << "code " << code;
  }
  for (int a = 1; a < 255; ++a) {  // 255, the no-break space, is blank as 32 is
    for (int b = a + 1; b < 255; ++b) EXPECT_NE(cells_[a], cells_[b]) << "codes " << a << " " << b;
  }
  EXPECT_EQ(std::count(cells_[219].ink.begin(), cells_[219].ink.end(), 1), f.cell * f.cell);
}

// Lit pixels along the top, bottom, left and right edge: where lines meet the
// next cell.
std::array<std::vector<int>, 4> edges(const Bitmap& g) {
  std::array<std::vector<int>, 4> lit;
  const int last = g.width - 1;
  for (int i = 0; i <= last; ++i) {
    if (g.at(i, 0)) lit[0].push_back(i);
    if (g.at(i, last)) lit[1].push_back(i);
    if (g.at(0, i)) lit[2].push_back(i);
    if (g.at(last, i)) lit[3].push_back(i);
  }
  return lit;
}

// From 179 on, the arms up, down, left and right: 0 none, 1 single, 2 double.
constexpr int kFirstBox = 179;
constexpr std::array<const char*, 40> kArms = {
    "1100", "1110", "1120", "2210", "0210", "0120", "2220", "2200", "0220", "2020",  // 179..188
    "2010", "1020", "0110", "1001", "1011", "0111", "1101", "0011", "1111", "1102",  // 189..198
    "2201", "2002", "0202", "2022", "0222", "2202", "0022", "2222", "1022", "2011",  // 199..208
    "0122", "0211", "2001", "1002", "0102", "0201", "2211", "1122", "1010", "0101",  // 209..218
};

TEST_P(Font, BoxDrawingCellsJoinUp) {
  const std::vector<int> vertical[3] = {{}, edges(cells_[179])[0], edges(cells_[186])[0]};
  const std::vector<int> horizontal[3] = {{}, edges(cells_[196])[2], edges(cells_[205])[2]};
  for (const auto* line : {vertical, horizontal}) {
    ASSERT_TRUE(!line[1].empty() && !line[2].empty());
    // A double line is two strokes with a gap between them.
    EXPECT_GT(line[2].back() - line[2].front() + 1, static_cast<int>(line[2].size()));
  }
  for (int code = kFirstBox; code < kFirstBox + static_cast<int>(kArms.size()); ++code) {
    const auto lit = edges(cells_[code]);
    for (int side = 0; side < 4; ++side) {
      const int arm = kArms[code - kFirstBox][side] - '0';
      EXPECT_EQ(lit[side], (side < 2 ? vertical : horizontal)[arm]) << code << " side " << side;
    }
  }
}

TEST_P(Font, LibtcodOpensItsWindowAndDrawsEachCodeWithItsCell) {
  constexpr int kDrawn[] = {1,   7,   10,  22,  '/', '\\', '|', 'M', 'A',
                            'z', 179, 186, 188, 196, 200,  201, 205, 219};
  constexpr int kCount = std::size(kDrawn), kColumn = 16;
  const FontCase& f = GetParam();
  const auto png = asset_dir() / "terminal" / f.png;
  ASSERT_EQ(TCOD_console_set_custom_font(
                png.c_str(), TCOD_FONT_LAYOUT_ASCII_INCOL | TCOD_FONT_TYPE_GREYSCALE, 16, 16),
            TCOD_E_OK)
      << TCOD_get_error();
  ASSERT_GE(TCOD_console_init_root(50, 70, "asset test", false, TCOD_RENDERER_SDL2), 0)
      << TCOD_get_error();
  int w = 0, h = 0;
  SDL_GetWindowSize(TCOD_sys_get_sdl_window(), &w, &h);
  EXPECT_EQ(std::pair(w, h), std::pair(f.window_width, f.window_height));
  // Placed as a font lays out its cells, so the screenshot reads back alike.
  for (int i = 0; i < kCount; ++i) {
    TCOD_console_put_char_ex(nullptr, i / kColumn, i % kColumn, kDrawn[i], TCOD_white, TCOD_black);
  }
  TCOD_console_flush();
  const auto shot = scratch_path("asset_shot").concat(".png");
  TCOD_sys_save_screenshot(shot.c_str());
  const Cells screen = read_cells(shot, f.cell, kCount);
  std::filesystem::remove(shot);
  for (int i = 0; i < kCount; ++i) EXPECT_EQ(screen[i], cells_[kDrawn[i]]) << "code " << kDrawn[i];
}

INSTANTIATE_TEST_SUITE_P(Sizes, Font, ::testing::ValuesIn(kFontCases),
                         [](const auto& info) { return "cell" + std::to_string(info.param.cell); });

// The share of ink in each block of a 4x4 grid over the cell.
std::vector<double> outline(const Bitmap& g) {
  constexpr int kBlocks = 4;
  const int side = g.width / kBlocks;
  std::vector<double> out(kBlocks * kBlocks);
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) out[y / side * kBlocks + x / side] += g.at(x, y);
  }
  for (double& share : out) share /= side * side;
  return out;
}

// The sizes come from different type designs, so single cells can differ a
// lot; but code for code they must match far better than with any slip of
// the layout.
TEST(FontSizes, CellsMatchCodeForCodeAcrossSizes) {
  constexpr double kClearlyBetter = 0.85;
  std::vector<std::vector<std::vector<double>>> outlines;
  for (const FontCase& f : kFontCases) {
    outlines.emplace_back();
    for (const Bitmap& g : font_cells(f)) outlines.back().push_back(outline(g));
  }
  const std::pair<const char*, std::function<int(int)>> slips[] = {
      {"next code", [](int c) { return (c + 1) % 256; }},
      {"previous code", [](int c) { return (c + 255) % 256; }},
      {"next column", [](int c) { return (c + 16) % 256; }},
      {"previous column", [](int c) { return (c + 240) % 256; }},
      {"rows for columns", [](int c) { return (c % 16) * 16 + c / 16; }},
      {"backwards", [](int c) { return 255 - c; }},
  };
  auto distance = [&](std::size_t a, std::size_t b, const std::function<int(int)>& pair) {
    double sum = 0;
    for (int c = 0; c < 256; ++c) {
      double square = 0;
      for (std::size_t i = 0; i < outlines[a][c].size(); ++i)
        square += std::pow(outlines[a][c][i] - outlines[b][pair(c)][i], 2);
      sum += std::sqrt(square);
    }
    return sum;
  };
  for (std::size_t a = 0; a < outlines.size(); ++a) {
    for (std::size_t b = a + 1; b < outlines.size(); ++b) {
      const double same = distance(a, b, [](int c) { return c; });
      for (const auto& [name, slip] : slips) {
        EXPECT_LT(same, kClearlyBetter * distance(a, b, slip))
            << kFontCases[a] << " against " << kFontCases[b] << ", " << name;
      }
    }
  }
}

}  // namespace
}  // namespace assettest
