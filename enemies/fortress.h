#pragma once
// The final fortress's parts whose deaths the enemy record tells apart.

#include "game/records.h"

void kind_core_shield(Enemy& enemy);
void kind_arm_left(Enemy& enemy);
void kind_arm_right(Enemy& enemy);
