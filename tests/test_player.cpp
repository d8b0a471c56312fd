#include "game/player.h"

#include "tests/harness.h"
#include "tests/world_text.h"

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
  const std::string gun = "1xside 19,40 100/270|1xcentre 20,40 100/270|1xside 21,40 100/270|";
  const std::string charged = "1xcharged 20,40 85/270|", bomb = "360xbomb 20,40 100/0..359|";
  // clang-format off
  const std::tuple<bool, bool, bool, int, std::string> cases[] = {
      // gun, charge, bomb held, energy; shots
      {true,  false, false, 4,   ""},  {true,  false, false, 5,   gun},
      {false, true,  false, 13,  ""},  {false, true,  false, 14,  charged},
      {false, false, true,  99,  ""},  {false, false, true,  100, bomb},
      {true,  true,  true,  100, gun + charged}};
  // clang-format on
  for (auto& [gun, charge, bomb, energy, fired] : cases) {
    auto player = ship(20, 40);
    std::tie(player->fire_held, player->charge_held, player->bomb_held, player->energy) =
        std::tie(gun, charge, bomb, energy);
    player_update(*player);
    EXPECT_EQ(bullets_text(world->player_bullets) + bullets_text(world->bomb_shots), fired)
        << "energy " << energy << " bomb " << bomb;
  }
}

TEST_F(PlayerTest, TheShipStaysInsideColumnsOneTo48AndRowsOneTo58) {
  // Keys held from a cell on an edge, and where the ship is after the frame.
  const std::tuple<std::vector<TCOD_keycode_t>, int, int, int, int> cases[] = {
      {{TCODK_UP, TCODK_RIGHT}, 48, 30, 48, 29},
      {{TCODK_LEFT}, 1, 30, 1, 30},
      {{TCODK_UP}, 25, 1, 25, 1},
      {{TCODK_DOWN}, 25, 58, 25, 58}};
  for (const auto& [keys, x0, y0, x, y] : cases) {
    auto player = ship(x0, y0);
    for (auto k : keys) press_key(k);
    player_update(*player);
    for (auto k : keys) release_key(k);
    EXPECT_EQ(std::pair(game.player_x, game.player_y), std::pair(x, y)) << x0 << ", " << y0;
  }
}

}  // namespace
