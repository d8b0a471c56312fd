#include "fx/bullet.h"

#include <vector>

#include "fx/explosions.h"
#include "fx/player_shots.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr int kBar = 0xB3;

// A behaviour that only records what it saw, to check when the life cycle
// calls it.
struct Seen {
  int age;
  size_t list_size;
};
std::vector<Seen> seen;
void behaviour_recorder(Bullet& bullet) {
  seen.push_back({bullet.age, bullet.world->player_bullets.size()});
}

using BulletTest = GameTest;

}  // namespace

TEST_F(BulletTest, SpawnRunsTheBehaviourOnceAtAgeZeroAndTheFirstDrawFollowsOneStep) {
  World world;
  seen.clear();
  player_shot_spawn(10, 20, 100, 270, behaviour_recorder, world);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].age, 0);
  EXPECT_EQ(seen[0].list_size, 1u);  // already on its list when the behaviour runs
  EXPECT_EQ(cell_char(10, 20), ' ');

  Bullet& bullet = *world.player_bullets[0];
  bullet_tick(bullet);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].age, 1);
  EXPECT_EQ(bullet.motion.y, 19);
  EXPECT_EQ(cell_char(10, 20), ' ');
  EXPECT_EQ(cell_char(10, 19), 0);  // the record's own glyph: character 0 in white
  EXPECT_EQ(cell_fg(10, 19), TCOD_white);
}

TEST_F(BulletTest, EachSpawnFillsItsOwnListWithItsStrength) {
  World world;
  player_shot_spawn(1, 2, 30, 90, behaviour_recorder, world);
  bomb_shot_spawn(3, 4, 30, 90, behaviour_recorder, world);
  enemy_bullet_spawn(5, 6, 30, 90, behaviour_recorder, world);
  ASSERT_EQ(world.player_bullets.size(), 1u);
  ASSERT_EQ(world.bomb_shots.size(), 1u);
  ASSERT_EQ(world.enemy_bullets.size(), 1u);
  struct Expect {
    const Bullet& bullet;
    int x, damage, life;
  } cases[] = {{*world.player_bullets[0], 1, 1, 1},
               {*world.bomb_shots[0], 3, 500, 500},
               {*world.enemy_bullets[0], 5, 1, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.bullet.motion.x, c.x);
    EXPECT_EQ(c.bullet.damage, c.damage);
    EXPECT_EQ(c.bullet.life, c.life);
    EXPECT_EQ(c.bullet.grazed, 0);
    EXPECT_EQ(c.bullet.age, 0);
    EXPECT_EQ(c.bullet.world, &world);
  }
}

TEST_F(BulletTest, GunShotsTakeTheirGlyphsAndTheShipsColour) {
  World world;
  game.player_colour = TCOD_color_RGB(10, 20, 30);
  player_shot_spawn(10, 30, 100, 270, shot_gun_side, world);
  player_shot_spawn(11, 30, 100, 270, shot_gun_centre, world);
  bomb_shot_spawn(12, 30, 100, 0, shot_bomb, world);
  const Bullet& side = *world.player_bullets[0];
  const Bullet& centre = *world.player_bullets[1];
  const Bullet& bomb = *world.bomb_shots[0];
  EXPECT_EQ(side.glyph.ch, kBar);
  EXPECT_EQ(side.glyph.colour, TCOD_desaturated_azure);
  EXPECT_EQ(side.damage, 4);
  EXPECT_EQ(centre.glyph.ch, kBar);
  EXPECT_EQ(centre.glyph.colour, TCOD_color_RGB(10, 20, 30));
  EXPECT_EQ(centre.damage, 4);
  EXPECT_EQ(bomb.glyph.ch, '*');
  EXPECT_EQ(bomb.glyph.colour, TCOD_color_RGB(10, 20, 30));
  EXPECT_EQ(bomb.damage, 500);

  // Later frames leave them as they were born.
  game.player_colour = TCOD_white;
  bullet_tick(*world.player_bullets[1]);
  EXPECT_EQ(centre.glyph.colour, TCOD_color_RGB(10, 20, 30));
}

TEST_F(BulletTest, BulletColourModeDrawsARandomBrightColourAtBirthOnly) {
  World world;
  settings.bullet_colour_mode = 1;
  seed_random(99);
  player_shot_spawn(10, 30, 100, 270, shot_gun_side, world);
  seed_random(99);
  TCOD_color_t expected = random_bright_colour();
  const Bullet& side = *world.player_bullets[0];
  EXPECT_EQ(side.glyph.colour, expected);
  bullet_tick(*world.player_bullets[0]);
  EXPECT_EQ(side.glyph.colour, expected);
}

