#include <map>
#include <string>
#include <vector>

#include "enemies/fortress.h"
#include "enemies/kinds.h"
#include "enemies/midboss.h"
#include "enemies/waves.h"
#include "game/director.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/world.h"
#include "tests/harness.h"

namespace {

// What a wave put into the World on one frame.
struct Spawned {
  std::vector<std::string> enemies;  // "kind x y"
  std::vector<std::string> drones;   // "x y"
};

std::string kind_name(EnemyThink think) {
  const std::pair<EnemyThink, const char*> names[] = {
      {kind_dart, "dart"},
      {kind_dart_leader, "leader"},
      {kind_gunship, "gunship"},
      {kind_hornet, "hornet"},
      {kind_carrier, "carrier"},
      {kind_lancer, "lancer"},
      {kind_spinner, "spinner"},
      {kind_spinner_u, "spinner_u"},
      {kind_raider, "raider"},
      {kind_striker, "striker"},
      {kind_midboss, "midboss"},
      {kind_fortress_core, "core"},
      {kind_core_shield, "shield"},
      {kind_arm_left, "arm_left"},
      {kind_arm_right, "arm_right"},
      {kind_turret, "turret"},
      {kind_bulwark_left, "bulwark_left"},
      {kind_bulwark_right, "bulwark_right"},
      {kind_pillar, "pillar"},
  };
  for (auto [kind, name] : names) {
    if (kind == think) return name;
  }
  return "other";
}

// Runs a wave from t = 0, without moving anything, and keeps what each frame spawned.
class WaveRun {
 public:
  explicit WaveRun(Wave wave) : stage_{0, wave, &world_} {}

  // Frames 0..last; true once the wave reported it was over.
  bool run_to(int last) {
    bool done = false;
    while (stage_.ticks <= last && !done) {
      size_t enemies = world_.enemies.size(), drones = world_.drones.size();
      int t = stage_.ticks;
      done = stage_run(stage_);
      Spawned& frame = spawned_[t];
      for (size_t i = enemies; i < world_.enemies.size(); ++i) {
        const Enemy& e = *world_.enemies[i];
        if (e.think == kind_midboss_wing_left || e.think == kind_midboss_wing_right) continue;
        frame.enemies.push_back(kind_name(e.think) + " " + std::to_string(e.motion.x) + " " +
                                std::to_string(e.motion.y));
      }
      for (size_t i = drones; i < world_.drones.size(); ++i) {
        const Drone& d = *world_.drones[i];
        frame.drones.push_back(std::to_string(d.motion.x) + " " + std::to_string(d.motion.y));
      }
    }
    return done;
  }
  const Spawned& at(int t) { return spawned_[t]; }
  int frames_with_spawns() const {
    int n = 0;
    for (const auto& [t, s] : spawned_) n += !s.enemies.empty() || !s.drones.empty();
    return n;
  }
  int ticks() const { return stage_.ticks; }

 private:
  World world_;
  Stage stage_;
  std::map<int, Spawned> spawned_;
};

using Names = std::vector<std::string>;

}  // namespace

class Waves : public GameTest {};

