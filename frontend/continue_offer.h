#pragma once
// The offer of a continue after a death, with a 30-second countdown.

// True when the player takes a continue (only Enter takes it), or when the
// window closed, which ends the game at its next check. False at once when
// no continue is left.
bool continue_offer();

// A digit of the seven-segment font, 4 columns by 7 rows of 'X' and blanks,
// with its top-left cell at (column, 30).
void draw_big_digit(int digit, int column);
