#include "fx/enemy_shots.h"

#include <tuple>
#include <utility>
#include <vector>

#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/explosions.h"
#include "fx/glyph.h"
#include "fx/missile.h"
#include "game/globals.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

// Every sound so far: effect, whether panned, left volume.
using Plays = std::vector<std::tuple<int, bool, int>>;
Plays plays() {
  Plays out;
  for (const SoundPlay& p : sound_played()) out.emplace_back(p.effect, p.panned, p.panning.left);
  return out;
}

std::vector<int> ages_seen;
void recording_behaviour(Bullet& missile) {
  ages_seen.push_back(missile.age);
  glyph_set(missile.glyph, TCOD_yellow, 'm');
}

class EnemyShotTest : public GameTest {
 protected:
  Bullet& spawned(int x, int y, int speed, int heading, BulletBehaviour behaviour) {
    enemy_bullet_spawn(x, y, speed, heading, behaviour, world);
    return *world.enemy_bullets.back();
  }
  Bullet& missile(int x, int y, int heading, BulletBehaviour behaviour, int speed = 50) {
    enemy_missile_spawn(x, y, speed, heading, behaviour, world);
    return *world.enemy_missiles.back();
  }
  // The heading a homing behaviour leaves on a missile at (25, 30) of the given age and heading,
  // with the ship at (sx, sy).
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
  const struct {
    BulletBehaviour behaviour;
    int ship_x, ship_y, x, y, offset, heading;
  } cases[] = {
      {bullet_star, 40, 40, 10, 10, 67, 67},    // never aimed
      {bullet_aimed, 30, 20, 10, 10, 0, 26},    // atan2(10, 20) is 26.57 degrees
      {bullet_aimed, 10, 30, 10, 10, -20, 70},  // a fan
      {bullet_aimed, 10, 30, 10, 10, 0, 90},   {bullet_aimed, 10, 30, 10, 10, 20, 110},
      {bullet_aimed, 0, 5, 10, 10, 0, -153},   // -153.43, truncated toward zero
      {bullet_aimed, 12, 12, 12, 12, 35, 35},  // from the ship's own cell atan2(0, 0) is 0
  };
  for (int mode : {0, 1}) {
    settings.bullet_colour_mode = mode;
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "bullet colour mode " << mode << ", case " << &c - cases);
      game.player_x = c.ship_x;
      game.player_y = c.ship_y;
      Bullet& b = spawned(c.x, c.y, 40, c.offset, c.behaviour);
      EXPECT_EQ(std::make_tuple(b.motion.heading, b.motion.speed, b.damage, b.glyph.ch),
                std::make_tuple(c.heading, 40.0, 5, '*'));
      TCOD_color_t colour = c.behaviour == bullet_star ? TCOD_green : TCOD_magenta;
      EXPECT_EQ(b.glyph.colour, mode ? bullet_rainbow(0) : colour);
      game.player_x = 49 - c.ship_x;  // the ship moves away: aiming is for the spawn call only
      for (int age = 1; age <= 4; ++age) bullet_tick(b);
      bullet_aim(b);
      EXPECT_EQ(b.motion.heading, c.heading < 0 ? c.heading + 360 : c.heading);  // steps wrap it
      EXPECT_EQ(b.glyph.colour, mode ? bullet_rainbow(4) : colour);
      EXPECT_EQ(cell_fg(b.motion.x, b.motion.y), b.glyph.colour);
    }
  }
  EXPECT_NE(bullet_rainbow(4), bullet_rainbow(0));
}

TEST_F(EnemyShotTest, FlameRoarsOnceAndIsNeverDrawnWhite) {
  settings.bullet_colour_mode = 1;  // the flame keeps its own colour
  Bullet& b = spawned(40, 10, 100, 90, bullet_flame);
  EXPECT_EQ(std::make_tuple(b.glyph.ch, b.damage, b.glyph.colour),
            std::make_tuple('V', 5, TCOD_white));
  for (int age = 1; age <= 3; ++age) {
    bullet_tick(b);
    EXPECT_EQ(cell_char(b.motion.x, b.motion.y), 'V');
    EXPECT_EQ(cell_fg(b.motion.x, b.motion.y), TCOD_flame) << "age " << age;
  }
  EXPECT_EQ(plays(), (Plays{{SFX_BOSS_FLAME, true, sound_panning(40).left}}));
}

TEST_F(EnemyShotTest, MissileLaunchesWithItsGlyphSoundAndColour) {
  Bullet& m = missile(10, 20, 90, homing_fast);
  homing_fast(m);
  EXPECT_EQ(std::make_tuple(m.glyph.ch, m.glyph.colour), std::make_tuple('o', TCOD_yellow));
  m.age = 1;
  homing_fast(m);
  EXPECT_EQ(plays(), (Plays{{SFX_MISSILE_LAUNCH, true, sound_panning(10).left}}));
  settings.bullet_colour_mode = 1;
  m.age = 7;
  homing_slow(m);
  EXPECT_EQ(m.glyph.colour, bullet_rainbow(7));
}

