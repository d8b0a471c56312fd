#pragma once
// The heads-up display below the play field.

#include "game/records.h"
#include "game/score.h"

void hud_draw(const Player& player, const Score& score);
