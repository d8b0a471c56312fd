#pragma once
// The World's frame passes: removal in the update pass, movement and drawing
// in the draw pass, each over the lists in a fixed order.

#include <memory>

#include "game/records.h"
#include "game/score.h"

std::unique_ptr<World> world_create();
// Culls what left the screen, then reaps what was spent (deaths, points, sounds).
void world_update(World& world, Score& score);
// Advances and draws every list, then the ship's frame and the display.
void world_draw(World& world, Player& player, Score& score);
// Everything the enemies have in the air goes at the next update, without a
// graze bonus: a hit on the ship and a continue.
void world_clear_enemy_fire(World& world);
