#pragma once
// The shapes that the enemy kinds share, written once: set-up from the
// catalogue, settling to a stop, curving off the screen, volleys of bullets,
// and the bookkeeping of bosses and their parts. A kind's own file is its
// timetable, one call of these per age or age range.

#include <cmath>
#include <initializer_list>

#include "enemies/catalogue.h"
#include "game/records.h"

// A real speed, heading or offset cut toward zero to the whole number the
// motion operations take.
inline int whole(double value) {
  return static_cast<int>(std::trunc(value));
}

inline constexpr int kDown = 90;  // the heading straight down the screen

// An age or count range of a timetable, both ends included.
inline bool within(int value, int from, int to) {
  return value >= from && value <= to;
}

// The age-0 set-up: picture, gun cell, hit points, score, death effect,
// invulnerability and the entry motion of the kind's catalogue row.
void kind_begin(Enemy& enemy, const KindRow& row);
// Swaps in another picture of the same size.
void kind_picture(Enemy& enemy, const char* const* rows);

// The gun cell on the console.
int gun_x(const Enemy& enemy);
int gun_y(const Enemy& enemy);
// A sound panned by the enemy's column.
void enemy_sound(const Enemy& enemy, int effect);

// While phase is 0: one hundredth slower a call, heading 90 (down); phase
// becomes 1 on the call that reaches `speed`. Kinds that brake every second
// frame call it on even ages only.
void settle(Enemy& enemy, int speed);
bool settled(const Enemy& enemy);

// Leaving: every fourth age while slower than `exit_speed`, faster by
// `speed_step` and turned `turn_step` degrees away from the screen's centre,
// so the enemy curves off its nearer side.
struct ExitSteps {
  int speed_step;
  int turn_step;
};
inline constexpr ExitSteps kBriskExit{2, 3};
inline constexpr ExitSteps kGentleExit{1, 1};  // the raider and the striker
void leave(Enemy& enemy, int exit_speed, ExitSteps steps = kBriskExit);

// Degrees either side of straight down for a line of fire that sways with age.
double sway(int age);

// A Lissajous figure over the screen: a token `speed` keeps the motion stepping
// down while the velocity is set by hand, swinging across up to `reach`
// hundredths of a cell a frame at `rate` times the pace of the age, and up and
// down up to 12.5.
struct Figure {
  int speed;
  double reach;  // hundredths of a cell a frame
  double rate;
};
void wander(Enemy& enemy, const Figure& figure);

// One enemy bullet from (x, y) at `speed` for each heading, in order.
void fire_volley(const Enemy& enemy, int x, int y, int speed, std::initializer_list<int> headings,
                 BulletBehaviour behaviour);

// The boss of record arrives: kind_begin, then the boss flags, its full
// health and its timer for the display.
void boss_begin(Enemy& enemy, const KindRow& row, int timer_seconds);
// The boss's display timer loses a second every 60 frames of its age.
void boss_tick(const Enemy& enemy);
// Out of time, the boss blows itself up at the next update, worth nothing.
void boss_expire(Enemy& enemy);
// A boss's parts and wings die without points the frame the boss is gone.
void die_with_boss(Enemy& enemy);
// The boss of record shows its cell and hit points to its parts and the display.
void boss_publish(const Enemy& enemy);
