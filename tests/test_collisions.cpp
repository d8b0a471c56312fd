#include "game/collisions.h"

#include <cstring>
#include <vector>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr TCOD_color_t kShipColour{200, 120, 40};

Bullet& add_bullet(EntityList<Bullet>& list, World& world, int x, int y, int damage, int life) {
  auto bullet = std::make_unique<Bullet>();
  bullet->motion = motion_create(x, y, 0, 0);
  bullet->damage = damage;
  bullet->life = life;
  bullet->world = &world;
  list.push_back(std::move(bullet));
  return *list.back();
}

Drone& add_drone(World& world, int x, int y, int hp) {
  auto drone = std::make_unique<Drone>();
  drone->motion = motion_create(x, y, 0, 0);
  drone->hp = hp;
  drone->world = &world;
  world.drones.push_back(std::move(drone));
  return *world.drones.back();
}

Enemy& add_enemy(World& world, int x, int y, std::vector<const char*> rows, int hp) {
  auto enemy = std::make_unique<Enemy>();
  enemy->motion = motion_create(x, y, 0, 0);
  enemy->world = &world;
  enemy_set_sprite(*enemy, static_cast<int>(std::strlen(rows[0])), static_cast<int>(rows.size()),
                   rows.data());
  enemy->hp = hp;
  world.enemies.push_back(std::move(enemy));
  return *world.enemies.back();
}

std::vector<int> effects_played() {
  std::vector<int> effects;
  for (const SoundPlay& play : sound_played()) effects.push_back(play.effect);
  return effects;
}

// The ship at (20, 40), in play, having been at the same cell last frame.
class Collisions : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ship.world = &world;
    place_ship(20, 40);
    ship.glyph = glyph_new(kShipColour, 'M');
    game.player_alive = true;
  }

  void place_ship(int x, int y) {
    ship.motion = motion_create(x, y, 0, 0);
    game.player_x = game.player_prev_x = x;
    game.player_y = game.player_prev_y = y;
  }

  // Lets the next hit count, as a new frame after the invulnerable time would.
  void next_frame() {
    ship.hit_this_frame = false;
    game.invulnerable_timer = 0;
    sound_clear_played();
  }

  bool all_enemy_fire_spent() const {
    for (auto& bullet : world.enemy_bullets) {
      if (bullet->life > 0) return false;
    }
    for (auto& missile : world.enemy_missiles) {
      if (missile->life > 0) return false;
    }
    return true;
  }

  World world;
  Player ship;
  Score score;
};

TEST_F(Collisions, EnemyBulletInTheShipsPreviousCellStillHits) {
  game.player_prev_y = 41;  // the ship just moved up from (20, 41)
  Bullet& beside = add_bullet(world.enemy_bullets, world, 21, 41, 5, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 100);
  EXPECT_EQ(beside.life, 1);

  Bullet& behind = add_bullet(world.enemy_bullets, world, 20, 41, 5, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 80);
  EXPECT_LE(behind.life, 0);
  EXPECT_EQ(effects_played(), std::vector<int>{SFX_PLAYER_HIT});
}

TEST_F(Collisions, TwoBulletsInOneFrameCostOneHitAndClearAllEnemyFire) {
  score.multiplier = 2.0;
  add_bullet(world.enemy_bullets, world, 20, 40, 5, 1);
  add_bullet(world.enemy_bullets, world, 20, 40, 5, 1);
  add_bullet(world.enemy_bullets, world, 3, 3, 5, 1);
  add_bullet(world.enemy_missiles, world, 40, 10, 10, 18);
  run_collisions(world, ship, score);

  EXPECT_EQ(ship.shield, 80);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.5);
  EXPECT_EQ(ship.cooldown, 30);
  EXPECT_EQ(game.invulnerable_timer, 30);
  EXPECT_TRUE(ship.hit_this_frame);
  EXPECT_EQ(effects_played(), std::vector<int>{SFX_PLAYER_HIT});
  EXPECT_EQ(sound_played()[0].panning.left, sound_panning(20).left);
  ASSERT_EQ(world.explosions.size(), 1u);
  EXPECT_EQ(world.explosions[0]->routine, effect_player_hit);
  EXPECT_TRUE(all_enemy_fire_spent());
  // The screen flashes in the ship's colour.
  EXPECT_EQ(TCOD_console_get_default_background(nullptr), kShipColour);
  glyph_draw(glyph_new(TCOD_white, '*'), 3, 3);
  EXPECT_EQ(cell_bg(3, 3), kShipColour);

  world_update(world, score);
  EXPECT_TRUE(world.enemy_bullets.empty());
  EXPECT_TRUE(world.enemy_missiles.empty());
  EXPECT_DOUBLE_EQ(score.multiplier, 1.5);  // cleared fire earns no graze
}

