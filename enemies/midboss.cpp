#include "enemies/midboss.h"

#include "enemies/kind.h"
#include "game/globals.h"

// Stand-ins until the boss lands: it arrives as the boss of record and its
// timer alone ends it.
void kind_midboss(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kMidboss);
    game.boss_active = true;
    e.is_boss = true;
  }
  if (e.age > 600) e.hp = 0;
}
void kind_midboss_wing_left(Enemy& e) { if (e.age == 0) kind_begin(e, kWingLeft); }
void kind_midboss_wing_right(Enemy& e) { if (e.age == 0) kind_begin(e, kWingRight); }
