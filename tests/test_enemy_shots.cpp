#include "fx/enemy_shots.h"

#include <vector>

#include "enemies/enemy.h"
#include "fx/explosions.h"
#include "fx/glyph.h"
#include "fx/missile.h"
#include "game/globals.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

class EnemyShotTest : public GameTest {
 protected:
  // A bullet as the spawn operations leave it, before its spawn call.
  Bullet fresh(int x, int y, int speed, int heading, BulletBehaviour behaviour) {
    Bullet b;
    b.motion = motion_create(x, y, speed, heading);
    b.glyph = glyph_new(TCOD_white, 0);
    b.world = &world;
    b.behaviour = behaviour;
    return b;
  }
  // One draw-pass frame of an enemy bullet.
  static void frame(Bullet& b) {
    b.age += 1;
    b.behaviour(b);
    motion_step(b.motion);
    glyph_draw(b.glyph, b.motion.x, b.motion.y);
  }
  Bullet& missile(int x, int y, int heading, BulletBehaviour behaviour, int speed = 50) {
    enemy_missile_spawn(x, y, speed, heading, behaviour, world);
    return *world.enemy_missiles.back();
  }

  World world;
};

// The heading a homing behaviour leaves on a missile at (25, 30) heading 90
// at the given age, with the ship at (sx, sy).
double turned(BulletBehaviour homing, int age, int sx, int sy) {
  World world;
  enemy_missile_spawn(25, 30, 50, 90, homing, world);
  Bullet& m = *world.enemy_missiles.back();
  m.age = age;
  game.player_x = sx;
  game.player_y = sy;
  homing(m);
  return m.motion.heading;
}
// Ship below and to the left of the missile: turning positive (90 toward 180)
// is the short way; below and to the right it is negative.
constexpr int kLeftX = 15, kLeftY = 40;
constexpr int kRightX = 35, kRightY = 40;

int sound_count(int effect) {
  int n = 0;
  for (const SoundPlay& p : sound_played()) n += p.effect == effect;
  return n;
}

}  // namespace

TEST_F(EnemyShotTest, AimedBulletFliesAtTheShip) {
  game.player_x = 30;
  game.player_y = 20;
  Bullet b = fresh(10, 10, 100, 0, bullet_aimed);
  bullet_aimed(b);
  EXPECT_EQ(b.motion.heading, 26);  // atan2(10, 20) is 26.57 degrees
  EXPECT_EQ(b.motion.speed, 100);
  EXPECT_EQ(b.damage, 5);
  EXPECT_EQ(b.glyph.ch, '*');
  while (b.motion.x < 30) frame(b);
  EXPECT_NEAR(b.motion.y, 20, 1);
}

TEST_F(EnemyShotTest, AimOffsetsFanAroundTheShipAndTruncateTowardZero) {
  game.player_x = 10;
  game.player_y = 30;
  int fan[3];
  int offsets[] = {-20, 0, 20};
  for (int k = 0; k < 3; ++k) {
    Bullet b = fresh(10, 10, 50, offsets[k], bullet_aimed);
    bullet_aimed(b);
    fan[k] = static_cast<int>(b.motion.heading);
  }
  EXPECT_EQ(fan[0], 70);
  EXPECT_EQ(fan[1], 90);
  EXPECT_EQ(fan[2], 110);

  // Up and to the left: -153.43 degrees, truncated to -153, not floored.
  game.player_x = 0;
  game.player_y = 5;
  Bullet b = fresh(10, 10, 50, 0, bullet_aimed);
  bullet_aimed(b);
  EXPECT_EQ(b.motion.heading, -153);
}

TEST_F(EnemyShotTest, AimFromTheShipsOwnCellKeepsTheOffset) {
  game.player_x = 12;
  game.player_y = 12;
  Bullet b = fresh(12, 12, 40, 35, bullet_aimed);
  bullet_aimed(b);
  EXPECT_EQ(b.motion.heading, 35);
  EXPECT_EQ(b.motion.speed, 40);
}

