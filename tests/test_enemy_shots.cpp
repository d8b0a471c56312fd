#include "fx/enemy_shots.h"

#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/missile.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

std::vector<int> ages_seen;
void recording_behaviour(Bullet& missile) {
  ages_seen.push_back(missile.age);
  glyph_set(missile.glyph, TCOD_yellow, 'm');
}

class EnemyShotTest : public GameTest {
 protected:
  Bullet& missile(int x, int y, int heading, BulletBehaviour behaviour, int speed = 50) {
    enemy_missile_spawn(x, y, speed, heading, behaviour, world);
    return *world.enemy_missiles.back();
  }
  // The heading homing leaves on a missile at (25, 30) of this age and heading, ship at (sx, sy).
  double turned(BulletBehaviour homing, int age, int heading, int sx, int sy) {
    Bullet& m = missile(25, 30, heading, homing);
    m.age = age;
    game.player_x = sx;
    game.player_y = sy;
    homing(m);
    EXPECT_EQ(m.motion.speed, 50);
    return m.motion.heading;
  }

  World world;
};

}  // namespace

TEST_F(EnemyShotTest, StarFliesStraightAimedAimsOnlyAtSpawnBothInTheirColourOrCyclingIt) {
  // clang-format off
  const struct { BulletBehaviour behaviour; int ship_x, ship_y, offset, heading; } cases[] = {
      {bullet_star, 40, 40, 67, 67},    // never aimed
      {bullet_aimed, 30, 20, 0, 26},    // atan2(10, 20) is 26.57 degrees
      {bullet_aimed, 10, 30, -20, 70},  // a fan: the offset is added
      {bullet_aimed, 0, 5, 0, -153},    // -153.43, truncated toward zero
      {bullet_aimed, 10, 10, 35, 35}};  // from the ship's own cell atan2(0, 0) is 0
  // clang-format on
  for (int mode : {0, 1}) {
    settings.bullet_colour_mode = mode;
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "bullet colour mode " << mode << ", case " << &c - cases);
      game.player_x = c.ship_x;
      game.player_y = c.ship_y;
      enemy_bullet_spawn(10, 10, 40, c.offset, c.behaviour, world);
      Bullet& b = *world.enemy_bullets.back();
      const TCOD_color_t colour = c.behaviour == bullet_star ? TCOD_green : TCOD_magenta;
      EXPECT_EQ(std::tuple(b.motion.heading, b.motion.speed, b.damage, b.life, b.glyph.ch,
                           b.glyph.colour),
                std::tuple(c.heading, 40.0, 5, 1, '*', mode ? bullet_rainbow(0) : colour));
      game.player_x = 49 - c.ship_x;  // the ship moves away: aiming is for the spawn call only
      for (int age = 1; age <= 4; ++age) bullet_tick(b);
      EXPECT_EQ(b.motion.heading, c.heading < 0 ? c.heading + 360 : c.heading);  // steps wrap it
      EXPECT_EQ(cell_fg(b.motion.x, b.motion.y), mode ? bullet_rainbow(4) : colour);
    }
  }
}

TEST_F(EnemyShotTest, FlameRoarsOnceAndIsNeverDrawnWhiteAndAMissileIsYellowOrCycling) {
  settings.bullet_colour_mode = 1;  // the flame keeps its own colour
  enemy_bullet_spawn(40, 10, 100, 90, bullet_flame, world);
  Bullet& b = *world.enemy_bullets.back();
  bullet_tick(b);  // its first draw, a cell down
  EXPECT_EQ(std::tuple(b.damage, cell_char(40, 11), cell_fg(40, 11)),
            std::tuple(5, int{'V'}, TCOD_flame));
  Bullet& m = missile(10, 20, 90, homing_fast);
  homing_fast(m);
  m.age = 7;
  homing_slow(m);
  EXPECT_EQ(std::make_tuple(m.glyph.ch, m.glyph.colour), std::make_tuple('o', bullet_rainbow(7)));
  settings.bullet_colour_mode = 0;
  homing_swing(m);
  EXPECT_EQ(m.glyph.colour, TCOD_yellow);
  EXPECT_EQ(sounds_text(), "27@40|15@10|");  // each at age 0 only
}

TEST_F(EnemyShotTest, HomingTurnsTheShortWayByStepsThatHangOnItsAge) {
  EXPECT_EQ(turned(homing_slow, 0, 350, 45, 33), 352);  // the short way is through 0
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 60), 95);    // on target, a = h: positive
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 10), 95);    // straight behind, up = down: positive
  EXPECT_EQ(turned(homing_fast, 0, 0, 40, 30), -5);     // a target angle of 0 counts as 360
  // The ship below and to the left turns a missile heading 90 positive, to the right negative;
  // the swing's truncated fractions lose a positive step under 1 and cost a negative one a degree.
  // clang-format off
  const struct { BulletBehaviour homing; int age; double left, right; } steps[] = {
      {homing_slow, 59, 92, 88},  {homing_slow, 60, 90, 90},   {homing_slow, 61, 91, 89},
      {homing_slow, 139, 91, 89}, {homing_slow, 140, 90, 90},  {homing_fast, 39, 95, 85},
      {homing_fast, 40, 90, 90},  {homing_swing, 0, 90, 90},   {homing_swing, 9, 90, 89},
      {homing_swing, 10, 91, 89}, {homing_swing, 49, 94, 85},  {homing_swing, 50, 90, 90},
      {homing_swing, 51, 94, 85}, {homing_swing, 149, 90, 89}, {homing_swing, 150, 90, 90}};
  // clang-format on
  for (const auto& c : steps) {
    EXPECT_EQ(turned(c.homing, c.age, 90, 15, 40), c.left) << &c - steps << ": age " << c.age;
    EXPECT_EQ(turned(c.homing, c.age, 90, 35, 40), c.right) << &c - steps << ": age " << c.age;
  }
}

TEST_F(EnemyShotTest, MissileFrameLeavesATrailThenActsThenMovesThenDraws) {
  ages_seen.clear();
  Bullet& m = missile(20, 20, 0, recording_behaviour, 100);
  EXPECT_EQ(std::tuple(m.damage, m.life, m.age, ages_seen.size()), std::tuple(10, 18, 0, 0u));
  missile_tick(m);  // nothing acts at spawn: the behaviour first runs here, at age 0
  missile_tick(m);
  EXPECT_EQ(std::pair(ages_seen, m.age), std::pair(std::vector<int>{0, 1}, 2));
  EXPECT_EQ(std::make_tuple(cell_char(22, 20), cell_fg(22, 20)), std::make_tuple('m', TCOD_yellow));
  // Each trail where the missile stood, in its colour before the behaviour ran.
  EXPECT_EQ(particles_text(world), "1x. 20,20 0/15 w 0|1x. 21,20 0/15 y 0|");
}

TEST_F(EnemyShotTest, AMissileShotDownPopsWithItsSound) {
  missile_damage(missile(30, 40, 90, homing_slow), 17);
  missile_damage(missile(12, 44, 90, homing_slow), 18);
  list_remove_spent(world.enemy_missiles, missile_reap);
  EXPECT_EQ(world.enemy_missiles.size(), 1u);
  EXPECT_EQ(sounds_text() + effects_text(world) + particles_text(world),
            "16@12|missile 1 12,44 w|");
}