TEST_F(Collisions, HitWhileInvulnerableCostsNothingButStillClearsEnemyFire) {
  score.multiplier = 2.0;
  game.invulnerable_timer = 5;
  add_bullet(world.enemy_bullets, world, 20, 40, 5, 1);
  add_bullet(world.enemy_bullets, world, 30, 30, 5, 1);
  add_bullet(world.enemy_missiles, world, 10, 10, 10, 18);
  run_collisions(world, ship, score);

  EXPECT_EQ(ship.shield, 100);
  EXPECT_DOUBLE_EQ(score.multiplier, 2.0);
  EXPECT_EQ(ship.cooldown, 0);
  EXPECT_EQ(game.invulnerable_timer, 5);
  EXPECT_TRUE(ship.hit_this_frame);
  EXPECT_TRUE(sound_played().empty());
  EXPECT_TRUE(world.explosions.empty());
  EXPECT_EQ(TCOD_console_get_default_background(nullptr), TCOD_black);
  EXPECT_TRUE(all_enemy_fire_spent());
}

TEST_F(Collisions, ShieldsFortyAndTwentyWarnAndTheHitToZeroDestroysTheShip) {
  game.double_score_timer = 300;
  const std::vector<std::vector<int>> sounds = {
      {SFX_PLAYER_HIT},
      {SFX_PLAYER_HIT},
      {SFX_PLAYER_HIT, SFX_LOW_HEALTH},
      {SFX_PLAYER_HIT, SFX_LOWER_HEALTH},
  };
  for (size_t k = 0; k < sounds.size(); ++k) {
    next_frame();
    player_hit(ship, 5, score);
    EXPECT_EQ(ship.shield, 80 - 20 * static_cast<int>(k));
    EXPECT_EQ(effects_played(), sounds[k]) << "hit " << k + 1;
    EXPECT_TRUE(game.player_alive);
  }
  EXPECT_EQ(world.explosions.size(), 4u);

  next_frame();
  player_hit(ship, 5, score);
  EXPECT_EQ(ship.shield, 0);
  EXPECT_EQ(effects_played(), std::vector<int>{SFX_PLAYER_HIT});
  EXPECT_FALSE(game.player_alive);
  EXPECT_EQ(game.double_score_timer, 0);
  ASSERT_EQ(world.explosions.size(), 6u);
  const Effect& death = *world.explosions[4];
  const Effect& hit = *world.explosions[5];
  EXPECT_EQ(death.routine, effect_player_death);
  EXPECT_EQ(death.timer, 50);
  EXPECT_EQ(hit.routine, effect_player_hit);
  EXPECT_EQ(hit.timer, 30);
  for (const Effect* e : {&death, &hit}) {
    EXPECT_EQ(e->colour, kShipColour);
    EXPECT_EQ(e->motion.x, 20);
    EXPECT_EQ(e->motion.y, 40);
  }
}

TEST_F(Collisions, MissileHitsOnlyInTheShipsOwnCell) {
  game.player_prev_y = 41;
  Bullet& behind = add_bullet(world.enemy_missiles, world, 20, 41, 10, 18);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 100);
  EXPECT_EQ(behind.life, 18);

  Bullet& on = add_bullet(world.enemy_missiles, world, 20, 40, 10, 18);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 80);
  EXPECT_LE(on.life, 0);
  EXPECT_LE(behind.life, 0);
}

TEST_F(Collisions, EnemyBodyEmptiesTheShieldIncludingTheCellAboveASolidOne) {
  // Ship at (20, 40); the enemy's top-left is (19, 38).
  //   row 38: "   "
  //   row 39: "   "     <- (20, 39) above a space
  //   row 40: " # "
  Enemy& enemy = add_enemy(world, 19, 38, {"   ", "   ", " # "}, 50);

  place_ship(20, 38);  // above a space above a space
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 100);

  place_ship(21, 39);  // above a space, beside the solid cell's upper neighbour
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 100);

  place_ship(20, 39);  // a space directly above the solid cell
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 0);
  EXPECT_FALSE(game.player_alive);
  EXPECT_EQ(enemy.hp, 50);
}

