#include "fx/bullet.h"

void bullet_damage(Bullet& bullet, int amount, int grazed) {
  bullet.life -= amount;
  bullet.grazed = grazed;
}
