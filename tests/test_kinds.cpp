#include "enemies/kinds.h"

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/explosions.h"
#include "fx/shell.h"
#include "tests/harness.h"
#include "tests/world_text.h"

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
  EXPECT_EQ(bullets_text(world.enemy_bullets), "1x? 10,10 0/360|8x? 10,10 35/0..315|");
}

// Reaped only below 0 hit points, a plasma drone bursting in white at its cell, its sound panned
// there (seed 4242 draws 1 of 0..4).
TEST_F(Kinds, DronesAreReapedOnlyBelowZeroHpAndAPlasmaOneBurstsInWhite) {
  seed_random(4242);
  for (auto [pop, hp, left] : {std::tuple(0, 0, ""), std::tuple(2, -3, "plasma 20 7,30 w|7@7|")}) {
    World w;
    Score s;
    Drone drone{.hp = hp, .world = &w, .pop = pop, .score = 0, .motion = {}, .glyph = {}};
    drone.motion = motion_create(7, 30, 0, 0);
    sound_clear_played();
    EXPECT_EQ(drone_reap(drone, s), hp < 0);
    std::string effects;
    for (const auto& e : w.explosions)
      effects += (e->routine == effect_plasma ? "plasma " : "? ") + std::to_string(e->timer) +
                 world_text::at(e->motion) + (e->colour == TCOD_white ? "w|" : "?|");
    EXPECT_EQ(effects + sounds_text(), left) << "pop " << pop << " hp " << hp;
  }
}
