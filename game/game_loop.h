#pragma once
// One game from the first frame to game over or victory.

#include "game/records.h"

void game_run();
// One key event and the mapped controls: sets the ship's fire flags and
// handles the pause. False when the player pressed Escape.
bool poll_game_input(Player& player);
