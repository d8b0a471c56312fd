#include "game/collisions.h"

#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "enemies/enemy.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr TCOD_color_t kShipColour{200, 120, 40};

std::vector<int> effects_played() {
  std::vector<int> effects;
  for (const SoundPlay& play : sound_played()) effects.push_back(play.effect);
  return effects;
}

class Collisions : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    fresh();
  }

  // A new game: the ship in play at (x, y), where it also was last frame.
  void fresh(int x = 20, int y = 40) {
    world = World{};
    score = Score{};
    ship = Player{
        .world = &world, .motion = motion_create(x, y, 0, 0), .glyph = glyph_new(kShipColour, 'M')};
    game = GameGlobals{};
    game.player_alive = true;
    game.player_x = game.player_prev_x = x;
    game.player_y = game.player_prev_y = y;
    sound_clear_played();
    reset_console();
  }

  template <class T>
  T& add(EntityList<T>& list, int x, int y, T record = {}) {
    record.motion = motion_create(x, y, 0, 0);
    record.world = &world;
    list.push_back(std::make_unique<T>(std::move(record)));
    return *list.back();
  }

  Bullet& shot(EntityList<Bullet>& list, int x, int y, int damage, int life) {
    return add(list, x, y, Bullet{.damage = damage, .life = life, .motion = {}, .glyph = {}});
  }

  Enemy& add_enemy(int x, int y, std::vector<const char*> rows) {
    Enemy& enemy = add(world.enemies, x, y);
    const int width = static_cast<int>(std::strlen(rows[0]));
    enemy_set_sprite(enemy, width, static_cast<int>(rows.size()), rows.data());
    enemy.hp = 100;
    return enemy;
  }

  World world;
  Player ship;
  Score score;
};

TEST_F(Collisions, EnemyFireHitsTheShipsCellAndBulletsItsPreviousCellTooWhileInPlay) {
  struct Case {
    bool missile;
    int x, y;
    bool alive, hits;
  } cases[] = {{false, 20, 41, true, true}, {false, 21, 41, true, false},
               {false, 20, 40, true, true}, {true, 20, 41, true, false},
               {true, 20, 40, true, true},  {false, 20, 40, false, false}};
  for (const Case& c : cases) {
    fresh();
    game.player_alive = c.alive;
    game.player_prev_y = 41;  // the ship just moved up from (20, 41)
    Bullet& fire = shot(c.missile ? world.enemy_missiles : world.enemy_bullets, c.x, c.y, 10, 18);
    run_collisions(world, ship, score);
    EXPECT_EQ(ship.shield, c.hits ? 80 : 100) << "case " << &c - cases;
    EXPECT_EQ(fire.life <= 0, c.hits) << "case " << &c - cases;
  }
}

TEST_F(Collisions, ATouchCostsOneHitUnlessInvulnerableOrHitThisFrameAndAlwaysClearsEnemyFire) {
  const std::pair<int, bool> cases[] = {{0, false}, {5, false}, {0, true}};
  for (auto [invulnerable, hit_before] : cases) {
    const bool costs = invulnerable == 0 && !hit_before;
    fresh();
    score.multiplier = 2.0;
    game.invulnerable_timer = invulnerable;
    ship.hit_this_frame = hit_before;
    shot(world.enemy_bullets, 20, 40, 5, 1);
    shot(world.enemy_bullets, 20, 40, 5, 1);
    shot(world.enemy_bullets, 3, 3, 5, 1);
    shot(world.enemy_missiles, 40, 10, 10, 18);
    run_collisions(world, ship, score);
    SCOPED_TRACE(::testing::Message() << "invulnerable " << invulnerable << ", hit " << hit_before);
    EXPECT_EQ(ship.shield, costs ? 80 : 100);
    EXPECT_DOUBLE_EQ(score.multiplier, costs ? 1.5 : 2.0);
    EXPECT_EQ(ship.cooldown, costs ? 30 : 0);
    EXPECT_EQ(game.invulnerable_timer, costs ? 30 : invulnerable);
    EXPECT_TRUE(ship.hit_this_frame);
    EXPECT_EQ(effects_played(), costs ? std::vector<int>{SFX_PLAYER_HIT} : std::vector<int>{});
    for (auto& play : sound_played()) EXPECT_EQ(play.panning.left, sound_panning(20).left);
    EXPECT_EQ(world.explosions.size(), costs ? 1u : 0u);
    glyph_draw(glyph_new(TCOD_white, '*'), 3, 3);
    EXPECT_EQ(cell_bg(3, 3), costs ? kShipColour : TCOD_black);  // the screen flashes

    world_update(world, score);
    EXPECT_TRUE(world.enemy_bullets.empty());
    EXPECT_TRUE(world.enemy_missiles.empty());
    EXPECT_DOUBLE_EQ(score.multiplier, costs ? 1.5 : 2.0);  // cleared fire earns no graze
  }
}

