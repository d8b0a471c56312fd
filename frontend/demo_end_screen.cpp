#include "frontend/demo_end_screen.h"

#include "frontend/name_entry.h"
#include "frontend/score_table.h"
#include "fx/glyph.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"

namespace {
constexpr int kThanksX = 5;
constexpr int kThanksY = 20;
}  // namespace

void demo_end_screen(Score& score) {
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  for (int k = 0; !platform_window_closed(); ++k) {
    TCOD_console_set_default_foreground(nullptr, cycle_colour(k));
    TCOD_console_clear(nullptr);
    console_print(kThanksX, kThanksY, "Thanks for playing the Ember Vortex demo.");
    // Escape closes the entry for this frame only: it opens again on the
    // next while the result still qualifies.
    if (score_qualifies(score)) name_entry(score);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    if (read_accept() == 1) return;
  }
}
