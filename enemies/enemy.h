#pragma once
// The multi-cell enemy record: spawning by kind routine, the frame step, the
// off-screen cull, death, and the enemies' missiles.

#include <libtcod.h>

#include "game/records.h"
#include "game/score.h"

// Creates the enemy at (x, y) (its sprite's top-left cell) and runs `think`
// once at age 0: the kind's set-up.
void enemy_spawn(int x, int y, EnemyThink think, World& world);
// The frame step in the draw pass: age, think, move, colour, draw.
void enemy_tick(Enemy& enemy);
void enemy_damage(Enemy& enemy, int amount);
// True when the enemy is out of play and older than 50 frames.
bool enemy_cull(const Enemy& enemy);
// At hp 0 or below: its explosion, points, kill and boss flags; true when it
// must be removed.
bool enemy_reap(Enemy& enemy, Score& score);
// A shootable homing missile; its behaviour first runs in the next draw pass.
void enemy_missile_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                         World& world);

// The sprite cell (i, j); 32 (empty) outside the sprite.
int enemy_cell(const Enemy& enemy, int i, int j);
void enemy_set_cell(Enemy& enemy, int i, int j, int code);
// Sizes the sprite and fills it from rows of text, top row first, one
// character a cell (a blank is an empty cell).
void enemy_set_sprite(Enemy& enemy, int width, int height, const char* const* rows);
// Whether a thing at sprite cell (i, j) touches the enemy: a solid cell, or an
// empty cell just above a solid one.
bool enemy_contact(const Enemy& enemy, int i, int j);
// The colour of an enemy worn down to hp of hp_max.
TCOD_color_t health_colour(int hp, int hp_max);