TEST_F(BulletTest, CullKeepsTheCellOnePastEachEdge) {
  Bullet bullet;
  struct Case {
    int x, y;
    bool culled;
  } cases[] = {{0, 0, false},  {50, 70, false}, {51, 10, true},
               {-1, 10, true}, {10, 71, true},  {10, -1, true}};
  for (auto c : cases) {
    bullet.motion = motion_create(c.x, c.y, 0, 0);
    EXPECT_EQ(bullet_cull(bullet), c.culled) << c.x << "," << c.y;
  }
}

TEST_F(BulletTest, ACulledChargedShotPlaysNothingAndSpawnsNothing) {
  auto world = world_create();
  Score score;
  settings.particles = 1;
  player_shot_spawn(25, 0, 85, 270, shot_charged, *world);
  Bullet& charged = *world->player_bullets[0];
  charged.motion.y = -1;
  charged.life = 0;  // spent as well: the cull still comes first
  world_update(*world, score);
  EXPECT_TRUE(world->player_bullets.empty());
  EXPECT_TRUE(world->explosions.empty());
  EXPECT_TRUE(world->particles.empty());
  EXPECT_TRUE(sound_played().empty());
}

TEST_F(BulletTest, ReapKeepsALiveBulletAndRemovesASpentOne) {
  World world;
  Score score;
  player_shot_spawn(10, 30, 100, 270, shot_gun_side, world);
  Bullet& bullet = *world.player_bullets[0];
  EXPECT_FALSE(bullet_reap(bullet, score));
  bullet.life = 0;
  EXPECT_TRUE(bullet_reap(bullet, score));
  bullet.life = -7;
  EXPECT_TRUE(bullet_reap(bullet, score));
  EXPECT_TRUE(sound_played().empty());
}

TEST_F(BulletTest, ReapSparksDrawLifeHeadingSpeedPerSparkInThatOrder) {
  World world;
  Score score;
  settings.particles = 1;
  player_shot_spawn(12, 33, 100, 270, shot_gun_side, world);
  Bullet& bullet = *world.player_bullets[0];
  bullet.life = 0;
  seed_random(4242);
  ASSERT_TRUE(bullet_reap(bullet, score));

  seed_random(4242);
  ASSERT_EQ(world.particles.size(), 2u);
  for (const auto& spark : world.particles) {
    int a = TCOD_random_get_int(nullptr, 0, 25);
    int h = TCOD_random_get_int(nullptr, 0, 360);
    int s = TCOD_random_get_int(nullptr, 0, 30);
    EXPECT_EQ(spark->life, 5 + a);
    EXPECT_EQ(spark->motion.heading, h);
    EXPECT_EQ(spark->motion.speed, 40 + s);
    EXPECT_EQ(spark->motion.x, 12);
    EXPECT_EQ(spark->motion.y, 33);
    EXPECT_EQ(spark->glyph.ch, '.');
    EXPECT_EQ(spark->glyph.colour, TCOD_desaturated_azure);
  }
}

TEST_F(BulletTest, ReapWithoutParticlesDrawsNothing) {
  World world;
  Score score;
  player_shot_spawn(12, 33, 100, 270, shot_gun_side, world);
  world.player_bullets[0]->life = 0;
  seed_random(4242);
  int first = TCOD_random_get_int(nullptr, 0, 1000000);
  seed_random(4242);
  bullet_reap(*world.player_bullets[0], score);
  EXPECT_TRUE(world.particles.empty());
  EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000000), first);
}

TEST_F(BulletTest, AFragmentNeverSparksOrSounds) {
  World world;
  Score score;
  settings.particles = 1;
  player_shot_spawn(12, 33, 10, 0, shot_fragment, world);
  world.particles.clear();  // its own trail at birth
  world.player_bullets[0]->life = 0;
  seed_random(4242);
  int first = TCOD_random_get_int(nullptr, 0, 1000000);
  seed_random(4242);
  EXPECT_TRUE(bullet_reap(*world.player_bullets[0], score));
  EXPECT_TRUE(world.particles.empty());
  EXPECT_TRUE(world.explosions.empty());
  EXPECT_TRUE(sound_played().empty());
  EXPECT_EQ(TCOD_random_get_int(nullptr, 0, 1000000), first);
}

TEST_F(BulletTest, AReapedChargedShotBurstsAndPlaysTheBigBlastEvenWithoutParticles) {
  World world;
  Score score;
  player_shot_spawn(30, 20, 85, 270, shot_charged, world);
  world.player_bullets[0]->life = 0;
  EXPECT_TRUE(bullet_reap(*world.player_bullets[0], score));
  ASSERT_EQ(world.explosions.size(), 1u);
  const Effect& burst = *world.explosions[0];
  EXPECT_EQ(burst.routine, effect_charged_burst);
  EXPECT_EQ(burst.timer, 1);
  EXPECT_EQ(burst.motion.x, 30);
  EXPECT_EQ(burst.motion.y, 20);
  EXPECT_EQ(burst.colour, TCOD_red);
  EXPECT_TRUE(world.particles.empty());
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_BIG_EXP);
  EXPECT_TRUE(sound_played()[0].panned);
  EXPECT_EQ(sound_played()[0].panning.left, sound_panning(30).left);
}

