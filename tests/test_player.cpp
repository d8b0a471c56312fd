#include "game/player.h"

#include <string>

#include "fx/player_shots.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

class PlayerTest : public GameTest {
 protected:
  std::unique_ptr<World> world = world_create();

  std::unique_ptr<Player> ship(int x, int y) {
    return player_create(x, y, player_steer, fire_gun, *world);
  }
  static size_t count(const EntityList<Bullet>& list, BulletBehaviour behaviour) {
    size_t n = 0;
    for (const auto& bullet : list) n += bullet->behaviour == behaviour ? 1 : 0;
    return n;
  }
};

}  // namespace

TEST_F(PlayerTest, GunNeedsMoreThanFourEnergySpendsNoneAndFiresEveryFrameWhileHeld) {
  auto player = ship(25, 40);
  player->fire_held = true;
  player->energy = 4;
  player_update(*player);
  EXPECT_TRUE(world->player_bullets.empty());

  player->energy = 5;
  player_update(*player);
  ASSERT_EQ(world->player_bullets.size(), 3u);
  const BulletBehaviour kinds[] = {shot_gun_side, shot_gun_centre, shot_gun_side};
  for (size_t i = 0; i < 3; ++i) {
    const Bullet& shot = *world->player_bullets[i];
    EXPECT_EQ(shot.behaviour, kinds[i]);
    EXPECT_EQ(shot.motion.x, 24 + static_cast<int>(i));
    EXPECT_EQ(shot.motion.y, 40);
    EXPECT_EQ(shot.motion.speed, 100);
    EXPECT_EQ(shot.motion.heading, 270);
  }
  EXPECT_EQ(player->energy, 5);
  EXPECT_EQ(player->cooldown, 0);  // set to 1, lowered again in the same frame

  player_update(*player);
  player_update(*player);
  EXPECT_EQ(world->player_bullets.size(), 9u);
  EXPECT_TRUE(sound_played().empty());

  player->fire_held = false;
  player_update(*player);
  EXPECT_EQ(world->player_bullets.size(), 9u);
}

TEST_F(PlayerTest, ChargedShotCostsFourteenAndFollowsTwentyNineFramesLater) {
  auto player = ship(20, 40);
  player->charge_held = true;
  std::vector<int> firing_frames;
  for (int frame = 1; frame <= 60; ++frame) {
    size_t before = count(world->player_bullets, shot_charged);
    player_update(*player);
    if (count(world->player_bullets, shot_charged) > before) firing_frames.push_back(frame);
    if (frame == 1) {
      EXPECT_EQ(player->energy, 86);
      EXPECT_EQ(player->cooldown, 29);
    }
  }
  EXPECT_EQ(firing_frames, (std::vector<int>{1, 30, 59}));

  const Bullet& shot = *world->player_bullets[0];
  EXPECT_EQ(shot.motion.speed, 85);
  EXPECT_EQ(shot.motion.heading, 270);
  ASSERT_EQ(sound_played().size(), 3u);
  EXPECT_EQ(sound_played()[0].effect, SFX_CHARGED_SHOT);
  EXPECT_EQ(sound_played()[0].panning.left, sound_panning(20).left);
  // Three shots, and one energy point back at every twelfth frame: 100 - 42 + 5.
  EXPECT_EQ(player->energy, 63);
}

TEST_F(PlayerTest, ChargedShotNeedsFourteenEnergy) {
  auto player = ship(20, 40);
  player->charge_held = true;
  player->energy = 13;
  player_update(*player);
  EXPECT_TRUE(world->player_bullets.empty());
  player->energy = 14;
  player_update(*player);
  EXPECT_EQ(count(world->player_bullets, shot_charged), 1u);
  EXPECT_EQ(player->energy, 0);
}

