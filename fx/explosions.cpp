#include "fx/explosions.h"

#include "game/globals.h"

// Stand-ins until the explosions land; the ship's death still ends its life.
void effect_nothing(Effect&) {}
void effect_player_death(Effect& effect) {
  if (effect.timer == 1) game.player_dead = true;
}
void effect_player_hit(Effect&) {}
void effect_fireball(Effect&) {}
void effect_plasma(Effect&) {}
void effect_drone_pop(Effect&) {}
void effect_charged_burst(Effect&) {}
void effect_missile_pop(Effect&) {}
void effect_azure_flash(Effect&) {}
void effect_big_burst(Effect&) {}
void effect_boss_chain(Effect&) {}
