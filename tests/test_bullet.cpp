#include "fx/bullet.h"

#include "enemies/enemy.h"
#include "fx/missile.h"
#include "tests/harness.h"

// The shots' looks, strengths, sparks, sounds and grazes, and the missiles' frames, are left to
// the golden runs (the bullet colour mode to the colour tests), and so is homing's turn toward a
// ship dead ahead or straight behind; homing's rarer geometry is here, and a missile's life,
// which the ship's shots wear down alike at 17 or 18.
namespace {

using EnemyShots = GameTest;

// The heading homing leaves on a missile at (25, 30) of this age and heading, ship at (sx, sy).
double turned(BulletBehaviour homing, int age, int heading, int sx, int sy) {
  World world;
  enemy_missile_spawn(25, 30, 50, heading, homing, world);
  Bullet& m = *world.enemy_missiles.back();
  m.age = age;
  game.player_x = sx;
  game.player_y = sy;
  homing(m);
  return m.motion.heading;
}

}  // namespace

TEST_F(EnemyShots, HomingTurnsTheShortWayAndStopsTurningOnTime) {
  EXPECT_EQ(turned(homing_slow, 0, 350, 45, 33), 352);  // the short way is through 0
  EXPECT_EQ(turned(homing_fast, 0, 0, 40, 30), -5);     // a target angle of 0 counts as 360
  // Ship below left turns a missile heading 90 positive, below right negative, until late in
  // its life; truncation costs a negative step of a fraction a whole degree.
  // clang-format off
  const struct { BulletBehaviour homing; int age; double left, right; } steps[] = {
      {homing_slow, 140, 90, 90}, {homing_swing, 149, 90, 89}, {homing_swing, 150, 90, 90}};
  // clang-format on
  for (const auto& c : steps) {
    EXPECT_EQ(turned(c.homing, c.age, 90, 15, 40), c.left) << &c - steps << ": age " << c.age;
    EXPECT_EQ(turned(c.homing, c.age, 90, 35, 40), c.right) << &c - steps << ": age " << c.age;
  }
}

TEST_F(EnemyShots, AMissileIsShotDownBy18DamageButNot17) {
  World world;
  for (int damage : {17, 18}) {
    enemy_missile_spawn(12, 44, 50, 90, homing_slow, world);
    missile_damage(*world.enemy_missiles.back(), damage);
  }
  list_remove_spent(world.enemy_missiles, missile_reap);
  EXPECT_EQ(world.enemy_missiles.size(), 1u);
}
