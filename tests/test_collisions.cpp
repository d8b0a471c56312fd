#include "game/collisions.h"

#include "enemies/enemy.h"
#include "tests/harness.h"

// What a hit costs, its sounds, flash and shield warnings, and which shots and
// bodies touch whom, are left to the golden runs; these are the cases they
// never meet.
namespace {

class Collisions : public GameTest {
 protected:
  // A new game: the ship in play at (20, 40), having just moved up from (20,
  // 41).
  void fresh() {
    world = World{};
    score = Score{};
    ship = Player{.world = &world, .motion = motion_create(20, 40, 0, 0), .glyph = {}};
    game = GameGlobals{};
    game.player_alive = true;
    std::tie(game.player_prev_x, game.player_prev_y) = std::pair(20, 41);
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

  World world;
  Player ship;
  Score score;
};

TEST_F(Collisions, BulletsHitTheShipsPreviousCellTooButMissilesOnlyItsOwn) {
  const struct {
    const char* name;
    EntityList<Bullet> World::*list;
    int shield;
  } rows[] = {
      {.name = "a bullet", .list = &World::enemy_bullets, .shield = 80},
      {.name = "a missile", .list = &World::enemy_missiles, .shield = 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fresh();
    shot(world.*row.list, 20, 41, 5, 1);
    run_collisions(world, ship, score);
    EXPECT_EQ(ship.shield, row.shield);
  }
}

TEST_F(Collisions, ASecondTouchInAFrameCostsNothingButClearsTheFireAndADeathEndsDoubleScore) {
  const struct {
    const char* name;
    bool hit_before;
    int shield, left, doubled;  // shield before and after, double score left
  } rows[] = {
      {.name = "second touch", .hit_before = true, .shield = 100, .left = 100, .doubled = 300},
      {.name = "a death", .hit_before = false, .shield = 20, .left = 0, .doubled = 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fresh();
    ship.shield = row.shield;
    ship.hit_this_frame = row.hit_before;
    game.double_score_timer = 300;
    shot(world.enemy_bullets, 20, 40, 5, 1);
    shot(world.enemy_bullets, 3, 3, 5, 1);
    run_collisions(world, ship, score);
    world_update(world, score);
    EXPECT_EQ(ship.shield, row.left);
    EXPECT_EQ(game.double_score_timer, row.doubled);
    EXPECT_EQ(world.enemy_bullets.size(), 0u);
  }
}

// A drone costs a bullet one life while it has some, and drones are met before
// enemies.
TEST_F(Collisions, PlayerBulletsSpendALifeOnEachDroneWhileTheyHaveOneAndMeetDronesFirst) {
  fresh();
  for (int k = 0; k < 2; ++k) add(world.drones, 5, 5);
  Enemy& enemy = add(world.enemies, 5, 5);
  const char* const sprite[] = {"#"};
  enemy_set_sprite(enemy, 1, 1, sprite);
  enemy.hp = 100;
  for (int life : {1, 2}) shot(world.player_bullets, 5, 5, 4, life);
  run_collisions(world, ship, score);
  EXPECT_EQ(std::tuple(world.player_bullets[0]->life, world.player_bullets[1]->life,
                       world.drones[0]->hp, world.drones[1]->hp, world.enemies[0]->hp),
            std::tuple(0, 0, -3, 1, 100));
}

// A bomb shot grazes only live fire: what a hit has already cleared earns nothing.
TEST_F(Collisions, ABombShotGrazesOnlyLiveFire) {
  fresh();
  shot(world.bomb_shots, 10, 10, 500, 500);
  for (int life : {1, 0}) shot(world.enemy_bullets, 11, 11, 5, life);
  run_collisions(world, ship, score);
  EXPECT_EQ(std::pair(world.enemy_bullets[0]->grazed, world.enemy_bullets[1]->grazed),
            std::pair(1, 0));
}

}  // namespace
