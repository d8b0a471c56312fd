// Each font on its own: the right glyph in every cell, no two cells alike, and
// the cells the game draws shaped as it needs them.
#include <gtest/gtest.h>

#include <map>

#include "asset_files.h"
#include "cp437.h"
#include "drawn_cells.h"
#include "font.h"
#include "font_cases.h"
#include "glyph_shape.h"
#include "psf.h"

namespace assettest {
namespace {

using assetgen::Bitmap;

class FontCells : public ::testing::TestWithParam<FontCase> {
 protected:
  void SetUp() override {
    cells_ = read_font_cells(asset_dir() / "terminal" / GetParam().png, GetParam().cell);
  }
  const Bitmap& cell(int code) const { return cells_[code]; }
  int size() const { return GetParam().cell; }

 private:
  std::array<Bitmap, 256> cells_;
};

// Every cell must be its character's glyph in one of the console fonts the
// size is drawn from (or its look-alike stand-in), or one we drew for it.
TEST_P(FontCells, EveryCodeShowsItsCharacter) {
  std::vector<assetgen::GlyphSource> sources;
  for (const auto& recipe : assetgen::font_recipes()) {
    if (recipe.png_name == GetParam().png) sources = recipe.sources;
  }
  ASSERT_FALSE(sources.empty());
  std::map<std::string, assetgen::PsfFont> fonts;
  for (const auto& s : sources)
    fonts[s.file] = assetgen::load_psf(EV_CONSOLE_FONT_DIR "/" + s.file);

  EXPECT_EQ(ink(cell(0)), 0);
  for (int code = 1; code < 256; ++code) {
    std::vector<Bitmap> allowed;
    if (auto drawn = assetgen::drawn_cell(size(), code)) allowed.push_back(*drawn);
    std::vector<char32_t> wanted = {assetgen::cp437_to_unicode(code)};
    if (auto stand_in = assetgen::cp437_stand_in(code)) wanted.push_back(*stand_in);
    for (const auto& s : sources) {
      for (char32_t cp : wanted) {
        if (const Bitmap* g = fonts[s.file].find(cp)) {
          allowed.push_back(assetgen::scaled(*g, s.scale_x, s.scale_y));
        }
      }
    }
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), cell(code)), allowed.end())
        << "code " << code;
  }
}

TEST_P(FontCells, OnlySpaceAndNoBreakSpaceLookAlike) {
  EXPECT_EQ(ink(cell(32)), 0);
  EXPECT_EQ(cell(255), cell(32));
  for (int a = 1; a < 255; ++a) {
    for (int b = a + 1; b < 255; ++b) EXPECT_NE(cell(a), cell(b)) << "codes " << a << " " << b;
  }
}

TEST_P(FontCells, GameSymbolsHaveTheirShape) {
  const int n = size();
  const InkBox face = ink_box(cell(1));
  EXPECT_GE(face.width(), n * 6 / 10) << "smiling face";
  EXPECT_GE(face.height(), n * 6 / 10) << "smiling face";
  EXPECT_GE(holes(cell(1)), 1) << "smiling face is an outline";
  EXPECT_GT(ink(cell(2)), ink(cell(1)) * 13 / 10) << "the dark face is filled";

  const InkBox dot = ink_box(cell(7));
  EXPECT_EQ(pieces(cell(7)), 1);
  EXPECT_LE(dot.width(), n * 2 / 3) << "the widened fonts make it an oval";
  EXPECT_LE(dot.height(), n / 2);
  EXPECT_LE(dot.width() * dot.height(), n * n / 4);
  EXPECT_NEAR((dot.left + dot.right) / 2.0, (n - 1) / 2.0, n / 4.0) << "bullet is centred";

  EXPECT_EQ(ink_box(cell(10)).width(), n) << "inverse circle fills its cell";
  EXPECT_EQ(ink_box(cell(10)).height(), n);
  EXPECT_GE(holes(cell(10)), 1) << "inverse circle has its hole";

  const InkBox bar = ink_box(cell(22));
  EXPECT_EQ(ink(cell(22)), bar.width() * bar.height()) << "thick bar is solid";
  EXPECT_GE(bar.width(), n / 2);
  EXPECT_GE(bar.height(), 2);
  EXPECT_LE(bar.height(), n / 2);

  EXPECT_GT(mean_ink_x(cell('/'), 0, n / 2), mean_ink_x(cell('/'), n / 2, n) + n / 8.0);
  EXPECT_LT(mean_ink_x(cell('\\'), 0, n / 2) + n / 8.0, mean_ink_x(cell('\\'), n / 2, n));
  const InkBox pipe = ink_box(cell('|'));
  EXPECT_EQ(pieces(cell('|')), 1);
  EXPECT_GE(pipe.height(), n * 6 / 10);
  EXPECT_LE(pipe.width(), n / 4);

  EXPECT_EQ(ink(cell(219)), n * n) << "full block";
}

