#include "enemies/kinds.h"

#include <climits>
#include <initializer_list>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

constexpr int any = INT_MIN;

// The enemy after its think and step at `age`: speed, heading, shots fired so far, the last sound
// played (-1 none); `any` is left unchecked.
struct Frame {
  int age, speed, heading, fired, sound;
};

class KindTest : public GameTest {
 protected:
  // One enemy in a fresh world, the ship in play, stepped through its timetable.
  Enemy& play(EnemyThink kind, int x, int y, std::initializer_list<Frame> frames) {
    world = World{};
    game.player_alive = true;
    sound_clear_played();
    enemy_spawn(x, y, kind, world);
    Enemy& e = *world.enemies.back();
    walk(e, frames);
    return e;
  }

  void walk(Enemy& e, std::initializer_list<Frame> frames) {
    for (const Frame& f : frames) {
      while (e.age < f.age) enemy_tick(e);
      const int got[] = {int(e.motion.speed), int(e.motion.heading),
                         int(world.enemy_bullets.size() + world.enemy_missiles.size()),
                         sound_played().empty() ? -1 : sound_played().back().effect};
      const int want[] = {f.speed, f.heading, f.fired, f.sound};
      for (int i = 0; i < 4; ++i)
        EXPECT_EQ(got[i], want[i] == any ? got[i] : want[i])
            << "speed, heading, fired, sound: " << i << " at " << f.age;
    }
  }

  const Bullet& shot(size_t i) const { return *world.enemy_bullets.at(i); }

  World world;
};

Drone& spawn(World& world, int x, int y, DroneRoutine move, DroneRoutine fire = drone_fire_none) {
  drone_spawn(x, y, move, fire, world);
  return *world.drones.back();
}

// Each fire call: the drone as the routine saw it, and how many drones were listed.
std::vector<std::pair<Drone, size_t>> seen;
const DroneRoutine fire_recording = [](Drone& d) { seen.emplace_back(d, d.world->drones.size()); };

using ShellTest = GameTest;
using DroneTest = GameTest;

}  // namespace

// clang-format off
// Darts from row -4 bend hardest, two degrees a frame, and fire their shell along the bend.
TEST_F(KindTest, DartsFromRowMinus4BendTwoDegreesAFrameFromAge51To109AndShellAlongTheBend) {
  for (auto [kind, at51, at65, after] :
       {std::tuple<EnemyThink, int, int, int>{kind_dart, 92, 120, 208},
        {kind_dart_leader, 88, 60, 332}}) {
    play(kind, 20, -4, {{50, 50, 90, 0, -1}, {51, 50, at51, 0, -1}, {65, 50, at65, 1, 13},
                        {120, 50, after, 1, 13}});
    EXPECT_EQ(std::pair(shot(0).behaviour, int(shot(0).motion.heading)),
              std::pair(+shell_eight, at65));
  }
}

TEST_F(KindTest, PodsSettleThenLaunchByTheirSpawnRowTurningLeftAndFireTwoAimedTrios) {
  for (auto [row, h] : {std::pair{1, 180}, std::pair{2, 150}, std::pair{5, 120}})
    play(kind_pod, 30, row, {{89, 8, 90, 0, -1}, {90, 40, h, 0, -1}, {119, 40, h - 29, 0, -1},
                             {120, 40, h - 30, 3, 17}, {170, 40, h - 80, 6, 17}});
}

TEST_F(KindTest, HornetBurstsAtAge260IntoARingOf32StarsAndIsWorthNothing) {
  Enemy& e = play(kind_hornet, 12, 0, {{259, any, any, 15, 17}, {260, 0, any, 47, 14}});
  world.enemy_bullets.erase(world.enemy_bullets.begin(), world.enemy_bullets.begin() + 15);
  EXPECT_EQ(std::tuple(bullets_text(world.enemy_bullets), e.hp, e.score),
            std::tuple("32x? 15,25 45/0..348|", 0, 0));  // from its cell, worth nothing
}

// The golden run keeps the ship in play: here it is lost before the first burst is due.
TEST_F(KindTest, SideBurstsAndMissileFansHoldTheirFireWhileTheShipIsOutOfPlay) {
  for (EnemyThink kind : {kind_lancer, kind_spinner, kind_spinner_u}) {
    Enemy& e = play(kind, 20, 0, {{4, any, any, 0, -1}});
    game.player_alive = false;
    walk(e, {{1100, any, any, 0, -1}});
  }
}

// clang-format on

// Fired at speed 1 a shell stops, and bursts, in its spawn call: a tick before its removal must
// not burst it again. Each frame's trail keeps that frame's rainbow colour.
TEST_F(ShellTest, AShellFiredAtSpeedOneBurstsInItsSpawnCallOnlyAndTrailsTheRainbow) {
  World world;
  settings.bullet_colour_mode = 1;
  sound_clear_played();
  enemy_bullet_spawn(10, 10, 1, 0, shell_eight, world);
  Bullet& shell = *world.enemy_bullets.at(0);
  bullet_tick(shell);
  EXPECT_EQ(std::tuple(shell.damage, shell.glyph.ch, bullets_text(world.enemy_bullets),
                       sounds_text(), particles_text(world)),
            std::tuple(5, 10, "1x? 10,10 0/360|8x? 10,10 35/0..315|", "13@10|14@10|",
                       "1x. 10,10 0/15 150,236,63 0|1x. 10,10 0/15 160,230,58 0|"));
}

// Reaped only below 0 hit points, bursting by its pop: none, or plasma.
TEST_F(DroneTest, ReapedOnlyBelowZeroHpAndBurstsByPop) {
  // pop, hp; the burst and the sound (seed 4242 draws 1, 0 of 0..4)
  const std::tuple<int, int, std::string> cases[] = {
      {0, 0, ""}, {0, -1, "7@7|"}, {2, -3, "plasma 20 7,30 w|6@7|"}};
  seed_random(4242);
  for (auto [pop, hp, left] : cases) {
    World w;
    Score s;
    Drone drone{.hp = hp, .world = &w, .pop = pop, .score = 0, .motion = {}, .glyph = {}};
    drone.motion = motion_create(7, 30, 0, 0);
    sound_clear_played();
    EXPECT_EQ(drone_reap(drone, s), hp < 0);
    EXPECT_EQ(effects_text(w) + sounds_text(), left) << "pop " << pop << " hp " << hp;
  }
}

// Fire runs at spawn before the move has set the drone's numbers, and in a tick after the age
// is raised; only while the ship is in play.
TEST_F(DroneTest, FireRunsBeforeMoveAtSpawnAndAnAimedDroneFiresAtAge60OnlyWhileTheShipIsInPlay) {
  World world;
  seen.clear();
  spawn(world, 10, 10, drone_swoop_right, fire_recording);
  Drone& lost = spawn(world, 10, 0, drone_fan_left, drone_fire_aimed);
  while (lost.age < 60) drone_tick(lost);
  game.player_alive = true;
  spawn(world, 10, -2, drone_fan_left, fire_recording);
  ASSERT_EQ(seen.size(), 1u);
  const auto& [d, listed] = seen[0];
  EXPECT_EQ(std::tuple(listed, d.hp, d.pop, d.role, d.age), std::tuple(size_t{3}, 5, 0, 0, 0));
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  while (drone.age < 200) drone_tick(drone);
  // Once, from its cell at age 59, aimed at the ship's cell: (0, 0) here.
  EXPECT_EQ(bullets_text(world.enemy_bullets), "1xaimed 25,29 40/-130|");
}
