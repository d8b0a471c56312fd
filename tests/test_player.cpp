#include "game/player.h"

#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

class PlayerTest : public GameTest {
 protected:
  std::unique_ptr<World> world;

  std::unique_ptr<Player> ship(int x, int y) {
    world = world_create();
    game = GameGlobals{};
    sound_clear_played();
    return player_create(x, y, player_steer, fire_gun, *world);
  }
};

// The gun's cooldown of 1 is lowered in the same frame; the slots run gun, charged shot, bomb.
TEST_F(PlayerTest, WeaponsFireAboveTheirEnergyFloorsAndAChargedShotKeepsTheBombBack) {
  const std::string gun = "1xside 19,40 100/270|1xcentre 20,40 100/270|1xside 21,40 100/270|";
  const std::string charged = "1xcharged 20,40 85/270|", bomb = "360xbomb 20,40 100/0..359|";
  // clang-format off
  const std::tuple<bool, bool, bool, int, std::string, int, int, int, std::string> cases[] = {
      // gun, charge, bomb held, energy; shots, energy and cooldown left, double score, sounds
      {true,  false, false, 4,   "",             4,  0,  0,   ""},
      {true,  false, false, 5,   gun,            5,  0,  0,   ""},
      {false, true,  false, 13,  "",             13, 0,  0,   ""},
      {false, true,  false, 14,  charged,        0,  29, 0,   "4@20|"},
      {false, false, true,  99,  "",             99, 0,  0,   ""},
      {false, false, true,  100, bomb,           25, 39, 420, "28@20|"},
      {true,  true,  true,  100, gun + charged,  86, 29, 0,   "4@20|"}};
  // clang-format on
  for (auto& [gun, charge, bomb, energy, fired, left, cooldown, doubled, sounds] : cases) {
    SCOPED_TRACE(::testing::Message() << "energy " << energy << " bomb " << bomb);
    auto player = ship(20, 40);
    std::tie(player->fire_held, player->charge_held, player->bomb_held, player->energy) =
        std::tie(gun, charge, bomb, energy);
    player_update(*player);
    EXPECT_EQ(bullets_text(world->player_bullets) + bullets_text(world->bomb_shots), fired);
    EXPECT_EQ(std::tuple(player->energy, player->cooldown, game.double_score_timer, sounds_text()),
              std::tuple(left, cooldown, doubled, sounds));
  }
}

TEST_F(PlayerTest, TheShipMovesInsideColumnsOneTo48AndRowsOneTo58AndItsWingsShowWhichWay) {
  auto key = [](char k) {
    return k == 'U' ? TCODK_UP : k == 'D' ? TCODK_DOWN : k == 'L' ? TCODK_LEFT : TCODK_RIGHT;
  };
  // Keys held, the ship's cell, the gun firing; its move, speed and row. A new direction boosts
  // the first frame, save a turn to the right; the gun slows the ship; a step out is undone.
  // clang-format off
  const std::tuple<std::string, int, int, bool, int, int, int, std::string> cases[] = {
      {"",   25, 40, false, 0, 0, 0, "/M\\"},     {"U",  25, 40, false, 0, -1, 200, "/M\\"},
      {"D",  25, 40, false, 0, 1, 200, "/M\\"},   {"R",  25, 40, false, 0, 0, 42, "/M."},
      {"R",  25, 40, true, 0, 0, 35, "/M."},      {"UR", 25, 40, false, 1, -1, 200, "/M."},
      {"DR", 25, 40, false, 1, 1, 200, "/M."},    {"L",  25, 40, false, -1, 0, 200, ".M\\"},
      {"UL", 25, 40, false, -1, -1, 200, ".M\\"}, {"DL", 25, 40, false, -1, 1, 200, ".M\\"},
      {"UR", 48, 30, false, 0, -1, 200, "/M."},   {"L",  1, 30, true, 0, 0, 200, ".M\\"},
      {"U",  25, 1, false, 0, 0, 200, "/M\\"},    {"D",  25, 58, false, 0, 0, 200, "/M\\"}};
  // clang-format on
  for (const auto& [keys, x0, y0, firing, dx, dy, speed, row] : cases) {
    auto player = ship(x0, y0);
    motion_step(player->motion);  // idle a frame: heading 0 reads 360
    player->fire_held = firing;
    for (char k : keys) press_key(key(k));
    player_update(*player);
    for (char k : keys) release_key(key(k));
    const int x = x0 + dx, y = y0 + dy;
    EXPECT_EQ(std::tuple(game.player_x, game.player_y, player->motion.speed),
              std::tuple(x, y, speed))
        << keys << " from " << x0 << ", " << y0;
    EXPECT_EQ(screen_text(x - 1, y, 3) + screen_text(x, y + 1, 1), row + "|") << keys;
  }
}

TEST_F(PlayerTest, EachFrameCyclesTheBodyAndEndsTheHitAndInvulnerability) {
  for (int mode : {0, 1}) {
    auto player = ship(25, 40);
    settings.colour_mode = mode;
    game.invulnerable_timer = 2;
    for (int age = 0; age < 3; ++age) {
      SCOPED_TRACE(::testing::Message() << "colour mode " << mode << " age " << age);
      player->hit_this_frame = true;
      player_update(*player);
      const TCOD_color_t body = mode != 0 ? TCOD_white : cycle_colour(age);
      EXPECT_EQ((std::vector{cell_fg(25, 40), game.player_colour}), std::vector(2, body));
      EXPECT_EQ(std::pair(player->hit_this_frame, game.invulnerable_timer),
                std::pair(false, age == 0 ? 1 : 0));
    }
    game.player_alive = false;
    player_update(*player);  // a ship out of play stands still
    EXPECT_EQ(player->age, 3);
  }
}

}  // namespace