TEST_F(EnemyShotTest, AimedBulletAimsOnlyAtSpawn) {
  game.player_x = 10;
  game.player_y = 30;
  Bullet b = fresh(10, 10, 50, 0, bullet_aimed);
  bullet_aimed(b);
  game.player_x = 40;  // the ship moves away
  game.player_y = 10;
  frame(b);
  frame(b);
  EXPECT_EQ(b.motion.heading, 90);
  EXPECT_EQ(b.glyph.colour, TCOD_magenta);
  EXPECT_EQ(cell_fg(b.motion.x, b.motion.y), TCOD_magenta);
}

TEST_F(EnemyShotTest, AimingIsForTheSpawnCallOnly) {
  game.player_x = 10;
  game.player_y = 30;
  Bullet b = fresh(10, 10, 50, 0, bullet_aimed);
  b.age = 3;
  bullet_aim(b);
  EXPECT_EQ(b.motion.heading, 0);
  b.age = 0;
  bullet_aim(b);
  EXPECT_EQ(b.motion.heading, 90);
}

TEST_F(EnemyShotTest, StarBulletIsGreenAndUnaimed) {
  game.player_x = 40;
  game.player_y = 40;
  Bullet b = fresh(10, 10, 30, 67, bullet_star);
  bullet_star(b);
  EXPECT_EQ(b.glyph.ch, '*');
  EXPECT_EQ(b.damage, 5);
  EXPECT_EQ(b.glyph.colour, TCOD_green);
  EXPECT_EQ(b.motion.heading, 67);
}

TEST_F(EnemyShotTest, BulletColourModeCyclesStarAndAimedEveryFrame) {
  settings.bullet_colour_mode = 1;
  Bullet star = fresh(10, 10, 30, 90, bullet_star);
  Bullet aimed = fresh(10, 10, 30, 0, bullet_aimed);
  bullet_star(star);
  bullet_aimed(aimed);
  EXPECT_EQ(star.glyph.colour, bullet_rainbow(0));
  for (int age = 1; age <= 4; ++age) {
    frame(star);
    frame(aimed);
  }
  EXPECT_EQ(star.glyph.colour, bullet_rainbow(4));
  EXPECT_EQ(aimed.glyph.colour, bullet_rainbow(4));
  EXPECT_NE(bullet_rainbow(4), bullet_rainbow(0));
}

TEST_F(EnemyShotTest, FlameRoarsOnceAndIsNeverDrawnWhite) {
  settings.bullet_colour_mode = 1;  // the flame keeps its own colour
  Bullet b = fresh(40, 10, 100, 90, bullet_flame);
  bullet_flame(b);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_BOSS_FLAME);
  EXPECT_TRUE(sound_played()[0].panned);
  EXPECT_EQ(sound_played()[0].panning.right, sound_panning(40).right);
  EXPECT_EQ(b.glyph.ch, 'V');
  EXPECT_EQ(b.damage, 5);
  EXPECT_EQ(b.glyph.colour, TCOD_white);  // not yet drawn

  for (int age = 1; age <= 3; ++age) {
    frame(b);
    EXPECT_EQ(cell_char(b.motion.x, b.motion.y), 'V');
    EXPECT_EQ(cell_fg(b.motion.x, b.motion.y), TCOD_flame) << "age " << age;
  }
  EXPECT_EQ(sound_count(SFX_BOSS_FLAME), 1);
}

TEST_F(EnemyShotTest, MissileLaunchesWithItsGlyphSoundAndColour) {
  game.player_x = 10;
  game.player_y = 60;
  Bullet& m = missile(10, 10, 90, homing_fast);
  homing_fast(m);
  EXPECT_EQ(m.glyph.ch, 'o');
  EXPECT_EQ(m.glyph.colour, TCOD_yellow);
  ASSERT_EQ(sound_count(SFX_MISSILE_LAUNCH), 1);
  EXPECT_EQ(sound_played()[0].panning.left, sound_panning(10).left);
  m.age = 1;
  homing_fast(m);
  EXPECT_EQ(sound_count(SFX_MISSILE_LAUNCH), 1);

  settings.bullet_colour_mode = 1;
  m.age = 7;
  homing_slow(m);
  EXPECT_EQ(m.glyph.colour, bullet_rainbow(7));
}

