#include "fx/player_shots.h"

// Stand-ins until the ship's shots land.
void shot_gun_side(Bullet&) {}
void shot_gun_centre(Bullet&) {}
void shot_bomb(Bullet&) {}
void shot_charged(Bullet&) {}
void shot_fragment(Bullet&) {}
