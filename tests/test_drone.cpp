#include "enemies/drone.h"

#include <iterator>

#include "fx/effect.h"
#include "fx/enemy_shots.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

Drone& spawn(World& world, int x, int y, DroneRoutine move, DroneRoutine fire = drone_fire_none) {
  drone_spawn(x, y, move, fire, world);
  return *world.drones.back();
}

void tick_to_age(Drone& drone, int age) {
  while (drone.age < age) drone_tick(drone);
}

// What a fire routine saw on each call; routines are plain function pointers.
struct FireSeen {
  int calls = 0;
  int hp = -1;
  int pop = -1;
  int role = -1;
  int age = -1;
  size_t listed = 0;
};
FireSeen seen;

void fire_recording(Drone& drone) {
  seen.calls += 1;
  seen.hp = drone.hp;
  seen.pop = drone.pop;
  seen.role = drone.role;
  seen.age = drone.age;
  seen.listed = drone.world->drones.size();
}

void move_nowhere(Drone&) {}

class DroneTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    seen = FireSeen{};
  }
  World world;
  Score score;
};

TEST_F(DroneTest, SpawnPushesThenFiresBeforeMoveSetsItsNumbers) {
  game.player_alive = true;
  Drone& drone = spawn(world, 10, -2, drone_fan_left, fire_recording);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.listed, 1u);
  EXPECT_EQ(seen.hp, 5);
  EXPECT_EQ(seen.pop, 0);
  EXPECT_EQ(seen.role, 0);
  EXPECT_EQ(seen.age, 0);

  EXPECT_EQ(drone.hp, 30);
  EXPECT_EQ(drone.hp_max, 30);
  EXPECT_EQ(drone.pop, 1);
  EXPECT_EQ(drone.score, 50);
  EXPECT_EQ(drone.glyph.ch, 'V');
  EXPECT_EQ(drone.motion.speed, 50);
  EXPECT_EQ(drone.motion.heading, 90);
}

TEST_F(DroneTest, NoFireWhileTheShipIsNotInPlayButTheDroneStillFlies) {
  Drone& drone = spawn(world, 10, 10, drone_swoop_right, fire_recording);
  EXPECT_EQ(seen.calls, 0);
  tick_to_age(drone, 30);
  EXPECT_EQ(seen.calls, 0);
  EXPECT_NE(drone.motion.y, 10);
  game.player_alive = true;
  drone_tick(drone);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.age, 31);
}

TEST_F(DroneTest, FanRolesComeFromTheSpawnRowAndTurnFromAge66To124) {
  struct Case {
    DroneRoutine move;
    int row;
    int role;
    double at66;
    double at124;
  } cases[] = {
      {drone_fan_left, -2, 1, 92, 208}, {drone_fan_left, -1, 2, 91, 149},
      {drone_fan_left, 0, 3, 90, 90},   {drone_fan_right, -2, 1, 88, 332},
      {drone_fan_right, -1, 2, 89, 31}, {drone_fan_right, 0, 3, 90, 90},
  };
  for (const Case& c : cases) {
    World w;
    Drone& drone = spawn(w, 25, c.row, c.move);
    SCOPED_TRACE(::testing::Message() << "row " << c.row << " role " << c.role);
    EXPECT_EQ(drone.role, c.role);
    tick_to_age(drone, 65);
    EXPECT_EQ(drone.motion.heading, 90);
    drone_tick(drone);
    EXPECT_EQ(drone.motion.heading, c.at66);
    tick_to_age(drone, 124);
    EXPECT_EQ(drone.motion.heading, c.at124);
    tick_to_age(drone, 140);
    EXPECT_EQ(drone.motion.heading, c.at124);
    EXPECT_EQ(drone.motion.speed, 50);
  }
}

TEST_F(DroneTest, SwoopsLoopFromAge36To67AndEndAt260And280) {
  Drone& left = spawn(world, 0, 10, drone_swoop_left);
  Drone& right = spawn(world, 49, 10, drone_swoop_right);
  for (Drone* d : {&left, &right}) {
    EXPECT_EQ(d->hp_max, 5);
    EXPECT_EQ(d->score, 10);
    EXPECT_EQ(d->pop, 1);
  }
  tick_to_age(left, 35);
  tick_to_age(right, 35);
  EXPECT_EQ(left.motion.heading, 60);
  EXPECT_EQ(right.motion.heading, 120);
  drone_tick(left);
  drone_tick(right);
  EXPECT_EQ(left.motion.heading, 55);
  EXPECT_EQ(right.motion.heading, 125);
  tick_to_age(left, 67);
  tick_to_age(right, 67);
  EXPECT_EQ(left.motion.heading, 260);
  EXPECT_EQ(right.motion.heading, 280);
  tick_to_age(left, 90);
  tick_to_age(right, 90);
  EXPECT_EQ(left.motion.heading, 260);
  EXPECT_EQ(right.motion.heading, 280);
  EXPECT_EQ(left.motion.speed, 60);
}

TEST_F(DroneTest, TickDrawsInLightAzureWhateverTheMoveChose) {
  Drone& drone = spawn(world, 12, 20, drone_swoop_left);
  drone.glyph.colour = TCOD_red;
  drone_tick(drone);
  EXPECT_EQ(cell_char(drone.motion.x, drone.motion.y), 'v');
  EXPECT_EQ(cell_fg(drone.motion.x, drone.motion.y), TCOD_light_azure);
}