TEST_F(EnemyShotTest, HomingTurnsTheShortWay) {
  EXPECT_EQ(turned(homing_fast, 0, kLeftX, kLeftY), 95);
  EXPECT_EQ(turned(homing_fast, 0, kRightX, kRightY), 85);
  // Straight up is the short way round through 0 when heading 350.
  Bullet& m = missile(25, 30, 350, homing_slow);
  game.player_x = 45;
  game.player_y = 33;  // about 8 degrees below the right
  homing_slow(m);
  EXPECT_EQ(m.motion.heading, 352);
  EXPECT_EQ(m.motion.speed, 50);
}

TEST_F(EnemyShotTest, HomingOnTargetTurnsPositive) {
  // The ship straight below: a = h = 90, up 0 against down 360.
  EXPECT_EQ(turned(homing_fast, 0, 25, 60), 95);
  EXPECT_EQ(turned(homing_slow, 0, 25, 60), 92);
}

TEST_F(EnemyShotTest, HomingTargetAngleZeroCountsAs360) {
  game.player_x = 40;
  game.player_y = 30;
  Bullet& m = missile(25, 30, 0, homing_fast);
  homing_fast(m);
  EXPECT_EQ(m.motion.heading, -5);
}

TEST_F(EnemyShotTest, SlowHomingTimetable) {
  struct Case {
    int age;
    double left, right;
  } cases[] = {{0, 92, 88},   {59, 92, 88},  {60, 90, 90}, {61, 91, 89},
               {139, 91, 89}, {140, 90, 90}, {400, 90, 90}};
  for (const Case& c : cases) {
    EXPECT_EQ(turned(homing_slow, c.age, kLeftX, kLeftY), c.left) << "age " << c.age;
    EXPECT_EQ(turned(homing_slow, c.age, kRightX, kRightY), c.right) << "age " << c.age;
  }
}

TEST_F(EnemyShotTest, FastHomingTimetable) {
  struct Case {
    int age;
    double left, right;
  } cases[] = {{0, 95, 85}, {39, 95, 85}, {40, 90, 90}, {200, 90, 90}};
  for (const Case& c : cases) {
    EXPECT_EQ(turned(homing_fast, c.age, kLeftX, kLeftY), c.left) << "age " << c.age;
    EXPECT_EQ(turned(homing_fast, c.age, kRightX, kRightY), c.right) << "age " << c.age;
  }
}

TEST_F(EnemyShotTest, SwingHomingLosesPositiveFractionsAndRoundsNegativeOnesUp) {
  struct Case {
    int age;
    double left, right;
  } cases[] = {
      {0, 90, 90},  {1, 90, 89},   {5, 90, 89},   {9, 90, 89},   {10, 91, 89},
      {15, 91, 88}, {49, 94, 85},  {50, 90, 90},  {51, 94, 85},  {60, 94, 85},
      {70, 94, 86}, {149, 90, 89}, {150, 90, 90}, {300, 90, 90},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(turned(homing_swing, c.age, kLeftX, kLeftY), c.left) << "age " << c.age;
    EXPECT_EQ(turned(homing_swing, c.age, kRightX, kRightY), c.right) << "age " << c.age;
  }
}

TEST_F(EnemyShotTest, SwingHomingOnlyTurnsNegativeInItsFirstTenFrames) {
  game.player_x = kLeftX;
  game.player_y = kLeftY;
  Bullet& toward = missile(25, 30, 90, homing_swing, 0);
  game.player_x = kRightX;
  Bullet& away = missile(25, 30, 90, homing_swing, 0);
  game.player_x = kLeftX;
  for (int age = 0; age < 10; ++age) {
    missile_tick(toward);
  }
  game.player_x = kRightX;
  for (int age = 0; age < 10; ++age) {
    missile_tick(away);
  }
  EXPECT_EQ(toward.motion.heading, 90);
  EXPECT_EQ(away.motion.heading, 81);
}

