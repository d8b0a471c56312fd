#pragma once
// The explosion routines that effects run, one call per frame with the
// effect's timer counting down.

#include "game/records.h"

void effect_nothing(Effect& effect);
void effect_player_death(Effect& effect);  // sets player_dead on its last frame
void effect_player_hit(Effect& effect);
void effect_fireball(Effect& effect);
void effect_plasma(Effect& effect);
void effect_drone_pop(Effect& effect);
void effect_charged_burst(Effect& effect);
void effect_missile_pop(Effect& effect);
void effect_azure_flash(Effect& effect);
void effect_big_burst(Effect& effect);
void effect_boss_chain(Effect& effect);
