#pragma once
// The six waves of the level, in order of play. Each is called once a frame
// with its stage, spawns on fixed frames and returns true when it is over.

#include "game/records.h"

bool wave_opening(Stage& stage);
bool wave_gunships(Stage& stage);
bool wave_midboss(Stage& stage);  // lasts until the boss is gone
bool wave_crossfire(Stage& stage);
bool wave_heavies(Stage& stage);
bool wave_fortress(Stage& stage);  // never over: it sets game_won instead

// Three darts in a chevron around column c: a dart on each side of a centre
// dart, the right-hand one a leader that bends the other way.
void wave_trio(int c, Stage& stage);
