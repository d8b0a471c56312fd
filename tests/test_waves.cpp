#include "enemies/waves.h"

#include "enemies/kinds.h"
#include "enemies/midboss.h"
#include "game/director.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

// What frame t of a wave run from t = 0 spawned, with nothing moving: "kind x y",
// then "drone x y".
std::string spawned_on(Wave wave, int t) {
  // clang-format off
  const std::pair<EnemyThink, const char*> names[] = {
      {kind_dart, "dart"},       {kind_dart_leader, "leader"}, {kind_gunship, "gunship"},
      {kind_hornet, "hornet"},   {kind_spinner, "spinner"},    {kind_spinner_u, "spinner_u"},
      {kind_striker, "striker"}, {kind_midboss, "midboss"},    {kind_midboss_wing_left, "wing"},
      {kind_midboss_wing_right, "wing"}};
  // clang-format on
  World world;
  Stage stage{0, wave, &world};
  while (stage.ticks < t) stage_run(stage);
  const size_t enemies = world.enemies.size(), drones = world.drones.size();
  stage_run(stage);
  std::string out;
  auto add = [&out](const std::string& name, const Motion& m) {
    out += (out.empty() ? "" : ", ") + name + " " + std::to_string(m.x) + " " + std::to_string(m.y);
  };
  for (size_t i = enemies; i < world.enemies.size(); ++i) {
    add(world_text::name(names, world.enemies[i]->think, "other"), world.enemies[i]->motion);
  }
  for (size_t i = drones; i < world.drones.size(); ++i) add("drone", world.drones[i]->motion);
  return out;
}

}  // namespace

using Waves = GameTest;

// Frame 0 spawns nothing. The fortress's frame and order, and its victory, are
// in test_bosses; each wave's end is in the level script's chain below.
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
      {wave_gunships, 2550, "spinner_u 15 0"},
      {wave_midboss, 100, "wing 13 -6, wing 29 -6, midboss 23 -5"},
      {wave_heavies, 500, "dart 16 -2, dart 20 0, leader 24 -2"},
      {wave_heavies, 1400, "gunship 4 0, gunship 14 0, gunship 24 0, gunship 34 0, gunship 44 0"},
  };
  // clang-format on
  for (Wave wave : {wave_opening, wave_gunships, wave_midboss, wave_crossfire, wave_heavies})
    EXPECT_EQ(spawned_on(wave, 0), "");
  for (const auto& row : rows) EXPECT_EQ(spawned_on(row.wave, row.t), row.spawns) << row.t;
}

class LevelScript : public GameTest {
 protected:
  World world;
  std::unique_ptr<Director> director = director_create(level_script, world);
};

TEST_F(LevelScript, TheFirstFrameStartsTheOpeningAndEveryTenthAddsAStarWhileStarsAreOn) {
  game.game_won = true;
  seed_random(7);
  director_tick(*director);
  ASSERT_TRUE(director->stage);
  EXPECT_EQ(
      std::tuple(director->stage->wave, director->stage->ticks, director->frame, game.game_won),
      std::tuple(+wave_opening, 1, 1, false));
  // Seed 7 draws 15 in 2..20, then 22 in 0..50.
  EXPECT_EQ(particles_text(world), "1x. 22,0 15/3000 159,159,159 90|");  // in light grey
  std::string added;  // the later frames that add a star, the stars turned off at 35
  for (int frame = 1; frame < 100; ++frame) {
    if (frame == 35) settings.stars = 0;
    const size_t stars = world.particles.size();
    director_tick(*director);
    if (world.particles.size() > stars) added += std::to_string(frame) + " ";
  }
  EXPECT_EQ(added, "10 20 30 ");
}

// A wave is replaced on the call that reports it over, its enemies still in
// play; the next wave's first call, with ticks 0, comes on the following
// frame. The fortress never ends.
TEST_F(LevelScript, TheWavesFollowTheirChainToTheFortress) {
  const Wave chain[] = {wave_opening,   wave_gunships, wave_midboss,
                        wave_crossfire, wave_heavies,  wave_fortress};
  // The calls each wave lasts and the frames that spawn in it, by its timetable.
  const int calls_of[] = {1802, 3002, 202, 1302, 2202}, spawning_of[] = {51, 18, 1, 39, 13};
  director_tick(*director);
  for (int i = 0; i < 5; ++i) {
    int calls = 1, spawning = 0;
    size_t listed = 0;
    for (; director->stage->wave == chain[i] && calls < 5000; ++calls) {
      game.boss_active = false;  // the mid-stage boss is shot down at once
      listed = world.enemies.size() + world.drones.size();
      director_tick(*director);
      spawning += world.enemies.size() + world.drones.size() > listed;
    }
    EXPECT_EQ(std::tuple(director->stage->wave, director->stage->ticks, calls, spawning,
                         world.enemies.size() + world.drones.size()),
              std::tuple(chain[i + 1], 0, calls_of[i], spawning_of[i], listed))
        << i;
    director_tick(*director);
  }
  for (int frame = 1; frame < 1000; ++frame) director_tick(*director);
  EXPECT_EQ(std::pair(director->stage->wave, director->stage->ticks),
            std::pair(+wave_fortress, 1000));
}
