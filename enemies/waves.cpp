#include "enemies/waves.h"

#include <span>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "enemies/fortress.h"
#include "enemies/kinds.h"
#include "enemies/midboss.h"
#include "game/globals.h"
#include "game/screen.h"

namespace {

constexpr int W = kScreenWidth;

// A row of a wave's timetable: on frame t, one enemy of a kind at (x, y), or a
// formation whose left column is x.
enum class Form { enemy, chevron, trio };
struct WaveRow {
  int t;
  Form form;
  EnemyThink kind;
  int x;
  int y;
};

constexpr WaveRow enemy_at(int t, EnemyThink kind, int x, int y) {
  return {t, Form::enemy, kind, x, y};
}
constexpr WaveRow chevron_at(int t, int c) {
  return {t, Form::chevron, nullptr, c, 0};
}
constexpr WaveRow trio_at(int t, int c) {
  return {t, Form::trio, nullptr, c, 0};
}

// Drones one every ten frames from t = from to t = to, down one screen edge;
// the k of frame t is (t - k_from) / 10, and its row 10 - (k mod 10).
enum class Edge { left, right };
struct Staircase {
  int from;
  int to;
  Edge edge;
  int k_from;
};

// clang-format off
constexpr WaveRow kOpening[] = {
    enemy_at(450, kind_spinner, 10, 0),   enemy_at(450, kind_spinner, 34, 0),
    enemy_at(500, kind_gunship, W - 17, 0), enemy_at(500, kind_gunship, 13, 0),
    enemy_at(700, kind_gunship, W - 17, 0), enemy_at(700, kind_gunship, 13, 0),
    chevron_at(1100, 20),
    chevron_at(1200, 10),
    chevron_at(1300, 30),
    chevron_at(1400, 20),
    enemy_at(1500, kind_striker, 10, -5),
    enemy_at(1550, kind_striker, 20, 0),
    enemy_at(1650, kind_striker, 30, -5),
    enemy_at(1700, kind_striker, 20, -10),
};
constexpr Staircase kOpeningStairs[] = {
    {50, 149, Edge::right, 50}, {150, 249, Edge::left, 50},
    {250, 349, Edge::right, 50}, {350, 449, Edge::left, 50},
};

constexpr WaveRow kGunships[] = {
    enemy_at(1, kind_hornet, 12, 0),
    enemy_at(25, kind_hornet, 25, 0),
    enemy_at(100, kind_spinner_u, 6, 0), enemy_at(100, kind_spinner_u, 40, 0),
    enemy_at(200, kind_spinner, 16, -5), enemy_at(200, kind_spinner, 30, -5),
    enemy_at(700, kind_striker, 13, 0),
    enemy_at(750, kind_striker, 22, -10),
    enemy_at(800, kind_striker, 27, -5),
    enemy_at(1000, kind_gunship, 5, 0), enemy_at(1000, kind_gunship, 15, 0),
    enemy_at(1000, kind_gunship, 25, 0),
    enemy_at(1150, kind_spinner_u, 30, 0),
    enemy_at(1250, kind_hornet, 10, 0),
    enemy_at(1500, kind_raider, 25, -5),
    enemy_at(1600, kind_raider, 34, 0),
    enemy_at(1800, kind_carrier, 30, 0),
    enemy_at(2050, kind_hornet, 30, 0),
    enemy_at(2200, kind_hornet, 20, 0),
    enemy_at(2400, kind_carrier, 25, 0),
    enemy_at(2450, kind_spinner, 5, 0),
    enemy_at(2550, kind_spinner_u, 15, 0),
};

constexpr WaveRow kMidboss[] = {
    enemy_at(100, kind_midboss, 23, -5),
};

constexpr WaveRow kCrossfire[] = {
    enemy_at(50, kind_raider, 5, -5),
    enemy_at(225, kind_hornet, 25, 0),
    enemy_at(250, kind_raider, 40, -5),
    enemy_at(500, kind_spinner, 40, -5),
    enemy_at(575, kind_spinner_u, 30, -5),
    chevron_at(600, 8),
    chevron_at(700, 3),
    chevron_at(800, 13),
    enemy_at(1000, kind_striker, 5, 0),
    enemy_at(1025, kind_striker, 10, -5),
    enemy_at(1050, kind_striker, 15, -10),
};
constexpr Staircase kCrossfireStairs[] = {
    {130, 220, Edge::right, 25}, {330, 420, Edge::left, 25}, {1000, 1090, Edge::right, 0},
};

constexpr WaveRow kHeavies[] = {
    enemy_at(100, kind_striker, 7, 0),
    enemy_at(150, kind_raider, 37, -3),
    enemy_at(200, kind_raider, 17, -6),
    enemy_at(250, kind_striker, 27, -9),
    enemy_at(400, kind_lancer, 20, -6),
    trio_at(500, 20),
    trio_at(700, 25),
    enemy_at(900, kind_lancer, 20, -3),
    trio_at(1000, 30),
    enemy_at(1300, kind_gunship, 9, 0),  enemy_at(1300, kind_gunship, 19, 0),
    enemy_at(1300, kind_gunship, 29, 0), enemy_at(1300, kind_gunship, 39, 0),
    enemy_at(1400, kind_gunship, 4, 0),  enemy_at(1400, kind_gunship, 14, 0),
    enemy_at(1400, kind_gunship, 24, 0), enemy_at(1400, kind_gunship, 34, 0),
    enemy_at(1400, kind_gunship, 44, 0),
    trio_at(1600, 30),
    enemy_at(1800, kind_raider, 17, -6), enemy_at(1800, kind_raider, 27, -6),
};

// The whole fortress arrives in one frame, in this order.
constexpr WaveRow kFortress[] = {
    enemy_at(200, kind_fortress_core, 17, -40),
    enemy_at(200, kind_bulwark_left, 0, -25),
    enemy_at(200, kind_bulwark_right, 30, -25),
    enemy_at(200, kind_core_shield, 20, -25),
    enemy_at(200, kind_pillar, 10, -30), enemy_at(200, kind_pillar, 10, -35),
    enemy_at(200, kind_pillar, 10, -40), enemy_at(200, kind_pillar, 10, -45),
    enemy_at(200, kind_pillar, 10, -50),
    enemy_at(200, kind_pillar, 39, -30), enemy_at(200, kind_pillar, 39, -35),
    enemy_at(200, kind_pillar, 39, -40), enemy_at(200, kind_pillar, 39, -45),
    enemy_at(200, kind_pillar, 39, -50),
    enemy_at(200, kind_turret, 5, -20),  enemy_at(200, kind_turret, 15, -20),
    enemy_at(200, kind_turret, 42, -20), enemy_at(200, kind_turret, 32, -20),
    enemy_at(200, kind_arm_right, 30, -40),
    enemy_at(200, kind_arm_left, 11, -35),
};
// clang-format on

constexpr int kFortressWonFrom = 251;

// Five aimed drones: the left pair bends left, the right pair right and the
// centre flies straight; rows -2, -1, 0 give the outer pair, the inner pair
// and the centre.
void chevron_of_five(int c, World& world) {
  drone_spawn(c, -2, drone_fan_left, drone_fire_aimed, world);
  drone_spawn(c + 2, -1, drone_fan_left, drone_fire_aimed, world);
  drone_spawn(c + 4, 0, drone_fan_left, drone_fire_aimed, world);
  drone_spawn(c + 6, -1, drone_fan_right, drone_fire_aimed, world);
  drone_spawn(c + 8, -2, drone_fan_right, drone_fire_aimed, world);
}

void spawn_row(const WaveRow& row, Stage& stage) {
  switch (row.form) {
    case Form::enemy:
      enemy_spawn(row.x, row.y, row.kind, *stage.world);
      break;
    case Form::chevron:
      chevron_of_five(row.x, *stage.world);
      break;
    case Form::trio:
      wave_trio(row.x, stage);
      break;
  }
}

// Spawns every row of the timetable due on this frame, in table order.
void run_timetable(std::span<const WaveRow> rows, Stage& stage) {
  for (const WaveRow& row : rows) {
    if (row.t == stage.ticks) spawn_row(row, stage);
  }
}

void run_staircases(std::span<const Staircase> stairs, Stage& stage) {
  const int t = stage.ticks;
  for (const Staircase& stair : stairs) {
    if (t < stair.from || t > stair.to || t % 10 != 0) continue;
    int k = (t - stair.k_from) / 10;
    int row = 10 - k % 10;
    if (stair.edge == Edge::right) {
      drone_spawn(W, row, drone_swoop_right, drone_fire_none, *stage.world);
    } else {
      drone_spawn(0, row, drone_swoop_left, drone_fire_none, *stage.world);
    }
  }
}

}  // namespace

void wave_trio(int c, Stage& stage) {
  enemy_spawn(c - 4, -2, kind_dart, *stage.world);
  enemy_spawn(c, 0, kind_dart, *stage.world);
  enemy_spawn(c + 4, -2, kind_dart_leader, *stage.world);
}

bool wave_opening(Stage& stage) {
  run_staircases(kOpeningStairs, stage);
  run_timetable(kOpening, stage);
  return stage.ticks > 1800;
}

bool wave_gunships(Stage& stage) {
  run_timetable(kGunships, stage);
  return stage.ticks > 3000;
}

bool wave_midboss(Stage& stage) {
  run_timetable(kMidboss, stage);
  return !game.boss_active && stage.ticks > 200;
}

bool wave_crossfire(Stage& stage) {
  run_staircases(kCrossfireStairs, stage);
  run_timetable(kCrossfire, stage);
  return stage.ticks > 1300;
}

bool wave_heavies(Stage& stage) {
  run_timetable(kHeavies, stage);
  return stage.ticks > 2200;
}

bool wave_fortress(Stage& stage) {
  run_timetable(kFortress, stage);
  if (stage.ticks >= kFortressWonFrom && !game.boss_active) game.game_won = true;
  return false;
}
