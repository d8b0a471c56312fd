#include "enemies/drone.h"

#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

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

// Each fire call: the drone as the routine saw it, and how many drones were listed.
std::vector<std::pair<Drone, size_t>> seen;

const DroneRoutine fire_recording = [](Drone& d) { seen.emplace_back(d, d.world->drones.size()); };

void move_nowhere(Drone&) {}

class DroneTest : public GameTest {
 protected:
  World world;
  Score score;
};

TEST_F(DroneTest, AtSpawnFireRunsOnlyWhileTheShipIsInPlayAndBeforeMoveSetsTheNumbers) {
  seen.clear();
  spawn(world, 10, 10, drone_swoop_right, fire_recording);
  EXPECT_TRUE(seen.empty());
  game.player_alive = true;
  spawn(world, 10, -2, drone_fan_left, fire_recording);
  ASSERT_EQ(seen.size(), 1u);
  const auto& [drone, listed] = seen[0];
  EXPECT_EQ(listed, 2u);
  EXPECT_EQ((std::vector<int>{drone.hp, drone.pop, drone.role, drone.age}),
            (std::vector<int>{5, 0, 0, 0}));
}

TEST_F(DroneTest, MovesSetTheNumbersThenTurnOverTheirAgesAndTicksDrawInLightAzure) {
  const std::tuple<DroneRoutine, int, int, int, int, int, int, int, int, double, double> cases[] = {
      {drone_fan_left, -2, 1, 30, 50, 'V', 50, 66, 124, 92, 208},
      {drone_fan_left, -1, 2, 30, 50, 'V', 50, 66, 124, 91, 149},
      {drone_fan_left, 0, 3, 30, 50, 'V', 50, 66, 124, 90, 90},
      {drone_fan_right, -2, 1, 30, 50, 'V', 50, 66, 124, 88, 332},
      {drone_fan_right, -1, 2, 30, 50, 'V', 50, 66, 124, 89, 31},
      {drone_fan_right, 0, 3, 30, 50, 'V', 50, 66, 124, 90, 90},
      {drone_swoop_left, 10, 0, 5, 10, 'v', 60, 36, 67, 55, 260},
      {drone_swoop_right, 10, 0, 5, 10, 'v', 60, 36, 67, 125, 280},
  };
  // The heading at the first turning age pins the start, and well after the last one the total.
  for (auto [move, row, role, hp, points, ch, speed, from, to, first, last] : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << row << " role " << role << " turns to " << last);
    World w;
    Drone& drone = spawn(w, 25, row, move);
    EXPECT_EQ((std::vector<int>{drone.role, drone.hp, drone.hp_max, drone.score, drone.pop}),
              (std::vector<int>{role, hp, hp, points, 1}));
    tick_to_age(drone, from);
    EXPECT_EQ(drone.motion.heading, first);
    EXPECT_EQ(cell_char(drone.motion.x, drone.motion.y), ch);
    EXPECT_EQ(cell_fg(drone.motion.x, drone.motion.y), TCOD_light_azure);
    tick_to_age(drone, to + 20);
    EXPECT_EQ(drone.motion.heading, last);
    EXPECT_EQ(drone.motion.speed, speed);
  }
}

TEST_F(DroneTest, CullKeeps25CellsBeyondAnEdgeAndRemoves26) {
  const std::tuple<int, int, bool> cases[] = {{75, 10, false},  {76, 10, true},  {-25, 10, false},
                                              {-26, 10, true},  {10, 95, false}, {10, 96, true},
                                              {10, -25, false}, {10, -26, true}};
  for (auto [x, y, culled] : cases) {
    EXPECT_EQ(drone_cull(spawn(world, x, y, move_nowhere)), culled) << x << ", " << y;
  }
}

TEST_F(DroneTest, ReapBelowZeroHpBurstsByPopAndCountsTheKillEvenForNoPoints) {
  const std::tuple<int, int, int, EffectRoutine, int, TCOD_color_t> cases[] = {
      {1, 50, 0, nullptr, 0, {}},
      {1, 50, -1, effect_drone_pop, 15, TCOD_azure},
      {0, 0, -1, nullptr, 0, {}},
      {2, 10, -3, effect_plasma, 20, TCOD_white}};
  for (auto [pop, points, hp, burst, timer, colour] : cases) {
    SCOPED_TRACE(::testing::Message() << "pop " << pop << " hp " << hp);
    World w;
    Score s{.score = 0, .multiplier = 2.0};
    Drone drone{.hp = hp, .world = &w, .pop = pop, .score = points, .motion = {}, .glyph = {}};
    drone.motion = motion_create(7, 30, 0, 0);
    const bool reaped = hp < 0;
    EXPECT_EQ(drone_reap(drone, s), reaped);
    EXPECT_EQ(std::pair(s.score, s.hits), std::pair(reaped ? 2 * points : 0, reaped ? 1 : 0));
    EXPECT_DOUBLE_EQ(s.multiplier, reaped ? 2.1 : 2.0);
    ASSERT_EQ(w.explosions.size(), burst ? 1u : 0u);
    if (!burst) continue;
    const Effect& effect = *w.explosions[0];
    EXPECT_EQ(effect.routine, burst);
    EXPECT_EQ(effect.timer, timer);
    EXPECT_EQ(effect.colour, colour);
    EXPECT_EQ(std::pair(effect.motion.x, effect.motion.y), std::pair(7, 30));
  }
}

TEST_F(DroneTest, DeathSoundIsOneOfFiveDrawnAtRandomAndPannedByColumn) {
  const int columns[] = {0, 10, 25, 33, 49, 2, 40, 18};
  seed_random(4242);
  for (int column : columns) {
    Drone drone{.hp = -1, .world = &world, .motion = motion_create(column, 20, 0, 0), .glyph = {}};
    EXPECT_TRUE(drone_reap(drone, score));
  }
  seed_random(4242);
  ASSERT_EQ(sound_played().size(), std::size(columns));
  for (size_t k = 0; k < std::size(columns); ++k) {
    EXPECT_EQ(sound_played()[k].effect, SFX_SMALL_EXP1 + TCOD_random_get_int(nullptr, 0, 4)) << k;
    EXPECT_EQ(sound_played()[k].panning.left, sound_panning(columns[k]).left) << k;
  }
}

// Fire runs in a tick after the age is raised, and only while the ship is in play.
TEST_F(DroneTest, AimedDroneFiresOnceAtAge60FromItsCellAndNotIfTheShipIsGoneThen) {
  Drone& lost = spawn(world, 10, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(lost, 60);
  EXPECT_NE(lost.motion.y, 0);  // it flies all the same
  game.player_alive = true;
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(drone, 59);
  EXPECT_TRUE(world.enemy_bullets.empty());
  const int x = drone.motion.x, y = drone.motion.y;
  drone_tick(drone);
  ASSERT_EQ(world.enemy_bullets.size(), 1u);
  const Bullet& shot = *world.enemy_bullets[0];
  EXPECT_EQ(std::pair(shot.motion.x, shot.motion.y), std::pair(x, y));
  EXPECT_EQ(shot.motion.speed, 40);
  EXPECT_EQ(shot.behaviour, bullet_aimed);
  tick_to_age(lost, 200);
  tick_to_age(drone, 200);
  EXPECT_EQ(world.enemy_bullets.size(), 1u);
}

}  // namespace
