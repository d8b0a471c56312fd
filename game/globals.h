#pragma once
// The game-wide state that the loop, the ship, the enemies and the display
// share. The game loop owns it and resets it at the start of every game.

#include <libtcod.h>

#include <cstdint>

struct GameGlobals {
  int32_t score_factor = 1;        // 2 while double score runs
  int32_t double_score_timer = 0;  // frames of double score left
  bool player_alive = false;       // the ship is in play; collisions run only then
  bool player_dead = false;        // the ship's death explosion has finished
  int32_t continues_left = 3;      // a new game's three continues
  bool game_won = false;
  int32_t invulnerable_timer = 0;  // frames the ship cannot be damaged
  int32_t player_x = 0;            // the ship's cell, written every frame
  int32_t player_y = 0;
  int32_t player_prev_x = 0;  // the ship's cell of the previous frame
  int32_t player_prev_y = 0;
  TCOD_color_t player_colour{255, 255, 255};

  // The boss of record, shown on the heads-up display.
  bool boss_active = false;
  int32_t boss_hp = 0;
  int32_t boss_hp_full = 1;
  int32_t boss_timer = 0;  // seconds left before it destroys itself
  int32_t boss_x = 0;
  int32_t boss_y = 0;

  // The final fortress.
  bool core_shield_up = false;
  int32_t arms_left = 0;
};

extern GameGlobals game;
