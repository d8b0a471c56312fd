#pragma once
// Behaviours of the ship's shots, called at age 0 and then every frame.

#include "game/records.h"

void shot_gun_side(Bullet& bullet);
void shot_gun_centre(Bullet& bullet);  // its removal plays the hit sound
void shot_bomb(Bullet& bullet);
void shot_charged(Bullet& bullet);  // leaves fragments every frame
void shot_fragment(Bullet& bullet);
