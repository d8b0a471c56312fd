#include "enemies/waves.h"

#include "enemies/kinds.h"
#include "enemies/midboss.h"
#include "game/director.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

// What frame t of a wave run from t = 0 spawned, nothing moving: enemies, then drones.
std::string spawned_on(Wave wave, int t) {
  // clang-format off
  const std::pair<EnemyThink, const char*> names[] = {
      {kind_dart, "dart"},       {kind_dart_leader, "leader"}, {kind_gunship, "gunship"},
      {kind_hornet, "hornet"},   {kind_striker, "striker"},    {kind_midboss, "midboss"},
      {kind_midboss_wing_left, "wing"}, {kind_midboss_wing_right, "wing"}};
  // clang-format on
  World world;
  Stage stage{0, wave, &world};
  while (stage.ticks < t) stage_run(stage);
  const size_t enemies = world.enemies.size(), drones = world.drones.size();
  stage_run(stage);
  std::string out;
  for (size_t i = enemies; i < world.enemies.size(); ++i) {
    const Enemy& e = *world.enemies[i];
    out += world_text::name(names, e.think, "other") + world_text::at(e.motion);
  }
  for (size_t i = drones; i < world.drones.size(); ++i)
    out += "drone" + world_text::at(world.drones[i]->motion);
  return out;
}

}  // namespace

using Waves = GameTest;

// Where a wave's formations and drone staircases place their members, and in what order.
TEST_F(Waves, EachWaveSpawnsItsRowsOnTheirFramesAndCellsInOrder) {
  // clang-format off
  const struct { Wave wave; int t; const char* spawns; } rows[] = {
      // The staircases: a drone every tenth frame, rows 10 down to 1 and again.
      {wave_opening, 50, "drone 50,10 "}, {wave_opening, 55, ""}, {wave_opening, 60, "drone 50,9 "},
      {wave_opening, 140, "drone 50,1 "}, {wave_opening, 150, "drone 0,10 "},
      {wave_crossfire, 220, "drone 50,1 "}, {wave_crossfire, 1000, "striker 5,0 drone 50,10 "},
      {wave_opening, 500, "gunship 33,0 gunship 13,0 "}, {wave_gunships, 1, "hornet 12,0 "},
      {wave_opening, 1100, "drone 20,-2 drone 22,-1 drone 24,0 drone 26,-1 drone 28,-2 "},
      {wave_midboss, 100, "wing 13,-6 wing 29,-6 midboss 23,-5 "},
      {wave_heavies, 500, "dart 16,-2 dart 20,0 leader 24,-2 "}};
  // clang-format on
  for (const auto& row : rows) EXPECT_EQ(spawned_on(row.wave, row.t), row.spawns) << row.t;
}

// A wave gives way on the call that reports it over; the next runs from the following frame.
TEST_F(Waves, TheLevelScriptRunsThemInTheirChainAndAddsAStarEveryTenthFrameWhileStarsAreOn) {
  const Wave chain[] = {wave_opening,   wave_gunships, wave_midboss,
                        wave_crossfire, wave_heavies,  wave_fortress};
  World world;
  std::unique_ptr<Director> director = director_create(level_script, world);
  game.game_won = true;
  seed_random(7);                          // 15 in 2..20, then 22 in 0..50
  std::vector<int> calls(6), spawning(6);  // by the wave current after each call
  for (int frame = 0; frame < 9510; ++frame) {
    settings.stars = frame < 95;
    game.boss_active = false;  // the mid-stage boss is shot down at once
    const size_t listed = world.enemies.size() + world.drones.size();
    director_tick(*director);
    EXPECT_TRUE(frame > 0 || !game.game_won);  // the first call clears it
    const auto i = std::ranges::find(chain, director->stage->wave) - chain;
    calls[i] += 1;
    spawning[i] += world.enemies.size() + world.drones.size() > listed;
  }
  EXPECT_EQ(calls, (std::vector<int>{1801, 3002, 202, 1302, 2202, 1001}));
  EXPECT_EQ(spawning, (std::vector<int>{51, 18, 1, 39, 13, 1}));
  EXPECT_EQ(world.enemies.size() + world.drones.size(), 197u);  // every spawn, none culled
  EXPECT_EQ(
      std::ranges::count(world.particles, TCOD_light_grey, [](auto& p) { return p->glyph.colour; }),
      10);
  world.particles.resize(1);
  EXPECT_EQ(particles_text(world), "1x. 22,0 15/3000 159,159,159 90|");  // in light grey
}
