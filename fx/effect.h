#pragma once
// Explosion effects: invisible timed routines at a cell that throw particles,
// child effects and sounds.

#include <libtcod.h>

#include "game/records.h"

// The routine is not called at spawn; it first runs in the next draw pass of
// the explosions (or in the current one, when a routine spawns a child).
void effect_spawn(int x, int y, int timer, EffectRoutine routine, World& world,
                  TCOD_color_t colour);
// Runs the routine with the current timer, then counts it down.
void effect_tick(Effect& effect);
// True when the timer has run out.
bool effect_reap(const Effect& effect);
