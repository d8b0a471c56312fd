#pragma once
// The mid-stage boss and the two wings it brings.

#include "game/records.h"

void kind_midboss(Enemy& enemy);
void kind_midboss_wing_left(Enemy& enemy);
void kind_midboss_wing_right(Enemy& enemy);
