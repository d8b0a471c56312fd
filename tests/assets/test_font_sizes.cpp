// The three sizes side by side. Their glyphs come from different type designs
// (VGA 8x8, Terminus 6x12, VGA 8x16), so single cells can differ a lot; but
// laid over each other code for code they must match far better than with any
// slip of the layout: one code over, one grid column over, rows and columns
// swapped, or the table read backwards.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "asset_files.h"
#include "font_cases.h"

namespace assettest {
namespace {

using assetgen::Bitmap;

constexpr int kCommon = 48;  // 8, 12 and 16 all divide it, so enlarging is exact
constexpr double kBlur = 3.0;

// The glyph enlarged to the common size and blurred, so strokes a pixel or two
// apart in two designs still overlap.
std::vector<double> blurred(const Bitmap& g) {
  const int scale = kCommon / g.width;
  const int reach = static_cast<int>(3 * kBlur);
  std::vector<double> kernel;
  for (int i = -reach; i <= reach; ++i) kernel.push_back(std::exp(-i * i / (2 * kBlur * kBlur)));
  std::vector<double> plain(kCommon * kCommon), across(plain.size()), out(plain.size());
  for (int y = 0; y < kCommon; ++y) {
    for (int x = 0; x < kCommon; ++x) plain[y * kCommon + x] = g.at(x / scale, y / scale);
  }
  auto pass = [&](const std::vector<double>& in, std::vector<double>& to, int dx, int dy) {
    for (int y = 0; y < kCommon; ++y) {
      for (int x = 0; x < kCommon; ++x) {
        double sum = 0, weight = 0;
        for (int i = -reach; i <= reach; ++i) {
          const int sx = x + i * dx, sy = y + i * dy;
          if (sx < 0 || sy < 0 || sx >= kCommon || sy >= kCommon) continue;
          sum += kernel[i + reach] * in[sy * kCommon + sx];
          weight += kernel[i + reach];
        }
        to[y * kCommon + x] = sum / weight;
      }
    }
  };
  pass(plain, across, 1, 0);
  pass(across, out, 0, 1);
  return out;
}

double distance(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(sum / a.size());
}

TEST(FontSizes, CellsMatchCodeForCodeAcrossSizes) {
  std::vector<std::vector<std::vector<double>>> fonts;
  for (const FontCase& f : kFontCases) {
    const auto cells = read_font_cells(asset_dir() / "terminal" / f.png, f.cell);
    fonts.emplace_back();
    for (const Bitmap& g : cells) fonts.back().push_back(blurred(g));
  }
  const std::vector<std::pair<const char*, std::function<int(int)>>> slips = {
      {"next code", [](int c) { return (c + 1) % 256; }},
      {"previous code", [](int c) { return (c + 255) % 256; }},
      {"next column", [](int c) { return (c + 16) % 256; }},
      {"previous column", [](int c) { return (c + 240) % 256; }},
      {"rows for columns", [](int c) { return (c % 16) * 16 + c / 16; }},
      {"backwards", [](int c) { return 255 - c; }},
  };
  auto mean_distance = [&](std::size_t a, std::size_t b, const std::function<int(int)>& pair) {
    double sum = 0;
    for (int c = 0; c < 256; ++c) sum += distance(fonts[a][c], fonts[b][pair(c)]);
    return sum / 256;
  };
  constexpr double kClearlyBetter = 0.85;
  for (std::size_t a = 0; a < fonts.size(); ++a) {
    for (std::size_t b = a + 1; b < fonts.size(); ++b) {
      const double same = mean_distance(a, b, [](int c) { return c; });
      for (const auto& [name, slip] : slips) {
        EXPECT_LT(same, kClearlyBetter * mean_distance(a, b, slip))
            << kFontCases[a].png << " against " << kFontCases[b].png << ", " << name;
      }
    }
  }
}

}  // namespace
}  // namespace assettest
