#pragma once
// Drones: one-cell enemies with a move routine and a fire routine.

#include "game/records.h"
#include "game/score.h"

void drone_spawn(int x, int y, DroneRoutine move, DroneRoutine fire, World& world);
void drone_tick(Drone& drone);
// True when the drone is more than 25 cells beyond an edge.
bool drone_cull(const Drone& drone);
// Below 0 hp: its burst, points, kill and sound; true when it must be removed.
bool drone_reap(Drone& drone, Score& score);
void drone_damage(Drone& drone, int amount);

void drone_fan_left(Drone& drone);
void drone_fan_right(Drone& drone);
void drone_swoop_left(Drone& drone);
void drone_swoop_right(Drone& drone);
void drone_fire_none(Drone& drone);
void drone_fire_aimed(Drone& drone);
