#pragma once
// Enemy missiles: shootable homing projectiles with their own tick, cull and removal.

#include "game/records.h"

void missile_tick(Bullet& missile);
// True when the missile has left the play field (it never enters the display's rows).
bool missile_cull(const Bullet& missile);
// At life 0 or below: its sound and pop; true when it must be removed.
bool missile_reap(Bullet& missile);
void missile_damage(Bullet& missile, int amount);

// Homing behaviours: turn toward the ship the short way, by age-dependent steps.
void homing_slow(Bullet& missile);
void homing_fast(Bullet& missile);
void homing_swing(Bullet& missile);