TEST_F(PlayerTest, BombOnlyAtFullEnergyThenFifteenSecondsToRecharge) {
  auto player = ship(25, 40);
  player->bomb_held = true;
  player->energy = 99;
  player_update(*player);
  EXPECT_TRUE(world->bomb_shots.empty());
  EXPECT_EQ(game.double_score_timer, 0);

  player = ship(25, 40);
  player->bomb_held = true;
  player_update(*player);
  ASSERT_EQ(world->bomb_shots.size(), 360u);
  for (int h = 0; h < 360; ++h) {
    const Bullet& shot = *world->bomb_shots[static_cast<size_t>(h)];
    ASSERT_EQ(shot.motion.heading, h);
    ASSERT_EQ(shot.motion.speed, 100);
    ASSERT_EQ(shot.behaviour, shot_bomb);
    ASSERT_EQ(shot.motion.x, 25);
  }
  EXPECT_EQ(player->energy, 25);
  EXPECT_EQ(player->cooldown, 39);
  EXPECT_EQ(game.double_score_timer, 420);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_SWEEPER);

  player->bomb_held = false;
  // Age 1 after the bomb's frame; a point comes back at every age divisible by 12.
  while (player->age < 899) player_update(*player);
  EXPECT_EQ(player->energy, 99);
  player_update(*player);
  EXPECT_EQ(player->age, 900);
  EXPECT_EQ(player->energy, 100);
  for (int i = 0; i < 24; ++i) player_update(*player);
  EXPECT_EQ(player->energy, 100);
}

TEST_F(PlayerTest, AChargedShotInTheSameFrameKeepsTheBombFromFiring) {
  auto player = ship(25, 40);
  player->fire_held = true;
  player->charge_held = true;
  player->bomb_held = true;
  player_update(*player);
  EXPECT_EQ(count(world->player_bullets, shot_gun_centre), 1u);
  EXPECT_EQ(count(world->player_bullets, shot_charged), 1u);
  EXPECT_TRUE(world->bomb_shots.empty());
  EXPECT_EQ(player->energy, 86);
  EXPECT_EQ(game.double_score_timer, 0);
}

TEST_F(PlayerTest, SteeringSpeedIsSlowerWhileTheGunFires) {
  auto player = ship(25, 40);
  press_key(TCODK_UP);
  player_steer(*player);
  EXPECT_EQ(player->motion.speed, 200);  // the turn's one-frame boost
  player_steer(*player);
  EXPECT_EQ(player->motion.speed, 42);
  EXPECT_EQ(player->motion.heading, 270);
  player->fire_held = true;
  player_steer(*player);
  EXPECT_EQ(player->motion.speed, 35);
  release_key(TCODK_UP);
  player_steer(*player);
  EXPECT_EQ(player->motion.speed, 0);
  EXPECT_EQ(player->motion.heading, 0);
}

TEST_F(PlayerTest, WingsShowWhichWayTheShipMoves) {
  struct Case {
    std::vector<TCOD_keycode_t> keys;
    std::string row;  // left wing, body, right wing
  } cases[] = {
      {{}, "/M\\"},
      {{TCODK_UP}, "/M\\"},
      {{TCODK_DOWN}, "/M\\"},
      {{TCODK_RIGHT}, "/M."},
      {{TCODK_UP, TCODK_RIGHT}, "/M."},
      {{TCODK_DOWN, TCODK_RIGHT}, "/M."},
      {{TCODK_LEFT}, ".M\\"},
      {{TCODK_UP, TCODK_LEFT}, ".M\\"},
      {{TCODK_DOWN, TCODK_LEFT}, ".M\\"},
  };
  for (const auto& c : cases) {
    TCOD_console_clear(nullptr);
    world = world_create();
    auto player = ship(25, 40);
    for (auto key : c.keys) press_key(key);
    player_update(*player);
    for (auto key : c.keys) release_key(key);
    const int x = player->motion.x, y = player->motion.y;
    EXPECT_EQ(screen_text(x - 1, y, 3), c.row) << screen_dump(y - 1, y + 1);
    EXPECT_EQ(cell_char(x, y + 1), '|');
    EXPECT_EQ(cell_fg(x - 1, y), TCOD_white);
    EXPECT_EQ(cell_fg(x, y + 1), TCOD_white);
  }
}

TEST_F(PlayerTest, MovingUpDrawsTheWholeShipOneRowHigher) {
  auto player = ship(25, 40);
  press_key(TCODK_UP);
  player_update(*player);
  EXPECT_EQ(screen_text(24, 39, 3), "/M\\");
  EXPECT_EQ(cell_char(25, 40), '|');
  EXPECT_EQ(game.player_x, 25);
  EXPECT_EQ(game.player_y, 39);
}

