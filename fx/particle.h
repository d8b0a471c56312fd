#pragma once
// Particles: debris, trails, removal sparks and the stars.

#include <libtcod.h>

#include "game/records.h"

void particle_spawn(int x, int y, int speed, int heading, int life, TCOD_color_t colour, int ch,
                    World& world);
// The background stars: grey dots falling straight down.
constexpr int kStarSpeedMin = 2;
constexpr int kStarSpeedMax = 20;
void star_spawn(int column, int row, int speed, World& world);

// Moves and draws a particle that still has life.
void particle_tick(Particle& particle);
// True when the particle has left the console (a column or row one past the
// edge still counts as on it).
bool particle_cull(const Particle& particle);
// True when its life is over.
bool particle_reap(const Particle& particle);
