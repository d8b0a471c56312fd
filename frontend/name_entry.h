#pragma once
// Asks for up to three characters and adds a confirmed result to the
// high-score table. Escape, or a closed window, leaves without saving.

#include "game/score.h"

void name_entry(Score& score);
