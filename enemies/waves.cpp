#include "enemies/waves.h"

#include "game/globals.h"

// Stand-ins until the waves land: each keeps its length and its ending, but
// spawns nothing yet.

bool wave_opening(Stage& stage) {
  return stage.ticks > 1800;
}

bool wave_gunships(Stage& stage) {
  return stage.ticks > 3000;
}

bool wave_midboss(Stage& stage) {
  return !game.boss_active && stage.ticks > 200;
}

bool wave_crossfire(Stage& stage) {
  return stage.ticks > 1300;
}

bool wave_heavies(Stage& stage) {
  return stage.ticks > 2200;
}

bool wave_fortress(Stage& stage) {
  if (stage.ticks >= 251 && !game.boss_active) game.game_won = true;
  return false;
}
