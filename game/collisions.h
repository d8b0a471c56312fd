#pragma once
// Whole-cell contact tests between the lists and the ship; damage only lowers
// counters, removal happens in the update pass.

#include "game/records.h"
#include "game/score.h"

// Nothing unless the ship is in play.
void run_collisions(World& world, Player& player, Score& score);
void player_hit(Player& player, int damage, Score& score);
