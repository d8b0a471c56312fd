#include "enemies/fortress.h"

#include "enemies/kind.h"
#include "game/globals.h"

// Stand-ins until the fortress lands: it arrives, and the core's timer alone ends it.
void kind_fortress_core(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kCore);
    game.boss_active = true;
    e.is_boss = true;
  }
  if (e.age > 600) e.hp = 0;
}
void kind_core_shield(Enemy& e) { if (e.age == 0) kind_begin(e, kCoreShield); }
void kind_arm_left(Enemy& e) { if (e.age == 0) kind_begin(e, kArmLeft); }
void kind_arm_right(Enemy& e) { if (e.age == 0) kind_begin(e, kArmRight); }
void kind_turret(Enemy& e) { if (e.age == 0) kind_begin(e, kTurret); }
void kind_bulwark_left(Enemy& e) { if (e.age == 0) kind_begin(e, kBulwarkLeft); }
void kind_bulwark_right(Enemy& e) { if (e.age == 0) kind_begin(e, kBulwarkRight); }
void kind_pillar(Enemy& e) { if (e.age == 0) kind_begin(e, kPillar); }
