#include "fx/bullet.h"

#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kShip = TCOD_magenta;        // the ship's colour here
constexpr TCOD_color_t kBright{230, 240, 130};  // the bright colour seed 99 draws

using BulletTest = GameTest;

}  // namespace

TEST_F(BulletTest, EachShotGetsItsLooksAndStrengthAtBirth) {
  // Behaviour, character, colour, damage and life; the bomb's own spawn makes its shots strong.
  const std::tuple<BulletBehaviour, int, TCOD_color_t, int, int> shots[] = {
      {shot_gun_side, 0xB3, TCOD_desaturated_azure, 4, 1},
      {shot_gun_centre, 0xB3, kShip, 4, 1},
      {shot_bomb, '*', kShip, 500, 500},
      {shot_charged, 1, TCOD_red, 500, 100},
      {shot_fragment, '+', kShip, 10, 1}};
  for (int mode : {0, 1}) {
    settings.bullet_colour_mode = mode;
    for (const auto& [behaviour, ch, fixed, damage, life] : shots) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << ", char " << ch);
      World w;
      game.player_colour = kShip;
      seed_random(99);
      const bool bomb = behaviour == shot_bomb;
      (bomb ? bomb_shot_spawn : player_shot_spawn)(25, 30, 100, 270, behaviour, w);
      const EntityList<Bullet>& list = bomb ? w.bomb_shots : w.player_bullets;
      Bullet& b = *list.at(0);
      const TCOD_color_t colour = mode != 0 ? kBright : fixed;
      EXPECT_EQ(std::tuple(list.size(), b.glyph.ch, b.glyph.colour, b.damage, b.life),
                std::tuple(1u, ch, colour, damage, life));
    }
  }
}

TEST_F(BulletTest, ASpentShotSparksSoundsAndPaysAGrazeByKindButACulledOneLeavesNothing) {
  // Seed 4242 draws life 10, heading 308, speed 8, then 11, 17, 5, then 547202 (646011 first).
  const std::string sparks = "1x. 12,33 48/15 r 308|1x. 12,33 45/16 r 17|";
  // clang-format off
  const std::tuple<BulletBehaviour, int, int, int, std::string> cases[] = {
      // behaviour, row, particles setting, grazed; what its removal leaves: sparks, sounds, effects
      {shot_charged,    33, 1, -1, sparks + "1@12|charged 1 12,33 r|"},
      {shot_charged,    -1, 1, 0,  ""},
      {shot_charged,    33, 0, 0,  "1@12|charged 1 12,33 r|"},
      {shot_gun_centre, 33, 1, 0,  sparks + "5@12|"},
      {shot_fragment,   33, 1, 1,  "1x. 12,33 0/5 r 90|"},  // its trail from birth
      {shot_gun_side,   33, 0, 2,  ""}};
  // clang-format on
  for (const auto& [behaviour, y, particles_on, grazed, left] : cases) {
    SCOPED_TRACE(testing::Message() << "row " << y << ", grazed " << grazed << " leaves " << left);
    World world;
    Score score;
    settings.particles = particles_on;
    sound_clear_played();
    game.player_colour = TCOD_red;
    player_shot_spawn(12, y, 10, 270, behaviour, world);
    std::tie(world.player_bullets[0]->life, world.player_bullets[0]->grazed) =
        std::pair(particles_on ? 0 : -7, grazed);
    seed_random(4242);
    world_update(world, score);
    EXPECT_EQ(particles_text(world) + sounds_text() + effects_text(world), left);
    EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000000), left.starts_with(sparks) ? 547202 : 646011);
    EXPECT_DOUBLE_EQ(score.multiplier, grazed == 1 ? 1.05 : 1.0);
  }
}
