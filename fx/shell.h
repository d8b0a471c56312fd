#pragma once
// Bursting shells: enemy bullets that slow to a stop and burst into a ring of
// stars. The spawn speed decides how far they fly.

#include "game/records.h"

void shell_aimed(Bullet& shell);    // aimed at the ship; a fast ring of eight
void shell_quiet(Bullet& shell);    // silent; a ring of eight
void shell_eight(Bullet& shell);    // a ring of eight
void shell_sixteen(Bullet& shell);  // a ring of sixteen
