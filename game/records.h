#pragma once
// The entity records and the World that owns them. Behaviour is attached as
// plain function pointers, called with the record itself; where the game
// tells kinds apart it compares these pointers.

#include <libtcod.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "fx/glyph.h"
#include "game/motion.h"

struct World;
struct Bullet;
struct Effect;
struct Particle;
struct Enemy;
struct Drone;
struct Player;

using BulletBehaviour = void (*)(Bullet&);
using EffectRoutine = void (*)(Effect&);
using EnemyThink = void (*)(Enemy&);
using DroneRoutine = void (*)(Drone&);
using PlayerRoutine = void (*)(Player&);

// Every projectile: the ship's shots, bomb shots, enemy bullets, shells and
// enemy missiles.
struct Bullet {
  int32_t damage = 1;  // dealt to what it hits
  int32_t age = 0;     // 0 during the spawn call
  int32_t life = 1;    // its own hit points; spent at 0 or below
  int32_t grazed = 0;  // 1 when a bomb shot cancelled it: the graze bonus at removal
  Motion motion;
  Glyph glyph;
  World* world = nullptr;
  BulletBehaviour behaviour = nullptr;
};

// A timed explosion routine at a cell; the routine sees timer T, T - 1, ..., 1.
struct Effect {
  int32_t timer = 0;
  TCOD_color_t colour{255, 255, 255};
  Motion motion;  // only its cell is used
  World* world = nullptr;
  EffectRoutine routine = nullptr;
};

// A glyph flying straight for a fixed number of frames; stars too.
struct Particle {
  int32_t life = 0;
  World* world = nullptr;  // its list; the particle itself never needs it
  Motion motion;
  Glyph glyph;
};

// A one-cell enemy with a move routine and a fire routine.
struct Drone {
  int32_t hp = 5;      // dies below 0
  int32_t hp_max = 5;  // hp as spawned; a drone shows no health colour, so nothing reads it
  int32_t age = 0;
  World* world = nullptr;
  int32_t pop = 0;  // death burst: 0 none, 1 azure pop, 2 white plasma
  int32_t score = 0;
  int32_t role = 0;  // formation role chosen from the spawn row
  Motion motion;
  Glyph glyph;
  DroneRoutine move = nullptr;
  DroneRoutine fire = nullptr;
};

// A multi-cell enemy ship, boss or boss part.
struct Enemy {
  Motion motion;  // the sprite's top-left cell
  Glyph glyph;    // scratch glyph for drawing each cell
  // width columns of height codes, column first: cell (i, j) is
  // sprite[i * height + j]; 32 is an empty cell. Read through enemy_cell.
  std::vector<int32_t> sprite;
  EnemyThink think = nullptr;
  EffectRoutine death_effect = nullptr;
  World* world = nullptr;
  TCOD_color_t colour{255, 255, 255};
  int32_t gun_dx = 0;
  int32_t gun_dy = 0;
  bool hit = false;  // damaged this frame; no kind of this level reads it
  int32_t sway = 0;  // the kind's own: a dart's turn a frame, a spinner's spin step
  int32_t aux = 0;   // the kind's own; no kind of this level needs it
  bool is_boss = false;
  int32_t width = 0;
  int32_t height = 0;
  int32_t age = 0;
  int32_t hp = 0;
  int32_t hp_max = 0;
  int32_t score = 0;
  bool invulnerable = false;
  int32_t phase = 0;  // the kind's own: 1 once settle() stops it, the hornet's side, a wing's wear
  int32_t count_a = 0;  // the kind's own: a fighter's frames since it slowed, a pod's role
  int32_t count_b = 0;  // the kind's own second counter; no kind of this level needs it
};

// The player's ship.
struct Player {
  int32_t cooldown = 0;  // frames before the next shot
  bool fire_held = false;
  bool charge_held = false;
  bool bomb_held = false;
  int32_t shield = 100;
  int32_t energy = 100;
  int32_t age = 0;
  bool hit_this_frame = false;
  World* world = nullptr;
  Motion motion;
  Glyph glyph;
  PlayerRoutine gun_slot = nullptr;
  PlayerRoutine charge_slot = nullptr;
  PlayerRoutine bomb_slot = nullptr;
  PlayerRoutine control = nullptr;
};

// A list owns its records. Removal closes the gap, so a pass that removes
// advances its index only when nothing was removed.
template <class T>
using EntityList = std::vector<std::unique_ptr<T>>;

// Calls `spent` on every member in order and removes those for which it
// returns true, keeping the others in order. Records it appends to the list
// are visited in the same pass. The survivors close up in one sweep rather
// than one shift per removal: a bomb's 360 shots leave the screen together.
template <class T, class Spent>
void list_remove_spent(EntityList<T>& list, Spent spent) {
  size_t kept = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    if (spent(*list[i])) continue;
    if (kept != i) list[kept] = std::move(list[i]);
    ++kept;
  }
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(kept), list.end());
}

// Calls `tick` on every member in order; the size is read afresh at every
// step, so records appended meanwhile get their first tick in the same pass.
template <class T, class Tick>
void list_tick(EntityList<T>& list, Tick tick) {
  for (size_t i = 0; i < list.size(); ++i) tick(*list[i]);
}

// The current wave of the level script: its routine returns true when the
// wave is over.
struct Stage;
using Wave = bool (*)(Stage&);
struct Stage {
  int32_t ticks = 0;  // frames the wave has run; 0 on its first call
  Wave wave = nullptr;
  World* world = nullptr;
};

struct World {
  EntityList<Bullet> player_bullets;
  EntityList<Bullet> enemy_bullets;
  EntityList<Drone> drones;
  EntityList<Effect> explosions;
  EntityList<Particle> particles;
  EntityList<Enemy> enemies;
  EntityList<Bullet> enemy_missiles;
  EntityList<Bullet> bomb_shots;
};