namespace {
std::vector<int> ages_seen;
void recording_behaviour(Bullet& missile) {
  ages_seen.push_back(missile.age);
  glyph_set(missile.glyph, TCOD_yellow, 'm');
}
}  // namespace

TEST_F(EnemyShotTest, MissileFrameLeavesATrailThenActsThenMovesThenDraws) {
  ages_seen.clear();
  Bullet& m = missile(20, 20, 0, recording_behaviour, 100);
  missile_tick(m);

  ASSERT_EQ(ages_seen, std::vector<int>{0});
  EXPECT_EQ(m.age, 1);
  EXPECT_EQ(m.motion.x, 21);
  EXPECT_EQ(cell_char(21, 20), 'm');
  EXPECT_EQ(cell_fg(21, 20), TCOD_yellow);
  ASSERT_EQ(world.particles.size(), 1u);
  const Particle& trail = *world.particles[0];
  EXPECT_EQ(trail.motion.x, 20);
  EXPECT_EQ(trail.motion.y, 20);
  EXPECT_EQ(trail.motion.speed, 0);
  EXPECT_EQ(trail.life, 15);
  EXPECT_EQ(trail.glyph.ch, '.');
  EXPECT_EQ(trail.glyph.colour, TCOD_white);  // the colour before the behaviour ran

  missile_tick(m);
  EXPECT_EQ(ages_seen, (std::vector<int>{0, 1}));
  ASSERT_EQ(world.particles.size(), 2u);
  EXPECT_EQ(world.particles[1]->motion.x, 21);
  EXPECT_EQ(world.particles[1]->glyph.colour, TCOD_yellow);
}

TEST_F(EnemyShotTest, MissilesStayAboveTheDisplayAndWithinTheColumns) {
  struct Case {
    int x, y;
    bool kept;
  } cases[] = {{10, 60, true}, {10, 61, false}, {50, 30, true},  {51, 30, false},
               {0, 30, true},  {-1, 30, false}, {10, -25, true}, {10, -26, false}};
  for (const Case& c : cases) {
    missile(c.x, c.y, 90, homing_slow);
  }
  list_remove_spent(world.enemy_missiles, missile_cull);
  std::vector<std::pair<int, int>> kept;
  for (const auto& m : world.enemy_missiles) kept.emplace_back(m->motion.x, m->motion.y);
  EXPECT_EQ(kept, (std::vector<std::pair<int, int>>{{10, 60}, {50, 30}, {0, 30}, {10, -25}}));
}

TEST_F(EnemyShotTest, ShotDownMissilePopsWithItsSound) {
  Bullet& whole = missile(30, 40, 90, homing_slow);
  missile_damage(whole, 17);
  Bullet& spent = missile(12, 44, 90, homing_slow);
  missile_damage(spent, 18);
  list_remove_spent(world.enemy_missiles, missile_reap);

  ASSERT_EQ(world.enemy_missiles.size(), 1u);
  EXPECT_EQ(world.enemy_missiles[0]->life, 1);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_MISSILE_EXPLODE);
  EXPECT_TRUE(sound_played()[0].panned);
  EXPECT_EQ(sound_played()[0].panning.left, sound_panning(12).left);
  ASSERT_EQ(world.explosions.size(), 1u);
  const Effect& pop = *world.explosions[0];
  EXPECT_EQ(pop.motion.x, 12);
  EXPECT_EQ(pop.motion.y, 44);
  EXPECT_EQ(pop.timer, 1);
  EXPECT_EQ(pop.routine, effect_missile_pop);
  EXPECT_EQ(pop.colour, TCOD_white);
  EXPECT_TRUE(world.particles.empty());
}
