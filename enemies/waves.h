#pragma once
// The six waves of the level, in order of play. Each returns true when it is over.

#include "game/records.h"

bool wave_opening(Stage& stage);
bool wave_gunships(Stage& stage);
bool wave_midboss(Stage& stage);
bool wave_crossfire(Stage& stage);
bool wave_heavies(Stage& stage);
bool wave_fortress(Stage& stage);  // never over: it sets game_won instead
