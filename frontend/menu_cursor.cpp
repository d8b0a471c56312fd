#include "frontend/menu_cursor.h"

#include "shell/sound.h"

namespace {
constexpr int kDown = 90;
constexpr int kUp = 270;
}  // namespace

void menu_cursor_step(MenuCursor& cursor, int direction) {
  // A held direction moves once; any other reading, a diagonal included,
  // counts as a change so the next pure down or up moves again.
  if (direction == cursor.previous) return;
  cursor.previous = direction;
  if (direction == kDown) {
    play_sound(SFX_SELECT);
    if (cursor.selection < cursor.rows - 1) ++cursor.selection;
  } else if (direction == kUp) {
    play_sound(SFX_SELECT);
    if (cursor.selection > 0) --cursor.selection;
  }
}
