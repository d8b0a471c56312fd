#pragma once
// Printing on the root console with libtcod's 1.5-series calls, which honour
// the console's default alignment and background flag. Every line of a
// multi-line text starts at the same column, and a line cut at the console's
// edge never hides the lines after it.

#include <libtcod.h>

void console_print(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
// A frame of single lines; `clear` empties its inside.
void console_print_frame(int x, int y, int width, int height, bool clear, TCOD_bkgnd_flag_t flag);
