#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/bullet.h"
#include "fx/shell.h"

namespace {
constexpr int kShellSpeed = 60;

// Degrees a frame a chevron member bends by: the higher its spawn row, the harder.
int bend_for_row(int row) {
  switch (row) {
    case -4:  // no trio of the level spawns a dart this high
      return 2;
    case -2:
      return 1;
    default:
      return 0;
  }
}

// `direction` +1 bends toward the left of the screen (heading rising from 90), -1 to the right.
void dive(Enemy& e, const KindRow& row, int direction) {
  if (e.age == 0) {
    kind_begin(e, row);
    e.sway = direction * bend_for_row(e.motion.y);
    return;
  }
  if (within(e.age, 51, 109)) turn_by(e, e.sway);
  if (e.age == 65) {
    const Motion& m = e.motion;
    enemy_bullet_spawn(m.x + 1, m.y, kShellSpeed, static_cast<int>(m.heading), shell_eight,
                       *e.world);
  }
}
}  // namespace

void kind_dart(Enemy& e) {
  dive(e, kDart, 1);
}

void kind_dart_leader(Enemy& e) {
  dive(e, kDartLeader, -1);
}
