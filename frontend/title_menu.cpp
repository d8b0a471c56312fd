#include "frontend/title_menu.h"

#include "frontend/credits.h"
#include "frontend/logo.h"
#include "frontend/menu_cursor.h"
#include "frontend/options.h"
#include "frontend/scoreboard.h"
#include "fx/glyph.h"
#include "game/game_loop.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/sound.h"

namespace {

// The "QUIT" item does nothing itself: the menu returns to main when it is
// chosen, so the program ends with status 0 through the same shutdown as a
// closed window.
void quit_program() {}

struct MenuItem {
  const char* label;
  int x;  // the label is centred on this column
  int y;
  void (*handler)();
};

// clang-format off
constexpr MenuItem kItems[] = {
    // label         x   y  handler
    {"Start Game",  25, 26, game_run},
    {"Scoreboard",  25, 28, scoreboard_show},
    {"Options",     24, 30, options_screen},
    {"Credits",     24, 32, credits_screen},
    {"QUIT",        25, 34, quit_program},
};
// clang-format on
constexpr int kItemCount = sizeof kItems / sizeof kItems[0];

constexpr int kIntroFirstRow = 85;  // block one starts below the console
constexpr int kIntroLastRow = 6;
constexpr int kIntroLogoX = 6;
constexpr int kIntroVortexY = 10;
constexpr int kIntroVortexLead = 7;  // block two's column is the row plus this

constexpr int kEmberX = 6;
constexpr int kEmberY = 5;
constexpr int kVortexX = 12;
constexpr int kVortexY = 10;
constexpr int kNoticeX = 24;
constexpr int kNoticeY = 60;
constexpr const char* kNotice = "Arrows, Enter to choose";

// Block one rises from below the console while block two slides in from the
// right; keys do not shorten it.
void play_intro() {
  TCOD_console_set_default_foreground(nullptr, cycle_colour(0));
  for (int row = kIntroFirstRow; row >= kIntroLastRow && !platform_window_closed(); --row) {
    TCOD_console_set_default_background(nullptr, TCOD_black);
    TCOD_console_set_alignment(nullptr, TCOD_LEFT);
    TCOD_console_clear(nullptr);
    console_print(kIntroLogoX, row, "%s", kLogoEmber);
    console_print(row + kIntroVortexLead, kIntroVortexY, "%s", kLogoVortex);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  }
}

void draw_menu(TCOD_color_t colour, int selection) {
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  TCOD_console_clear(nullptr);
  TCOD_console_set_default_foreground(nullptr, colour);
  console_print(kEmberX, kEmberY, "%s", kLogoEmber);
  console_print(kVortexX, kVortexY, "%s", kLogoVortex);
  console_print(kNoticeX, kNoticeY, "%s", kNotice);
  TCOD_console_set_alignment(nullptr, TCOD_CENTER);
  for (int i = 0; i < kItemCount; ++i) {
    TCOD_console_set_default_foreground(nullptr, i == selection ? colour : TCOD_gray);
    console_print(kItems[i].x, kItems[i].y, "%s", kItems[i].label);
  }
}

}  // namespace

void title_menu() {
  play_intro();
  MenuCursor cursor{kItemCount};
  // The hue goes on across the sub-screens instead of restarting.
  for (int k = 0; !platform_window_closed(); ++k) {
    draw_menu(cycle_colour(k), cursor.selection);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    int direction = read_direction();
    if (read_accept() == 1) {
      play_sound(SFX_CONFIRM);
      const MenuItem& item = kItems[cursor.selection];
      item.handler();
      if (item.handler == quit_program) return;
    } else {
      menu_cursor_step(cursor, direction);
    }
  }
}
