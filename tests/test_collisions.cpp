#include "game/collisions.h"

#include <cstring>

#include "enemies/enemy.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kShipColour = TCOD_orange;

class Collisions : public GameTest {
 protected:
  // A new game: the ship in play at (20, 40), where it also was last frame.
  void fresh() {
    world = World{};
    score = Score{};
    ship = Player{.world = &world,
                  .motion = motion_create(20, 40, 0, 0),
                  .glyph = glyph_new(kShipColour, 'M')};
    game = GameGlobals{};
    game.player_alive = true;
    std::tie(game.player_prev_x, game.player_prev_y) = std::pair(20, 40);
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

  // A field of each record in a list, as "a b c ".
  template <class T>
  static std::string text(const EntityList<T>& list, int T::*field) {
    std::string out;
    for (const auto& record : list) out += std::to_string((*record).*field) + " ";
    return out;
  }

  World world;
  Player ship;
  Score score;
};

TEST_F(Collisions, FireHitsTheShipsCellBulletsItsPreviousCellTooAndBodiesEmptyTheShield) {
  // At (x, y): a bullet, a missile, an enemy whose solid cell has a space above and below, or
  // both a bullet and that enemy (the bullet counts first); in play or not; the shield after.
  // clang-format off
  const std::tuple<char, int, int, bool, int> cases[] = {
      {'b', 20, 41, true, 80},  {'b', 21, 41, true, 100}, {'b', 20, 40, true, 80},
      {'m', 20, 41, true, 100}, {'m', 20, 40, true, 80},  {'b', 20, 40, false, 100},
      {'e', 20, 40, true, 0},   {'e', 20, 39, true, 0},   {'e', 20, 38, true, 100},
      {'e', 19, 39, true, 100}, {'s', 20, 40, true, 80}};
  // clang-format on
  for (const auto& [what, x, y, alive, shield] : cases) {
    fresh();
    game.player_alive = alive;
    game.player_prev_y = 41;  // the ship just moved up from (20, 41)
    if (what != 'e') shot(what == 'm' ? world.enemy_missiles : world.enemy_bullets, x, y, 5, 1);
    if (what == 'e' || what == 's') add_enemy(x, y, {" ", "#", " "});
    run_collisions(world, ship, score);
    EXPECT_EQ(std::pair(ship.shield, game.player_alive), std::pair(shield, alive && shield > 0))
        << what << " at " << x << ", " << y;
  }
}

TEST_F(Collisions, AHitCostsTwentyWarnsAtFortyAndTwentyAndAlwaysClearsEnemyFire) {
  const std::string hit = "hit 30 20,40 o|";
  // Invulnerable frames, hit this frame, shield; the hit's sounds and effects, if it costs.
  // clang-format off
  const std::tuple<int, bool, int, std::string> cases[] = {
      {0, false, 100, "3@20|" + hit},    {5, false, 100, ""}, {0, true, 100, ""},
      {0, false, 60, "3@20|24|" + hit},  {0, false, 40, "3@20|25|" + hit},
      {0, false, 20, "3@20|death 50 20,40 o|" + hit}};
  // clang-format on
  for (const auto& [invulnerable, hit_before, shield, left] : cases) {
    SCOPED_TRACE(testing::Message() << invulnerable << " " << hit_before << " " << shield);
    const bool costs = !left.empty();
    fresh();
    std::tie(ship.shield, ship.hit_this_frame, score.multiplier) =
        std::tuple(shield, hit_before, 2.0);
    std::tie(game.invulnerable_timer, game.double_score_timer) = std::pair(invulnerable, 300);
    for (int k = 0; k < 2; ++k) shot(world.enemy_bullets, 20, 40, 5, 1);
    shot(world.enemy_bullets, 3, 3, 5, 1);
    shot(world.enemy_missiles, 40, 10, 10, 18);
    run_collisions(world, ship, score);
    EXPECT_EQ(std::tuple(ship.shield, ship.cooldown, game.invulnerable_timer, ship.hit_this_frame,
                         game.double_score_timer),
              std::tuple(shield - 20 * costs, costs ? 30 : 0, costs ? 30 : invulnerable, true,
                         shield == 20 ? 0 : 300));
    EXPECT_EQ(sounds_text() + effects_text(world), left);
    glyph_draw(glyph_new(TCOD_white, '*'), 3, 3);
    EXPECT_EQ(cell_bg(3, 3), costs ? kShipColour : TCOD_black);  // the screen flashes

    world_update(world, score);  // cleared fire earns no graze
    EXPECT_EQ(std::tuple(world.enemy_bullets.size(), world.enemy_missiles.size(), score.multiplier),
              std::tuple(0u, 0u, costs ? 1.5 : 2.0));
  }
}

TEST_F(Collisions, PlayerBulletsWearDronesThenEnemiesThenMissiles) {
  fresh();
  for (int k = 0; k < 2; ++k) add(world.drones, 5, 5);
  add_enemy(5, 5, {"#"});
  add_enemy(10, 10, {"   ", " # ", "   "});
  for (int k = 0; k < 2; ++k) add_enemy(40, 20, {"##"});
  for (int x : {8, 9}) shot(world.enemy_missiles, x, 8, 10, 18);
  // A drone costs a bullet one life while it has some; the first enemy touched spends the bullet.
  // clang-format off
  const int cases[][4] = {{5, 5, 4, 1},       {5, 5, 10, 2},  {6, 5, 4, 1},   {11, 10, 4, 1},
                          {10, 10, 4, 1},     {11, 11, 4, 1}, {11, 12, 4, 1}, {11, 9, 4, 1},
                          {41, 20, 500, 100}, {40, 20, 4, 0}, {40, 19, 4, 1}, {8, 8, 4, 1},
                          {8, 8, 4, 0}};  // x, y, damage, life
  // clang-format on
  for (const auto& [x, y, damage, life] : cases) shot(world.player_bullets, x, y, damage, life);
  run_collisions(world, ship, score);
  EXPECT_EQ(text(world.player_bullets, &Bullet::life), "0 0 1 0 1 0 1 1 0 0 1 0 -1 ");
  EXPECT_EQ(text(world.drones, &Drone::hp) + text(world.enemies, &Enemy::hp) +
                text(world.enemy_missiles, &Bullet::life),
            "-9 -5 100 92 -400 100 10 18 ");
}

TEST_F(Collisions, BombShotsCancelFireInTheirBlockButSpareDronesAndEnemies) {
  fresh();
  for (int x : {10, 30, 32}) shot(world.bomb_shots, x, 10, 500, 500);
  add(world.drones, 10, 10);
  add_enemy(9, 9, {"###", "###", "###"});
  // Bullets beside a shot, two away, and in two blocks (cancelled once); missiles beside a
  // shot, two away, and already spent.
  // clang-format off
  const std::tuple<EntityList<Bullet> World::*, int, int, int> cases[] = {
      {&World::enemy_bullets, 11, 11, 1},    {&World::enemy_bullets, 12, 10, 1},
      {&World::enemy_bullets, 31, 10, 1},    {&World::enemy_missiles, 9, 11, 18},
      {&World::enemy_missiles, 10, 12, 18},  {&World::enemy_missiles, 11, 9, 0}};  // x, y, life
  // clang-format on
  for (const auto& [list, x, y, life] : cases) shot(world.*list, x, y, 5, life);
  run_collisions(world, ship, score);
  EXPECT_EQ(text(world.enemy_bullets, &Bullet::life) + text(world.enemy_missiles, &Bullet::life) +
                text(world.drones, &Drone::hp) + text(world.enemies, &Enemy::hp),
            "0 1 0 -482 18 0 5 100 ");
}

}  // namespace
