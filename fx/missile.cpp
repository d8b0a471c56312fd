#include "fx/missile.h"

void missile_damage(Bullet& missile, int amount) { missile.life -= amount; }
