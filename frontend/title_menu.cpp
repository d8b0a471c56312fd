#include "frontend/title_menu.h"

#include "fx/glyph.h"
#include "game/game_loop.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/sound.h"

// Stand-in until the menu lands: one item that starts a game.
void title_menu() {
  for (int k = 0; !platform_window_closed(); ++k) {
    TCOD_console_set_alignment(nullptr, TCOD_LEFT);
    TCOD_console_clear(nullptr);
    TCOD_console_set_default_foreground(nullptr, cycle_colour(k));
    TCOD_console_set_alignment(nullptr, TCOD_CENTER);
    console_print(25, 26, "Start Game");
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    read_direction();
    if (read_accept() == 1) {
      play_sound(SFX_CONFIRM);
      game_run();
    }
  }
}
