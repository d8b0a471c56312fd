#pragma once
// Shapes that several ordinary kinds share beyond the idioms of kind.h:
// turning and braking in flight, and guns that fire from alternate sides.

#include "game/records.h"

// Keeps the speed and turns the heading by whole degrees.
void turn_by(Enemy& enemy, int degrees);
// Keeps the heading and slows by `step` hundredths; returns the new speed.
int brake(Enemy& enemy, int step);

// Bursts from two guns in turn while the ship is in play: on ages that are
// multiples of 5, the first `length` frames of every hundred fire from
// column `first_dx` and the first `length` frames of its second half from
// `second_dx`, each shot on the row below the sprite with its own sound.
struct SideBursts {
  int length;
  int first_dx;
  int second_dx;
  int speed;
  int heading;
  BulletBehaviour behaviour;
};
void fire_side_bursts(const Enemy& enemy, const SideBursts& bursts);
