#include "shell/random.h"

#include <libtcod.h>

#include <random>

void random_seed(uint32_t seed) {
  TCOD_Random* seeded = TCOD_random_new_from_seed(TCOD_RNG_MT, seed);
  TCOD_random_restore(nullptr, seeded);
  TCOD_random_delete(seeded);
}

uint32_t random_fresh_seed() {
  return std::random_device{}();
}