TEST_F(Collisions, ShieldsFortyAndTwentyWarnAndTheFifthHitDestroysTheShip) {
  game.double_score_timer = 300;
  const std::vector<int> hit{SFX_PLAYER_HIT};
  const std::vector<int> sounds[] = {
      hit, hit, {SFX_PLAYER_HIT, SFX_LOW_HEALTH}, {SFX_PLAYER_HIT, SFX_LOWER_HEALTH}, hit};
  for (int k = 0; k < 5; ++k) {
    ship.hit_this_frame = false;
    game.invulnerable_timer = 0;
    sound_clear_played();
    player_hit(ship, 5, score);
    EXPECT_EQ(ship.shield, 80 - 20 * k) << "hit " << k + 1;
    EXPECT_EQ(effects_played(), sounds[k]) << "hit " << k + 1;
    EXPECT_EQ(game.player_alive, k < 4) << "hit " << k + 1;
  }
  EXPECT_EQ(game.double_score_timer, 0);
  ASSERT_EQ(world.explosions.size(), 6u);  // a hit effect each, the death's before the last
  for (int i = 4; i < 6; ++i) {
    const Effect& e = *world.explosions[i];
    EXPECT_EQ(std::tuple(e.routine, e.timer, e.colour, e.motion.x, e.motion.y),
              std::tuple(i == 4 ? &effect_player_death : &effect_player_hit, i == 4 ? 50 : 30,
                         kShipColour, 20, 40));
  }
}

TEST_F(Collisions, EnemyBodiesEmptyTheShieldOnASolidCellOrTheSpaceAboveOne) {
  struct Case {
    int x, y, shield;
  } cases[] = {{20, 38, 100}, {21, 39, 100}, {20, 39, 0}, {20, 40, 0}};
  for (const Case& c : cases) {
    fresh(c.x, c.y);
    Enemy& enemy = add_enemy(19, 38, {"   ", "   ", " # "});
    run_collisions(world, ship, score);
    EXPECT_EQ(ship.shield, c.shield) << c.x << ", " << c.y;
    EXPECT_EQ(game.player_alive, c.shield > 0) << c.x << ", " << c.y;
    EXPECT_EQ(enemy.hp, 100);
  }
  // Enemy bullets come first, so a ram in the same frame as a shot is ignored.
  fresh();
  add_enemy(20, 40, {"#"});
  shot(world.enemy_bullets, 20, 40, 5, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 80);
}

