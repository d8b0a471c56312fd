#include "contact_sheet.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "canvas.h"
#include "cp437.h"

namespace assetgen {
namespace {

constexpr int kZoom = 2;  // whole pixels, so the sheet shows every font pixel as it is
constexpr int kMargin = 6;
constexpr int kGap = 2;
constexpr Rgb kBackdrop{28, 30, 40};
constexpr Rgb kPaper{0, 0, 0};
constexpr Rgb kPrimaryInk{255, 255, 255};
constexpr Rgb kFallbackInk{255, 225, 120};
constexpr Rgb kDrawnInk{120, 230, 255};
constexpr Rgb kLabelInk{255, 150, 60};

// 3x5 digits for the code numbers: the fonts under review are too big to
// label their own cells.
constexpr std::array<std::array<std::string_view, 5>, 10> kDigits = {{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", ".##", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};
constexpr int kDigitWidth = 3;
constexpr int kDigitHeight = 5;
constexpr int kLabelWidth = 3 * kDigitWidth + 2;  // "255"

void draw_number(Canvas& canvas, int left, int top, int number) {
  const std::string text = std::to_string(number);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto& digit = kDigits[text[i] - '0'];
    for (int y = 0; y < kDigitHeight; ++y) {
      for (int x = 0; x < kDigitWidth; ++x) {
        if (digit[y][x] != '#') continue;
        const int px = left + static_cast<int>(i) * (kDigitWidth + 1) + x;
        canvas.fill_rect(px * kZoom, (top + y) * kZoom, kZoom, kZoom, kLabelInk);
      }
    }
  }
}

void draw_glyph(Canvas& canvas, int left, int top, const Bitmap& glyph, Rgb ink) {
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      if (glyph.at(x, y))
        canvas.fill_rect((left + x) * kZoom, (top + y) * kZoom, kZoom, kZoom, ink);
    }
  }
}

// Lines set cell against cell, as the game's console draws them.
constexpr std::array<std::u32string_view, 6> kSample = {
    U"╔══════════════════╗",   //
    U"║   Ember Vortex   ║",   //
    U"╟──────┬─────┬─────╢",   //
    U"║  /M\\ │☺•◙▬ │ÇéÄ§ ║",  //
    U"║   |  │░▒▓█ │αßΓπ ║",   //
    U"╚══════╧═════╧═════╝",
};

}  // namespace

void save_contact_sheet(const Font& font, const FontRecipe& recipe,
                        const std::filesystem::path& file) {
  const int box_w = std::max(font.cell, kLabelWidth) + kGap * 2;
  const int box_h = font.cell + kGap * 3 + kDigitHeight;
  const int grid_w = kFontGrid * box_w;
  const int sample_w = static_cast<int>(kSample[0].size()) * font.cell;
  const int width = kMargin * 2 + std::max(grid_w, sample_w);
  const int sample_top = kMargin * 2 + kFontGrid * box_h;
  const int height = sample_top + static_cast<int>(kSample.size()) * font.cell + kMargin;
  Canvas canvas(width * kZoom, height * kZoom, kBackdrop);

  // Row-major like the usual code page chart: code = row * 16 + column.
  for (int code = 0; code < kFontCodes; ++code) {
    const int left = kMargin + (code % kFontGrid) * box_w;
    const int top = kMargin + (code / kFontGrid) * box_h;
    canvas.fill_rect((left + kGap / 2) * kZoom, (top + kGap / 2) * kZoom, (box_w - kGap) * kZoom,
                     (box_h - kGap) * kZoom, kPaper);
    const FontCell& cell = font.cells[code];
    const Rgb ink = cell.origin == "drawn"                       ? kDrawnInk
                    : cell.origin == recipe.sources.front().file ? kPrimaryInk
                                                                 : kFallbackInk;
    draw_glyph(canvas, left + (box_w - font.cell) / 2, top + kGap, cell.glyph, ink);
    draw_number(canvas, left + (box_w - kLabelWidth) / 2, top + kGap * 2 + font.cell, code);
  }

  canvas.fill_rect(kMargin * kZoom, sample_top * kZoom, sample_w * kZoom,
                   static_cast<int>(kSample.size()) * font.cell * kZoom, kPaper);
  for (std::size_t row = 0; row < kSample.size(); ++row) {
    for (std::size_t col = 0; col < kSample[row].size(); ++col) {
      const int code = unicode_to_cp437(kSample[row][col]).value_or('?');
      draw_glyph(canvas, kMargin + static_cast<int>(col) * font.cell,
                 sample_top + static_cast<int>(row) * font.cell, font.cells[code].glyph,
                 kPrimaryInk);
    }
  }
  canvas.save_png(file);
}

}  // namespace assetgen
