#include "fx/glyph.h"

#include "shell/settings.h"
#include "tests/harness.h"

// The hue cycle takes pi as 3.14159265 and truncates, so a full turn does not
// land exactly where it started, and values a hair below a whole number drop.
TEST(ColourCycle, StepsOfTheHueCycle) {
  EXPECT_EQ(cycle_colour(0), (TCOD_color_t{150, 236, 63}));
  EXPECT_EQ(cycle_colour(90), (TCOD_color_t{250, 100, 99}));
  EXPECT_EQ(cycle_colour(180), (TCOD_color_t{150, 63, 236}));
  EXPECT_EQ(cycle_colour(270), (TCOD_color_t{50, 199, 200}));
  EXPECT_EQ(cycle_colour(330), (TCOD_color_t{99, 250, 100}));
  EXPECT_EQ(cycle_colour(360), (TCOD_color_t{149, 236, 63}));
}

TEST(ColourCycle, BulletRainbowTurnsOnceASecond) {
  EXPECT_EQ(bullet_rainbow(0), (TCOD_color_t{150, 236, 63}));
  EXPECT_EQ(bullet_rainbow(1), (TCOD_color_t{160, 230, 58}));
  EXPECT_EQ(bullet_rainbow(9), (TCOD_color_t{230, 160, 58}));
  EXPECT_EQ(bullet_rainbow(59), (TCOD_color_t{139, 241, 69}));
  EXPECT_EQ(bullet_rainbow(60), cycle_colour(360));
}

class GlyphDraw : public GameTest {};

TEST_F(GlyphDraw, RandomBrightColourTakesThreeDrawsInOrder) {
  seed_random(99);
  int draws[3];
  for (int& draw : draws) draw = TCOD_random_get_int(nullptr, 0, 20);
  int next = TCOD_random_get_int(nullptr, 0, 1000);
  seed_random(99);
  TCOD_color_t colour = random_bright_colour();
  EXPECT_EQ(colour, (TCOD_color_t{static_cast<uint8_t>(50 + 10 * draws[0]),
                                  static_cast<uint8_t>(50 + 10 * draws[1]),
                                  static_cast<uint8_t>(50 + 10 * draws[2])}));
  EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000), next);  // exactly three draws
}

TEST_F(GlyphDraw, DrawsItsCharacterInItsColourWithTheBackgroundSet) {
  Glyph glyph = glyph_new(TCOD_red, '*');
  TCOD_console_set_default_background(nullptr, TCOD_blue);
  glyph_draw(glyph, 3, 4);
  EXPECT_EQ(cell_char(3, 4), '*');
  EXPECT_EQ(cell_fg(3, 4), TCOD_red);
  EXPECT_EQ(cell_bg(3, 4), TCOD_blue);
}

TEST_F(GlyphDraw, MonochromeDrawsWhiteButKeepsTheStoredColour) {
  settings.colour_mode = 1;
  Glyph glyph = glyph_new(TCOD_red, 7);
  glyph_draw(glyph, 10, 10);
  EXPECT_EQ(cell_fg(10, 10), TCOD_white);
  EXPECT_EQ(glyph.colour, TCOD_red);
}

TEST_F(GlyphDraw, OffConsoleCellsAreSkippedButTheColourIsStillSet) {
  Glyph glyph = glyph_new(TCOD_green, 'x');
  for (auto [x, y] : {std::pair{50, 0}, {-1, 5}, {5, 70}, {5, -1}}) glyph_draw(glyph, x, y);
  EXPECT_EQ(TCOD_console_get_default_foreground(nullptr), TCOD_green);
  for (int y = 0; y < 70; ++y) ASSERT_EQ(screen_text(0, y, 50).find('x'), std::string::npos);
}

