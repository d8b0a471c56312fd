#include "fx/bullet.h"

#include <tuple>
#include <vector>

#include "fx/explosions.h"
#include "fx/glyph.h"
#include "fx/player_shots.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr int kBar = 0xB3;
constexpr TCOD_color_t kShip{10, 20, 30};  // the ship's colour here

// Each call of the recording behaviour: the bullet's age and how many bullets were listed.
std::vector<std::pair<int, size_t>> seen;
void behaviour_recorder(Bullet& bullet) {
  const World& w = *bullet.world;
  seen.emplace_back(bullet.age,
                    w.player_bullets.size() + w.bomb_shots.size() + w.enemy_bullets.size());
}

using BulletTest = GameTest;

}  // namespace

TEST_F(BulletTest, SpawnListsTheBulletBeforeItsBehaviourWhichGivesItsLooksAtBirthDrawnAfterAStep) {
  const std::tuple<decltype(&player_shot_spawn), EntityList<Bullet> World::*, int> spawns[] = {
      {player_shot_spawn, &World::player_bullets, 1},
      {bomb_shot_spawn, &World::bomb_shots, 500},
      {enemy_bullet_spawn, &World::enemy_bullets, 1}};
  for (const auto& [spawn, list, strength] : spawns) {
    World world;
    seen.clear();
    spawn(10, 20, 100, 270, behaviour_recorder, world);
    Bullet& b = *(world.*list).at(0);
    EXPECT_EQ(std::make_tuple(b.damage, b.life, b.grazed), std::make_tuple(strength, strength, 0));
    bullet_tick(b);
    EXPECT_EQ(seen, (std::vector<std::pair<int, size_t>>{{0, 1}, {1, 1}})) << strength;
  }

  // Behaviour, character, colour, and damage and life over a player shot's 1 and 1.
  const std::tuple<BulletBehaviour, int, TCOD_color_t, int, int> shots[] = {
      {shot_gun_side, kBar, TCOD_desaturated_azure, 4, 1},
      {shot_gun_centre, kBar, kShip, 4, 1},
      {shot_bomb, '*', kShip, 1, 1},
      {shot_charged, 1, TCOD_red, 500, 100},
      {shot_fragment, '+', kShip, 10, 1}};
  for (int mode : {0, 1}) {
    settings.bullet_colour_mode = mode;
    for (const auto& [behaviour, ch, fixed, damage, life] : shots) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << ", char " << ch);
      World world;
      game.player_colour = kShip;
      seed_random(99);
      player_shot_spawn(25, 30, 100, 270, behaviour, world);
      EXPECT_EQ(world.player_bullets.size(), 1u);  // nothing else yet
      Bullet& b = *world.player_bullets.at(0);
      seed_random(99);
      TCOD_color_t colour = mode != 0 ? random_bright_colour() : fixed;
      EXPECT_EQ(std::make_tuple(b.glyph.ch, b.glyph.colour, b.damage, b.life),
                std::make_tuple(ch, colour, damage, life));
      game.player_colour = TCOD_white;  // later frames leave the colour as it was born
      bullet_tick(b);
      EXPECT_EQ(std::make_tuple(cell_char(25, 30), cell_char(25, 29), cell_fg(25, 29)),
                std::make_tuple(int{' '}, ch, colour));
    }
  }
}

