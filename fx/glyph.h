#pragma once
// One character in one colour, and the colour rules shared by bullets,
// effects, the ship and the screens.

#include <libtcod.h>

#include <cstdint>

struct Glyph {
  TCOD_color_t colour{255, 255, 255};
  int32_t ch = 0;  // code page 437: 1 smiling face, 7 dot, 10 inverse circle, 179 bar
};

Glyph glyph_new(TCOD_color_t colour, int ch);
void glyph_set(Glyph& glyph, TCOD_color_t colour, int ch);
void glyph_set_colour(Glyph& glyph, TCOD_color_t colour);
void glyph_set_char(Glyph& glyph, int ch);
void glyph_set_rgb(Glyph& glyph, int r, int g, int b);  // each taken as a byte
// Draws at a root-console cell, in white under the monochrome colour mode.
// Cells off the console are skipped.
void glyph_draw(const Glyph& glyph, int x, int y);

// Step k of the hue cycle: three sines 120 degrees apart, 150 +- 100 each.
TCOD_color_t cycle_colour(int k);
// The bullet colour-mode cycle: a full hue turn every 60 frames.
TCOD_color_t bullet_rainbow(int age);
// Three draws of 0..20 from libtcod's default generator, each 50 + 10 x draw.
TCOD_color_t random_bright_colour();
