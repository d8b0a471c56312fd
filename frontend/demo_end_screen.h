#pragma once
// The closing screen after a won game, with the name entry while the result
// qualifies for the high-score table.

#include "game/score.h"

void demo_end_screen(Score& score);
