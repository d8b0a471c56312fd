#pragma once
// The highlight of a list screen (the title menu, the options): it moves one
// row per change of direction to down or up, and does not wrap.

struct MenuCursor {
  int rows = 1;
  int selection = 0;
  int previous = -1;  // the direction reading of the last frame, -1 for none
};

// One frame's direction reading; a move, or a push against an end, plays the
// select sound.
void menu_cursor_step(MenuCursor& cursor, int direction);
