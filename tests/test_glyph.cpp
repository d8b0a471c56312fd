#include "fx/glyph.h"

#include "tests/harness.h"

using Glyphs = GameTest;

// With pi as 3.14159265 and truncation, a full turn comes back a step short.
TEST_F(Glyphs, HueCycleStepsAndADrawInItsColourOrWhiteInMonochromeAndRandomColoursDrawThree) {
  // clang-format off
  const struct { TCOD_color_t got, want; } cases[] = {
      {cycle_colour(0), {150, 236, 63}},   {cycle_colour(90), {250, 100, 99}},
      {cycle_colour(180), {150, 63, 236}}, {cycle_colour(360), {149, 236, 63}},
      {bullet_rainbow(1), {160, 230, 58}}, {bullet_rainbow(59), {139, 241, 69}}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << "case " << &c - cases;
  Glyph glyph = glyph_new(TCOD_red, '*');
  TCOD_console_set_default_background(nullptr, TCOD_blue);
  glyph_draw(glyph, 3, 4);
  EXPECT_EQ(std::tuple(cell_char(3, 4), cell_fg(3, 4), cell_bg(3, 4)),
            std::tuple('*', TCOD_red, TCOD_blue));
  settings.colour_mode = 1;
  glyph_draw(glyph, 10, 10);
  EXPECT_EQ(cell_fg(10, 10), TCOD_white);
  seed_random(99);  // draws 18, 19, 8, then 180 of 0..1000
  EXPECT_EQ(random_bright_colour(), (TCOD_color_t{230, 240, 130}));
  EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000), 180);  // exactly three draws
}
