#include "game/player.h"

#include "tests/harness.h"
#include "tests/world_rows.h"

// The ship's flight, looks, costs and timers are left to the golden runs, which never drain its
// energy to a weapon's floor nor fly it to the play field's edges.
namespace {

class PlayerTest : public GameTest {
 protected:
  std::unique_ptr<World> world;

  std::unique_ptr<Player> ship(int x, int y) {
    world = world_create();
    game = GameGlobals{};
    return player_create(x, y, player_steer, *world);
  }
};

// The slots run gun, charged shot, bomb: a charged shot keeps a bomb held with it back.
TEST_F(PlayerTest, WeaponsFireAboveTheirEnergyFloorsAndAChargedShotKeepsTheBombBack) {
  const ShotRun charged = {"charged", 20, 40, 85, 1, 270, 270};
  const ShotRun bomb = {"bomb", 20, 40, 100, 360, 0, 359};
  const std::vector<ShotRun> gun = {{"side", 19, 40, 100, 1, 270, 270},
                                    {"centre", 20, 40, 100, 1, 270, 270},
                                    {"side", 21, 40, 100, 1, 270, 270}};
  std::vector<ShotRun> all = gun;
  all.push_back(charged);
  const struct {
    const char* name;
    bool gun = false, charge = false, bomb = false;
    int energy;
    std::vector<ShotRun> shots = {};
  } rows[] = {
      {.name = "gun below 5", .gun = true, .energy = 4},
      {.name = "gun at 5", .gun = true, .energy = 5, .shots = gun},
      {.name = "charged below 14", .charge = true, .energy = 13},
      {.name = "charged at 14", .charge = true, .energy = 14, .shots = {charged}},
      {.name = "bomb below 100", .bomb = true, .energy = 99},
      {.name = "bomb at 100", .bomb = true, .energy = 100, .shots = {bomb}},
      {.name = "all three", .gun = true, .charge = true, .bomb = true, .energy = 100, .shots = all},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto player = ship(20, 40);
    player->fire_held = row.gun;
    player->charge_held = row.charge;
    player->bomb_held = row.bomb;
    player->energy = row.energy;
    player_update(*player);
    std::vector<ShotRun> fired = shot_runs(world->player_bullets);
    for (const ShotRun& run : shot_runs(world->bomb_shots)) fired.push_back(run);
    EXPECT_EQ(fired, row.shots);
  }
}

TEST_F(PlayerTest, TheShipStaysInsideColumnsOneTo48AndRowsOneTo58) {
  const struct {
    const char* name;
    std::vector<TCOD_keycode_t> keys;
    std::pair<int, int> from, to;
  } rows[] = {
      {.name = "up right, edge", .keys = {TCODK_UP, TCODK_RIGHT}, .from = {48, 30}, .to = {48, 29}},
      {.name = "left, left edge", .keys = {TCODK_LEFT}, .from = {1, 30}, .to = {1, 30}},
      {.name = "up, top", .keys = {TCODK_UP}, .from = {25, 1}, .to = {25, 1}},
      {.name = "down, bottom", .keys = {TCODK_DOWN}, .from = {25, 58}, .to = {25, 58}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto player = ship(row.from.first, row.from.second);
    for (auto k : row.keys) press_key(k);
    player_update(*player);
    for (auto k : row.keys) release_key(k);
    EXPECT_EQ(std::pair(game.player_x, game.player_y), row.to);
  }
}

}  // namespace
