#pragma once
// Plain enemy bullet behaviours.

#include "game/records.h"

void bullet_star(Bullet& bullet);   // straight, green
void bullet_aimed(Bullet& bullet);  // its heading is an offset from the line to the ship
void bullet_flame(Bullet& bullet);
// At age 0: turns the spawn heading into an offset from the direction to the ship.
void bullet_aim(Bullet& bullet);
