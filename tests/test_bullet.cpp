#include "fx/bullet.h"

#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kShip = TCOD_magenta;        // the ship's colour here
constexpr TCOD_color_t kBright{230, 240, 130};  // the bright colour seed 99 draws

using BulletTest = GameTest;

}  // namespace

TEST_F(BulletTest, EachShotGetsItsLooksAndStrengthAtBirthAndIsDrawnAfterItsStep) {
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
      game.player_colour = TCOD_white;  // later frames leave the colour as it was born
      bullet_tick(b);
      EXPECT_EQ(std::make_tuple(cell_char(25, 30), cell_char(25, 29), cell_fg(25, 29)),
                std::make_tuple(int{' '}, ch, colour));
    }
  }
}

TEST_F(BulletTest, ACulledShotLeavesNothingAndReapSparksSoundsAndPaysAGrazeByKind) {
  // A culled charged shot leaves nothing, spent or not: the cull comes first.
  World top;
  Score score;
  settings.particles = 1;
  player_shot_spawn(25, -1, 85, 270, shot_charged, top);
  top.player_bullets[0]->life = 0;
  world_update(top, score);
  EXPECT_EQ(bullets_text(top.player_bullets) + particles_text(top) + effects_text(top), "");
  EXPECT_EQ(sounds_text(), "");

  // Seed 4242 draws life 10, heading 308, speed 8, then 11, 17, 5, then 547202 (646011 first).
  const std::string sparks = "1x. 12,33 48/15 r 308|1x. 12,33 45/16 r 17|";
  // clang-format off
  const std::tuple<BulletBehaviour, int, int, std::string> cases[] = {
      // behaviour, particles setting, grazed; what its removal leaves: sparks, sounds, effects
      {shot_charged,    1, -1, sparks + "1@12|charged 1 12,33 r|"},
      {shot_charged,    0, 0,  "1@12|charged 1 12,33 r|"},
      {shot_gun_centre, 1, 0,  sparks + "5@12|"},
      {shot_fragment,   1, 1,  ""},
      {shot_gun_side,   0, 2,  ""}};
  // clang-format on
  for (const auto& [behaviour, particles_on, grazed, left] : cases) {
    SCOPED_TRACE(testing::Message() << "grazed " << grazed << " leaves " << left);
    World world;
    Score score;
    settings.particles = particles_on;
    sound_clear_played();
    game.player_colour = TCOD_red;
    player_shot_spawn(12, 33, 10, 270, behaviour, world);
    world.particles.clear();  // a fragment's trail at birth
    Bullet& b = *world.player_bullets[0];
    EXPECT_FALSE(bullet_reap(b, score));
    b.life = particles_on ? 0 : -7;
    b.grazed = grazed;
    seed_random(4242);
    EXPECT_TRUE(bullet_reap(b, score));
    EXPECT_EQ(particles_text(world) + sounds_text() + effects_text(world), left);
    EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000000), left.starts_with("1x") ? 547202 : 646011);
    EXPECT_DOUBLE_EQ(score.multiplier, grazed == 1 ? 1.05 : 1.0);
  }
}

TEST_F(BulletTest, ChargedShotLeavesEightFragmentsPerFrameFasterWithAgeThatLiveFiveFrames) {
  World world;
  game.player_colour = kShip;
  player_shot_spawn(25, 40, 85, 270, shot_charged, world);
  // Each from where the shot stood before its step; at 85 it first moves on its second step.
  const std::string born[] = {"1xcharged 25,40 85/270|8xfragment 25,40 2/0..315|",
                              "1xcharged 25,39 85/270|8xfragment 25,40 4/0..315|",
                              "1xcharged 25,38 85/270|8xfragment 25,39 6/0..315|"};
  for (int age = 1; age <= 3; ++age) {
    bullet_tick(*world.player_bullets[0]);
    EXPECT_EQ(bullets_text(world.player_bullets), born[age - 1]) << "age " << age;
    world.player_bullets.resize(1);  // the fragments of this frame go
  }
  for (int particles_on : {0, 1}) {
    settings.particles = particles_on;
    world.particles.clear();
    player_shot_spawn(20, 20, 0, 90, shot_fragment, world);
    Bullet& fragment = *world.player_bullets.back();
    for (int age = 1; age <= 5; ++age) {
      bullet_tick(fragment);
      EXPECT_EQ(fragment.life, age < 5 ? 1 : 0) << "age " << age;
    }
    // A trail from birth, if particles are on.
    EXPECT_EQ(particles_text(world), particles_on ? "6x. 20,20 0/5 m 90|" : "");
  }
}