TEST_P(FontCells, BlocksAndShadesCoverTheirShare) {
  const int n = size(), area = n * n;
  EXPECT_NEAR(ink(cell(176)), area / 4, area / 10) << "light shade";
  EXPECT_NEAR(ink(cell(177)), area / 2, area / 10) << "medium shade";
  EXPECT_NEAR(ink(cell(178)), area * 3 / 4, area / 10) << "dark shade";
  const std::map<int, InkBox> halves = {{220, {0, n / 2, n - 1, n - 1}},
                                        {221, {0, 0, n / 2 - 1, n - 1}},
                                        {222, {n / 2, 0, n - 1, n - 1}},
                                        {223, {0, 0, n - 1, n / 2 - 1}}};
  for (const auto& [code, want] : halves) {
    const InkBox got = ink_box(cell(code));
    EXPECT_EQ(ink(cell(code)), area / 2) << code;
    EXPECT_EQ(std::tie(got.left, got.top, got.right, got.bottom),
              std::tie(want.left, want.top, want.right, want.bottom))
        << code;
  }
}

// Lines leave each box-drawing cell exactly where the plain line cells run,
// so frames join up: arms up, down, left, right; 0 none, 1 single, 2 double.
constexpr int kFirstBox = 179;
constexpr std::array<const char*, 40> kArms = {
    "1100", "1110", "1120", "2210", "0210", "0120", "2220", "2200", "0220", "2020",  // 179..188
    "2010", "1020", "0110", "1001", "1011", "0111", "1101", "0011", "1111", "1102",  // 189..198
    "2201", "2002", "0202", "2022", "0222", "2202", "0022", "2222", "1022", "2011",  // 199..208
    "0122", "0211", "2001", "1002", "0102", "0201", "2211", "1122", "1010", "0101",  // 209..218
};

TEST_P(FontCells, BoxDrawingCellsJoinUp) {
  const std::vector<int> vertical[3] = {
      {}, edge_ink(cell(179), Edge::kTop), edge_ink(cell(186), Edge::kTop)};
  const std::vector<int> horizontal[3] = {
      {}, edge_ink(cell(196), Edge::kLeft), edge_ink(cell(205), Edge::kLeft)};
  ASSERT_FALSE(vertical[1].empty());
  ASSERT_FALSE(horizontal[1].empty());
  ASSERT_NE(vertical[1], vertical[2]);
  ASSERT_NE(horizontal[1], horizontal[2]);
  // A double line is two strokes with a gap between them.
  EXPECT_GT(vertical[2].back() - vertical[2].front() + 1, static_cast<int>(vertical[2].size()));
  EXPECT_GT(horizontal[2].back() - horizontal[2].front() + 1,
            static_cast<int>(horizontal[2].size()));

  for (int i = 0; i < static_cast<int>(kArms.size()); ++i) {
    const int code = kFirstBox + i;
    const char* arms = kArms[i];
    EXPECT_EQ(edge_ink(cell(code), Edge::kTop), vertical[arms[0] - '0']) << code << " top";
    EXPECT_EQ(edge_ink(cell(code), Edge::kBottom), vertical[arms[1] - '0']) << code << " bottom";
    EXPECT_EQ(edge_ink(cell(code), Edge::kLeft), horizontal[arms[2] - '0']) << code << " left";
    EXPECT_EQ(edge_ink(cell(code), Edge::kRight), horizontal[arms[3] - '0']) << code << " right";
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontCells, ::testing::ValuesIn(kFontCases),
                         [](const auto& info) { return font_case_name(info.param); });

}  // namespace
}  // namespace assettest