TEST_F(Collisions, EnemyBulletsAreTestedBeforeBodiesSoARamAfterAShotIsIgnored) {
  add_enemy(world, 20, 40, {"#"}, 50);
  add_bullet(world.enemy_bullets, world, 20, 40, 5, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 80);
  EXPECT_TRUE(game.player_alive);
}

TEST_F(Collisions, PlayerBulletHitsASolidCellOrTheSpaceAboveOneOnly) {
  //   row 10: "   "   (11, 10) above the solid cell; (10, 10) above a space
  //   row 11: " # "
  //   row 12: "   "   (11, 12) below the solid cell
  Enemy& enemy = add_enemy(world, 10, 10, {"   ", " # ", "   "}, 100);
  Bullet& above_solid = add_bullet(world.player_bullets, world, 11, 10, 4, 1);
  Bullet& above_space = add_bullet(world.player_bullets, world, 10, 10, 4, 1);
  Bullet& solid = add_bullet(world.player_bullets, world, 11, 11, 4, 1);
  Bullet& below_solid = add_bullet(world.player_bullets, world, 11, 12, 4, 1);
  Bullet& outside = add_bullet(world.player_bullets, world, 11, 9, 4, 1);
  Enemy& lone = add_enemy(world, 30, 10, {"#"}, 100);
  Bullet& above_top = add_bullet(world.player_bullets, world, 30, 9, 4, 1);
  run_collisions(world, ship, score);

  EXPECT_EQ(above_solid.life, 0);
  EXPECT_EQ(above_space.life, 1);
  EXPECT_EQ(solid.life, 0);
  EXPECT_EQ(below_solid.life, 1);
  EXPECT_EQ(outside.life, 1);
  EXPECT_EQ(enemy.hp, 92);
  EXPECT_TRUE(enemy.hit);
  // Only cells of the sprite count: the row above its top one is outside it.
  EXPECT_EQ(above_top.life, 1);
  EXPECT_EQ(lone.hp, 100);
}