TEST_F(DroneTest, CullKeeps25CellsBeyondAnEdgeAndRemoves26) {
  struct Case {
    int x, y;
    bool culled;
  } cases[] = {{75, 10, false}, {76, 10, true}, {-25, 10, false}, {-26, 10, true},
               {10, 95, false}, {10, 96, true}, {10, -25, false}, {10, -26, true}};
  for (const Case& c : cases) {
    Drone& drone = spawn(world, c.x, c.y, move_nowhere);
    EXPECT_EQ(drone_cull(drone), c.culled) << c.x << ", " << c.y;
  }
}

TEST_F(DroneTest, ExactlyZeroHpStaysAndBelowZeroIsReapedWithItsScoreAndPop) {
  score.multiplier = 2.0;
  Drone& drone = spawn(world, 7, 30, drone_fan_left);
  drone.hp = 0;
  EXPECT_FALSE(drone_reap(drone, score));
  EXPECT_EQ(score.score, 0);
  EXPECT_EQ(score.hits, 0);
  EXPECT_TRUE(world.explosions.empty());
  EXPECT_TRUE(sound_played().empty());

  drone_damage(drone, 1);
  EXPECT_TRUE(drone_reap(drone, score));
  EXPECT_EQ(score.score, 100);
  EXPECT_DOUBLE_EQ(score.multiplier, 2.1);
  EXPECT_EQ(score.hits, 1);
  ASSERT_EQ(world.explosions.size(), 1u);
  const Effect& pop = *world.explosions[0];
  EXPECT_EQ(pop.routine, effect_drone_pop);
  EXPECT_EQ(pop.timer, 15);
  EXPECT_EQ(pop.colour, TCOD_azure);
  EXPECT_EQ(pop.motion.x, 7);
  EXPECT_EQ(pop.motion.y, 30);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_TRUE(sound_played()[0].panned);
}

TEST_F(DroneTest, KillCountsEvenForScoreZeroAndPopTwoIsAPlasmaBurst) {
  Drone& plain = spawn(world, 5, 5, move_nowhere);
  plain.hp = -1;
  EXPECT_TRUE(drone_reap(plain, score));
  EXPECT_EQ(score.score, 0);
  EXPECT_EQ(score.hits, 1);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.1);
  EXPECT_TRUE(world.explosions.empty());

  Drone& plasma = spawn(world, 6, 8, move_nowhere);
  plasma.pop = 2;
  plasma.hp = -3;
  EXPECT_TRUE(drone_reap(plasma, score));
  ASSERT_EQ(world.explosions.size(), 1u);
  EXPECT_EQ(world.explosions[0]->routine, effect_plasma);
  EXPECT_EQ(world.explosions[0]->timer, 20);
  EXPECT_EQ(world.explosions[0]->colour, TCOD_white);
  EXPECT_EQ(score.hits, 2);
}

TEST_F(DroneTest, DeathSoundIsOneOfFiveDrawnAtRandomAndPannedByColumn) {
  const int columns[] = {0, 10, 25, 33, 49, 2, 40, 18};
  seed_random(4242);
  for (int column : columns) {
    Drone& drone = spawn(world, column, 20, move_nowhere);
    drone.hp = -1;
    EXPECT_TRUE(drone_reap(drone, score));
  }
  seed_random(4242);
  ASSERT_EQ(sound_played().size(), std::size(columns));
  for (size_t k = 0; k < std::size(columns); ++k) {
    int expected = SFX_SMALL_EXP1 + TCOD_random_get_int(nullptr, 0, 4);
    EXPECT_EQ(sound_played()[k].effect, expected) << k;
    EXPECT_EQ(sound_played()[k].panning.left, sound_panning(columns[k]).left);
    EXPECT_EQ(sound_played()[k].panning.right, sound_panning(columns[k]).right);
  }
}

TEST_F(DroneTest, AimedDroneFiresOnceAtAge60FromItsCell) {
  game.player_alive = true;
  game.player_x = 25;
  game.player_y = 55;
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(drone, 59);
  EXPECT_TRUE(world.enemy_bullets.empty());
  const int x = drone.motion.x;
  const int y = drone.motion.y;
  drone_tick(drone);
  ASSERT_EQ(world.enemy_bullets.size(), 1u);
  EXPECT_EQ(world.enemy_bullets[0]->motion.x, x);
  EXPECT_EQ(world.enemy_bullets[0]->motion.y, y);
  EXPECT_EQ(world.enemy_bullets[0]->motion.speed, 40);
  EXPECT_EQ(world.enemy_bullets[0]->behaviour, bullet_aimed);
  tick_to_age(drone, 200);
  EXPECT_EQ(world.enemy_bullets.size(), 1u);
}

TEST_F(DroneTest, TheAimedShotIsLostWhenItsFrameFallsWhileTheShipIsGone) {
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(drone, 60);
  game.player_alive = true;
  tick_to_age(drone, 200);
  EXPECT_TRUE(world.enemy_bullets.empty());
}

}  // namespace
