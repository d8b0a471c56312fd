#include "frontend/credits.h"

#include "fx/glyph.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/sound.h"

namespace {

constexpr int kTextX = 25;  // the lines are centred on this column
constexpr int kTextY = 20;

// clang-format off
constexpr const char* kCredits =
    "Program, design and sound\n"
    "\n"
    "The Ember Vortex team\n"
    "\n"
    "Music: none, just the guns\n"
    "\n"
    "Tools and libraries\n"
    "\n"
    "libtcod https://github.com/libtcod/libtcod\n"
    "\n"
    "SDL https://www.libsdl.org\n"
    "\n"
    "SDL_mixer https://github.com/libsdl-org/SDL_mixer\n"
    "\n"
    "CMake https://cmake.org\n"
    "\n"
    "GoogleTest https://github.com/google/googletest\n"
    "\n"
    "\n"
    "\n";
// clang-format on

}  // namespace

void credits_screen() {
  TCOD_console_set_alignment(nullptr, TCOD_CENTER);
  for (int k = 0; !platform_window_closed(); ++k) {
    TCOD_color_t colour = cycle_colour(k);
    TCOD_console_clear(nullptr);
    TCOD_console_set_default_foreground(nullptr, colour);
    console_print(kTextX, kTextY, "%s", kCredits);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    // The press that opened the page is already remembered: only a new one leaves.
    if (read_accept() == 1) {
      play_sound(SFX_CONFIRM);
      return;
    }
  }
}
