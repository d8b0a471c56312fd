#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/enemy_shots.h"

namespace {
constexpr int kExitSpeed = 50;
constexpr SideBursts kLines{30, 3, 1, 60, 90, bullet_star};

constexpr Figure kDrift{1, 25, 1};
}  // namespace

void kind_lancer(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kLancer);
    return;
  }
  settle(e, 0);
  fire_side_bursts(e, kLines);
  if (settled(e) && e.age <= 1000) wander(e, kDrift);
  if (e.age >= 1001) leave(e, kExitSpeed);
}
