#include "game/hud.h"

#include "game/globals.h"

// Stand-in until the display lands: it leaves the console in the state the
// display would (left alignment, background set, the ship's colour), which the
// game-over art and the screens after a game print with.
void hud_draw(const Player&, const Score&) {
  TCOD_console_set_default_foreground(nullptr, game.player_colour);
  TCOD_console_set_background_flag(nullptr, TCOD_BKGND_SET);
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
}
