#include "enemies/waves.h"

#include <functional>
#include <map>
#include <string>

#include "enemies/kinds.h"
#include "enemies/midboss.h"
#include "game/director.h"
#include "game/globals.h"
#include "tests/harness.h"

namespace {

std::string kind_name(EnemyThink think) {
  const std::pair<EnemyThink, const char*> names[] = {
      {kind_dart, "dart"},       {kind_dart_leader, "leader"}, {kind_gunship, "gunship"},
      {kind_hornet, "hornet"},   {kind_spinner, "spinner"},    {kind_spinner_u, "spinner_u"},
      {kind_striker, "striker"}, {kind_midboss, "midboss"}};
  for (auto [kind, name] : names) {
    if (kind == think) return name;
  }
  return "other";
}

// A wave run from t = 0 to `last` with nothing moving: what each frame spawned
// ("kind x y", then "drone x y"), and the frame it first reported it was over.
struct WaveRun {
  std::map<int, std::string> spawned;
  int over_at = -1;
};

WaveRun run_wave(Wave wave, int last, const std::function<void(int)>& before = {}) {
  WaveRun run;
  World world;
  Stage stage{0, wave, &world};
  for (size_t enemies = 0, drones = 0; stage.ticks <= last && run.over_at < 0;
       enemies = world.enemies.size(), drones = world.drones.size()) {
    const int t = stage.ticks;
    if (before) before(t);
    if (stage_run(stage)) run.over_at = t;
    std::string& out = run.spawned[t];
    auto add = [&out](const std::string& name, const Motion& m) {
      out +=
          (out.empty() ? "" : ", ") + name + " " + std::to_string(m.x) + " " + std::to_string(m.y);
    };
    for (size_t i = enemies; i < world.enemies.size(); ++i) {
      const Enemy& e = *world.enemies[i];
      if (e.think != kind_midboss_wing_left && e.think != kind_midboss_wing_right) {
        add(kind_name(e.think), e.motion);
      }
    }
    for (size_t i = drones; i < world.drones.size(); ++i) add("drone", world.drones[i]->motion);
    if (out.empty()) run.spawned.erase(t);
  }
  return run;
}

}  // namespace

using Waves = GameTest;

// Frame 0 spawns nothing; the fortress's frame and order are in test_fortress.
TEST_F(Waves, EachWaveSpawnsItsRowsOnTheirFramesAndCellsInOrder) {
  // clang-format off
  const struct { Wave wave; int t; const char* spawns; } rows[] = {
      // The staircases: a drone every tenth frame, rows 10 down to 1 and again.
      {wave_opening, 50, "drone 50 10"}, {wave_opening, 55, ""}, {wave_opening, 60, "drone 50 9"},
      {wave_opening, 140, "drone 50 1"}, {wave_opening, 150, "drone 0 10"},
      {wave_crossfire, 130, "drone 50 10"}, {wave_crossfire, 220, "drone 50 1"},
      {wave_crossfire, 330, "drone 0 10"},  {wave_crossfire, 1000, "striker 5 0, drone 50 10"},
      {wave_opening, 450, "spinner 10 0, spinner 34 0"},
      {wave_opening, 500, "gunship 33 0, gunship 13 0"},
      {wave_opening, 1100, "drone 20 -2, drone 22 -1, drone 24 0, drone 26 -1, drone 28 -2"},
      {wave_opening, 1700, "striker 20 -10"}, {wave_gunships, 1, "hornet 12 0"},
      {wave_gunships, 1000, "gunship 5 0, gunship 15 0, gunship 25 0"},
      {wave_gunships, 2550, "spinner_u 15 0"}, {wave_midboss, 100, "midboss 23 -5"},
      {wave_heavies, 500, "dart 16 -2, dart 20 0, leader 24 -2"},
      {wave_heavies, 1400, "gunship 4 0, gunship 14 0, gunship 24 0, gunship 34 0, gunship 44 0"},
  };
  // clang-format on
  for (const auto& row : rows) {
    WaveRun run = run_wave(row.wave, row.t);
    EXPECT_EQ(run.spawned[row.t], row.spawns) << "t = " << row.t;
    EXPECT_EQ(run.spawned.count(0), 0u) << "t = " << row.t;
  }
}

TEST_F(Waves, EachWaveEndsOnItsFrameAndTheFortressIsWonFromFrame251) {
  // The frames with spawns, from the timetables; the mid-stage boss's wave is in test_midboss.
  for (auto [wave, over_at, frames] : {std::tuple<Wave, int, size_t>{wave_opening, 1801, 51},
                                       {wave_gunships, 3001, 18},
                                       {wave_crossfire, 1301, 39},
                                       {wave_heavies, 2201, 13}}) {
    WaveRun run = run_wave(wave, 4000);
    EXPECT_EQ(std::pair(run.over_at, run.spawned.size()), std::pair(over_at, frames));
  }
  // The core shot down before frame 251, and after it: won on the next call.
  for (auto [shot_at, won] : {std::pair{240, 252}, {300, 301}}) {
    int won_at = -1;
    game.game_won = false;
    WaveRun fortress = run_wave(wave_fortress, 400, [&](int t) {
      game.boss_active = t < shot_at;
      if (won_at < 0 && game.game_won) won_at = t;
    });
    EXPECT_EQ(std::pair(fortress.over_at, won_at), std::pair(-1, won)) << shot_at;
  }
}
