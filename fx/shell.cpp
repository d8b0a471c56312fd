#include "fx/shell.h"

#include "fx/enemy_shots.h"

// Stand-ins until the shells land: they fly as plain stars.
void shell_aimed(Bullet& shell) { bullet_aimed(shell); }
void shell_quiet(Bullet& shell) { bullet_star(shell); }
void shell_eight(Bullet& shell) { bullet_star(shell); }
void shell_sixteen(Bullet& shell) { bullet_star(shell); }
