#pragma once
// The projectile record's life cycle: spawn, tick, off-screen cull and removal.

#include "game/records.h"
#include "game/score.h"

// Each creates the bullet, pushes it onto its list and runs the behaviour
// once at age 0.
void player_shot_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                       World& world);
void bomb_shot_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour, World& world);
void enemy_bullet_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                        World& world);

void bullet_tick(Bullet& bullet);
// True when the bullet has left the console (column W or row H still counts as on it).
bool bullet_cull(const Bullet& bullet);
// At life 0 or below: sparks, the charged burst, sounds, the graze bonus; true
// when the bullet is spent and must be removed.
bool bullet_reap(Bullet& bullet, Score& score);

void bullet_damage(Bullet& bullet, int amount, int grazed);