TEST_F(BulletTest, CullKeepsTheCellOnePastEachEdgeAndReapSparksSoundsAndPaysAGrazeByKind) {
  const std::tuple<int, int, bool> cells[] = {{0, 0, false},  {50, 70, false}, {51, 10, true},
                                              {-1, 10, true}, {10, 71, true},  {10, -1, true}};
  Bullet bullet;
  for (const auto& [x, y, culled] : cells) {
    bullet.motion = motion_create(x, y, 0, 0);
    EXPECT_EQ(bullet_cull(bullet), culled) << x << "," << y;
  }
  // A culled charged shot leaves nothing, spent or not: the cull comes first.
  auto all = world_create();
  Score score;
  settings.particles = 1;
  player_shot_spawn(25, -1, 85, 270, shot_charged, *all);
  all->player_bullets[0]->life = 0;
  world_update(*all, score);
  EXPECT_EQ(std::make_tuple(all->player_bullets.size(), all->explosions.size(),
                            all->particles.size(), sound_played().size()),
            std::make_tuple(0u, 0u, 0u, 0u));

  const int none = -1, hit = SFX_BULLET_HIT, big = SFX_BIG_EXP;
  const std::tuple<BulletBehaviour, int, int, int, int> cases[] = {
      {shot_gun_side, 1, 1, 2, none},  {shot_gun_side, 0, 2, 0, none},
      {shot_gun_centre, 1, 0, 2, hit}, {shot_fragment, 1, 1, 0, none},
      {shot_charged, 1, -1, 2, big},   {shot_charged, 0, 0, 0, big}};
  std::vector<std::pair<int, int>> heard;
  for (const auto& [behaviour, particles_on, grazed, sparks, sound] : cases) {
    SCOPED_TRACE(testing::Message() << "sparks " << sparks << ", grazed " << grazed);
    World world;
    Score score;
    settings.particles = particles_on;
    player_shot_spawn(12, 33, 10, 270, behaviour, world);
    world.particles.clear();  // a fragment's trail at birth
    Bullet& b = *world.player_bullets[0];
    EXPECT_FALSE(bullet_reap(b, score));
    b.life = sparks > 0 ? 0 : -7;
    b.grazed = grazed;
    seed_random(4242);
    EXPECT_TRUE(bullet_reap(b, score));
    int after = TCOD_random_get_int(nullptr, 0, 1000000);
    seed_random(4242);
    ASSERT_EQ(world.particles.size(), static_cast<size_t>(sparks));
    for (const auto& p : world.particles) {
      int a = TCOD_random_get_int(nullptr, 0, 25), h = TCOD_random_get_int(nullptr, 0, 360);
      int s = TCOD_random_get_int(nullptr, 0, 30);
      EXPECT_EQ(std::make_tuple(p->motion.x, p->motion.y, p->motion.speed, p->motion.heading,
                                p->life, p->glyph.ch, p->glyph.colour),
                std::make_tuple(12, 33, 40 + s, h, 5 + a, '.', b.glyph.colour));
    }
    EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000000), after);  // nothing more drawn
    EXPECT_DOUBLE_EQ(score.multiplier, grazed == 1 ? 1.05 : 1.0);
    if (sound >= 0) heard.emplace_back(sound, sound_panning(12).left);
    std::vector<std::pair<int, int>> played;
    for (const SoundPlay& p : sound_played()) played.emplace_back(p.effect, p.panning.left);
    EXPECT_EQ(played, heard);
    ASSERT_EQ(world.explosions.size(), behaviour == shot_charged ? 1u : 0u);
    for (const auto& e : world.explosions) {
      EXPECT_EQ(std::make_tuple(e->routine, e->timer, e->motion.x, e->motion.y, e->colour),
                std::make_tuple(effect_charged_burst, 1, 12, 33, TCOD_red));
    }
  }
}

TEST_F(BulletTest, ChargedShotLeavesEightFragmentsPerFrameFasterWithAgeThatLiveFiveFrames) {
  World world;
  game.player_colour = kShip;
  player_shot_spawn(25, 40, 85, 270, shot_charged, world);
  const Bullet& charged = *world.player_bullets[0];
  for (int age = 1; age <= 3; ++age) {
    size_t before = world.player_bullets.size();
    int x = charged.motion.x, y = charged.motion.y;
    bullet_tick(*world.player_bullets[0]);
    // Each from where the shot stood before its step, born as a fragment.
    std::vector<std::tuple<BulletBehaviour, int, int, int, int>> born, expected;
    for (size_t i = before; i < world.player_bullets.size(); ++i) {
      const Bullet& f = *world.player_bullets[i];
      born.emplace_back(f.behaviour, f.motion.speed, f.motion.heading, f.motion.x, f.motion.y);
    }
    for (int k = 0; k < 8; ++k) expected.emplace_back(shot_fragment, 2 * age, 45 * k, x, y);
    EXPECT_EQ(born, expected) << "age " << age;
  }
  for (int particles_on : {0, 1}) {
    settings.particles = particles_on;
    player_shot_spawn(20, 20, 0, 90, shot_fragment, world);
    Bullet& fragment = *world.player_bullets.back();
    for (int age = 1; age <= 5; ++age) {
      bullet_tick(fragment);
      EXPECT_EQ(fragment.life, age < 5 ? 1 : 0) << "age " << age;
    }
    EXPECT_EQ(world.particles.size(), 6u * particles_on);  // a trail from birth, if particles on
    for (const auto& p : world.particles) {
      EXPECT_EQ(std::make_tuple(p->motion.speed, p->motion.heading, p->life, p->glyph.ch,
                                p->glyph.colour),
                std::make_tuple(0, 90, 5, '.', kShip));
    }
  }
}
