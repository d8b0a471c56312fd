#pragma once
// The final fortress: the core (the boss of record) and the parts around it.

#include "game/records.h"

void kind_fortress_core(Enemy& enemy);
void kind_core_shield(Enemy& enemy);  // while it stands, the core holds its fire
void kind_arm_left(Enemy& enemy);     // each arm alive heals the core
void kind_arm_right(Enemy& enemy);
void kind_turret(Enemy& enemy);
void kind_bulwark_left(Enemy& enemy);  // invulnerable walls
void kind_bulwark_right(Enemy& enemy);
void kind_pillar(Enemy& enemy);
