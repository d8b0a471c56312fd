#pragma once
// The player's intent: a held direction, and the edges of the mapped controls.

// Heading in degrees (0 right, 90 down, 180 left, 270 up, diagonals between),
// or -1 when no direction is held.
int read_direction();

// Edge readers: 1 just pressed, 0 just released, -1 no change. Each keeps its
// own memory of its key and button, so two readers of one key do not interfere.
int read_fire();
int read_charged_shot();
int read_bomb();
int read_accept();  // the fire key, the fire button or Enter (menus)

// Forgets every remembered state (all up), for a fresh script.
void input_reset();
