#include "fx/enemy_shots.h"

// Stand-ins until enemy fire lands.
void bullet_star(Bullet&) {}
void bullet_aimed(Bullet&) {}
void bullet_flame(Bullet&) {}
void bullet_aim(Bullet&) {}