TEST_F(EnemyShotTest, HomingTurnsTheShortWayByStepsThatHangOnItsAge) {
  EXPECT_EQ(turned(homing_slow, 0, 350, 45, 33), 352);  // the short way is through 0
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 60), 95);    // on target, a = h: positive
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 10), 95);    // straight behind, up = down: positive
  EXPECT_EQ(turned(homing_fast, 0, 0, 40, 30), -5);     // a target angle of 0 counts as 360
  // The ship below and to the left turns a missile heading 90 positive, to the right negative;
  // the swing's truncated fractions lose a positive step under 1 and cost a negative one a degree.
  const struct {
    BulletBehaviour homing;
    int age;
    double left, right;
  } steps[] = {{homing_slow, 0, 92, 88},   {homing_slow, 59, 92, 88},   {homing_slow, 60, 90, 90},
               {homing_slow, 61, 91, 89},  {homing_slow, 139, 91, 89},  {homing_slow, 140, 90, 90},
               {homing_slow, 400, 90, 90}, {homing_fast, 0, 95, 85},    {homing_fast, 39, 95, 85},
               {homing_fast, 40, 90, 90},  {homing_fast, 200, 90, 90},  {homing_swing, 0, 90, 90},
               {homing_swing, 1, 90, 89},  {homing_swing, 5, 90, 89},   {homing_swing, 9, 90, 89},
               {homing_swing, 10, 91, 89}, {homing_swing, 15, 91, 88},  {homing_swing, 49, 94, 85},
               {homing_swing, 50, 90, 90}, {homing_swing, 51, 94, 85},  {homing_swing, 60, 94, 85},
               {homing_swing, 70, 94, 86}, {homing_swing, 149, 90, 89}, {homing_swing, 150, 90, 90},
               {homing_swing, 300, 90, 90}};
  for (const auto& c : steps) {
    EXPECT_EQ(turned(c.homing, c.age, 90, 15, 40), c.left) << &c - steps << ": age " << c.age;
    EXPECT_EQ(turned(c.homing, c.age, 90, 35, 40), c.right) << &c - steps << ": age " << c.age;
  }
  // So in its first ten frames a swinging missile only ever turns negative.
  for (const auto& [ship_x, heading] : {std::pair(15, 90), std::pair(35, 81)}) {
    game.player_x = ship_x;
    game.player_y = 40;
    Bullet& m = missile(25, 30, 90, homing_swing, 0);
    for (int age = 0; age < 10; ++age) missile_tick(m);
    EXPECT_EQ(m.motion.heading, heading) << "ship at " << ship_x;
  }
}

TEST_F(EnemyShotTest, MissileFrameLeavesATrailThenActsThenMovesThenDraws) {
  ages_seen.clear();
  Bullet& m = missile(20, 20, 0, recording_behaviour, 100);
  missile_tick(m);
  missile_tick(m);
  EXPECT_EQ(ages_seen, (std::vector<int>{0, 1}));
  EXPECT_EQ(m.age, 2);
  EXPECT_EQ(std::make_tuple(cell_char(22, 20), cell_fg(22, 20)), std::make_tuple('m', TCOD_yellow));
  // Each trail where the missile stood, in its colour before the behaviour ran.
  std::vector<std::tuple<int, int, double, int, int, TCOD_color_t>> trails;
  for (const auto& p : world.particles) {
    trails.emplace_back(p->motion.x, p->motion.y, p->motion.speed, p->life, p->glyph.ch,
                        p->glyph.colour);
  }
  EXPECT_EQ(trails, (decltype(trails){{20, 20, 0, 15, '.', TCOD_white},
                                      {21, 20, 0, 15, '.', TCOD_yellow}}));
}

TEST_F(EnemyShotTest, MissilesStayAboveTheDisplayAndWithinTheColumnsAndPopWhenShotDown) {
  const std::pair<int, int> cells[] = {{10, 60}, {10, 61}, {50, 30},  {51, 30},
                                       {0, 30},  {-1, 30}, {10, -25}, {10, -26}};
  for (const auto& [x, y] : cells) missile(x, y, 90, homing_slow);
  list_remove_spent(world.enemy_missiles, missile_cull);
  std::vector<std::pair<int, int>> kept;
  for (const auto& m : world.enemy_missiles) kept.emplace_back(m->motion.x, m->motion.y);
  EXPECT_EQ(kept, (std::vector<std::pair<int, int>>{{10, 60}, {50, 30}, {0, 30}, {10, -25}}));

  world.enemy_missiles.clear();
  missile_damage(missile(30, 40, 90, homing_slow), 17);
  missile_damage(missile(12, 44, 90, homing_slow), 18);
  list_remove_spent(world.enemy_missiles, missile_reap);
  EXPECT_EQ(world.enemy_missiles.size(), 1u);
  EXPECT_EQ(world.enemy_missiles.at(0)->life, 1);
  EXPECT_EQ(plays(), (Plays{{SFX_MISSILE_EXPLODE, true, sound_panning(12).left}}));
  const Effect& pop = *world.explosions.at(0);
  EXPECT_EQ(std::make_tuple(pop.motion.x, pop.motion.y, pop.timer, pop.routine, pop.colour),
            std::make_tuple(12, 44, 1, effect_missile_pop, TCOD_white));
  EXPECT_TRUE(world.particles.empty());
}