TEST_F(Waves, EachWaveSpawnsItsRowsOnTheirFramesAndCells) {
  struct Row {
    Wave wave;
    int t;
    Names enemies;
    Names drones;
  };
  const Row rows[] = {
      {wave_opening, 0, {}, {}},
      {wave_opening, 50, {}, {"50 10"}},
      {wave_opening, 150, {}, {"0 10"}},
      {wave_opening, 450, {"spinner 10 0", "spinner 34 0"}, {}},
      {wave_opening, 500, {"gunship 33 0", "gunship 13 0"}, {}},
      {wave_opening, 1100, {}, {"20 -2", "22 -1", "24 0", "26 -1", "28 -2"}},
      {wave_opening, 1700, {"striker 20 -10"}, {}},
      {wave_gunships, 0, {}, {}},
      {wave_gunships, 1, {"hornet 12 0"}, {}},
      {wave_gunships, 1000, {"gunship 5 0", "gunship 15 0", "gunship 25 0"}, {}},
      {wave_gunships, 2550, {"spinner_u 15 0"}, {}},
      {wave_midboss, 100, {"midboss 23 -5"}, {}},
      {wave_crossfire, 130, {}, {"50 10"}},
      {wave_crossfire, 220, {}, {"50 1"}},
      {wave_crossfire, 330, {}, {"0 10"}},
      {wave_crossfire, 1000, {"striker 5 0"}, {"50 10"}},
      {wave_heavies, 500, {"dart 16 -2", "dart 20 0", "leader 24 -2"}, {}},
      {wave_heavies,
       1400,
       {"gunship 4 0", "gunship 14 0", "gunship 24 0", "gunship 34 0", "gunship 44 0"},
       {}},
      {wave_fortress, 199, {}, {}},
      {wave_fortress,
       200,
       {"core 17 -40",   "bulwark_left 0 -25", "bulwark_right 30 -25", "shield 20 -25",
        "pillar 10 -30", "pillar 10 -35",      "pillar 10 -40",        "pillar 10 -45",
        "pillar 10 -50", "pillar 39 -30",      "pillar 39 -35",        "pillar 39 -40",
        "pillar 39 -45", "pillar 39 -50",      "turret 5 -20",         "turret 15 -20",
        "turret 42 -20", "turret 32 -20",      "arm_right 30 -40",     "arm_left 11 -35"},
       {}},
  };
  for (const Row& row : rows) {
    WaveRun run(row.wave);
    run.run_to(row.t);
    SCOPED_TRACE("t = " + std::to_string(row.t));
    EXPECT_EQ(run.at(row.t).enemies, row.enemies);
    EXPECT_EQ(run.at(row.t).drones, row.drones);
  }
}

TEST_F(Waves, StaircasesStepUpTenRowsAndStartAgain) {
  WaveRun run(wave_opening);
  run.run_to(449);
  Names rows;
  for (int t = 50; t <= 160; t += 10) rows.push_back(run.at(t).drones.at(0));
  EXPECT_EQ(rows, (Names{"50 10", "50 9", "50 8", "50 7", "50 6", "50 5", "50 4", "50 3", "50 2",
                         "50 1", "0 10", "0 9"}));
  EXPECT_TRUE(run.at(55).drones.empty());
  EXPECT_EQ(run.frames_with_spawns(), 40);
}

TEST_F(Waves, EachWaveEndsOnItsFrameAndTheBossWavesWaitForTheBoss) {
  struct Row {
    Wave wave;
    int last_frame;  // the frame on which it reports it is over
  };
  for (Row row : {Row{wave_opening, 1801}, Row{wave_gunships, 3001}, Row{wave_crossfire, 1301},
                  Row{wave_heavies, 2201}}) {
    WaveRun run(row.wave);
    EXPECT_FALSE(run.run_to(row.last_frame - 1));
    EXPECT_TRUE(run.run_to(row.last_frame));
  }

  WaveRun midboss(wave_midboss);
  EXPECT_FALSE(midboss.run_to(400));  // the boss lives
  game.boss_active = false;           // shot down
  EXPECT_TRUE(midboss.run_to(401));

  WaveRun early(wave_midboss);
  early.run_to(150);
  game.boss_active = false;  // shot down before the wave's frame 201
  EXPECT_FALSE(early.run_to(200));
  EXPECT_TRUE(early.run_to(201));

  WaveRun fortress(wave_fortress);
  fortress.run_to(249);
  game.boss_active = false;
  fortress.run_to(250);
  EXPECT_FALSE(game.game_won);  // not before frame 251
  EXPECT_FALSE(fortress.run_to(251));
  EXPECT_TRUE(game.game_won);
}

TEST_F(Waves, StragglersOfOneWaveFlyOnIntoTheNext) {
  World world;
  Score score;
  auto director = director_create(level_script, world);
  auto player = player_create(25, 55, player_steer, fire_gun, world);
  do {
    director_tick(*director);
    world_update(world, score);
    world_draw(world, *player, score);
  } while (director->stage->wave == wave_opening);
  int strikers = 0;
  for (const auto& enemy : world.enemies) strikers += enemy->think == kind_striker;
  EXPECT_GT(strikers, 0) << "the opening's last strikers are still in play as the next wave starts";
  EXPECT_EQ(director->stage->ticks, 0);
}
