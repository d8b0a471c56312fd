#include "game/collisions.h"

#include <cstring>

#include "enemies/enemy.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kShipColour = TCOD_orange;

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

  static std::string lives(const EntityList<Bullet>& list, int Bullet::*field = &Bullet::life) {
    std::string out;
    for (const auto& b : list) out += std::to_string((*b).*field) + " ";
    return out;
  }

  World world;
  Player ship;
  Score score;
};

TEST_F(Collisions, EnemyFireHitsTheShipsCellAndBulletsItsPreviousCellTooWhileInPlay) {
  // clang-format off
  const struct { bool missile; int x, y; bool alive, hits; } cases[] = {
      {false, 20, 41, true, true}, {false, 21, 41, true, false}, {false, 20, 40, true, true},
      {true, 20, 41, true, false}, {true, 20, 40, true, true},   {false, 20, 40, false, false}};
  // clang-format on
  for (const auto& c : cases) {
    fresh();
    game.player_alive = c.alive;
    game.player_prev_y = 41;  // the ship just moved up from (20, 41)
    Bullet& fire = shot(c.missile ? world.enemy_missiles : world.enemy_bullets, c.x, c.y, 10, 18);
    run_collisions(world, ship, score);
    EXPECT_EQ(std::pair(ship.shield, fire.life <= 0), std::pair(c.hits ? 80 : 100, c.hits))
        << "case " << &c - cases;
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
    for (int k = 0; k < 2; ++k) shot(world.enemy_bullets, 20, 40, 5, 1);
    shot(world.enemy_bullets, 3, 3, 5, 1);
    shot(world.enemy_missiles, 40, 10, 10, 18);
    run_collisions(world, ship, score);
    SCOPED_TRACE(::testing::Message() << "invulnerable " << invulnerable << ", hit " << hit_before);
    EXPECT_EQ(std::tuple(ship.shield, score.multiplier, ship.cooldown, game.invulnerable_timer,
                         ship.hit_this_frame),
              std::tuple(costs ? 80 : 100, costs ? 1.5 : 2.0, costs ? 30 : 0,
                         costs ? 30 : invulnerable, true));
    EXPECT_EQ(sounds_text() + effects_text(world), costs ? "3@20|hit 30 20,40 o|" : "");
    glyph_draw(glyph_new(TCOD_white, '*'), 3, 3);
    EXPECT_EQ(cell_bg(3, 3), costs ? kShipColour : TCOD_black);  // the screen flashes

    world_update(world, score);  // cleared fire earns no graze
    EXPECT_EQ(std::tuple(world.enemy_bullets.size(), world.enemy_missiles.size(), score.multiplier),
              std::tuple(0u, 0u, costs ? 1.5 : 2.0));
  }
}

TEST_F(Collisions, ShieldsFortyAndTwentyWarnAndTheFifthHitDestroysTheShip) {
  game.double_score_timer = 300;
  const std::string hit = "hit 30 20,40 o|",
                    sounds[] = {"3@20|", "3@20|", "3@20|24|", "3@20|25|", "3@20|"};
  for (int k = 0; k < 5; ++k) {
    ship.hit_this_frame = false;
    game.invulnerable_timer = 0;
    sound_clear_played();
    player_hit(ship, 5, score);
    EXPECT_EQ(std::tuple(ship.shield, sounds_text(), game.player_alive),
              std::tuple(80 - 20 * k, sounds[k], k < 4))
        << "hit " << k + 1;
  }
  EXPECT_EQ(game.double_score_timer, 0);
  EXPECT_EQ(effects_text(world), hit + hit + hit + hit + "death 50 20,40 o|" + hit);
}

TEST_F(Collisions, EnemyBodiesEmptyTheShieldOnASolidCellOrTheSpaceAboveOne) {
  for (auto [x, y, shield] : {std::tuple{20, 38, 100}, {21, 39, 100}, {20, 39, 0}, {20, 40, 0}}) {
    fresh(x, y);
    Enemy& enemy = add_enemy(19, 38, {"   ", "   ", " # "});
    run_collisions(world, ship, score);
    EXPECT_EQ(std::tuple(ship.shield, game.player_alive, enemy.hp),
              std::tuple(shield, shield > 0, 100))
        << x << ", " << y;
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
  // clang-format off
  const int cases[][4] = {{5, 5, 4, 1},   {5, 5, 10, 2},  {6, 5, 4, 1},       {11, 10, 4, 1},
                          {10, 10, 4, 1}, {11, 11, 4, 1}, {11, 12, 4, 1},     {11, 9, 4, 1},
                          {30, 11, 4, 1}, {30, 10, 4, 1}, {41, 20, 500, 100}, {40, 20, 4, 0},
                          {40, 19, 4, 1}, {8, 8, 4, 1},   {8, 8, 4, 0}};  // x, y, damage, life
  // clang-format on
  for (const auto& [x, y, damage, life] : cases) shot(world.player_bullets, x, y, damage, life);
  run_collisions(world, ship, score);
  EXPECT_EQ(lives(world.player_bullets), "0 0 1 0 1 0 1 1 0 0 0 0 1 0 -1 ");
  EXPECT_EQ((std::vector<int>{drone.hp, twin.hp, under_drones.hp, enemy.hp, shielded.hp, beneath.hp,
                              first.hp, second.hp, missile.life, aside.life}),
            (std::vector<int>{-9, -5, 100, 92, 100, 100, -400, 100, 10, 18}));
}

TEST_F(Collisions, BombShotsCancelFireInTheirBlockForAGrazeButSpareDronesAndEnemies) {
  for (int x : {10, 30, 32}) shot(world.bomb_shots, x, 10, 500, 500);
  Drone& drone = add(world.drones, 10, 10);
  Enemy& enemy = add_enemy(9, 9, {"###", "###", "###"});
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
  EXPECT_EQ(lives(world.enemy_bullets) + lives(world.enemy_missiles), "0 1 0 -482 18 0 ");
  EXPECT_EQ(lives(world.enemy_bullets, &Bullet::grazed), "1 0 1 ");
  EXPECT_EQ(drone.hp, 5);
  EXPECT_EQ(enemy.hp, 100);
  world_update(world, score);
  EXPECT_EQ(lives(world.enemy_bullets), "1 ");
  EXPECT_DOUBLE_EQ(score.multiplier, 1.1);  // 0.05 for each cancelled bullet
}

}  // namespace
