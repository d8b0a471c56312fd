#include "frontend/options.h"

#include "frontend/menu_cursor.h"
#include "frontend/remap.h"
#include "fx/glyph.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

const char* on_off(int value) {
  return value != 0 ? "On" : "Off";
}
const char* particles_value() {
  return on_off(settings.particles);
}
const char* stars_value() {
  return on_off(settings.stars);
}
// The font is chosen at start-up, so a new size shows at the next start.
const char* screen_size_value() {
  if (settings.screen_size == 0) return "x1";
  if (settings.screen_size == 1) return "x1.5";
  return "x2";
}

struct OptionRow {
  const char* label;
  int y;
  const char* (*value)();  // none for the prompts
  void (*handler)();
};

// clang-format off
constexpr OptionRow kRows[] = {
    // label                y   value              handler
    {"Particles: ",        26, particles_value,   settings_toggle_particles},
    {"Stars: ",            28, stars_value,       settings_toggle_stars},
    {"Screen Size: ",      30, screen_size_value, settings_cycle_screen_size},
    {"Remap Keyboard ",    32, nullptr,           remap_keyboard},
    {"Remap Controller ",  34, nullptr,           remap_controller},
    {"Exit and Save: ",    36, nullptr,           settings_save},
};
// clang-format on
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];
constexpr int kLabelX = 25;
constexpr int kValueX = 35;

void draw_options(TCOD_color_t colour, int selection) {
  TCOD_console_set_default_foreground(nullptr, colour);
  TCOD_console_clear(nullptr);
  for (int i = 0; i < kRowCount; ++i) {
    TCOD_console_set_default_foreground(nullptr, i == selection ? colour : TCOD_gray);
    console_print(kLabelX, kRows[i].y, "%s", kRows[i].label);
    if (kRows[i].value) console_print(kValueX, kRows[i].y, "%s", kRows[i].value());
  }
}

}  // namespace

void options_screen() {
  // Labels and values are centred on their columns.
  TCOD_console_set_alignment(nullptr, TCOD_CENTER);
  MenuCursor cursor{kRowCount};
  // A closed window leaves without saving.
  for (int k = 0; !platform_window_closed(); ++k) {
    draw_options(cycle_colour(k), cursor.selection);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    int accept = read_accept();
    int direction = read_direction();
    if (accept == 1) {
      play_sound(SFX_CONFIRM);
      const OptionRow& row = kRows[cursor.selection];
      row.handler();
      // There is no cancel: saving is the only way back.
      if (row.handler == settings_save) return;
    } else {
      menu_cursor_step(cursor, direction);
    }
  }
}
