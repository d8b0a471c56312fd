#pragma once
// One game from the first frame to game over or victory.

#include "game/director.h"
#include "game/records.h"

// Plays the level.
void game_run();
// One game whose frames are driven by the given level step: the level script
// for the player, a scene of its own for a developer's tool. A closed window
// ends it at once, with no closing screen.
void game_play(DirectorStep step);
// One key event and the mapped controls: sets the ship's fire flags and
// handles the pause. False when the player pressed Escape.
bool poll_game_input(Player& player);
