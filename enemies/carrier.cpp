#include "enemies/enemy.h"
#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "fx/missile.h"

namespace {
constexpr int kPods = 3;
constexpr int kSettleSpeed = 8;
constexpr int kMissileSpeed = 70;
constexpr int kMissileHeading = 90;
constexpr int kBayOffset = 2;  // missile bays either side of the gun cell
constexpr int kBayRow = 4;     // below the gun cell
constexpr int kExitSpeed = 40;

// Missiles on every 50th frame, from the left bay on hundreds, else the right.
void launch_missile(Enemy& e) {
  int bay = e.age % 100 == 0 ? -kBayOffset : kBayOffset;
  enemy_missile_spawn(gun_x(e) + bay, gun_y(e) + kBayRow, kMissileSpeed, kMissileHeading,
                      homing_fast, *e.world);
}
}  // namespace

void kind_carrier(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kCarrier);
    return;
  }
  if (e.age == 1) {
    // Inside its own hull; each pod takes its role from its own screen row.
    for (int row = 1; row <= kPods; ++row) {
      enemy_spawn(e.motion.x + 1, e.motion.y + row, kind_pod, *e.world);
    }
  }
  if (e.age >= 2) settle(e, kSettleSpeed);
  if (settled(e) && e.age < 251 && e.age % 50 == 0) launch_missile(e);
  if (e.age >= 251) leave(e, kExitSpeed);
}
