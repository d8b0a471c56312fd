#include "enemies/drone.h"

#include <tuple>
#include <utility>
#include <vector>

#include "fx/enemy_shots.h"
#include "game/globals.h"
#include "shell/sound.h"
#include "tests/harness.h"
#include "tests/world_text.h"

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

class DroneTest : public GameTest {
 protected:
  World world;
};

TEST_F(DroneTest, MovesSetTheNumbersThenTurnOverTheirAgesAndTicksDrawInLightAzure) {
  // clang-format off
  const std::tuple<DroneRoutine, int, int, int, int, int, int, int, int, double, double> cases[] = {
      // move, spawn row, role, hp, score, char, speed, turns from, to; heading at from, at the end
      {drone_fan_left,    -2, 1, 30, 50, 'V', 50, 66, 124, 92,  208},
      {drone_fan_left,    -1, 2, 30, 50, 'V', 50, 66, 124, 91,  149},
      {drone_fan_left,     0, 3, 30, 50, 'V', 50, 66, 124, 90,  90},
      {drone_fan_right,   -2, 1, 30, 50, 'V', 50, 66, 124, 88,  332},
      {drone_fan_right,   -1, 2, 30, 50, 'V', 50, 66, 124, 89,  31},
      {drone_swoop_left,  10, 0, 5,  10, 'v', 60, 36, 67,  55,  260},
      {drone_swoop_right, 10, 0, 5,  10, 'v', 60, 36, 67,  125, 280}};
  // clang-format on
  for (auto [move, row, role, hp, points, ch, speed, from, to, first, last] : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << row << " role " << role << " turns to " << last);
    World w;
    Drone& drone = spawn(w, 25, row, move);
    EXPECT_EQ((std::vector<int>{drone.role, drone.hp, drone.hp_max, drone.score, drone.pop}),
              (std::vector<int>{role, hp, hp, points, 1}));
    tick_to_age(drone, from);
    EXPECT_EQ(drone.motion.heading, first);
    EXPECT_EQ(std::pair(cell_char(drone.motion.x, drone.motion.y),
                        cell_fg(drone.motion.x, drone.motion.y)),
              std::pair(ch, TCOD_light_azure));
    tick_to_age(drone, to + 20);
    EXPECT_EQ(std::pair(drone.motion.heading, drone.motion.speed), std::pair(last, speed + 0.0));
  }
}

TEST_F(DroneTest, ReapBelowZeroHpBurstsByPopCountsTheKillEvenForNoPointsAndSoundsAtRandom) {
  // clang-format off
  const std::tuple<int, int, int, std::string> cases[] = {
      // pop, score, hp; the burst and the sound (seed 4242 draws 1, 0, 4 of 0..4)
      {1, 50,  0, ""},
      {1, 50, -1, "pop 15 7,30 a|7@7|"},
      {0, 0,  -1, "6@7|"},
      {2, 10, -3, "plasma 20 7,30 w|10@7|"}};
  // clang-format on
  seed_random(4242);
  for (auto [pop, points, hp, left] : cases) {
    World w;
    Score s{.score = 0, .multiplier = 2.0};
    Drone drone{.hp = hp, .world = &w, .pop = pop, .score = points, .motion = {}, .glyph = {}};
    drone.motion = motion_create(7, 30, 0, 0);
    sound_clear_played();
    const bool reaped = hp < 0;
    EXPECT_EQ(drone_reap(drone, s), reaped);
    EXPECT_EQ(std::tuple(s.score, s.hits, s.multiplier, effects_text(w) + sounds_text()),
              std::tuple(reaped ? 2 * points : 0, reaped ? 1 : 0, reaped ? 2.1 : 2.0, left))
        << "pop " << pop << " hp " << hp;
  }
}

// Fire runs at spawn before the move has set the drone's numbers, and in a tick after the age
// is raised; only while the ship is in play.
TEST_F(DroneTest, FireRunsBeforeMoveAtSpawnAndAnAimedDroneFiresAtAge60OnlyWhileTheShipIsInPlay) {
  seen.clear();
  spawn(world, 10, 10, drone_swoop_right, fire_recording);
  Drone& lost = spawn(world, 10, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(lost, 60);
  game.player_alive = true;
  spawn(world, 10, -2, drone_fan_left, fire_recording);
  ASSERT_EQ(seen.size(), 1u);
  const auto& [seen_drone, listed] = seen[0];
  EXPECT_EQ(listed, 3u);
  EXPECT_EQ((std::vector{seen_drone.hp, seen_drone.pop, seen_drone.role, seen_drone.age}),
            (std::vector{5, 0, 0, 0}));
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  tick_to_age(drone, 59);
  const int x = drone.motion.x, y = drone.motion.y;
  tick_to_age(lost, 200);
  EXPECT_EQ(bullets_text(world.enemy_bullets), "");
  drone_tick(drone);
  tick_to_age(drone, 200);
  const Bullet& shot = *world.enemy_bullets.at(0);  // from the drone's cell at age 59
  EXPECT_EQ(std::tuple(world.enemy_bullets.size(), shot.motion.x, shot.motion.y, shot.motion.speed,
                       shot.behaviour),
            std::tuple(1u, x, y, 40.0, &bullet_aimed));
}

}  // namespace
