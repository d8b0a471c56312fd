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

TEST_F(PlayerTest, HeldTriggersFireByTheFrameAndEnergyComesBackEveryTwelfthWhileInPlay) {
  // Charged shots: 100 - 3 x 14 + 5 regained. The bomb: 900 frames from 25 back to full.
  const std::tuple<bool Player::*, bool, int, std::vector<int>, int> cases[] = {
      {&Player::fire_held, true, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 100},
      {&Player::charge_held, true, 60, {1, 30, 59}, 63},
      {&Player::bomb_held, true, 901, {1, 901}, 25},
      {&Player::fire_held, false, 3, {}, 100}};
  for (const auto& [trigger, alive, frames, expected, energy] : cases) {
    auto player = ship(25, 40);
    (*player).*trigger = true;
    game.player_alive = alive;
    std::vector<int> firing;
    for (int frame = 1; frame <= frames; ++frame) {
      const size_t before = world->player_bullets.size() + world->bomb_shots.size();
      player_update(*player);
      if (world->player_bullets.size() + world->bomb_shots.size() > before) firing.push_back(frame);
    }
    EXPECT_EQ(firing, expected);
    EXPECT_EQ(std::pair(player->energy, player->age), std::pair(energy, alive ? frames : 0));
  }
}

TEST_F(PlayerTest, TheShipMovesAndItsWingsShowWhichWay) {
  auto key = [](char k) {
    return k == 'U' ? TCODK_UP : k == 'D' ? TCODK_DOWN : k == 'L' ? TCODK_LEFT : TCODK_RIGHT;
  };
  // Keys held, the move, and the ship's row; a turn to the right gets no boost.
  const std::tuple<std::string, int, int, std::string> cases[] = {
      {"", 0, 0, "/M\\"},   {"U", 0, -1, "/M\\"},   {"D", 0, 1, "/M\\"},
      {"R", 0, 0, "/M."},   {"UR", 1, -1, "/M."},   {"DR", 1, 1, "/M."},
      {"L", -1, 0, ".M\\"}, {"UL", -1, -1, ".M\\"}, {"DL", -1, 1, ".M\\"}};
  for (const auto& [keys, dx, dy, row] : cases) {
    auto player = ship(25, 40);
    for (char k : keys) press_key(key(k));
    player_update(*player);
    for (char k : keys) release_key(key(k));
    const int x = 25 + dx, y = 40 + dy;
    EXPECT_EQ(std::pair(game.player_x, game.player_y), std::pair(x, y)) << keys;
    EXPECT_EQ(screen_text(x - 1, y, 3) + screen_text(x, y + 1, 1), row + "|") << keys;
  }
}

// The step out is undone in its own frame; slower while the gun fires; no direction stops it.
TEST_F(PlayerTest, ShipStaysInsideColumnsOneToFortyEightAndRowsOneToFiftyEight) {
  const std::tuple<int, int, TCOD_keycode_t, bool> cases[] = {{48, 30, TCODK_RIGHT, false},
                                                              {1, 30, TCODK_LEFT, true},
                                                              {25, 1, TCODK_UP, false},
                                                              {25, 58, TCODK_DOWN, true}};
  for (auto [x, y, key, firing] : cases) {
    auto player = ship(x, y);
    player->fire_held = firing;
    press_key(key);
    for (int frame = 0; frame < 30; ++frame) {
      player_update(*player);
      ASSERT_EQ(std::pair(game.player_x, game.player_y), std::pair(x, y)) << frame;
    }
    EXPECT_EQ(player->motion.speed, firing ? 35 : 42);
    release_key(key);
    player_update(*player);
    // Stopped with heading 0, which the step turns into 360.
    EXPECT_EQ(std::pair(player->motion.speed, player->motion.heading), std::pair(0.0, 360.0));
  }
}

TEST_F(PlayerTest, EachFrameCyclesTheBodyLeavesATrailAndEndsTheHitAndInvulnerability) {
  for (int mode : {0, 1}) {
    auto player = ship(25, 40);
    settings.colour_mode = mode;
    game.invulnerable_timer = 2;
    for (int age = 0; age < 3; ++age) {
      SCOPED_TRACE(::testing::Message() << "colour mode " << mode << " age " << age);
      game.double_score_timer = age == 2 ? 10 : 0;
      player->hit_this_frame = true;
      player_update(*player);
      const TCOD_color_t body = mode != 0 ? TCOD_white : cycle_colour(age);
      EXPECT_EQ((std::vector{cell_fg(25, 40), game.player_colour}), std::vector(2, body));
      EXPECT_EQ(particles_text(*world, age), "1x. 25,40 0/12 " + world_text::colour(body) + " 90|");
      EXPECT_EQ((std::vector{cell_fg(24, 40), cell_fg(26, 40), cell_fg(25, 41)}),
                std::vector(3, age == 2 ? body : TCOD_white));
      EXPECT_EQ(std::pair(player->hit_this_frame, game.invulnerable_timer),
                std::pair(false, age == 0 ? 1 : 0));
    }
  }
}

}  // namespace
