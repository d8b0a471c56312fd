#pragma once
// The modal screens that close a life or a game.

#include "game/score.h"

// Asks for up to three letters and adds a confirmed result to the table.
void name_entry(Score& score);
// True when the player takes a continue.
bool continue_offer();
// The closing screen after a won game.
void demo_end_screen(Score& score);
