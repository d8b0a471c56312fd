#pragma once
// Seeding libtcod's default generator, which every random draw of the game
// uses: the same seed and the same input play the same game.

#include <cstdint>

void random_seed(uint32_t seed);
// A seed nobody chose, for a recorded game.
uint32_t random_fresh_seed();