TEST_F(BulletTest, OnlyTheCentreGunShotPlaysTheHitSoundAtRemoval) {
  World world;
  Score score;
  player_shot_spawn(9, 30, 100, 270, shot_gun_side, world);
  player_shot_spawn(10, 30, 100, 270, shot_gun_centre, world);
  for (auto& bullet : world.player_bullets) bullet->life = 0;
  bullet_reap(*world.player_bullets[0], score);
  EXPECT_TRUE(sound_played().empty());
  bullet_reap(*world.player_bullets[1], score);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_BULLET_HIT);
  EXPECT_EQ(sound_played()[0].panning.right, sound_panning(10).right);
  EXPECT_TRUE(world.explosions.empty());
}

TEST_F(BulletTest, GrazeBonusOnlyForGrazedExactlyOne) {
  World world;
  enemy_bullet_spawn(10, 10, 0, 0, behaviour_recorder, world);
  Bullet& bullet = *world.enemy_bullets[0];
  bullet.life = 0;
  for (int grazed : {0, 2, -1}) {
    Score score;
    bullet.grazed = grazed;
    bullet_reap(bullet, score);
    EXPECT_EQ(score.multiplier, 1.0) << grazed;
  }
  Score score;
  bullet.grazed = 1;
  bullet_reap(bullet, score);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.05);
}

TEST_F(BulletTest, ChargedShotLeavesEightFragmentsPerFrameFasterWithAge) {
  World world;
  game.player_colour = TCOD_color_RGB(1, 2, 3);
  player_shot_spawn(25, 40, 85, 270, shot_charged, world);
  const Bullet& charged = *world.player_bullets[0];
  EXPECT_EQ(charged.glyph.ch, 1);
  EXPECT_EQ(charged.glyph.colour, TCOD_red);
  EXPECT_EQ(charged.damage, 500);
  EXPECT_EQ(charged.life, 100);
  EXPECT_EQ(world.player_bullets.size(), 1u);  // nothing at birth

  for (int age = 1; age <= 3; ++age) {
    size_t before = world.player_bullets.size();
    int x = charged.motion.x, y = charged.motion.y;
    bullet_tick(*world.player_bullets[0]);
    ASSERT_EQ(world.player_bullets.size(), before + 8) << "age " << age;
    for (int k = 0; k < 8; ++k) {
      const Bullet& fragment = *world.player_bullets[before + static_cast<size_t>(k)];
      EXPECT_EQ(fragment.behaviour, shot_fragment);
      EXPECT_EQ(fragment.motion.speed, 2 * age);
      EXPECT_EQ(fragment.motion.heading, 45 * k);
      EXPECT_EQ(fragment.motion.x, x);  // where the shot stood before its step
      EXPECT_EQ(fragment.motion.y, y);
      EXPECT_EQ(fragment.age, 0);
      EXPECT_EQ(fragment.damage, 10);
      EXPECT_EQ(fragment.life, 1);
      EXPECT_EQ(fragment.glyph.ch, '+');
      EXPECT_EQ(fragment.glyph.colour, TCOD_color_RGB(1, 2, 3));
    }
  }
}

TEST_F(BulletTest, FragmentLivesFiveFramesAndTrailsOnlyWithParticles) {
  for (int particles : {0, 1}) {
    World world;
    settings.particles = particles;
    player_shot_spawn(20, 20, 10, 90, shot_fragment, world);
    Bullet& fragment = *world.player_bullets[0];
    EXPECT_EQ(world.particles.size(), static_cast<size_t>(particles));  // age 0 too
    for (int age = 1; age <= 5; ++age) {
      bullet_tick(fragment);
      EXPECT_EQ(fragment.life, age < 5 ? 1 : 0) << "age " << age;
    }
    EXPECT_EQ(world.particles.size(), static_cast<size_t>(6 * particles));
    if (particles) {
      const Particle& trail = *world.particles.back();
      EXPECT_EQ(trail.motion.speed, 0);
      EXPECT_EQ(trail.motion.heading, 90);
      EXPECT_EQ(trail.life, 5);
      EXPECT_EQ(trail.glyph.ch, '.');
      EXPECT_EQ(trail.glyph.colour, fragment.glyph.colour);
    }
  }
}
