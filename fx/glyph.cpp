#include "fx/glyph.h"

#include <cmath>

#include "game/motion.h"
#include "shell/settings.h"

Glyph glyph_new(TCOD_color_t colour, int ch) {
  return Glyph{colour, ch};
}

void glyph_set(Glyph& glyph, TCOD_color_t colour, int ch) {
  glyph.colour = colour;
  glyph.ch = ch;
}

void glyph_set_colour(Glyph& glyph, TCOD_color_t colour) {
  glyph.colour = colour;
}

void glyph_set_char(Glyph& glyph, int ch) {
  glyph.ch = ch;
}

void glyph_set_rgb(Glyph& glyph, int r, int g, int b) {
  glyph.colour =
      TCOD_color_RGB(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

void glyph_draw(const Glyph& glyph, int x, int y) {
  // The default foreground is set even for a skipped cell: later prints
  // inherit whatever colour the last glyph left.
  TCOD_console_set_default_foreground(nullptr, glyph.colour);
  if (settings.colour_mode != 0) TCOD_console_set_default_foreground(nullptr, TCOD_white);
  if (x < 0 || y < 0 || x >= TCOD_console_get_width(nullptr) ||
      y >= TCOD_console_get_height(nullptr)) {
    return;
  }
  TCOD_console_put_char(nullptr, x, y, glyph.ch, TCOD_BKGND_SET);
}

TCOD_color_t cycle_colour(int k) {
  auto channel = [k](int offset) {
    return static_cast<uint8_t>(
        static_cast<int>(150 + 100 * std::sin(degrees_to_radians(k + offset))));
  };
  return TCOD_color_RGB(channel(0), channel(120), channel(240));
}

TCOD_color_t bullet_rainbow(int age) {
  return cycle_colour(6 * age);
}

TCOD_color_t random_bright_colour() {
  int r = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
  int g = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
  int b = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
  return TCOD_color_RGB(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}
