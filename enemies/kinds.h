#pragma once
// The eleven ordinary enemy kinds: think routines driven by the enemy's age,
// whose call at age 0 is the kind's set-up.

#include "game/records.h"

void kind_dart(Enemy& enemy);         // chevron diver, bends by its spawn row
void kind_dart_leader(Enemy& enemy);  // the same, bending the other way
void kind_pod(Enemy& enemy);          // launched from a carrier's hull
void kind_gunship(Enemy& enemy);      // slow, a fan of stars every 140 frames
void kind_hornet(Enemy& enemy);       // swoops three times, then bursts
void kind_carrier(Enemy& enemy);      // launches pods and homing missiles
void kind_lancer(Enemy& enemy);       // drifts in a Lissajous figure, firing lines
void kind_spinner(Enemy& enemy);      // aimed bursts from alternating sides
void kind_spinner_u(Enemy& enemy);    // rings of swinging missiles
void kind_raider(Enemy& enemy);       // stops, fires two shells, recoils
void kind_striker(Enemy& enemy);      // stops, sweeps a line of fire
