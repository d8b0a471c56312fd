#include "fx/bullet.h"

#include "enemies/enemy.h"
#include "fx/missile.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kShip = TCOD_magenta;        // the ship's colour here
constexpr TCOD_color_t kBright{230, 240, 130};  // the bright colour seed 99 draws

using BulletTest = GameTest;
using EnemyShots = GameTest;

// The heading homing leaves on a missile at (25, 30) of this age and heading, ship at (sx, sy).
double turned(BulletBehaviour homing, int age, int heading, int sx, int sy) {
  World world;
  enemy_missile_spawn(25, 30, 50, heading, homing, world);
  Bullet& m = *world.enemy_missiles.back();
  m.age = age;
  game.player_x = sx;
  game.player_y = sy;
  homing(m);
  return m.motion.heading;
}

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

TEST_F(EnemyShots, StarAndAimedHitForFiveInTheRainbowAndFlameRoarsInItsOwnColour) {
  World world;
  settings.bullet_colour_mode = 1;
  game.player_x = game.player_y = 10;  // from the ship's own cell atan2(0, 0) is 0
  for (BulletBehaviour behaviour : {bullet_star, bullet_aimed}) {
    enemy_bullet_spawn(10, 10, 40, 35, behaviour, world);
    Bullet& b = *world.enemy_bullets.back();
    for (int age = 1; age <= 4; ++age) bullet_tick(b);
    const int x = b.motion.x, y = b.motion.y;
    EXPECT_EQ(std::tuple(b.motion.heading, b.damage, b.life, cell_char(x, y), cell_fg(x, y)),
              std::tuple(35, 5, 1, '*', bullet_rainbow(4)));
  }
  enemy_bullet_spawn(40, 10, 100, 90, bullet_flame, world);  // its own colour in any mode
  bullet_tick(*world.enemy_bullets.back());                  // its first draw, a cell down
  EXPECT_EQ(std::tuple(world.enemy_bullets.back()->damage, cell_char(40, 11), cell_fg(40, 11)),
            std::tuple(5, int{'V'}, TCOD_flame));
  EXPECT_EQ(sounds_text(), "27@40|");  // at spawn only
}

TEST_F(EnemyShots, HomingTurnsTheShortWayAndStopsTurningOnTime) {
  EXPECT_EQ(turned(homing_slow, 0, 350, 45, 33), 352);  // the short way is through 0
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 60), 95);    // on target, a = h: positive
  EXPECT_EQ(turned(homing_fast, 0, 90, 25, 10), 95);    // straight behind, up = down: positive
  EXPECT_EQ(turned(homing_fast, 0, 0, 40, 30), -5);     // a target angle of 0 counts as 360
  // Ship below left turns a missile heading 90 positive, below right negative, until late in
  // its life; truncation costs a negative step of a fraction a whole degree.
  // clang-format off
  const struct { BulletBehaviour homing; int age; double left, right; } steps[] = {
      {homing_slow, 140, 90, 90}, {homing_swing, 149, 90, 89}, {homing_swing, 150, 90, 90}};
  // clang-format on
  for (const auto& c : steps) {
    EXPECT_EQ(turned(c.homing, c.age, 90, 15, 40), c.left) << &c - steps << ": age " << c.age;
    EXPECT_EQ(turned(c.homing, c.age, 90, 35, 40), c.right) << &c - steps << ": age " << c.age;
  }
}

// Each frame leaves a trail where the missile stood, in its colour before it acts.
TEST_F(EnemyShots, MissileFrameLeavesATrailThenActsThenMovesThenDrawsAndPopsWhenShotDown) {
  World world;
  game.player_x = game.player_y = 40;  // the swing's first turns, under a degree, round off
  enemy_missile_spawn(20, 20, 100, 0, homing_swing, world);
  Bullet& m = *world.enemy_missiles.back();
  EXPECT_EQ(std::tuple(m.damage, m.life, m.glyph.ch), std::tuple(10, 18, 0));  // no act at spawn
  missile_tick(m);
  missile_tick(m);
  EXPECT_EQ(std::tuple(m.age, cell_char(22, 20), cell_fg(22, 20)), std::tuple(2, 'o', TCOD_yellow));
  EXPECT_EQ(particles_text(world), "1x. 20,20 0/15 w 0|1x. 21,20 0/15 y 0|");
  settings.bullet_colour_mode = 1;
  homing_swing(m);
  EXPECT_EQ(m.glyph.colour, bullet_rainbow(2));
  missile_damage(m, 17);
  enemy_missile_spawn(12, 44, 50, 90, homing_slow, world);
  missile_damage(*world.enemy_missiles.back(), 18);
  list_remove_spent(world.enemy_missiles, missile_reap);
  EXPECT_EQ(world.enemy_missiles.size(), 1u);
  EXPECT_EQ(sounds_text() + effects_text(world), "15@20|16@12|missile 1 12,44 w|");
}
