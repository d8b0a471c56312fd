#pragma once
// The player's ship: steering, weapons, drawing, trail and energy.

#include <memory>

#include "game/records.h"
#include "game/score.h"

// The cell a game and every continue start the ship on.
inline constexpr int kShipStartX = 25;
inline constexpr int kShipStartY = 55;

// Sets player_alive. The weapon slots are chosen afresh every frame from the
// held keys.
std::unique_ptr<Player> player_create(int x, int y, PlayerRoutine control, World& world);
// One frame of the ship; nothing while it is not in play.
void player_update(Player& player);
// Restores the ship and clears the score for a continue.
void player_continue(Player& player, Score& score);

// Routines for the ship's slots.
void player_steer(Player& player);
void weapon_idle(Player& player);
void fire_gun(Player& player);
void fire_charged_shot(Player& player);
void fire_bomb(Player& player);