TEST_F(PlayerTest, ShipStaysInsideColumnsOneToFortyEightAndRowsOneToFiftyEight) {
  struct Case {
    int x, y;
    TCOD_keycode_t key;
  } cases[] = {{48, 30, TCODK_RIGHT}, {1, 30, TCODK_LEFT}, {25, 1, TCODK_UP}, {25, 58, TCODK_DOWN}};
  for (auto c : cases) {
    world = world_create();
    auto player = ship(c.x, c.y);
    press_key(c.key);
    for (int frame = 0; frame < 30; ++frame) {
      player_update(*player);
      ASSERT_EQ(player->motion.x, c.x) << "frame " << frame;
      ASSERT_EQ(player->motion.y, c.y) << "frame " << frame;
    }
    release_key(c.key);
    EXPECT_EQ(game.player_x, c.x);
    EXPECT_EQ(game.player_y, c.y);
  }
}

TEST_F(PlayerTest, BodyCyclesThroughTheHuesAndIsPublishedWithTheTrail) {
  auto player = ship(25, 40);
  player_update(*player);
  EXPECT_EQ(cell_fg(25, 40), TCOD_color_RGB(150, 236, 63));
  EXPECT_EQ(game.player_colour, TCOD_color_RGB(150, 236, 63));
  ASSERT_EQ(world->particles.size(), 1u);
  const Particle& trail = *world->particles[0];
  EXPECT_EQ(trail.motion.x, 25);
  EXPECT_EQ(trail.motion.y, 40);
  EXPECT_EQ(trail.motion.speed, 0);
  EXPECT_EQ(trail.motion.heading, 90);
  EXPECT_EQ(trail.life, 12);
  EXPECT_EQ(trail.glyph.ch, '.');
  EXPECT_EQ(trail.glyph.colour, TCOD_color_RGB(150, 236, 63));

  player_update(*player);
  EXPECT_EQ(cell_fg(25, 40), cycle_colour(1));
  EXPECT_EQ(game.player_colour, cycle_colour(1));
  EXPECT_EQ(cell_fg(24, 40), TCOD_white);  // wings stay white

  game.double_score_timer = 10;
  player_update(*player);
  EXPECT_EQ(cell_fg(24, 40), cycle_colour(2));
  EXPECT_EQ(cell_fg(26, 40), cycle_colour(2));
  EXPECT_EQ(cell_fg(25, 41), cycle_colour(2));
}

TEST_F(PlayerTest, MonochromeDrawsShipAndTrailWhite) {
  settings.colour_mode = 1;
  game.double_score_timer = 10;
  auto player = ship(25, 40);
  player_update(*player);
  EXPECT_EQ(player->glyph.colour, TCOD_white);
  EXPECT_EQ(game.player_colour, TCOD_white);
  EXPECT_EQ(cell_fg(25, 40), TCOD_white);
  EXPECT_EQ(cell_fg(24, 40), TCOD_white);
  ASSERT_EQ(world->particles.size(), 1u);
  EXPECT_EQ(world->particles[0]->glyph.colour, TCOD_white);
}

TEST_F(PlayerTest, FrameEndClearsTheHitAndLowersInvulnerability) {
  auto player = ship(25, 40);
  player->hit_this_frame = true;
  game.invulnerable_timer = 2;
  player_update(*player);
  EXPECT_FALSE(player->hit_this_frame);
  EXPECT_EQ(game.invulnerable_timer, 1);
  EXPECT_EQ(player->age, 1);
  player_update(*player);
  player_update(*player);
  EXPECT_EQ(game.invulnerable_timer, 0);
}

TEST_F(PlayerTest, AShipOutOfPlayNeitherActsNorDraws) {
  auto player = ship(25, 40);
  game.player_alive = false;
  player->fire_held = true;
  press_key(TCODK_UP);
  player_update(*player);
  EXPECT_EQ(player->motion.y, 40);
  EXPECT_EQ(player->age, 0);
  EXPECT_TRUE(world->player_bullets.empty());
  EXPECT_TRUE(world->particles.empty());
  EXPECT_EQ(cell_char(25, 40), ' ');
}