TEST_F(Collisions, PlayerBulletsWearDronesThenEnemiesThenMissiles) {
  Drone& drone = add(world.drones, 5, 5);
  Drone& twin = add(world.drones, 5, 5);
  Enemy& under_drones = add_enemy(5, 5, {"#"});
  Enemy& enemy = add_enemy(10, 10, {"   ", " # ", "   "});
  Enemy& shielded = add_enemy(30, 10, {" ", "#"});
  shielded.invulnerable = true;
  Enemy& beneath = add_enemy(30, 11, {"#"});
  Enemy& first = add_enemy(40, 20, {"##"});
  Enemy& second = add_enemy(40, 20, {"##"});
  Bullet& missile = shot(world.enemy_missiles, 8, 8, 10, 18);
  Bullet& aside = shot(world.enemy_missiles, 9, 8, 10, 18);
  // Drones cost one life a hit, while there is some; a solid cell or a space above one hits, a
  // space above a space or outside does not; the invulnerable enemy and the first of a pair spend
  // the bullet for what lies beneath; missiles need no life on either side.
  struct Case {
    int x, y, damage, life, left;
  } cases[] = {{5, 5, 4, 1, 0},   {5, 5, 10, 2, 0},  {6, 5, 4, 1, 1},       {11, 10, 4, 1, 0},
               {10, 10, 4, 1, 1}, {11, 11, 4, 1, 0}, {11, 12, 4, 1, 1},     {11, 9, 4, 1, 1},
               {30, 11, 4, 1, 0}, {30, 10, 4, 1, 0}, {41, 20, 500, 100, 0}, {40, 20, 4, 0, 0},
               {40, 19, 4, 1, 1}, {8, 8, 4, 1, 0},   {8, 8, 4, 0, -1}};
  std::vector<Bullet*> bullets;
  for (const Case& c : cases)
    bullets.push_back(&shot(world.player_bullets, c.x, c.y, c.damage, c.life));
  run_collisions(world, ship, score);

  for (size_t k = 0; k < bullets.size(); ++k) {
    EXPECT_EQ(bullets[k]->life, cases[k].left) << cases[k].x << ", " << cases[k].y;
  }
  EXPECT_EQ((std::vector<int>{drone.hp, twin.hp, under_drones.hp, enemy.hp, shielded.hp, beneath.hp,
                              first.hp, second.hp, missile.life, aside.life}),
            (std::vector<int>{-9, -5, 100, 92, 100, 100, -400, 100, 10, 18}));
  EXPECT_TRUE(enemy.hit);
  EXPECT_FALSE(shielded.hit);
}

TEST_F(Collisions, BombShotsCancelFireInTheirBlockForAGrazeButSpareDronesAndEnemies) {
  for (int x : {10, 30, 32}) shot(world.bomb_shots, x, 10, 500, 500);
  Drone& drone = add(world.drones, 10, 10);
  Enemy& enemy = add_enemy(9, 9, {"###", "###", "###"});
  // Bullets beside a shot, two away, and in two blocks (cancelled once); missiles beside a
  // shot, two away, and already spent.
  struct Case {
    bool missile;
    int x, y, life, left, grazed;
  } cases[] = {{false, 11, 11, 1, 0, 1},   {false, 12, 10, 1, 1, 0},  {false, 31, 10, 1, 0, 1},
               {true, 9, 11, 18, -482, 0}, {true, 10, 12, 18, 18, 0}, {true, 11, 9, 0, 0, 0}};
  std::vector<Bullet*> fire;
  for (const Case& c : cases)
    fire.push_back(
        &shot(c.missile ? world.enemy_missiles : world.enemy_bullets, c.x, c.y, 5, c.life));
  run_collisions(world, ship, score);

  for (size_t k = 0; k < fire.size(); ++k) {
    EXPECT_EQ(fire[k]->life, cases[k].left) << "case " << k;
    EXPECT_EQ(fire[k]->grazed, cases[k].grazed) << "case " << k;
  }
  EXPECT_EQ(drone.hp, 5);
  EXPECT_EQ(enemy.hp, 100);
  world_update(world, score);
  ASSERT_EQ(world.enemy_bullets.size(), 1u);
  EXPECT_EQ(world.enemy_bullets[0].get(), fire[1]);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.1);  // 0.05 for each cancelled bullet
}

}  // namespace