TEST_F(Collisions, InvulnerableEnemySpendsTheBulletAndKeepsItsHp) {
  Enemy& enemy = add_enemy(world, 10, 10, {" ", "#"}, 100);
  enemy.invulnerable = true;
  Bullet& on_solid = add_bullet(world.player_bullets, world, 10, 11, 4, 1);
  Bullet& above = add_bullet(world.player_bullets, world, 10, 10, 4, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(on_solid.life, 0);
  EXPECT_EQ(above.life, 0);
  EXPECT_EQ(enemy.hp, 100);
  EXPECT_FALSE(enemy.hit);
}

TEST_F(Collisions, ASpentBulletMakesNoFurtherContact) {
  Enemy& first = add_enemy(world, 10, 10, {"##"}, 100);
  Enemy& second = add_enemy(world, 10, 10, {"##"}, 100);
  Bullet& charged = add_bullet(world.player_bullets, world, 11, 10, 500, 100);
  Bullet& spent = add_bullet(world.player_bullets, world, 10, 10, 4, 0);
  run_collisions(world, ship, score);
  EXPECT_EQ(first.hp, -400);
  EXPECT_EQ(second.hp, 100);
  EXPECT_EQ(charged.life, 0);
  EXPECT_EQ(spent.life, 0);

  // Spent on an invulnerable enemy, it cannot go on to hurt the one beneath.
  first.invulnerable = true;
  Bullet& shot = add_bullet(world.player_bullets, world, 10, 10, 4, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(shot.life, 0);
  EXPECT_EQ(second.hp, 100);
}

TEST_F(Collisions, PlayerBulletsWearDronesDownAndLoseOneLifePerDrone) {
  Drone& drone = add_drone(world, 5, 5, 5);
  Bullet& first = add_bullet(world.player_bullets, world, 5, 5, 4, 1);
  Bullet& beside = add_bullet(world.player_bullets, world, 6, 5, 4, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(drone.hp, 1);
  EXPECT_EQ(first.life, 0);
  EXPECT_EQ(beside.life, 1);

  // A spent bullet passes; a bullet with life to spare hits both drones in its cell.
  Drone& twin = add_drone(world, 5, 5, 5);
  Bullet& strong = add_bullet(world.player_bullets, world, 5, 5, 10, 2);
  run_collisions(world, ship, score);
  EXPECT_EQ(drone.hp, -9);
  EXPECT_EQ(twin.hp, -5);
  EXPECT_EQ(strong.life, 0);
  EXPECT_EQ(first.life, 0);
}

TEST_F(Collisions, DronesAreTestedBeforeEnemiesSoABulletSpentOnADroneSparesTheEnemy) {
  Drone& drone = add_drone(world, 10, 10, 5);
  Enemy& enemy = add_enemy(world, 10, 10, {"#"}, 100);
  add_bullet(world.player_bullets, world, 10, 10, 4, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(drone.hp, 1);
  EXPECT_EQ(enemy.hp, 100);
}

TEST_F(Collisions, PlayerBulletsOnMissilesNeedNoLifeOnEitherSide) {
  Bullet& missile = add_bullet(world.enemy_missiles, world, 8, 8, 10, 18);
  Bullet& aside = add_bullet(world.enemy_missiles, world, 9, 8, 10, 18);
  Bullet& live = add_bullet(world.player_bullets, world, 8, 8, 4, 1);
  Bullet& spent = add_bullet(world.player_bullets, world, 8, 8, 4, 0);
  run_collisions(world, ship, score);
  EXPECT_EQ(missile.life, 10);
  EXPECT_EQ(aside.life, 18);
  EXPECT_EQ(live.life, 0);
  EXPECT_EQ(spent.life, -1);
}

TEST_F(Collisions, BombShotCancelsADiagonalNeighbourAndMarksItGrazed) {
  add_bullet(world.bomb_shots, world, 10, 10, 500, 500);
  Bullet& diagonal = add_bullet(world.enemy_bullets, world, 11, 11, 5, 1);
  Bullet& two_away = add_bullet(world.enemy_bullets, world, 12, 10, 5, 1);
  run_collisions(world, ship, score);
  EXPECT_EQ(diagonal.life, 0);
  EXPECT_EQ(diagonal.grazed, 1);
  EXPECT_EQ(two_away.life, 1);
  EXPECT_EQ(two_away.grazed, 0);

  world_update(world, score);
  ASSERT_EQ(world.enemy_bullets.size(), 1u);
  EXPECT_EQ(world.enemy_bullets[0].get(), &two_away);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.05);
}

TEST_F(Collisions, ABulletInTwoShotsBlocksIsCancelledOnce) {
  add_bullet(world.bomb_shots, world, 10, 10, 500, 500);
  add_bullet(world.bomb_shots, world, 12, 10, 500, 500);
  Bullet& between = add_bullet(world.enemy_bullets, world, 11, 10, 5, 2);
  run_collisions(world, ship, score);
  EXPECT_EQ(between.life, 0);
  run_collisions(world, ship, score);
  EXPECT_EQ(between.life, 0);
}

TEST_F(Collisions, BombShotsHitMissilesAroundThemButNeverDronesOrEnemies) {
  add_bullet(world.bomb_shots, world, 10, 10, 500, 500);
  Bullet& near = add_bullet(world.enemy_missiles, world, 9, 11, 10, 18);
  Bullet& far = add_bullet(world.enemy_missiles, world, 10, 12, 10, 18);
  Bullet& spent = add_bullet(world.enemy_missiles, world, 11, 9, 10, 0);
  Drone& drone = add_drone(world, 10, 10, 5);
  Enemy& enemy = add_enemy(world, 9, 9, {"###", "###", "###"}, 100);
  run_collisions(world, ship, score);
  EXPECT_EQ(near.life, -482);
  EXPECT_EQ(far.life, 18);
  EXPECT_EQ(spent.life, 0);
  EXPECT_EQ(drone.hp, 5);
  EXPECT_EQ(enemy.hp, 100);
}

TEST_F(Collisions, NothingHappensWhileTheShipIsNotInPlay) {
  game.player_alive = false;
  Bullet& enemy_bullet = add_bullet(world.enemy_bullets, world, 20, 40, 5, 1);
  Drone& drone = add_drone(world, 5, 5, 5);
  Bullet& shot = add_bullet(world.player_bullets, world, 5, 5, 4, 1);
  add_enemy(world, 20, 40, {"#"}, 100);
  run_collisions(world, ship, score);
  EXPECT_EQ(ship.shield, 100);
  EXPECT_EQ(enemy_bullet.life, 1);
  EXPECT_EQ(drone.hp, 5);
  EXPECT_EQ(shot.life, 1);
  EXPECT_FALSE(ship.hit_this_frame);
}

}  // namespace
