#include "enemies/kinds.h"

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/explosions.h"
#include "fx/shell.h"
#include "shell/random.h"
#include "tests/harness.h"
#include "tests/world_rows.h"

// The kinds', drones' and shells' ordinary flight and fire are left to the
// golden runs; these are the rows, speeds, hit points and lost ships they never
// meet.
using Kinds = GameTest;

TEST_F(Kinds, DartsFromRowMinus4BendTwoDegreesAFrameFromAge51) {
  for (auto [kind, at65] : {std::pair(+kind_dart, 120), std::pair(+kind_dart_leader, 60)}) {
    World world;
    enemy_spawn(20, -4, kind, world);
    Enemy& e = *world.enemies.back();
    while (e.age < 65) enemy_tick(e);
    EXPECT_EQ(e.motion.heading, at65);
  }
}

// The ship is lost before anything fires: then nothing does.
TEST_F(Kinds, SideBurstsMissileFansAndAimedDronesHoldTheirFireWhileTheShipIsOutOfPlay) {
  World world;
  for (EnemyThink kind : {kind_lancer, kind_spinner, kind_spinner_u})
    enemy_spawn(20, 0, kind, world);
  drone_spawn(10, 0, drone_fan_left, drone_fire_aimed, world);
  for (int age = 1; age <= 1100; ++age) {
    list_tick(world.enemies, enemy_tick);
    list_tick(world.drones, drone_tick);
  }
  EXPECT_EQ(world.enemy_bullets.size() + world.enemy_missiles.size(), 0u);
}

// Fired at speed 1 a shell stops, and bursts, in its spawn call: a tick before
// its removal must not burst it again.
TEST_F(Kinds, AShellFiredAtSpeedOneBurstsInItsSpawnCallOnly) {
  World world;
  enemy_bullet_spawn(10, 10, 1, 0, shell_eight, world);
  bullet_tick(*world.enemy_bullets.at(0));
  const std::vector<ShotRun> shell_and_burst = {{"?", 10, 10, 0, 1, 360, 360},
                                                {"?", 10, 10, 35, 8, 0, 315}};
  EXPECT_EQ(shot_runs(world.enemy_bullets), shell_and_burst);
}

// Reaped only below 0 hit points, a plasma drone bursting in white at its cell, its sound panned
// there (seed 4242 draws the second of the five small explosions).
TEST_F(Kinds, DronesAreReapedOnlyBelowZeroHpAndAPlasmaOneBurstsInWhite) {
  random_seed(4242);
  World w;
  Score s;
  Drone drone{.hp = 0, .world = &w, .pop = 2, .score = 0, .motion = {}, .glyph = {}};
  drone.motion = motion_create(7, 30, 0, 0);
  EXPECT_FALSE(drone_reap(drone, s));
  drone.hp = -3;
  EXPECT_TRUE(drone_reap(drone, s));
  ASSERT_EQ(w.explosions.size(), 1u);
  const Effect& e = *w.explosions[0];
  EXPECT_EQ(std::tuple(e.routine, e.timer, e.motion.x, e.motion.y, e.colour),
            std::tuple(+effect_plasma, 20, 7, 30, TCOD_white));
  EXPECT_EQ(sounds_heard(), (std::vector<Heard>{{SFX_SMALL_EXP1 + 1, 7}}));
}
